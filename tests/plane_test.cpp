// The coordinate plane and plotted points.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "drawn_text.h"
#include "harness.h"
#include "number_text.h"

namespace {

constexpr auto seg = harness::segment_line;

std::string txt(float x, float y, const char* text, const char* face, float size, bool bold, bool italic, float mh,
                float mv, float w = 3) {
    platform::DrawOp op;
    op.kind = platform::OpKind::Text;
    op.v = {x, y};
    op.color = 0;
    op.width = w;
    op.font.face = face;
    op.font.size = size;
    op.font.bold = bold;
    op.font.italic = italic;
    op.mag_h = mh;
    op.mag_v = mv;
    op.text = text;
    return op.str();
}

struct Plane : harness::KitFixture, ::testing::Test {
    // The plane of the worked example: x from -10 to 10 at 2 a unit, y from
    // -5 to 5, 40 screen units a grid unit, at the default corner.
    void set_example() {
        kit.AA1 = -10;
        kit.AA2 = 10;
        kit.BB1 = -5;
        kit.BB2 = 5;
        kit.BAIX = 2;
        kit.BAIY = 1;
        kit.SIZE = 40;
        kit.GGX = 0;
        kit.GGY = 0;
        kit.CCC2 = 1;
        kit.NASI = 0;
    }
    std::vector<std::string> lines() const { return harness::trace_lines(rt.trace()); }
};

TEST_F(Plane, WorkedExample) {
    set_example();
    kit.DRAW_AXES();

    const char* gothic = "ｺﾞｼｯｸ";  // the caller's face, from start-up
    std::vector<std::string> want;
    for (int i = -5; i <= 5; ++i) want.push_back(seg(840 + 40 * i - 0.5f, 180, 840 + 40 * i - 0.5f, 580, 0, 1));
    for (int i = -5; i <= 5; ++i) want.push_back(seg(640, 380 - 40 * i - 0.5f, 1040, 380 - 40 * i - 0.5f, 0, 1));
    want.push_back(seg(640, 180, 640, 580, 1, 3));
    want.push_back(txt(610, 380, "-5", gothic, 30, false, false, 2, 1));
    want.push_back(seg(840, 180, 840, 580, 1, 3));
    want.push_back(seg(1040, 180, 1040, 580, 1, 3));
    want.push_back(txt(1025, 380, "5", gothic, 30, false, false, 2, 1));
    want.push_back(seg(640, 580, 1040, 580, 1, 3));
    want.push_back(txt(780, 561, "-5", gothic, 30, false, false, 2, 1));
    want.push_back(seg(640, 380, 1040, 380, 1, 3));
    want.push_back(seg(640, 180, 1040, 180, 1, 3));
    want.push_back(txt(810, 161, "5", gothic, 30, false, false, 2, 1));
    want.push_back(seg(840, 180, 840, 580, 0, 4));
    want.push_back(seg(640, 380, 1040, 380, 0, 4));
    // the labels are drawn in the axes' width
    want.push_back(txt(1016, 335, "x", "Times New Roman", 24, true, true, 3, 2, 4));
    want.push_back(txt(810, 380, "0", "ゴシック", 30, true, false, 2, 1, 4));
    want.push_back(txt(840, 165, "y", "ゴシック", 30, true, false, 2, 1, 4));
    const auto got = lines();
    for (std::size_t k = 0; k < std::max(got.size(), want.size()); ++k)
        EXPECT_EQ(k < got.size() ? got[k] : "", k < want.size() ? want[k] : "") << "line " << k;

    EXPECT_EQ(kit.GGX, 640);
    EXPECT_EQ(kit.GGY, 180);
    EXPECT_EQ(kit.AA1, -5);
    EXPECT_EQ(kit.AA2, 5);
    EXPECT_EQ(kit.BB1, -5);
    EXPECT_EQ(kit.BB2, 5);
    EXPECT_EQ(kit.GX0, 840);
    EXPECT_EQ(kit.GY0, 380);
    EXPECT_EQ(kit.GX1, 640);
    EXPECT_EQ(kit.GY1, 180);
    EXPECT_EQ(kit.GX2, 1040);
    EXPECT_EQ(kit.GY2, 580);
    EXPECT_EQ(kit.SIZE1, 30);
    EXPECT_EQ(kit.NASI, 0);
    EXPECT_EQ(kit.CCC1, 0);
    EXPECT_EQ(kit.X, 840);
    EXPECT_EQ(kit.Y, 165);
    EXPECT_EQ(kit.AA_S, "y");
    EXPECT_EQ(kit.II, 6);
    EXPECT_EQ(rt.line_width(), 3);
    EXPECT_FALSE(rt.font().bold);
    EXPECT_FALSE(rt.font().italic);
    EXPECT_EQ(rt.font().size, 16);
    EXPECT_EQ(rt.font().face, "ゴシック");
}

TEST_F(Plane, SwitchesScalesAndCorners) {
    struct Case {
        const char* name;
        float aa1, aa2, bb1, bb2, baix, baiy, size, ggx, ggy, ccc2, nasi;
        float gx0, gy0, gx2, gy2, size1, baix_after, baiy_after;
        int thin, thick, numbers;
    } cases[] = {
        {"no graph paper", -10, 10, -5, 5, 2, 1, 40, 0, 0, 0, 0, 840, 380, 1040, 580, 30, 2, 1, 0, 0, 0},
        {"paper without numbers", -10, 10, -5, 5, 2, 1, 40, 0, 0, 1, -1, 840, 380, 1040, 580, 30, 2, 1, 22, 6, 0},
        {"only both 0 select the corner", -5, 5, -5, 5, 1, 1, 40, 0, 50, 1, 0, 200, 250, 400, 450, 30, 1, 1, 22, 6, 4},
        {"size below 40", -5, 5, -5, 5, 1, 1, 39, 0, 0, 1, 0, 835, 375, 1030, 570, 26, 1, 1, 22, 6, 4},
        {"negative and zero scales", -10, 10, -5, 5, -2, 0, 40, 0, 0, 1, 0, 840, 380, 1040, 580, 30, 2, 1, 22, 6, 4},
        // a range without 0: the origin stands left of all the lines
        {"x range 3 to 8", 3, 8, -5, 5, 1, 1, 20, 100, 100, 1, 0, 160, 200, 320, 300, 26, 1, 1, 17, 4, 3},
        // the start beyond the end still draws its line
        {"x range 2 to 1", 2, 1, 0, 5, 1, 1, 20, 100, 100, 1, 0, 140, 200, 160, 200, 26, 1, 1, 7, 2, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rt.clear_trace();
        kit.AA1 = c.aa1;
        kit.AA2 = c.aa2;
        kit.BB1 = c.bb1;
        kit.BB2 = c.bb2;
        kit.BAIX = c.baix;
        kit.BAIY = c.baiy;
        kit.SIZE = c.size;
        kit.GGX = c.ggx;
        kit.GGY = c.ggy;
        kit.CCC2 = c.ccc2;
        kit.NASI = c.nasi;
        kit.II = -99;
        kit.DRAW_AXES();
        EXPECT_EQ(kit.GX0, c.gx0);
        EXPECT_EQ(kit.GY0, c.gy0);
        EXPECT_EQ(kit.GX2, c.gx2);
        EXPECT_EQ(kit.GY2, c.gy2);
        EXPECT_EQ(kit.SIZE1, c.size1);
        EXPECT_EQ(kit.BAIX, c.baix_after);
        EXPECT_EQ(kit.BAIY, c.baiy_after);
        EXPECT_EQ(kit.NASI, 0);
        if (c.ccc2 == 0) {
            EXPECT_EQ(kit.II, -99);
        }
        int thin = 0, thick = 0, numbers = 0;
        for (const auto& op : rt.trace()) {
            if (op.kind == platform::OpKind::Segment && op.width == 1) ++thin;
            if (op.kind == platform::OpKind::Segment && op.width == 3) ++thick;
            // the numbers are in the caller's weight, the labels bold
            if (op.kind == platform::OpKind::Text && !op.font.bold) ++numbers;
        }
        EXPECT_EQ(thin, c.thin);
        EXPECT_EQ(thick, c.thick);
        EXPECT_EQ(numbers, c.numbers);
        // axes, "x", "0" and "y" are always there
        EXPECT_EQ(harness::texts_containing(rt.trace(), "x").size(), 1u);
        EXPECT_EQ(harness::texts_containing(rt.trace(), "y").size(), 1u);
    }
}

TEST_F(Plane, ThickLinesAtCountsNearestAMultipleOfFive) {
    // -10 to 10 at 3 a unit: the counts run -3.33 ... 3.67 (by 1); only the
    // one nearest 0 is a fifth line
    kit.AA1 = -10;
    kit.AA2 = 10;
    kit.BB1 = 0;
    kit.BB2 = 1;
    kit.BAIX = 3;
    kit.BAIY = 1;
    kit.SIZE = 30;
    kit.GGX = 100;
    kit.GGY = 100;
    kit.CCC2 = 1;
    kit.NASI = -1;
    kit.DRAW_AXES();
    std::vector<float> thick_x;
    for (const auto& op : rt.trace())
        if (op.kind == platform::OpKind::Segment && op.width == 3 && op.v[0] == op.v[2]) thick_x.push_back(op.v[0]);
    ASSERT_EQ(thick_x.size(), 1u);
    EXPECT_NEAR(thick_x[0], kit.GX0 - 10, 1e-3);  // count -1/3
}

TEST_F(Plane, TickNumbersWriteTheScaledValues) {
    struct Case {
        const char* name;
        float aa1, aa2, bb1, bb2, baix, baiy, ccc2, nasi;
        std::vector<std::pair<float, const char*>> x_values, y_values;  // count and text
    } cases[] = {
        {"worked example", -10, 10, -5, 5, 2, 1, 1, 0, {{-5, "-10"}, {5, "10"}}, {{-5, "-5"}, {5, "5"}}},
        {"half a unit", -2.5f, 2.5f, -5, 5, 0.5f, 1, 1, 0, {{-5, "-2.5"}, {5, "2.5"}}, {{-5, "-5"}, {5, "5"}}},
        {"a tenth: zero before the point", -0.5f, 0.5f, -0.5f, 0.5f, 0.1f, 0.1f, 1, 0, {{-5, "-0.5"}, {5, "0.5"}},
         {{-5, "-0.5"}, {5, "0.5"}}},
        // whatever the plane's own numbers were
        {"bare axes", -10, 10, -5, 5, 2, 1, 0, 0, {{-5, "-10"}, {5, "10"}}, {{-5, "-5"}, {5, "5"}}},
        {"plane without numbers", -10, 10, -5, 5, 2, 1, 1, -1, {{-5, "-10"}, {5, "10"}}, {{-5, "-5"}, {5, "5"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        set_example();
        kit.AA1 = c.aa1;
        kit.AA2 = c.aa2;
        kit.BB1 = c.bb1;
        kit.BB2 = c.bb2;
        kit.BAIX = c.baix;
        kit.BAIY = c.baiy;
        kit.CCC2 = c.ccc2;
        kit.NASI = c.nasi;
        kit.DRAW_AXES();
        rt.clear_trace();
        kit.DRAW_TICK_NUMBERS();

        auto width = [](const char* t) {
            harness::KitFixture ref;
            ref.kit.A_S = t;
            ref.kit.MEASURE_PLAIN_TEXT();
            return ref.kit.LLT;
        };
        std::vector<std::string> want;
        const std::string face = rt.font().face;  // as the plane left it
        for (const auto& [count, t] : c.x_values)
            harness::append(want, harness::drawn_plain_text(840 + 40 * count - width(t) / 2, 384, t, 0, face));
        for (const auto& [count, t] : c.y_values)
            harness::append(want,
                            harness::drawn_plain_text(840 - width(t) - 10, 380 - 40 * count - 15, t, 0, face));
        EXPECT_EQ(harness::trace_lines(rt.trace()), want);
        EXPECT_EQ(kit.CCC1, 0);
        EXPECT_EQ(kit.P1_S, c.y_values.back().second);
    }
}

TEST_F(Plane, TickNumbersAtTheWorkedExamplesPlaces) {
    set_example();
    kit.DRAW_AXES();
    rt.clear_trace();
    kit.DRAW_TICK_NUMBERS();
    // the first character of each value, with the widths 60, 40, 40 and 20
    std::vector<std::pair<float, float>> starts;
    float last_x = -1000, last_y = -1000;
    for (const auto& op : rt.trace()) {
        if (op.kind != platform::OpKind::Text) continue;
        if (op.v[1] != last_y || op.v[0] <= last_x || op.v[0] > last_x + 30) starts.push_back({op.v[0], op.v[1]});
        last_x = op.v[0];
        last_y = op.v[1];
    }
    const std::vector<std::pair<float, float>> want = {{610, 384}, {1020, 384}, {790, 565}, {810, 165}};
    EXPECT_EQ(starts, want);
}

TEST_F(Plane, HugeRangesEndAndDrawWhatIsOnThePage) {
    // Past 2^24 adding 1 leaves a count as it is; the loops end there.
    struct Range {
        float from, to;
    };
    const Range up_to_2_24{0, 16777216}, both_ways{-99999999.0f, 99999999.0f};
    const std::pair<Range, Range> cases[] = {{up_to_2_24, both_ways}, {both_ways, up_to_2_24}};
    for (const auto& [across, up] : cases) {
        SCOPED_TRACE(testing::Message() << "x from " << across.from << " to " << across.to);
        set_example();
        kit.AA1 = across.from, kit.AA2 = across.to, kit.BB1 = up.from, kit.BB2 = up.to;
        kit.BAIX = kit.BAIY = 1;
        kit.SIZE = 30;
        rt.clear_trace();
        const auto start = std::chrono::steady_clock::now();
        kit.DRAW_AXES();
        const auto paper = harness::trace_lines(rt.trace());
        rt.clear_trace();
        kit.DRAW_TICK_NUMBERS();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

        // The graph paper, thin lines then the fifth ones, and the values
        // beside the y axis that stand on the page (those under the x axis
        // stand far below it).
        std::vector<std::string> thin_up, thin_across, fifth_up, fifth_across, want_values;
        auto line = [](std::vector<std::string>& to, float x1, float y1, float x2, float y2, int colour, float width) {
            if (auto l = harness::segment_on_page(x1, y1, x2, y2, colour, width)) to.push_back(*l);
        };
        // every count here is whole
        auto fifth = [](float i) { return static_cast<std::int64_t>(i) % 5 == 0; };
        const float x0 = kit.GX0, y0 = kit.GY0, top = kit.GY1, bottom = kit.GY2, left = kit.GX1, right = kit.GX2;
        harness::for_each_count(across.from, across.to, [&](float i) {
            line(thin_up, x0 + 30 * i - 0.5f, top, x0 + 30 * i - 0.5f, bottom, 0, 1);
            if (fifth(i)) line(fifth_up, x0 + 30 * i, top, x0 + 30 * i, bottom, 1, 3);
        });
        float last_count = 0;
        const float ii = harness::for_each_count(up.from, up.to, [&](float i) {
            last_count = i;
            line(thin_across, left, y0 - 30 * i - 0.5f, right, y0 - 30 * i - 0.5f, 0, 1);
            if (!fifth(i)) return;
            line(fifth_across, left, y0 - 30 * i, right, y0 - 30 * i, 1, 3);
            const float y = y0 - 30 * i - kit.SIZE1 / 2;
            if (i == 0 || y < -100 || y > 1000) return;
            harness::KitFixture ref;
            const std::string t = number_text(ref.kit, i);
            ref.kit.MEASURE_PLAIN_TEXT();
            harness::append(want_values, harness::drawn_plain_text(x0 - ref.kit.LLT - 10, y, t, 0, rt.font().face));
        });
        std::vector<std::string> want_paper = thin_up;
        for (const auto* part : {&thin_across, &fifth_up, &fifth_across})
            want_paper.insert(want_paper.end(), part->begin(), part->end());
        std::vector<std::string> got_paper;
        for (const auto& l : paper)
            if (l.starts_with("segment") && (l.ends_with(" w=1") || l.ends_with(" w=3"))) got_paper.push_back(l);
        EXPECT_EQ(got_paper, want_paper);
        EXPECT_EQ(kit.II, ii);
        EXPECT_EQ(harness::trace_lines(rt.trace()), want_values);
        EXPECT_EQ(kit.P1, last_count);  // the values of the y range's last count
    }
}

TEST_F(Plane, PlottedPointAndItsLabel) {
    struct Case {
        const char* name;
        float xg, yg, baix, baiy, kx, ky;
        float gx, gy, label_x, label_y, baix_after;
    } cases[] = {
        {"worked example", 4, 3, 2, 1, 0, 0, 920, 260, 900, 220, 2},
        {"origin", 0, 0, 2, 1, 0, 0, 840, 380, 820, 340, 2},
        {"scale 0 as 1", 4, 3, 0, 1, 0, 0, 1000, 260, 980, 220, 1},
        {"negative scale mirrors", 2, 0, -1, 1, 0, 0, 760, 380, 740, 340, -1},
        {"label offset", 4, 3, 2, 1, 30, -10, 920, 260, 930, 210, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rt.clear_trace();
        kit.GX0 = 840;
        kit.GY0 = 380;
        kit.SIZE = 40;
        kit.XG = c.xg;
        kit.YG = c.yg;
        kit.BAIX = c.baix;
        kit.BAIY = c.baiy;
        kit.KASANARIX = c.kx;
        kit.KASANARIY = c.ky;
        kit.R = 6;
        kit.CCC3 = 2;
        kit.AAA_S = "P";
        kit.PLOT_POINT();
        std::vector<std::string> want = {"disc " + std::to_string(static_cast<int>(c.gx)) + " " +
                                         std::to_string(static_cast<int>(c.gy)) + " 6 c=2 f=2 w=3"};
        harness::append(want, harness::drawn_text(c.label_x, c.label_y, "P", 2));
        EXPECT_EQ(harness::trace_lines(rt.trace()), want);
        EXPECT_EQ(kit.GX, c.gx);
        EXPECT_EQ(kit.GY, c.gy);
        EXPECT_EQ(kit.CCC1, 2);
        EXPECT_EQ(kit.KASANARIX, 0);
        EXPECT_EQ(kit.KASANARIY, 0);
        EXPECT_EQ(kit.BAIX, c.baix_after);
        EXPECT_EQ(kit.AAA_S, "P");
        EXPECT_EQ(kit.AA_S, "");
    }
}

TEST_F(Plane, PlottedPointWithoutLabel) {
    kit.GX0 = 840;
    kit.GY0 = 380;
    kit.SIZE = 40;
    kit.BAIX = kit.BAIY = 1;
    kit.R = 4;
    kit.CCC3 = 6;
    kit.CCC1 = 1;
    kit.KASANARIX = 5;
    kit.AAA_S.clear();
    kit.PLOT_POINT();
    EXPECT_EQ(harness::trace_lines(rt.trace()), std::vector<std::string>{"disc 840 380 4 c=6 f=6 w=3"});
    EXPECT_EQ(kit.CCC1, 6);
    EXPECT_EQ(kit.KASANARIX, 0);
}

}  // namespace
