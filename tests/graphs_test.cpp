// Function graphs: chains of dots cut off at the frame, and vertical lines.
#include <gtest/gtest.h>

#include <vector>

#include "drawn_text.h"
#include "harness.h"

namespace {

using platform::DrawOp;
using platform::OpKind;

struct Graphs : harness::KitFixture, ::testing::Test {
    Graphs() {
        // a plane with its origin at (840, 380), 40 a unit, y from -5 to 5
        kit.GX0 = 840;
        kit.GY0 = 380;
        kit.SIZE = 40;
        kit.GY1 = 180;
        kit.GY2 = 580;
        kit.CCC3 = 2;
        kit.BB1 = -5;
        kit.BB2 = 5;
    }
    std::vector<DrawOp> ops(OpKind kind) const {
        std::vector<DrawOp> out;
        for (const auto& op : rt.trace())
            if (op.kind == kind) out.push_back(op);
        return out;
    }
};

TEST_F(Graphs, DotChainsByKind) {
    struct Case {
        const char* name;
        float iroiro, aa, bb, aa1, aa2;
        float first_x, first_y;  // screen point of the first dot
        float last_x, last_y;    // of the last dot (0.002 further when the start moved)
        int dots;
    } cases[] = {
        {"line, first dot at x = 0", 3, 1, 0, 0, 2, 840, 380, 920, 300, 5001},
        {"inverse, start moved off 0", 1, 0.001f, 0, 0, 2, 840.08f, 360, 920.08f, 379.98f, 5001},
        {"parabola, start moved off 0", 2, 1, 0, 0, 2, 840.08f, 380, 920.08f, 219.68f, 5001},
        {"other kinds: a line that avoids 0", 0, 1, 1, 0, 2, 840.08f, 339.92f, 920.08f, 259.92f, 5001},
        {"kind 5 as well", 5, 1, 1, 0, 2, 840.08f, 339.92f, 920.08f, 259.92f, 5001},
        {"one point for all dots", 3, 1, 0, 1, 1, 880, 340, 880, 340, 5001},
        {"right to left", 3, 1, 0, 2, 0, 920, 300, 840, 380, 5001},
        // cut off at y 5 and -5 (the frame's top and bottom)
        {"parabola cut off", 2, 1, 0, -10, 10, 0, 0, 0, 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rt.clear_trace();
        kit.IROIRO = c.iroiro;
        kit.AA = c.aa;
        kit.BB = c.bb;
        kit.AA1 = c.aa1;
        kit.AA2 = c.aa2;
        kit.BAIX = kit.BAIY = 1;
        kit.AAA_S.clear();
        kit.PLOT_GRAPH();
        const auto dots = ops(OpKind::Disc);
        ASSERT_FALSE(dots.empty());
        for (const auto& d : dots) {
            EXPECT_EQ(d.v[2], 1);
            EXPECT_EQ(d.color, 2);
            EXPECT_EQ(d.fill, 2);
            EXPECT_GE(d.v[1], 180);
            EXPECT_LE(d.v[1], 580);
        }
        if (c.dots < 0) {
            EXPECT_LT(dots.size(), 5001u);
            continue;
        }
        EXPECT_EQ(dots.size(), static_cast<std::size_t>(c.dots));
        EXPECT_NEAR(dots.front().v[0], c.first_x, 1e-3);
        EXPECT_NEAR(dots.front().v[1], c.first_y, 1e-3);
        EXPECT_NEAR(dots.back().v[0], c.last_x, 0.05);
        EXPECT_NEAR(dots.back().v[1], c.last_y, 0.05);
        // the label's anchor is the last dot drawn
        EXPECT_EQ(kit.X, dots.back().v[0]);
        EXPECT_EQ(kit.Y, dots.back().v[1]);
        EXPECT_EQ(kit.HABA, 5000);
    }
}

TEST_F(Graphs, InverseSkipsAStepThatLandsOnZero) {
    kit.IROIRO = 1;
    kit.AA = 1;
    kit.AA1 = -2500;  // steps of exactly 1
    kit.AA2 = 2500;
    kit.SIZE = 0.1f;
    kit.PLOT_GRAPH();
    const auto dots = ops(OpKind::Disc);
    ASSERT_EQ(dots.size(), 5001u);
    for (const auto& d : dots) EXPECT_NE(d.v[0], 840);
    EXPECT_FLOAT_EQ(dots.back().v[0], 840 + 0.1f * 2501);
}

TEST_F(Graphs, GeneralLineBecomesAStraightLine) {
    kit.IROIRO = 4;
    kit.AA = 1;
    kit.BB = 2;
    kit.CC = 4;
    kit.AA1 = 0;
    kit.AA2 = 4;
    kit.PLOT_GRAPH();
    EXPECT_EQ(kit.IROIRO, 3);
    EXPECT_EQ(kit.AA, -0.5f);
    EXPECT_EQ(kit.BB, 2);
    EXPECT_EQ(kit.CC, 4);
    const auto dots = ops(OpKind::Disc);
    ASSERT_EQ(dots.size(), 5001u);
    EXPECT_EQ(dots.front().v[0], 840);  // y = -0.5·x + 2 at x = 0
    EXPECT_EQ(dots.front().v[1], 300);
}

TEST_F(Graphs, VerticalLineKeepsTheCallersCoefficients) {
    kit.IROIRO = 4;
    kit.AA = 2;
    kit.BB = 0;
    kit.CC = 6;
    kit.AAA_S = "x=3";
    rt.set_line_width(2);
    for (int call = 0; call < 2; ++call) {
        SCOPED_TRACE(call);
        rt.clear_trace();
        kit.PLOT_GRAPH();
        std::vector<std::string> want = {"segment 960 580 960 180 c=2 w=5"};
        // the label is drawn while the line's width is in force
        harness::append(want, harness::drawn_text(970, 180, "x=3", 2, 5));
        EXPECT_EQ(harness::trace_lines(rt.trace()), want);
        // a second call draws the same line: CC is not divided again
        EXPECT_EQ(kit.CC, 6);
        EXPECT_EQ(kit.AA, 2);
        EXPECT_EQ(kit.IROIRO, 4);
        EXPECT_EQ(rt.line_width(), 2);
    }
}

TEST_F(Graphs, ScalesPlaceValuesOnTheGrid) {
    // 2 a unit: x = 4 stands two grid units right of the origin
    kit.IROIRO = 3;
    kit.AA = 0;
    kit.BB = 0;
    kit.AA1 = kit.AA2 = 4;
    kit.BAIX = 2;
    kit.BAIY = 0;  // 0 counts as 1
    kit.PLOT_GRAPH();
    EXPECT_EQ(ops(OpKind::Disc).front().v[0], 920);
    EXPECT_EQ(kit.BAIX, 1);
    EXPECT_EQ(kit.BAIY, 1);

    rt.clear_trace();
    kit.IROIRO = 4;
    kit.AA = 1;
    kit.BB = 0;
    kit.CC = 4;
    kit.BAIX = 2;
    kit.PLOT_GRAPH();
    EXPECT_EQ(ops(OpKind::Segment).front().v[0], 920);

    // a negative scale mirrors
    rt.clear_trace();
    kit.IROIRO = 3;
    kit.AA = 0;
    kit.BB = 1;
    kit.AA1 = kit.AA2 = 2;
    kit.BAIX = -1;
    kit.PLOT_GRAPH();
    EXPECT_EQ(ops(OpKind::Disc).front().v[0], 760);
    EXPECT_EQ(ops(OpKind::Disc).front().v[1], 340);
}

TEST_F(Graphs, LabelAndOneShotInputs) {
    struct Case {
        const char* name;
        float iroiro, aa, bb, cc, aa1, aa2;
        const char* label;
        float kx, ky;
        bool drawn;  // anything at all
    } cases[] = {
        {"label offset from the last dot", 3, 0, 1, 0, 1, 1, "y=1", 10, -30, true},
        {"empty label", 3, 0, 1, 0, 1, 1, "", 10, -30, true},
        // no dot between the frame's edges: the label stays at the caller's place
        {"curve above the frame", 3, 0, 9, 0, -1, 1, "y=9", 5, 5, true},
        // 0·x + 0·y = c is no line: nothing, and no division by zero
        {"no line at all", 4, 0, 0, 3, -1, 1, "?", 5, 5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rt.clear_trace();
        rt.set_line_width(3);
        kit.IROIRO = c.iroiro;
        kit.AA = c.aa;
        kit.BB = c.bb;
        kit.CC = c.cc;
        kit.AA1 = c.aa1;
        kit.AA2 = c.aa2;
        kit.AAA_S = cp932::from_utf8(c.label);
        kit.KASANARIX = c.kx;
        kit.KASANARIY = c.ky;
        kit.BAIX = 3;
        kit.BAIY = 3;
        kit.X = 100;
        kit.Y = 100;
        kit.CCC1 = 0;
        kit.PLOT_GRAPH();
        const auto dots = ops(OpKind::Disc);
        const float ax = dots.empty() ? 100 : dots.back().v[0];
        const float ay = dots.empty() ? 100 : dots.back().v[1];
        std::vector<std::string> labels;
        for (const auto& op : rt.trace())
            if (op.kind == OpKind::Text) labels.push_back(op.str());
        if (c.drawn && *c.label) {
            auto want = harness::drawn_text(ax + c.kx, ay + c.ky, cp932::from_utf8(c.label), 2);
            EXPECT_EQ(labels, want);
        } else {
            EXPECT_TRUE(labels.empty());
        }
        if (!c.drawn) {
            EXPECT_TRUE(rt.trace().empty());
        }
        EXPECT_EQ(kit.CCC1, 2);
        EXPECT_EQ(kit.KASANARIX, 0);
        EXPECT_EQ(kit.KASANARIY, 0);
        EXPECT_EQ(kit.BAIX, 1);
        EXPECT_EQ(kit.BAIY, 1);
        EXPECT_EQ(rt.line_width(), 3);
    }
}

}  // namespace
