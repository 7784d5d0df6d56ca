// Formula text and its glyph renderer: widths, where every piece lands in
// the trace, the formula state that outlives a text, and the font and line
// width left behind.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

using harness::trace_lines;

// Draws `text` at (100, 200) in colour 4 and returns the trace.
std::vector<std::string> draw(harness::KitFixture& f, const std::string& text) {
    f.kit.X = 100;
    f.kit.Y = 200;
    f.kit.AA_S = text;
    f.kit.DRAW_TEXT();
    return trace_lines(f.rt.trace());
}

struct WidthCase {
    const char* text;
    float width;
};

const WidthCase kWidths[] = {
    {"30%", 66},
    {"ﾀ1/2ﾀ", 32},
    {"ﾀ28/5ﾀ", 64},
    {"ﾀx/2ﾀ=55", 118},
    {"2*58°", 120},
    {"360°/5=", 179},
    {"!3ﾝ", 55},
    {"円", 34},
    {"ﾀ円/2ﾀ", 38},
    {"ﾀ1/2ﾀ∠AOB", 147},
    {"2x+3", 108},
    {"^2", 24},
    {"\\2", 24},
    {"^%2", 36},
    {"a.b", 62},
    {"l", 32},
    {"&", 36},
    {"1 2", 81},
    {"#ﾀ1/2ﾀﾝ", 64},
    {"ﾀ-1/+2ﾀ", 64},
    {"ﾀ1/2/3ﾀ", 102},   // the second "/" is a division sign in the denominator
    {"ﾀ1/2", 81},       // no closing mark: the opening one is dropped
    {"ﾀ5ﾀ", 32},        // no "/": all numerator
    {"ﾀﾀ", 0},
    {"", 0},
};

TEST(FormulaText, MeasuredWidthIsTheAdvanceOfTheDrawing) {
    for (const auto& c : kWidths) {
        SCOPED_TRACE(c.text);
        const std::string sjis = cp932::from_utf8(c.text);
        harness::KitFixture m;
        m.kit.X = 5;
        m.kit.Y = 6;
        m.kit.A_S = sjis;
        m.kit.MEASURE_TEXT();
        EXPECT_EQ(m.kit.LLT, c.width);
        EXPECT_EQ(m.kit.X, 5);
        EXPECT_EQ(m.kit.Y, 6);
        EXPECT_EQ(m.kit.A_S, sjis);
        EXPECT_EQ(m.kit.AA_S, "");
        EXPECT_TRUE(m.rt.trace().empty()) << "measuring draws nothing on the page";

        harness::KitFixture d;
        draw(d, sjis);
        EXPECT_EQ(d.kit.X - 100, c.width);
        EXPECT_EQ(d.kit.Y, 200);
        EXPECT_EQ(d.kit.AA_S, "");
    }
}

struct TraceCase {
    const char* text;
    std::vector<const char*> lines;
};

