// Dotted span arcs and their labels.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

using platform::OpKind;

struct P {
    float x, y;
};

struct SpanArcTest : harness::KitFixture, ::testing::Test {
    std::vector<P> dots() const {
        std::vector<P> out;
        for (const auto& op : rt.trace()) {
            if (op.kind != OpKind::Disc) continue;
            EXPECT_EQ(op.v[2], 0.5f);
            EXPECT_EQ(op.color, 7);
            EXPECT_EQ(op.fill, 7);
            out.push_back({op.v[0], op.v[1]});
        }
        return out;
    }
};

#define EXPECT_AT(p, ex, ey)               \
    do {                                   \
        EXPECT_NEAR((p).x, (ex), 0.01);    \
        EXPECT_NEAR((p).y, (ey), 0.01);    \
    } while (0)

TEST_F(SpanArcTest, DotsAndLabel) {
    struct Case {
        const char* name;
        P first, second;
        float takasa, haba, houkou;
        std::size_t count;
        P first_dot, last_dot, middle, label;  // label: top left of "A", 27 wide
        float takasa_after;
    } cases[] = {
        {"over the top", {100, 300}, {300, 300}, 20, 10, -1, 19,
         {300, 300}, {100, 300}, {200, 280}, {186.5f, 236}, 20},
        {"underneath", {100, 300}, {300, 300}, 20, 10, 1, 19,
         {100, 300}, {300, 300}, {200, 320}, {186.5f, 320}, 20},
        {"points the other way round", {300, 300}, {100, 300}, 20, 10, -1, 19,
         {100, 300}, {300, 300}, {200, 320}, {186.5f, 320}, 20},
        {"step 1", {100, 300}, {300, 300}, 20, 1, -1, 181,
         {300, 300}, {100, 300}, {200, 280}, {186.5f, 236}, 20},
        {"step 5", {100, 300}, {300, 300}, 20, 5, 1, 37,
         {100, 300}, {300, 300}, {200, 320}, {186.5f, 320}, 20},
        {"step 8 stops short", {100, 300}, {300, 300}, 20, 8, -1, 23,
         {300, 300}, {100.24f, 298.61f}, {200, 280}, {186.5f, 236}, 20},
        {"small bulge counts by 16", {100, 300}, {300, 300}, 2, 10, -1, 19,
         {300, 300}, {100, 300}, {200, 268}, {186.5f, 224}, 32},
        {"negative bulge made positive", {100, 300}, {300, 300}, -10, 10, -1, 19,
         {300, 300}, {100, 300}, {200, 290}, {186.5f, 246}, 10},
        {"no bulge, label above", {100, 300}, {300, 300}, 0, 10, -1, 19,
         {300, 300}, {100, 300}, {200, 300}, {186.5f, 256}, 0},
        {"no bulge, label below", {100, 300}, {300, 300}, 0, 10, 0, 19,
         {300, 300}, {100, 300}, {200, 300}, {186.5f, 300}, 0},
        {"upwards bulges left", {100, 300}, {100, 100}, 40, 10, -1, 19,
         {100, 100}, {100, 300}, {60, 200}, {33, 178}, 40},
        {"step past the end", {100, 300}, {300, 300}, 20, 200, -1, 1,
         {300, 300}, {300, 300}, {200, 280}, {186.5f, 236}, 20},
        // A step of 0 or less, or no length, gives one dot instead of an
        // endless loop or a division by zero.
        {"step 0", {100, 300}, {300, 300}, 20, 0, -1, 1,
         {300, 300}, {300, 300}, {200, 280}, {186.5f, 236}, 20},
        {"negative step", {100, 300}, {300, 300}, 20, -5, 1, 1,
         {100, 300}, {100, 300}, {200, 320}, {186.5f, 320}, 20},
        {"one point", {150, 150}, {150, 150}, 20, 10, -1, 1,
         {150, 150}, {150, 150}, {150, 150}, {123, 128}, 20},
        // 180 + 0.000001 is 180 again in single precision.
        {"step too small to move the angle", {100, 300}, {300, 300}, 20, 0.000001f, 1, 1,
         {100, 300}, {100, 300}, {200, 320}, {186.5f, 320}, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rt.clear_trace();
        kit.ZX0 = c.first.x, kit.ZY0 = c.first.y, kit.ZX1 = c.second.x, kit.ZY1 = c.second.y;
        kit.TAKASA = c.takasa, kit.HABA = c.haba, kit.HOUKOU = c.houkou;
        kit.CCC2 = 7, kit.CCC1 = 3, kit.AAA_S = "A";
        kit.DRAW_SPAN_ARC();
        auto d = dots();
        ASSERT_EQ(d.size(), c.count);
        EXPECT_AT(d.front(), c.first_dot.x, c.first_dot.y);
        EXPECT_AT(d.back(), c.last_dot.x, c.last_dot.y);
        auto texts = harness::texts_containing(rt.trace(), "A");
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_NEAR(texts[0].v[0], c.label.x, 0.01);
        EXPECT_NEAR(texts[0].v[1], c.label.y, 0.01);
        EXPECT_EQ(texts[0].color, 3);
        // What the arc leaves behind.
        EXPECT_AT((P{kit.ZX0, kit.ZY0}), c.middle.x, c.middle.y);
        EXPECT_AT((P{kit.ZX1, kit.ZY1}), c.first.x, c.first.y);
        EXPECT_AT((P{kit.ZX2, kit.ZY2}), c.second.x, c.second.y);
        EXPECT_EQ(kit.CX, c.second.x - c.first.x);
        EXPECT_EQ(kit.CY, c.second.y - c.first.y);
        EXPECT_EQ(kit.TAKASA, c.takasa_after);
        EXPECT_EQ(kit.HABA, c.haba);
        EXPECT_EQ(kit.HOUKOU, c.houkou);
        EXPECT_EQ(kit.ITI, 0);
        EXPECT_EQ(kit.NAGASA, 0);
        EXPECT_EQ(kit.AAA_S, "");
    }
}

TEST_F(SpanArcTest, EmptyLabelStillMovesTheCursorAndResets) {
    kit.ZX0 = 100, kit.ZY0 = 300, kit.ZX1 = 300, kit.ZY1 = 300;
    kit.TAKASA = 20, kit.HABA = 10, kit.HOUKOU = -1, kit.CCC2 = 7;
    kit.AAA_S = "", kit.AAAX = 4, kit.AAAY = 5, kit.MU_DO = 1, kit.X = kit.Y = 0;
    kit.DRAW_SPAN_ARC();
    EXPECT_TRUE(harness::texts_containing(rt.trace(), "").empty());
    EXPECT_NEAR(kit.X, 204, 0.01);
    EXPECT_NEAR(kit.Y, 241, 0.01);
    EXPECT_EQ(kit.AAAX, 0);
    EXPECT_EQ(kit.AAAY, 0);
    EXPECT_EQ(kit.MU_DO, 0);
}

}  // namespace
