// Angle marks, right-angle marks and angle labels.
#include <gtest/gtest.h>

#include <cmath>

#include "harness.h"

namespace {

using platform::DrawOp;
using platform::OpKind;

constexpr float kPi = 3.14159f;

struct MarksTest : harness::KitFixture, ::testing::Test {
    // Vertex (400, 300) with arm points 100 units out in the given directions.
    void arms(float first_degrees, float second_degrees, float iti) {
        kit.ZX0 = 400, kit.ZY0 = 300;
        kit.ZX1 = 400 + 100 * std::cos(first_degrees * kPi / 180);
        kit.ZY1 = 300 - 100 * std::sin(first_degrees * kPi / 180);
        kit.ZX2 = 400 + 100 * std::cos(second_degrees * kPi / 180);
        kit.ZY2 = 300 - 100 * std::sin(second_degrees * kPi / 180);
        kit.ITI = iti;
    }
    std::vector<DrawOp> ops(OpKind kind) const {
        std::vector<DrawOp> out;
        for (const auto& op : rt.trace())
            if (op.kind == kind) out.push_back(op);
        return out;
    }
    void expect_label_inputs_reset() {
        EXPECT_EQ(kit.ITI, 0);
        EXPECT_EQ(kit.AAA_S, "");
        EXPECT_EQ(kit.AAAX, 0);
        EXPECT_EQ(kit.AAAY, 0);
        EXPECT_EQ(kit.NAGASA, 0);
        EXPECT_EQ(kit.MU_DO, 0);
    }
};

TEST_F(MarksTest, LabelStandsOnTheBisector) {
    struct Case {
        const char* name;
        float first, second, iti;  // arm directions in degrees
        const char* label;         // UTF-8
        float nagasa, aaax, aaay, mu_do;
        float x, y;  // top left of the text
        float dy;
    } cases[] = {
        // The worked example: right and up, bisector at 45 degrees, "A" 27 wide.
        {"formula", 0, 90, 1, "A", 30, 0, 0, 0, 417.26f, 241.23f, 22},
        // A plain label is placed by the formula width all the same.
        {"plain", 0, 90, 1, "A", 30, 0, 0, 1, 417.26f, 241.23f, 22},
        {"offsets", 0, 90, 1, "A", 30, 5, -3, 0, 422.26f, 238.23f, 22},
        // A fraction is a box 80 high: "1" and "2" are 32 wide in a fraction.
        {"fraction", 0, 90, 1, "ﾀ1/2ﾀ", 30, 0, 0, 0, 416.53f, 210.50f, 40},
        // Bisector pointing right: the box's left edge at NAGASA, middle level.
        {"right", 270, 90, 0, "B", 10, 0, 0, 0, 410, 278, 22},
        // Bisector pointing up: bottom edge NAGASA above, centred over the vertex.
        {"up", 0, 180, 0, "B", 10, 0, 0, 0, 386.5f, 246, 22},
        // The other sweep of the worked example: down and to the left.
        {"exchanged", 0, 90, -1, "A", 30, 0, 0, 0, 355.74f, 314.77f, 22},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rt.clear_trace();
        arms(c.first, c.second, c.iti);
        kit.NAGASA = c.nagasa, kit.AAAX = c.aaax, kit.AAAY = c.aaay, kit.MU_DO = c.mu_do;
        kit.AAA_S = cp932::from_utf8(c.label);
        kit.HONSU = 2, kit.CCC1 = 9;
        kit.LABEL_ANGLE();
        auto texts = ops(OpKind::Text);
        ASSERT_FALSE(texts.empty());
        // A fraction's parts are as wide as each other: the first drawn
        // starts at the label's left edge too.
        EXPECT_NEAR(texts.front().v[0], c.x, 0.01);
        EXPECT_EQ(texts.front().color, 9);
        // Plain labels go through the plain drawer (size 15), the rest are formulas.
        EXPECT_EQ(texts.front().font.size, c.mu_do == 1 ? 15 : 16);
        EXPECT_EQ(kit.DY, c.dy);
        EXPECT_NEAR(kit.Y, c.y, 0.01);
        expect_label_inputs_reset();
        EXPECT_EQ(kit.HONSU, 2);
    }
}

TEST_F(MarksTest, EmptyLabelDrawsNothingButMovesTheCursorAndResets) {
    arms(0, 90, 1);
    kit.NAGASA = 30, kit.X = kit.Y = -1;
    kit.AAA_S = "";
    kit.DRAW_ANGLE_MARK();
    EXPECT_TRUE(ops(OpKind::Text).empty());
    EXPECT_NEAR(kit.X, 421.21f, 0.01);
    EXPECT_NEAR(kit.Y, 241.23f, 0.01);
    expect_label_inputs_reset();
    // A right-angle mark right after it without a new size has size 0.
    rt.clear_trace();
    kit.DRAW_RIGHT_ANGLE();
    auto lines = ops(OpKind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    for (std::size_t i = 0; i < lines[0].v.size(); i += 2) {
        EXPECT_EQ(lines[0].v[i], 400);
        EXPECT_EQ(lines[0].v[i + 1], 300);
    }
}

TEST_F(MarksTest, AngleMarkArcsAndSectors) {
    struct Case {
        float honsu, nagasa;
        std::vector<float> radii;  // arcs drawn
        float sector;              // radius of the filled sector, 0 for none
        float honsu_after, ii_after;
    } cases[] = {
        {1, 40, {32}, 0, 1, 2},
        {2, 50, {42, 34}, 0, 2, 3},
        {7, 40, {32}, 0, 1, 2},  // above 6 counts as 1
        {6, 80, {72, 64, 56, 48, 40, 32}, 0, 6, 7},
        {0.5f, 40, {32}, 0, 0.5f, 2},
        {2.5f, 50, {42, 34}, 0, 2.5f, 3},
        {1, 8, {}, 0, 1, 2},    // radius 0: nothing
        {2, 12, {4}, 0, 2, 3},  // the second radius is below 0
        {0, 40, {}, 40, 0, 0},  // a filled sector
        {-1, 40, {}, 40, -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "HONSU " << c.honsu << " NAGASA " << c.nagasa);
        rt.clear_trace();
        arms(0, 90, 1);
        kit.HONSU = c.honsu, kit.NAGASA = c.nagasa, kit.CCC2 = 0, kit.CCC3 = 7;
        kit.AAA_S = "";
        kit.DRAW_ANGLE_MARK();
        std::vector<float> radii;
        for (const auto& op : ops(OpKind::Arc)) {
            radii.push_back(op.v[2]);
            EXPECT_EQ(op.color, 7);
            EXPECT_EQ(op.v[0], 400);
            EXPECT_EQ(op.v[1], 300);
        }
        EXPECT_EQ(radii, c.radii);
        auto sectors = ops(OpKind::Sector);
        if (c.sector > 0) {
            ASSERT_EQ(sectors.size(), 1u);
            EXPECT_EQ(sectors[0].v[2], c.sector);
            EXPECT_EQ(sectors[0].color, 0);
            EXPECT_EQ(sectors[0].fill, 7);
        } else {
            EXPECT_TRUE(sectors.empty());
        }
        EXPECT_EQ(kit.HONSU, c.honsu_after);
        if (c.honsu > 0) {
            EXPECT_EQ(kit.II, c.ii_after);
        }
        expect_label_inputs_reset();
    }
}

TEST_F(MarksTest, ArcRangeCoversTheCounterClockwiseSweepFromTheFirstArm) {
    // The platform takes the fractions modulo 1, so direction 0 (fraction 1)
    // arrives as 0; it draws from start clockwise to end.
    struct Case {
        float first, second, iti;
        float start, end;
    } cases[] = {
        {0, 90, 1, 0.75f, 0},               // the quarter between right and up
        {0, 90, -1, 0, 0.75f},              // the other three quarters
        {350, 10, 0, 0.972222f, 0.027778f}, // through 0
        {10, 350, 0, 0.027778f, 0.972222f},
        {120, 240, 0, 0.333333f, 0.666667f},
        {200, 300, 0, 0.166667f, 0.444444f},
        {300, 45, 0, 0.875f, 0.166667f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << " to " << c.second << " ITI " << c.iti);
        for (float honsu : {1.0f, 0.0f}) {
            rt.clear_trace();
            arms(c.first, c.second, c.iti);
            kit.HONSU = honsu, kit.NAGASA = 40, kit.CCC2 = 0, kit.CCC3 = 7;
            kit.DRAW_ANGLE_MARK();
            ASSERT_EQ(rt.trace().size(), 1u);
            const auto& op = rt.trace()[0];
            EXPECT_EQ(op.kind, honsu > 0 ? OpKind::Arc : OpKind::Sector);
            EXPECT_NEAR(op.v[3], c.start, 1e-5);
            EXPECT_NEAR(op.v[4], c.end, 1e-5);
        }
    }
}

TEST_F(MarksTest, ArmsInOneDirectionDrawNoArc) {
    arms(90, 90, 0);
    kit.HONSU = 1, kit.NAGASA = 40, kit.CCC3 = 7;
    kit.DRAW_ANGLE_MARK();
    EXPECT_TRUE(rt.trace().empty());
}

TEST_F(MarksTest, RightAngleMark) {
    struct Case {
        float first, second, iti;
        std::vector<float> points;
    } cases[] = {
        {0, 90, 0, {130, 100, 130, 70, 100, 70}},
        {0, 90, -1, {100, 70, 130, 70, 130, 100}},  // the same two segments
        {180, 270, 1, {70, 100, 70, 130, 100, 130}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << " to " << c.second << " ITI " << c.iti);
        rt.clear_trace();
        kit.ZX0 = 100, kit.ZY0 = 100;
        kit.ZX1 = 100 + 50 * std::cos(c.first * kPi / 180), kit.ZY1 = 100 - 50 * std::sin(c.first * kPi / 180);
        kit.ZX2 = 100 + 50 * std::cos(c.second * kPi / 180), kit.ZY2 = 100 - 50 * std::sin(c.second * kPi / 180);
        kit.ITI = c.iti, kit.NAGASA = 30, kit.CCC2 = 3, kit.AAA_S = "P";
        kit.DRAW_RIGHT_ANGLE();
        ASSERT_EQ(rt.trace().size(), 1u);
        const auto& op = rt.trace()[0];
        EXPECT_EQ(op.kind, OpKind::Polyline);
        EXPECT_EQ(op.color, 3);
        ASSERT_EQ(op.v.size(), c.points.size());
        for (std::size_t i = 0; i < c.points.size(); ++i) EXPECT_NEAR(op.v[i], c.points[i], 1e-3);
        // Nothing is reset.
        EXPECT_EQ(kit.NAGASA, 30);
        EXPECT_EQ(kit.ITI, c.iti);
        EXPECT_EQ(kit.AAA_S, "P");
        EXPECT_NEAR(kit.ZX5, c.points[2], 1e-3);
        EXPECT_NEAR(kit.ZY5, c.points[3], 1e-3);
    }
}

}  // namespace