// Text ops print as: x y colour width font size bold italic magnification.
const TraceCase kTraces[] = {
    {"ﾀ1/2ﾀ",
     {"segment 100 225 132 225 c=4 w=4",
      "text 100 228 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=4x2 \"2\"",
      "text 100 190 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=4x2 \"1\""}},
    {"ﾀ28/5ﾀ",
     {"segment 100 225 164 225 c=4 w=4",
      "text 116 228 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=4x2 \"5\"",
      "text 100 190 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=4x2 \"2\"",
      "text 132 190 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=4x2 \"8\""}},
    {"ﾀx/円ﾀ",
     {"segment 100 225 138 225 c=4 w=4",
      "text 100 228 c=4 w=3 font=ゴシック size=11 bold=1 italic=0 mag=3x3 \"円\"",
      "text 107 174 c=4 w=3 font=Times New Roman size=8 bold=1 italic=1 mag=12x5 \"x\""}},
    {"30%",
     {"text 100 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x3 \"3\"",
      "text 127 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x3 \"0\"",
      "text 154 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x3 \"°\""}},
    {"x*/@",
     {"text 104 178 c=4 w=3 font=Times New Roman size=8 bold=1 italic=1 mag=10x7 \"x\"",
      "text 123 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=2x3 \"×\"",
      "text 150 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=2x3 \"÷\"",
      "text 177 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=2x3 \"±\""}},
    {"-+",
     {"segment 104 220 123 220 c=4 w=5",
      "segment 131 222 150 222 c=4 w=5", "segment 140 210 140 234 c=4 w=5"}},
    {"ﾀ-/+ﾀ",
     {"segment 100 225 132 225 c=4 w=4",
      "segment 106 242 126 242 c=4 w=5", "segment 116 232 116 252 c=4 w=5",
      "segment 106 204 126 204 c=4 w=5"}},
    {"=.'",
     {"text 104 200 c=4 w=3 font=ゴシック size=14 bold=1 italic=0 mag=3x3 \"=\"",
      "text 129 214 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x2 \".\"",
      "text 140 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x3 \"'\""}},
    // "^" and the backslash raise the next character; one before "°" waits for the one after it.
    {"^2\\3^%4",
     {"text 100 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x2 \"2\"",
      "text 124 190 c=4 w=3 font=ゴシック size=8 bold=1 italic=0 mag=6x3 \"3\"",
      "text 148 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x3 \"°\"",
      "text 160 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x2 \"4\""}},
    {"^a",
     {"text 100 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x2 \"a\""}},
    {"ﾀ^2/3ﾀ",
     {"segment 100 225 132 225 c=4 w=4",
      "text 100 228 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=4x2 \"3\"",
      "text 104 186 c=4 w=3 font=ゴシック size=8 bold=1 italic=0 mag=6x3 \"2\""}},
    // Within one run, characters after an "l" lose bold.
    {"ﾀl2/3ﾀ",
     {"segment 100 225 164 225 c=4 w=4",
      "text 116 228 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=4x2 \"3\"",
      "text 100 190 c=4 w=3 font=MT Extra size=16 bold=1 italic=0 mag=6x3 \"l\"",
      "text 132 190 c=4 w=3 font=ゴシック size=16 bold=0 italic=0 mag=4x2 \"2\""}},
    // The small radical's overbar grows with each character; "ﾝ" closes it.
    {"!3 4ﾝ5",
     {"polyline 104 236 108 224 116 240 124 196 132 196 c=4 w=3",
      "text 128 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x3 \"3\"",
      "segment 128 196 155 196 c=4 w=3",
      "segment 128 196 182 196 c=4 w=3",
      "text 182 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x3 \"4\"",
      "segment 128 196 209 196 c=4 w=3",
      "text 209 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x3 \"5\""}},
    // A parallelogram sign restarts the overbar after itself.
    {"!&3",
     {"polyline 104 236 108 224 116 240 124 196 132 196 c=4 w=3",
      "polyline 132 240 153 240 160 208 139 208 132 240 c=4 w=5",
      "text 164 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x3 \"3\"",
      "segment 164 196 191 196 c=4 w=3"}},
    {"ﾀ!2ﾝ/3ﾀ",
     {"segment 100 225 158 225 c=4 w=4",
      "text 113 236 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=4x2 \"3\"",
      "polyline 104 214 108 203 116 219 124 184 126 184 c=4 w=3",
      "text 126 190 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=4x2 \"2\"",
      "segment 126 184 158 184 c=4 w=3"}},
    // The large radical, with its overbar drawn once across the fraction.
    {"#ﾀ1/2ﾀﾝ",
     {"polyline 104 236 108 224 116 260 130 186 138 186 c=4 w=3",
      "segment 132 225 164 225 c=4 w=4",
      "segment 132 186 164 186 c=4 w=3",
      "text 132 228 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=4x2 \"2\"",
      "text 132 190 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=4x2 \"1\""}},
    // A fraction without "/" is all numerator; an empty one draws nothing.
    {"ﾀ5ﾀﾀﾀ",
     {"segment 100 225 132 225 c=4 w=4",
      "text 100 190 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=4x2 \"5\""}},
    // Parts with no width still have their bar, and the large overbar.
    {"ﾀ/ﾀ", {"segment 100 225 100 225 c=4 w=4"}},
    {"#ﾀ/ﾀﾝ",
     {"polyline 104 236 108 224 116 260 130 186 138 186 c=4 w=3",
      "segment 132 225 132 225 c=4 w=4",
      "segment 132 186 132 186 c=4 w=3"}},
    {"ﾀ1/2",
     {"text 100 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x3 \"1\"",
      "text 123 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=2x3 \"÷\"",
      "text 154 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x3 \"2\""}},
};

TEST(FormulaText, DrawsEachPieceWhereTheLayoutPutsIt) {
    for (const auto& c : kTraces) {
        SCOPED_TRACE(c.text);
        harness::KitFixture f;
        f.kit.CCC1 = 4;
        const auto got = draw(f, cp932::from_utf8(c.text));
        EXPECT_EQ(got, std::vector<std::string>(c.lines.begin(), c.lines.end()));
        EXPECT_EQ(f.kit.Y, 200);
        EXPECT_EQ(f.kit.BUN, 0);
    }
}

