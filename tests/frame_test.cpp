// The figure frame with graph paper, and polygons with labelled vertices.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include "harness.h"

namespace {

using platform::DrawOp;
using platform::OpKind;

struct FrameTest : harness::KitFixture, ::testing::Test {
    void frame(float ggx, float ggy, float yoko, float tate, float size, float ccc2) {
        kit.GGX = ggx, kit.GGY = ggy, kit.YOKO = yoko, kit.TATE = tate, kit.SIZE = size, kit.CCC2 = ccc2;
    }
    // Lines of the graph paper: the fixed coordinate, thick or thin.
    struct Line {
        float at;
        bool thick;
        bool operator==(const Line&) const = default;
    };
    void split(std::vector<Line>& upright, std::vector<Line>& level) const {
        for (const auto& op : rt.trace()) {
            EXPECT_EQ(op.kind, OpKind::Segment);
            const bool thick = op.width == 3;
            EXPECT_EQ(op.color, thick ? 14 : 3);
            EXPECT_EQ(op.width, thick ? 3 : 1);
            if (op.v[0] == op.v[2]) upright.push_back({op.v[0], thick});
            else level.push_back({op.v[1], thick});
        }
    }
};

TEST_F(FrameTest, FrameWithoutPaperDrawsNothing) {
    rt.set_line_width(5);
    kit.CCC3 = 7, kit.II = 42;
    frame(720, 50, 7, 7, 70, 15);
    kit.DRAW_GRID();
    EXPECT_TRUE(rt.trace().empty());
    EXPECT_EQ(kit.GX1, 720);
    EXPECT_EQ(kit.GY1, 50);
    EXPECT_EQ(kit.GX2, 1210);
    EXPECT_EQ(kit.GY2, 540);
    EXPECT_EQ(kit.GX0, 720);
    EXPECT_EQ(kit.GY0, 540);
    EXPECT_EQ(static_cast<double>(kit.PI), 3.1415901184082031);
    EXPECT_EQ(kit.CCC3, 7);
    EXPECT_EQ(kit.II, 42);
    EXPECT_EQ(rt.line_width(), 5);
}

TEST_F(FrameTest, GraphPaperEveryFifthLineThickFromTheOrigin) {
    rt.set_line_width(5);
    frame(600, 50, 12, 10, 50, 3);
    kit.DRAW_GRID();
    std::vector<Line> upright, level;
    split(upright, level);
    std::vector<Line> want_upright, want_level;
    for (int i = 0; i <= 12; ++i) want_upright.push_back({600.0f + 50 * i, i % 5 == 0});
    for (int i = 0; i <= 10; ++i) want_level.push_back({550.0f - 50 * i, i % 5 == 0});
    EXPECT_EQ(upright, want_upright);
    EXPECT_EQ(level, want_level);
    // Upright lines first, all from top to bottom; level ones across.
    EXPECT_EQ(rt.trace().front().v, (std::vector<float>{600, 50, 600, 550}));
    EXPECT_EQ(rt.trace().back().v, (std::vector<float>{600, 50, 1200, 50}));
    EXPECT_EQ(kit.GX2, 1200);
    EXPECT_EQ(kit.GY0, 550);
    EXPECT_EQ(kit.CCC3, 14);
    EXPECT_EQ(kit.II, 11);
    EXPECT_EQ(kit.DR, 5);
    EXPECT_EQ(rt.line_width(), 5);
}

TEST_F(FrameTest, OddFrameSizes) {
    struct Case {
        float yoko, tate;
        std::size_t upright, level;
        float gx2;
    } cases[] = {
        {12.5f, 2, 13, 3, 225},  // level lines reach half a unit further
        {-1, -2, 1, 1, 90},     // the first line of each way is always drawn
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "YOKO " << c.yoko << " TATE " << c.tate);
        rt.clear_trace();
        frame(100, 100, c.yoko, c.tate, 10, 3);
        kit.DRAW_GRID();
        std::vector<Line> upright, level;
        split(upright, level);
        EXPECT_EQ(upright.size(), c.upright);
        EXPECT_EQ(level.size(), c.level);
        EXPECT_EQ(kit.GX2, c.gx2);
        EXPECT_EQ(rt.trace().back().v[2], c.gx2);
    }
}

