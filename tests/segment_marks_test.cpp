// Arrowheads for parallel segments and strokes for equal ones.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

using platform::OpKind;

struct SegmentMarksTest : harness::KitFixture, ::testing::Test {
    void segment(float ax, float ay, float bx, float by) { kit.AX = ax, kit.AY = ay, kit.BX = bx, kit.BY = by; }
    std::vector<std::vector<float>> drawn() const {
        std::vector<std::vector<float>> out;
        for (const auto& op : rt.trace()) {
            EXPECT_EQ(op.kind, OpKind::Segment);
            EXPECT_EQ(op.color, 5);
            out.push_back(op.v);
        }
        return out;
    }
};

TEST_F(SegmentMarksTest, ParallelMarksStandBeyondTheRatioPoint) {
    segment(100, 100, 300, 100);
    kit.A = 1, kit.B = 1, kit.NAGASA = 20, kit.HONSU = 2, kit.CCC2 = 5;
    kit.DRAW_PARALLEL_MARKS();
    using V = std::vector<float>;
    EXPECT_EQ(drawn(), (std::vector<V>{{196, 110, 216, 100}, {196, 90, 216, 100},  //
                                       {212, 110, 232, 100}, {212, 90, 232, 100}}));
    EXPECT_EQ(kit.EX, 180);
    EXPECT_EQ(kit.EY, 100);
    EXPECT_EQ(kit.BX1, 232);
    EXPECT_EQ(kit.BY1, 100);
    EXPECT_EQ(kit.II, 3);
    EXPECT_EQ(kit.CX, 200);
    EXPECT_EQ(kit.D, 200);
    EXPECT_EQ(kit.DX, 1);
    EXPECT_EQ(kit.DY, 0);
}

TEST_F(SegmentMarksTest, ParallelMarksRatioAndDirection) {
    // A 2 : B 1 puts the ratio point two thirds of the way; B to A reverses.
    struct Case {
        float ax, ay, bx, by, a, b;
        float tip_x, tip_y;
    } cases[] = {
        {100, 100, 400, 100, 2, 1, 316, 100},
        {400, 100, 100, 100, 2, 1, 184, 100},
        {100, 100, 100, 400, 1, 1, 100, 266},  // downwards
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.ax << "," << c.ay << ") to (" << c.bx << "," << c.by << ")");
        rt.clear_trace();
        segment(c.ax, c.ay, c.bx, c.by);
        kit.A = c.a, kit.B = c.b, kit.NAGASA = 20, kit.HONSU = 1, kit.CCC2 = 5;
        kit.DRAW_PARALLEL_MARKS();
        auto lines = drawn();
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_NEAR(lines[0][2], c.tip_x, 1e-3);
        EXPECT_NEAR(lines[0][3], c.tip_y, 1e-3);
    }
}

TEST_F(SegmentMarksTest, EqualMarkStrokes) {
    segment(100, 100, 300, 100);
    kit.NAGASA = 8, kit.HONSU = 1, kit.AIDA = 8, kit.ITI = 0, kit.CCC2 = 5;
    kit.DRAW_EQUAL_MARKS();
    EXPECT_EQ(drawn(), (std::vector<std::vector<float>>{{208, 92, 208, 108}}));
    EXPECT_EQ(kit.AIDA, 16);
    EXPECT_EQ(kit.AIDA1, 8);
    EXPECT_EQ(kit.EX, 200);
    EXPECT_EQ(kit.EY, 100);
    EXPECT_EQ(kit.II, 2);
}

TEST_F(SegmentMarksTest, EqualMarkSpacingShiftAndCount) {
    struct Case {
        float aida, iti, honsu;
        std::vector<float> xs;  // stroke positions along the level segment
        float aida_after, honsu_after;
    } cases[] = {
        {8, 0, 2, {208, 216}, 24, 2},
        {30, 0, 1, {230}, 60, 1},
        {31, 0, 1, {208}, 16, 1},      // above 30: the default 8
        {0, 0, 1, {208}, 16, 1},       // 0: the default 8
        {-8, 0, 1, {192}, -16, 1},     // negative: towards A
        {8, 10, 1, {218}, 16, 1},      // group shifted towards B
        {8, 0, 7, {208}, 16, 1},       // out of range: one
        {8, 0, -1, {208}, 16, 1},
        {8, 0, 6, {208, 216, 224, 232, 240, 248}, 56, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "AIDA " << c.aida << " ITI " << c.iti << " HONSU " << c.honsu);
        rt.clear_trace();
        segment(100, 100, 300, 100);
        kit.NAGASA = 8, kit.HONSU = c.honsu, kit.AIDA = c.aida, kit.ITI = c.iti, kit.CCC2 = 5;
        kit.DRAW_EQUAL_MARKS();
        std::vector<float> xs;
        for (const auto& v : drawn()) xs.push_back(v[0]);
        EXPECT_EQ(xs, c.xs);
        EXPECT_EQ(kit.AIDA, c.aida_after);
        EXPECT_EQ(kit.HONSU, c.honsu_after);
    }
}

TEST_F(SegmentMarksTest, RepeatedSingleStrokesAlternateTheirSpacing) {
    kit.AIDA = 0;
    std::vector<float> xs;
    for (int call = 0; call < 3; ++call) {
        rt.clear_trace();
        segment(100, 100, 300, 100);
        kit.NAGASA = 8, kit.HONSU = 1, kit.ITI = 0, kit.CCC2 = 5;
        kit.DRAW_EQUAL_MARKS();
        xs.push_back(drawn().at(0)[0]);
    }
    EXPECT_EQ(xs, (std::vector<float>{208, 216, 208}));
}

TEST_F(SegmentMarksTest, ParallelMarkCountOutOfRange) {
    struct Case {
        float honsu;
        std::size_t lines;
        float after;
    } cases[] = {{0, 2, 1}, {-2, 2, 1}, {7, 2, 1}, {6, 12, 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "HONSU " << c.honsu);
        rt.clear_trace();
        segment(100, 100, 300, 100);
        kit.A = 1, kit.B = 1, kit.NAGASA = 20, kit.HONSU = c.honsu, kit.CCC2 = 5;
        kit.DRAW_PARALLEL_MARKS();
        EXPECT_EQ(drawn().size(), c.lines);
        EXPECT_EQ(kit.HONSU, c.after);
    }
}

TEST_F(SegmentMarksTest, NothingToMarkOnAPointOrWithoutARatio) {
    segment(150, 150, 150, 150);
    kit.A = 1, kit.B = 1, kit.NAGASA = 20, kit.HONSU = 1, kit.CCC2 = 5;
    kit.DRAW_PARALLEL_MARKS();
    kit.NAGASA = 8, kit.AIDA = 8, kit.ITI = 0;
    kit.DRAW_EQUAL_MARKS();
    segment(100, 100, 300, 100);
    kit.A = 1, kit.B = -1, kit.NAGASA = 20;
    kit.DRAW_PARALLEL_MARKS();
    EXPECT_TRUE(rt.trace().empty());
}

}  // namespace
