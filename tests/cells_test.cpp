// Table cells: the box, where the centred text lands, and what the cell
// routines leave behind.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness.h"

namespace {

using Routine = void (Toolkit::*)();

struct CellCase {
    const char* name;
    Routine routine;
    float x, y, haba, tate;
    const char* text;   // A$, or A1$ for the two-line cell
    const char* text2;  // A2$ for the two-line cell
    const char* box;    // the first op
    float text_x, text_y;  // the first glyph drawn
    float text2_y;         // the first glyph of the lower line, 0 for none
    float aaax_after;
};

// Every case is drawn with AAAX = 5 and AAAY = -2 set; only DRAW_CELL uses
// and resets them.
const CellCase kCells[] = {
    {"heading", &Toolkit::DRAW_CELL, 72, 30, 440, 48, "P176", "", "fillbox 72 30 512 78 c=3 f=13 w=3", 243, 30, 0, 0},
    {"plain text, 50 high", &Toolkit::DRAW_CELL, 100, 100, 200, 50, "12", "", "fillbox 100 100 300 150 c=3 f=13 w=3",
     178, 101, 0, 0},
    // The fraction text stands at the box's top: its denominator 28 below.
    {"fraction, 50 high", &Toolkit::DRAW_CELL, 100, 100, 200, 50, "ﾀ1/2ﾀ", "", "fillbox 100 100 300 150 c=3 f=13 w=3",
     189, 126, 0, 0},
    // A double-byte character whose second byte is the fraction mark's.
    {"no fraction mark", &Toolkit::DRAW_CELL, 100, 100, 200, 50, "安", "", "fillbox 100 100 300 150 c=3 f=13 w=3",
     188, 101, 0, 0},
    {"wider than the box", &Toolkit::DRAW_CELL, 0, 0, 44, 44, "12345", "", "fillbox 0 0 44 44 c=3 f=13 w=3", 5, -2, 0,
     0},
    {"blank, 50 high", &Toolkit::DRAW_CELL_ON_LINE, 300, 200, 144, 50, "①", "", "fillbox 300 197 444 247 c=3 f=13 w=3",
     355, 200, 0, 5},
    {"blank, 44 high", &Toolkit::DRAW_CELL_ON_LINE, 300, 200, 144, 44, "①", "", "fillbox 300 200 444 244 c=3 f=13 w=3",
     355, 200, 0, 5},
    {"blank, 48 high", &Toolkit::DRAW_CELL_ON_LINE, 300, 200, 144, 48, "①", "", "fillbox 300 198 444 246 c=3 f=13 w=3",
     355, 200, 0, 5},
    {"blank with a fraction", &Toolkit::DRAW_CELL_ON_LINE, 300, 200, 144, 50, "ﾀ1/2ﾀ", "",
     "fillbox 300 197 444 247 c=3 f=13 w=3", 356, 228, 0, 5},
    {"two lines, 88 high", &Toolkit::DRAW_CELL_TWO_LINES, 50, 100, 200, 88, "12", "34",
     "fillbox 50 100 250 188 c=3 f=13 w=3", 123, 100, 144, 5},
    {"two lines, 100 high", &Toolkit::DRAW_CELL_TWO_LINES, 50, 100, 200, 100, "12", "34",
     "fillbox 50 100 250 200 c=3 f=13 w=3", 123, 103, 147, 5},
    {"one line of two, 88 high", &Toolkit::DRAW_CELL_TWO_LINES, 50, 100, 200, 88, "12", "",
     "fillbox 50 100 250 188 c=3 f=13 w=3", 123, 125, 0, 5},
};

TEST(Cells, BoxAndCentredTextAtTheirPlaces) {
    for (const auto& c : kCells) {
        SCOPED_TRACE(c.name);
        harness::KitFixture f;
        Toolkit& k = f.kit;
        k.CCC1 = 5;
        k.CCC2 = 3;
        k.CCC3 = 13;
        k.X = c.x;
        k.Y = c.y;
        k.HABA = c.haba;
        k.TATE = c.tate;
        k.A_S = k.A1_S = cp932::from_utf8(c.text);
        k.A2_S = cp932::from_utf8(c.text2);
        k.AAAX = 5;
        k.AAAY = -2;
        (k.*c.routine)();

        const auto& trace = f.rt.trace();
        ASSERT_GE(trace.size(), 2u);
        EXPECT_EQ(trace[0].str(), c.box);
        // The first glyph: a fraction's denominator comes before its numerator.
        const auto first = *std::find_if(trace.begin(), trace.end(),
                                         [](const auto& op) { return op.kind == platform::OpKind::Text; });
        EXPECT_EQ(first.v[0], c.text_x);
        EXPECT_EQ(first.v[1], c.text_y);
        if (c.text2_y != 0) {
            const auto lower = harness::texts_containing(trace, "3");
            ASSERT_EQ(lower.size(), 1u);
            EXPECT_EQ(lower[0].v[1], c.text2_y);
        }
        EXPECT_EQ(k.X, c.x + c.haba);
        EXPECT_EQ(k.Y, c.y);
        EXPECT_EQ(k.AAAX, c.aaax_after);
        EXPECT_EQ(k.AAAY, c.aaax_after == 0 ? 0 : -2);
        EXPECT_EQ(k.CCC1, 5);
        EXPECT_EQ(k.HABA, c.haba);
        EXPECT_EQ(k.TATE, c.tate);
    }
}

TEST(Cells, EmptyTextDrawsTheBoxAlone) {
    const Routine routines[] = {&Toolkit::DRAW_CELL, &Toolkit::DRAW_CELL_ON_LINE, &Toolkit::DRAW_CELL_TWO_LINES};
    for (Routine r : routines) {
        harness::KitFixture f;
        f.kit.X = 10;
        f.kit.Y = 20;
        f.kit.HABA = 100;
        f.kit.TATE = 50;
        (f.kit.*r)();
        EXPECT_EQ(f.rt.trace().size(), 1u);
        EXPECT_EQ(f.kit.X, 110);
    }
}

TEST(Cells, MeasuringDoesNotUseUpTheTallParentheses) {
    harness::KitFixture f;
    f.kit.KAKKO = 1;
    f.kit.X = 100;
    f.kit.Y = 100;
    f.kit.HABA = 181;
    f.kit.TATE = 44;
    f.kit.A_S = "(2)"_sj;
    f.kit.DRAW_CELL();
    const auto& trace = f.rt.trace();
    ASSERT_EQ(trace.size(), 4u);
    EXPECT_EQ(trace[1].str(), "text 146 94 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x4 \"(\"");
    EXPECT_EQ(trace[3].str(), "text 210 94 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x4 \")\"");
    EXPECT_EQ(f.kit.KAKKO, 0);
}

TEST(Cells, MeasuredThenDrawnCellLeavesNothingBelowThePage) {
    harness::KitFixture f;
    f.kit.X = 600;
    f.kit.Y = 800;
    f.kit.HABA = 300;
    f.kit.TATE = 50;
    f.kit.CCC2 = 3;
    f.kit.CCC3 = 13;
    f.kit.A_S = "#ﾀ!x^2ﾝ/安-1ﾀ+&\\3ﾝ=°"_sj;
    f.kit.DRAW_CELL();
    ASSERT_FALSE(f.rt.trace().empty());
    for (const auto& op : f.rt.trace())
        for (std::size_t i = 1; i < op.v.size(); i += 2)
            EXPECT_LE(op.v[i], 900) << op.str();
    EXPECT_EQ(f.kit.HROOT, 0);
}

}  // namespace