TEST_F(FrameTest, HugeFramesEndAndDrawTheLinesOnThePage) {
    // Past 2^24 adding 1 leaves a count as it is; the loops end there.
    for (const float size : {16777216.0f, 99999999.0f}) {
        SCOPED_TRACE(testing::Message() << "YOKO and TATE " << size);
        rt.clear_trace();
        frame(600, 50, size, size, 30, 3);
        const auto start = std::chrono::steady_clock::now();
        kit.DRAW_GRID();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

        // Both ways count alike: upright lines first, then level ones.
        std::vector<std::string> upright, level;
        auto line = [](std::vector<std::string>& to, float i, float x1, float y1, float x2, float y2) {
            const bool fifth = static_cast<std::int64_t>(i) % 5 == 0;  // every count here is whole
            if (auto l = harness::segment_on_page(x1, y1, x2, y2, fifth ? 14 : 3, fifth ? 3.0f : 1.0f)) to.push_back(*l);
        };
        const float ii = harness::for_each_count(0, size, [&](float i) {
            line(upright, i, 600 + 30 * i, 50, 600 + 30 * i, kit.GY2);
            line(level, i, 600, kit.GY2 - 30 * i, kit.GX2, kit.GY2 - 30 * i);
        });
        upright.insert(upright.end(), level.begin(), level.end());
        EXPECT_EQ(harness::trace_lines(rt.trace()), upright);
        EXPECT_EQ(kit.II, ii);
    }
}

struct PolygonTest : FrameTest {
    // A square numbered counter-clockwise on screen, or clockwise.
    void square(bool counter_clockwise) {
        const float ccw[4][2] = {{200, 400}, {400, 400}, {400, 200}, {200, 200}};
        for (int k = 0; k < 4; ++k) {
            const int from = counter_clockwise ? k : 3 - k;
            kit.G_A(k + 1, 1) = ccw[from][0];
            kit.G_A(k + 1, 2) = ccw[from][1];
        }
        kit.KAKU = 4;
    }
    std::vector<DrawOp> labels() const {
        std::vector<DrawOp> out;
        for (const auto& op : rt.trace())
            if (op.kind == OpKind::Text) out.push_back(op);
        return out;
    }
};

TEST_F(PolygonTest, SidesInTheirOwnWidthAndLettersOutside) {
    rt.set_line_width(3);
    square(true);
    kit.SIZE1 = 5, kit.CCC2 = 0, kit.CCC1 = 9, kit.NAGASA = 10, kit.AAA_S = "A";
    kit.DRAW_POLYGON();
    std::vector<std::vector<float>> sides;
    for (const auto& op : rt.trace()) {
        if (op.kind != OpKind::Segment) continue;
        EXPECT_EQ(op.width, 5);
        EXPECT_EQ(op.color, 0);
        sides.push_back(op.v);
    }
    EXPECT_EQ(sides, (std::vector<std::vector<float>>{
                         {200, 400, 400, 400}, {400, 400, 400, 200}, {400, 200, 200, 200}, {200, 200, 200, 400}}));
    auto texts = labels();
    ASSERT_EQ(texts.size(), 4u);
    const char* letters[] = {"A", "B", "C", "D"};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(letters[k]);
        EXPECT_EQ(texts[k].text, letters[k]);
        EXPECT_EQ(texts[k].color, 9);
        // The label's box (27 by 44) lies beyond its vertex, seen from the middle.
        const float cx = texts[k].v[0] + 13.5f - 300, cy = texts[k].v[1] + 22 - 300;
        const float vx = kit.G_A(k + 1, 1) - 300, vy = kit.G_A(k + 1, 2) - 300;
        EXPECT_GT(cx * vx + cy * vy, vx * vx + vy * vy);
    }
    EXPECT_EQ(kit.AAA_S, "");
    EXPECT_EQ(kit.NAGASA, 0);
    EXPECT_EQ(kit.NAGASA1, 10);
    EXPECT_EQ(kit.II, 5);
    EXPECT_EQ(rt.line_width(), 3);
    // The last vertex's triple is left in the mark points.
    EXPECT_EQ(kit.ZX0, 200);
    EXPECT_EQ(kit.ZY0, 200);
    EXPECT_EQ(kit.ZX1, 200);
    EXPECT_EQ(kit.ZY1, 400);
    EXPECT_EQ(kit.ZX2, 400);
    EXPECT_EQ(kit.ZY2, 400);
}