TEST(FormulaText, DenominatorTopFollowsRadicalsAndRaises) {
    struct Case {
        const char* content;
        const char* probe;  // the denominator character whose top is checked
        float top;
    };
    const Case cases[] = {
        {"1/2", "2", 228},  {"1/√2", "2", 244}, {"1/!2", "2", 236},
        {"!1/2", "2", 236}, {"1/^2", "2", 232},  // raised 4 in the fraction part
        {"1/タ", "タ", 236},  // its second byte is the byte of "^"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        harness::KitFixture f;
        draw(f, cp932::from_utf8(std::string("ﾀ") + c.content + "ﾀ"));
        const auto probes = harness::texts_containing(f.rt.trace(), c.probe);
        ASSERT_FALSE(probes.empty());
        EXPECT_EQ(probes.front().v[1], c.top);
    }
}

TEST(FormulaText, StateOutlivesTheText) {
    harness::KitFixture f;
    // A large radical without "ﾝ" keeps its overbar growing in later texts.
    draw(f, "#2"_sj);
    f.rt.clear_trace();
    f.kit.AA_S = "3ﾝ4"_sj;
    f.kit.DRAW_TEXT();
    EXPECT_EQ(trace_lines(f.rt.trace()),
              (std::vector<std::string>{
                  "text 159 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x3 \"3\"",
                  "segment 132 186 186 186 c=4 w=3",
                  "text 186 200 c=4 w=3 font=ゴシック size=16 bold=1 italic=0 mag=3x3 \"4\""}));
    EXPECT_EQ(f.kit.HROOT, 0);

    // A text ending in "^" raises the first character of the next text.
    draw(f, "2^"_sj);
    EXPECT_EQ(f.kit.JYOU, 1);
    f.rt.clear_trace();
    f.kit.AA_S = "3"_sj;
    f.kit.DRAW_TEXT();
    ASSERT_EQ(f.rt.trace().size(), 1u);
    EXPECT_EQ(f.rt.trace()[0].mag_v, 2);
    EXPECT_EQ(f.kit.JYOU, 0);
}

TEST(FormulaText, LoneLeadByteAtTheEndIsOneCharacter) {
    const std::string text = "2\x82";
    harness::KitFixture f;
    f.kit.A_S = text;
    f.kit.MEASURE_TEXT();
    EXPECT_EQ(f.kit.LLT, 54);
    draw(f, text);
    EXPECT_EQ(f.rt.trace().size(), 2u);
    EXPECT_EQ(f.kit.X, 154);
}

TEST(FormulaText, EmptyRunDrawsNothingAndKeepsTheRaiseFlags) {
    harness::KitFixture f;
    f.kit.JYOU = 1;
    f.kit.JYOUK = 1;
    f.kit.A_S = "";
    f.kit.BUN = 1;
    f.kit.X = 40;
    f.kit.Y = 50;
    f.kit.DRAW_TEXT_RUN();
    EXPECT_TRUE(f.rt.trace().empty());
    EXPECT_EQ(f.kit.X, 40);
    EXPECT_EQ(f.kit.JYOU, 1);
    EXPECT_EQ(f.kit.JYOUK, 1);
}

TEST(FormulaText, LeavesTheFontAndTheCallersLineWidth) {
    const char* texts[] = {"x", "l", "=", "\\2", "ﾀ円/x^2ﾀ", "#ﾀ1/-2ﾀ+!&ﾝ", ""};
    for (const char* t : texts) {
        SCOPED_TRACE(t);
        harness::KitFixture f;
        f.rt.set_line_width(7);
        draw(f, cp932::from_utf8(t));
        EXPECT_EQ(f.rt.line_width(), 7);
        EXPECT_EQ(f.kit.DR, 7);
        const auto& font = f.rt.font();
        if (*t) {
            EXPECT_EQ(font.face, "ゴシック");
            EXPECT_EQ(font.size, 16);
        }
        EXPECT_FALSE(font.bold);
        EXPECT_FALSE(font.italic);
    }
}

TEST(FormulaText, NestedMeasurementsGiveEachCallerItsOwnCursor) {
    harness::KitFixture f;
    // The fraction's parts are measured inside the measurement of the text.
    f.kit.X = 300;
    f.kit.Y = 400;
    f.kit.A_S = "2ﾀ1/23ﾀ"_sj;
    f.kit.MEASURE_TEXT();
    EXPECT_EQ(f.kit.LLT, 27 + 64);
    EXPECT_EQ(f.kit.X, 300);
    EXPECT_EQ(f.kit.Y, 400);
    EXPECT_EQ(f.kit.A_S, "2ﾀ1/23ﾀ"_sj);
}

}  // namespace
