// Prompt text: conversion to full width, the 16-unit pitch, "^", lifted
// one-byte characters, the full stop without width, and the cursor left.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"

namespace {

// Each text call of the trace as "x y text" (text in UTF-8).
std::vector<std::string> glyphs(const std::vector<platform::DrawOp>& trace) {
    std::vector<std::string> out;
    for (const auto& op : trace) {
        if (op.kind != platform::OpKind::Text) continue;
        char xy[48];
        std::snprintf(xy, sizeof xy, "%g %g ", static_cast<double>(op.v[0]), static_cast<double>(op.v[1]));
        out.push_back(xy + op.text);
    }
    return out;
}

std::string hex(const std::string& bytes) {
    std::string s;
    char b[4];
    for (unsigned char c : bytes) {
        std::snprintf(b, sizeof b, s.empty() ? "%02X" : " %02X", c);
        s += b;
    }
    return s;
}

struct PutTextCase {
    const char* name;
    const char* text;  // UTF-8
    float jyou_before;
    std::vector<std::string> drawn;  // "x y text" from (100, 200)
    float advance;                   // X afterwards minus 100
    float jyou_after;
};

}  // namespace

TEST(PromptText, PutTextDrawsEachCharacterInItsPlace) {
    const std::vector<PutTextCase> cases = {
        {"eleven full-width characters", "番号を入力して下さい。", 0,
         {"100 200 番", "116 200 号", "132 200 を", "148 200 入", "164 200 力", "180 200 し", "196 200 て",
          "212 200 下", "228 200 さ", "244 200 い", "260 200 。"},
         176, 0},
        {"menu line opening with a half-width space", " ①P177Q　②P178Q　③問１　④練習　⑤終了",
         0,
         {"116 200 ①", "132 200 Ｐ", "148 200 １", "164 200 ７", "180 200 ７", "196 200 Ｑ", "212 200 　",
          "228 200 ②", "244 200 Ｐ", "260 200 １", "276 200 ７", "292 200 ８", "308 200 Ｑ", "324 200 　",
          "340 200 ③", "356 200 問", "372 200 １", "388 200 　", "404 200 ④", "420 200 練", "436 200 習",
          "452 200 　", "468 200 ⑤", "484 200 終", "500 200 了"},
         416, 0},
        {"full stop takes no width", "3.14", 0, {"100 200 ３", "112 200 ．", "116 200 １", "132 200 ４"}, 48, 0},
        {"full-width full stop as typed", "１．５", 0, {"100 200 １", "112 200 ．", "116 200 ５"}, 32, 0},
        {"caret keeps a letter half-width and lifts it", "^a", 0, {"100 196 a"}, 16, 0},
        {"two carets act as one", "^^a", 0, {"100 196 a"}, 16, 0},
        {"small letter without caret", "a", 0, {"100 200 ａ"}, 16, 0},
        {"caret left pending by an earlier text", "a", 1, {"100 196 a"}, 16, 0},
        {"caret before a double-byte character only clears", "^あ", 0, {"100 200 あ"}, 16, 0},
        {"characters outside the tables", "z#_;|\\", 0,
         {"100 196 z", "116 196 #", "132 196 _", "148 196 ;", "164 196 |", "180 196 \\"}, 96, 0},
        {"half-width katakana other than ta", "ｱﾀ", 0, {"100 196 ｱ", "116 200 ―"}, 32, 0},
        {"Greek replacements", "xAX", 0, {"100 200 χ", "116 200 Α", "132 200 Ｘ"}, 48, 0},
        {"symbols", "&'%~?!$@[]*", 0,
         {"100 200 π", "116 200 ∠", "132 200 °", "148 200 △", "164 200 ∽", "180 200 √", "196 200 ≡",
          "212 200 ±", "228 200 ≦", "244 200 ≧", "260 200 ×"},
         176, 0},
        {"typed number keys", "/-.", 0, {"100 200 ÷", "116 200 －", "128 200 ．"}, 32, 0},
        {"lone space leaves a blank", " ", 0, {}, 16, 0},
        {"space between digits leaves a blank", "1 2", 0, {"100 200 １", "132 200 ２"}, 48, 0},
        {"text ending in a caret", "ab^", 0, {"100 200 ａ", "116 200 ｂ"}, 32, 1},
        {"empty text", "", 0, {}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness::KitFixture f;
        f.kit.X = 100;
        f.kit.Y = 200;
        f.kit.CCC1 = 4;
        f.kit.JYOU = c.jyou_before;
        f.kit.AA_S = cp932::from_utf8(c.text);
        f.kit.PUT_TEXT();
        EXPECT_EQ(glyphs(f.rt.trace()), c.drawn);
        EXPECT_EQ(f.kit.X, 100 + c.advance);
        EXPECT_EQ(f.kit.Y, 200);
        EXPECT_EQ(f.kit.JYOU, c.jyou_after);
        EXPECT_TRUE(f.kit.AA_S.empty());
        for (const auto& op : f.rt.trace()) {
            EXPECT_EQ(op.color, 4);
            EXPECT_TRUE(op.font.bold);
            EXPECT_EQ(op.mag_h, 1);
            EXPECT_EQ(op.mag_v, 1);
        }
    }
}

TEST(PromptText, PutCharsDropsSpacesAndLeavesTheCursor) {
    struct Case {
        const char* name;
        const char* text;
        std::vector<std::string> drawn;
        float xt;            // XT minus X
        const char* a_after;  // A$ afterwards
    } cases[] = {
        {"space between digits is dropped", "1 2", {"100 200 １", "116 200 ２"}, 32, "12"},
        {"lone space", " ", {}, 16, ""},
        {"empty text", "", {}, 16, ""},
        {"full stop alone", ".", {"96 200 ．"}, 0, "."},
        {"caret inside the text", "^z1", {"100 196 z", "116 200 １"}, 32, "^z1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness::KitFixture f;
        f.kit.X = 100;
        f.kit.Y = 200;
        f.kit.A_S = cp932::from_utf8(c.text);
        f.kit.PUT_CHARS();
        EXPECT_EQ(glyphs(f.rt.trace()), c.drawn);
        EXPECT_EQ(f.kit.XT, 100 + c.xt);
        EXPECT_EQ(f.kit.X, 100);
        EXPECT_EQ(f.kit.Y, 200);
        EXPECT_EQ(f.kit.A_S, cp932::from_utf8(c.a_after));
        EXPECT_TRUE(f.rt.font().bold);
    }
}

TEST(PromptText, ToFullWidthGivesTheTablesReplacements) {
    struct Case {
        const char* key;  // UTF-8
        const char* bytes;  // code page 932 of the result
    } cases[] = {
        {" ", "81 40"}, {"A", "83 9F"}, {"x", "83 D4"}, {"*", "81 7E"}, {"/", "81 80"}, {"-", "81 7C"},
        {"ﾀ", "81 5C"}, {"?", "81 E4"}, {"!", "81 E3"}, {"$", "81 DF"}, {"@", "81 7D"}, {"&", "83 CE"},
        {"'", "81 DA"}, {"[", "81 85"}, {"]", "81 86"}, {"%", "81 8B"}, {"~", "81 A2"}, {"0", "82 4F"},
        {"9", "82 58"}, {"X", "82 77"}, {"Z", "82 79"}, {"y", "82 99"}, {"w", "82 97"}, {".", "81 44"},
        {":", "81 46"}, {"z", "7A"}, {"#", "23"}, {"ｱ", "B1"}, {"あ", "82 A0"}, {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        harness::KitFixture f;
        f.kit.B_S = cp932::from_utf8(c.key);
        f.kit.TO_FULL_WIDTH();
        EXPECT_EQ(hex(f.kit.B_S), c.bytes);
    }
}

TEST(PromptText, RemoveSpacesKeepsDoubleByteCharacters) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {" 12", "12"}, {"-3", "-3"}, {"a　b c ", "a　bc"}, {"   ", ""}, {"", ""}, {"ソ ", "ソ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        harness::KitFixture f;
        f.kit.A_S = cp932::from_utf8(c.in);
        f.kit.REMOVE_SPACES();
        EXPECT_EQ(f.kit.A_S, cp932::from_utf8(c.out));
    }
}