TEST_F(PolygonTest, ClockwiseNumberingPutsTheLabelsInside) {
    square(false);
    kit.SIZE1 = 5, kit.NAGASA = 10, kit.AAA_S = "A";
    kit.DRAW_POLYGON();
    auto texts = labels();
    ASSERT_EQ(texts.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        const float cx = texts[k].v[0] + 13.5f - 300, cy = texts[k].v[1] + 22 - 300;
        const float vx = kit.G_A(k + 1, 1) - 300, vy = kit.G_A(k + 1, 2) - 300;
        EXPECT_LT(cx * vx + cy * vy, vx * vx + vy * vy);
    }
}

TEST_F(PolygonTest, LabelModes) {
    struct Case {
        const char* mode;
        std::vector<std::string> labels;
    } cases[] = {
        {"1", {"A", "B", "P"}},   // the names in X$()
        {"2", {"2", "3", "4"}},   // letters from the first character
        {"ABC", {"A", "B", "C"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode \"" << c.mode << "\"");
        rt.clear_trace();
        // A triangle numbered counter-clockwise with a right angle at vertex 1.
        kit.G_A(1, 1) = 200, kit.G_A(1, 2) = 400, kit.G_A(2, 1) = 400, kit.G_A(2, 2) = 400;
        kit.G_A(3, 1) = 200, kit.G_A(3, 2) = 200;
        kit.KAKU = 3, kit.SIZE1 = 5;
        kit.X_S_A(1) = "A", kit.X_S_A(2) = "B", kit.X_S_A(3) = "P";
        kit.NAGASA = 10, kit.ITI = 1, kit.TII = 0, kit.AAA_S = c.mode;
        kit.DRAW_POLYGON();
        std::vector<std::string> got;
        for (const auto& op : labels()) got.push_back(op.text);
        EXPECT_EQ(got, c.labels);
        EXPECT_EQ(kit.AAA_S, "");
        if (c.labels.empty()) {
            EXPECT_EQ(kit.NAGASA, 10);
            EXPECT_EQ(kit.ITI, 1);
            continue;
        }
        // The first label on the bisector of the right angle, outside.
        EXPECT_NEAR(labels()[0].v[0], 169.88f, 0.01);
        EXPECT_NEAR(labels()[0].v[1], 400.63f, 0.01);
        EXPECT_EQ(kit.NAGASA, 0);
        EXPECT_EQ(kit.ITI, 0);
        EXPECT_EQ(kit.TII, std::string(c.mode) == "1" ? 4 : 0);
    }
}

TEST_F(PolygonTest, OffsetMovesTheFirstLabelOnlyAndZeroDistanceTouches) {
    kit.G_A(1, 1) = 200, kit.G_A(1, 2) = 400, kit.G_A(2, 1) = 400, kit.G_A(2, 2) = 400;
    kit.G_A(3, 1) = 200, kit.G_A(3, 2) = 200;
    kit.KAKU = 3, kit.SIZE1 = 5, kit.NAGASA = 0, kit.AAA_S = "A", kit.AAAX = 100;
    kit.DRAW_POLYGON();
    auto texts = labels();
    ASSERT_EQ(texts.size(), 3u);
    // At distance 0 the label's box touches the vertex along the bisector.
    EXPECT_NEAR(texts[0].v[0], 176.95f + 100, 0.01);
    EXPECT_NEAR(texts[0].v[1], 393.56f, 0.01);
    EXPECT_GT(texts[1].v[0], 390);  // vertex 2 at x 400, label to its right
    EXPECT_LT(texts[1].v[0], 410);
}

}  // namespace
