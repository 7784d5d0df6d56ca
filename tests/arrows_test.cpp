// Arrows and the slope triangle.
#include <gtest/gtest.h>

#include <vector>

#include "drawn_text.h"
#include "harness.h"

namespace {

struct Arrows : harness::KitFixture, ::testing::Test {
    // The segments drawn, as x1 y1 x2 y2 and colour.
    struct Seg {
        float x1, y1, x2, y2;
        int c;
    };
    std::vector<Seg> segments() const {
        std::vector<Seg> out;
        for (const auto& op : rt.trace())
            if (op.kind == platform::OpKind::Segment) out.push_back({op.v[0], op.v[1], op.v[2], op.v[3], op.color});
        return out;
    }
    void expect_segments(const std::vector<Seg>& want) const {
        const auto got = segments();
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t k = 0; k < want.size(); ++k) {
            SCOPED_TRACE(k);
            EXPECT_NEAR(got[k].x1, want[k].x1, 1e-3);
            EXPECT_NEAR(got[k].y1, want[k].y1, 1e-3);
            EXPECT_NEAR(got[k].x2, want[k].x2, 1e-3);
            EXPECT_NEAR(got[k].y2, want[k].y2, 1e-3);
            EXPECT_EQ(got[k].c, want[k].c);
        }
    }
};

TEST_F(Arrows, ArrowHeadsByDirectionAndCount) {
    struct Case {
        const char* name;
        float zx0, zy0, zx, zy, muki, ya;
        std::vector<Seg> segs;
        float tip_x, tip_y, ya_after;
    } cases[] = {
        // barbs 16 back from the tip, 8 above and below the shaft
        {"head at (ZX, ZY)", 100, 200, 200, 200, 1, 0,
         {{100, 200, 200, 200, 5}, {184, 208, 200, 200, 5}, {184, 192, 200, 200, 5}}, 200, 200, 0},
        {"MUKI 0 as 1", 100, 200, 200, 200, 0, 0,
         {{100, 200, 200, 200, 5}, {184, 208, 200, 200, 5}, {184, 192, 200, 200, 5}}, 200, 200, 0},
        {"MUKI -1: head at (ZX0, ZY0)", 100, 200, 200, 200, -1, 0,
         {{200, 200, 100, 200, 5}, {116, 192, 100, 200, 5}, {116, 208, 100, 200, 5}}, 100, 200, 0},
        {"slanted", 0, 0, 30, 40, 1, 1, {{0, 0, 30, 40, 5}, {14, 32, 30, 40, 5}, {26.8f, 22.4f, 30, 40, 5}}, 30, 40,
         1},
        {"YA 2: both ends", 100, 200, 200, 200, -1, 2,
         {{200, 200, 100, 200, 5}, {116, 192, 100, 200, 5}, {116, 208, 100, 200, 5}, {100, 200, 200, 200, 5},
          {184, 208, 200, 200, 5}, {184, 192, 200, 200, 5}},
         200, 200, 0},
        // ends that coincide give no direction: nothing is drawn, no error
        {"zero length", 150, 150, 150, 150, 1, 2, {}, 150, 150, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rt.clear_trace();
        kit.ZX0 = c.zx0;
        kit.ZY0 = c.zy0;
        kit.ZX = c.zx;
        kit.ZY = c.zy;
        kit.MUKI = c.muki;
        kit.YA = c.ya;
        kit.NAGASA = 16;
        kit.CCC2 = 5;
        kit.DRAW_ARROW();
        expect_segments(c.segs);
        EXPECT_EQ(kit.MUKI, 0);
        EXPECT_EQ(kit.YA, c.ya_after);
        EXPECT_EQ(kit.ZX0, c.tip_x);
        EXPECT_EQ(kit.ZY0, c.tip_y);
        for (const auto& op : rt.trace()) EXPECT_EQ(op.width, 3);  // the caller's width
    }
}

TEST_F(Arrows, SlopeTriangleWithItsLabels) {
    kit.GX3 = 100;
    kit.GY3 = 400;
    kit.GX4 = 300;
    kit.GY4 = 300;
    kit.SIZE = 50;
    kit.HYOUJI_S = "yy";
    kit.DRAW_SLOPE_TRIANGLE();

    std::vector<std::string> want;
    for (const char* s : {"segment 100 400 300 400 c=7 w=5", "segment 284 408 300 400 c=7 w=5",
                          "segment 284 392 300 400 c=7 w=5", "segment 300 400 300 300 c=3 w=5",
                          "segment 308 316 300 300 c=3 w=5", "segment 292 316 300 300 c=3 w=5"})
        want.push_back(s);
    harness::append(want, harness::drawn_text(186, 356, "4", 7, 5));
    harness::append(want, harness::drawn_text(300, 334, "2", 3, 5));
    EXPECT_EQ(harness::trace_lines(rt.trace()), want);
    EXPECT_EQ(kit.X_S, "4");
    EXPECT_EQ(kit.Y_S, "2");
    EXPECT_EQ(rt.line_width(), 5);
    EXPECT_EQ(kit.CCC1, 3);
    EXPECT_EQ(kit.CCC2, 3);
    EXPECT_EQ(kit.NAGASA, 16);
    EXPECT_EQ(kit.MUKI, 0);
}

TEST_F(Arrows, SlopeTriangleLengthsAndLabelPlaces) {
    struct Case {
        float gx3, gy3, gx4, gy4, size;
        const char* hyouji;
        const char *x_s, *y_s;
        float run_label_y;  // -1: no run label
        float gx3_after;
    } cases[] = {
        // given right to left: exchanged, the run arrow points right
        {300, 300, 100, 400, 50, "y", "4", "2", 356, 100},
        // a rise of a quarter gets its zero, a run of a quarter does not
        {100, 400, 300, 387.5f, 50, "", "4", "0.25", -1, 100},
        {100, 400, 112.5f, 300, 50, "", ".25", "2", -1, 100},
        // a falling rise between -1 and 0 reads -0.5, not 0-.5
        {100, 300, 300, 325, 50, "y", "4", "-0.5", 300, 100},
        {100, 300, 300, 300, 50, "y", "4", "0", 300, 100},
        // no grid unit: no lengths and no division by zero
        {100, 400, 300, 300, 0, "yy", "", "", 356, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.gx3 << "," << c.gy3 << " " << c.gx4 << "," << c.gy4);
        rt.clear_trace();
        kit.GX3 = c.gx3;
        kit.GY3 = c.gy3;
        kit.GX4 = c.gx4;
        kit.GY4 = c.gy4;
        kit.SIZE = c.size;
        kit.HYOUJI_S = c.hyouji;
        kit.DRAW_SLOPE_TRIANGLE();
        EXPECT_EQ(kit.X_S, c.x_s);
        EXPECT_EQ(kit.Y_S, c.y_s);
        EXPECT_EQ(kit.GX3, c.gx3_after);
        EXPECT_LE(kit.GX3, kit.GX4);
        const auto run = rt.trace().at(0);
        EXPECT_EQ(run.color, 7);
        EXPECT_LE(run.v[0], run.v[2]);
        if (c.run_label_y >= 0 && *c.x_s) {
            const auto label = harness::texts_containing(rt.trace(), std::string(c.x_s, 1));
            ASSERT_FALSE(label.empty());
            EXPECT_EQ(label[0].v[1], c.run_label_y);
            EXPECT_EQ(label[0].color, 7);
        }
    }
}

}  // namespace
