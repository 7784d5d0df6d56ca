// The plain text drawer and the boxed text cells built on it.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

using harness::trace_lines;

TEST(PlainText, WidthsAreTheSumOfTheAdvances) {
    struct Case {
        const char* text;
        float width;
    };
    const Case cases[] = {
        {"2x", 40}, {"△ABC", 90}, {"(-3)", 60}, {" ", 20}, {",.", 16},
        {"ﾀ#^", 60},  // no markup: each is a character
        {"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        harness::KitFixture f;
        f.kit.X = 7;
        f.kit.Y = 8;
        f.kit.A_S = cp932::from_utf8(c.text);
        f.kit.MEASURE_PLAIN_TEXT();
        EXPECT_EQ(f.kit.LLT, c.width);
        EXPECT_EQ(f.kit.X, 7);
        EXPECT_EQ(f.kit.Y, 8);
        EXPECT_TRUE(f.rt.trace().empty());

        f.kit.X = 100;
        f.kit.Y = 200;
        f.kit.AA_S = cp932::from_utf8(c.text);
        f.kit.DRAW_PLAIN_TEXT();
        EXPECT_EQ(f.kit.X, 100 + c.width);
        EXPECT_EQ(f.kit.Y, 200);
        EXPECT_EQ(f.kit.AA_S, "");
    }
}

TEST(PlainText, DrawsEachCharacterAtItsPlace) {
    harness::KitFixture f;
    f.kit.X = 100;
    f.kit.Y = 200;
    f.kit.AA_S = "(2x)y△,"_sj;
    f.kit.DRAW_PLAIN_TEXT();
    EXPECT_EQ(trace_lines(f.rt.trace()),
              (std::vector<std::string>{
                  "text 92 200 c=4 w=3 font=ｺﾞｼｯｸ size=15 bold=1 italic=0 mag=3x2 \"(\"",
                  "text 112 200 c=4 w=3 font=ｺﾞｼｯｸ size=15 bold=1 italic=0 mag=3x2 \"2\"",
                  "text 136 188 c=4 w=3 font=Times New Roman size=8 bold=1 italic=1 mag=7x4 \"x\"",
                  "text 152 200 c=4 w=3 font=ゴシック size=15 bold=1 italic=0 mag=3x2 \")\"",
                  "text 160 194 c=4 w=3 font=ゴシック size=15 bold=1 italic=0 mag=3x2 \"y\"",
                  "text 180 200 c=4 w=3 font=ゴシック size=15 bold=1 italic=0 mag=2x2 \"△\"",
                  "text 210 200 c=4 w=3 font=ゴシック size=15 bold=1 italic=0 mag=3x2 \",\""}));
}

TEST(PlainText, LeavesBoldOffSize16AndTheCallersLineWidth) {
    const char* texts[] = {"a+b", "12", ""};
    for (const char* t : texts) {
        SCOPED_TRACE(t);
        harness::KitFixture f;
        f.rt.set_font_name("MT Extra");
        f.rt.set_font_bold(true);
        f.rt.set_font_size(20);
        f.rt.set_line_width(7);
        f.kit.X = 100;
        f.kit.AA_S = cp932::from_utf8(t);
        f.kit.DRAW_PLAIN_TEXT();
        EXPECT_FALSE(f.rt.font().bold);
        EXPECT_FALSE(f.rt.font().italic);
        EXPECT_EQ(f.rt.font().size, 16);
        EXPECT_EQ(f.rt.font().face, std::string(t) == "a+b" ? "ゴシック" : "MT Extra");
        EXPECT_EQ(f.rt.line_width(), 7);
        if (!*t) {
            EXPECT_TRUE(f.rt.trace().empty());
        }
    }
}

TEST(PlainText, WrapNegative) {
    const std::pair<const char*, const char*> cases[] = {
        {"-3", "(-3)"}, {"2-3", "(2-3)"}, {"3", "3"}, {"－3", "－3"}, {"", ""}};
    harness::KitFixture f;
    for (const auto& [in, out] : cases) {
        f.kit.A_S = cp932::from_utf8(in);
        f.kit.WRAP_NEGATIVE();
        EXPECT_EQ(f.kit.A_S, cp932::from_utf8(out)) << in;
    }
}

TEST(BoxedText, BoxAndCentredLines) {
    struct Case {
        const char* name;
        bool two_lines;
        float haba, tate;
        const char* text;
        const char* text2;
        std::vector<const char*> lines;
    };
    // Every cell at (100, 100) in colours 4 on 13, border 3.
    const Case cases[] = {
        {"50 high", false, 100, 50, "12", "",
         {"fillbox 100 100 200 150 c=3 f=13 w=3", "text 130 112 c=4 w=3 font=ｺﾞｼｯｸ size=15 bold=1 italic=0 mag=3x2 \"1\"",
          "text 150 112 c=4 w=3 font=ｺﾞｼｯｸ size=15 bold=1 italic=0 mag=3x2 \"2\""}},
        {"25 high", false, 100, 25, "1", "",
         {"fillbox 100 100 200 125 c=3 f=13 w=3", "text 140 99 c=4 w=3 font=ｺﾞｼｯｸ size=15 bold=1 italic=0 mag=3x2 \"1\""}},
        {"wider than the box", false, 20, 26, "12", "",
         {"fillbox 100 100 120 126 c=3 f=13 w=3", "text 100 100 c=4 w=3 font=ｺﾞｼｯｸ size=15 bold=1 italic=0 mag=3x2 \"1\"",
          "text 120 100 c=4 w=3 font=ｺﾞｼｯｸ size=15 bold=1 italic=0 mag=3x2 \"2\""}},
        {"empty", false, 100, 50, "", "", {"fillbox 100 100 200 150 c=3 f=13 w=3"}},
        {"two lines", true, 100, 60, "1", "23",
         {"fillbox 100 100 200 160 c=3 f=13 w=3", "text 140 102 c=4 w=3 font=ｺﾞｼｯｸ size=15 bold=1 italic=0 mag=3x2 \"1\"",
          "text 130 132 c=4 w=3 font=ｺﾞｼｯｸ size=15 bold=1 italic=0 mag=3x2 \"2\"",
          "text 150 132 c=4 w=3 font=ｺﾞｼｯｸ size=15 bold=1 italic=0 mag=3x2 \"3\""}},
        {"one line of two", true, 100, 60, "1", "",
         {"fillbox 100 100 200 160 c=3 f=13 w=3", "text 140 117 c=4 w=3 font=ｺﾞｼｯｸ size=15 bold=1 italic=0 mag=3x2 \"1\""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness::KitFixture f;
        Toolkit& k = f.kit;
        k.CCC2 = 3;
        k.CCC3 = 13;
        k.X = 100;
        k.Y = 100;
        k.HABA = c.haba;
        k.TATE = c.tate;
        k.A_S = k.A1_S = cp932::from_utf8(c.text);
        k.A2_S = cp932::from_utf8(c.text2);
        if (c.two_lines) k.DRAW_BOXED_TEXT_TWO_LINES();
        else k.DRAW_BOXED_TEXT();
        EXPECT_EQ(trace_lines(f.rt.trace()), std::vector<std::string>(c.lines.begin(), c.lines.end()));
        EXPECT_EQ(k.X, 100 + c.haba);
        EXPECT_EQ(k.Y, 100);
        EXPECT_EQ(k.AA_S, "");
        EXPECT_EQ(k.MOTOA_S, cp932::from_utf8(c.two_lines ? c.text2 : c.text));
    }
}

}  // namespace
