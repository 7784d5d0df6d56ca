// Number prompts and the number field: key sequences, the echo, the dot,
// the typed text and its value, and what the prompts leave behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"

namespace {

using platform::DrawOp;
using platform::OpKind;

// Text calls in colour 5 (the echoed keys) as "x y text".
std::vector<std::string> echoed(const std::vector<DrawOp>& trace) {
    std::vector<std::string> out;
    for (const auto& op : trace) {
        if (op.kind != OpKind::Text || op.color != 5) continue;
        char xy[48];
        std::snprintf(xy, sizeof xy, "%g %g ", static_cast<double>(op.v[0]), static_cast<double>(op.v[1]));
        out.push_back(xy + op.text);
    }
    return out;
}

// x of every dot drawn (disc filled in colour 5), in order.
std::vector<float> dots(const std::vector<DrawOp>& trace) {
    std::vector<float> out;
    for (const auto& op : trace)
        if (op.kind == OpKind::Disc && op.fill == 5) {
            EXPECT_EQ(op.v[1], 656);
            EXPECT_EQ(op.v[2], 4);
            out.push_back(op.v[0]);
        }
    return out;
}

bool has_fill_box(const std::vector<DrawOp>& trace, float x1, float y1, float x2, float y2) {
    for (const auto& op : trace)
        if (op.kind == OpKind::FillBox && op.v == std::vector<float>{x1, y1, x2, y2} && op.color == 15 &&
            op.fill == 15)
            return true;
    return false;
}

struct EntryCase {
    const char* name;
    const char* keys;
    const char* typed;  // AINP$ afterwards
    float value;        // AINP afterwards
    std::vector<std::string> echo;
    std::vector<float> dot_x;  // empty: not checked
    float ccc1;
};

const std::vector<EntryCase> kEntries = {
    {"Enter at once", "\r", "", 0, {}, {1064}, 0},
    {"two digits", "12\r", "12", 12, {"1056 648 １", "1072 648 ２"}, {1064, 1080, 1096}, 5},
    {"fraction", "3/4\r", "3/4", 0.75f, {"1056 648 ３", "1072 648 ÷", "1088 648 ４"}, {}, 5},
    {"empty numerator", "/4\r", "/4", 0, {"1056 648 ÷", "1072 648 ４"}, {}, 5},
    {"only the first slash splits", "1/2/4\r", "1/2/4", 0.5f, {}, {}, 5},
    {"decimal point", "1.5\r", "1.5", 1.5f, {"1056 648 １", "1068 648 ．", "1072 648 ５"}, {1064, 1080, 1080, 1096}, 5},
    {"minus", "-5\r", "-5", -5, {"1056 648 －", "1072 648 ５"}, {}, 5},
    {"Backspace clears the whole entry", "12\b3\r", "3", 3, {}, {1064, 1080, 1096, 1064, 1080}, 5},
    {"code 12 clears too", "12\f\r", "", 0, {}, {1064, 1080, 1096, 1064}, 5},
    {"nine characters are kept", "123456789\r", "123456789", 123456789.0f, {}, {}, 5},
    {"Enter after ten characters clears", "1234567890\r45\r", "45", 45, {}, {}, 5},
    {"any key after ten characters clears and is dropped", "12345678907\r", "", 0, {}, {}, 5},
    {"keys outside minus to nine are ignored", "a 1\x1c+:,\r", "1", 1, {"1056 648 １"}, {1064, 1064, 1064, 1080, 1080, 1080, 1080, 1080}, 5},
    {"only ignored keys (Tab and the keys without a character among them)", "x\t\x7f\r", "", 0, {}, {1064, 1064, 1064, 1064}, 0},
    // A zero denominator gives 0: no menu accepts it and it is not "go on".
    {"zero denominator", "1/0\r", "1/0", 0, {}, {}, 5},
    {"slash alone", "/\r", "/", 0, {}, {}, 5},
    {"zero over zero", "0/0\r", "0/0", 0, {}, {}, 5},
    {"trailing slash", "3/\r", "3/", 0, {}, {}, 5},
    {"negative zero denominator", "3/-0\r", "3/-0", 0, {}, {}, 5},
    {"denominator that is not a number", "3/-\r", "3/-", 0, {}, {}, 5},
    {"tiny denominator", "9999/.001\r", "9999/.001", 9999000, {}, {}, 5},
};

}  // namespace

TEST(NumberEntry, AskNumberReadsTheTypedNumber) {
    for (const auto& c : kEntries) {
        SCOPED_TRACE(c.name);
        harness::KitFixture f;
        f.rt.push_keys(c.keys);
        f.kit.ASK_NUMBER();
        EXPECT_EQ(f.kit.AINP_S, c.typed);
        EXPECT_FLOAT_EQ(f.kit.AINP, c.value);
        EXPECT_TRUE(std::isfinite(f.kit.AINP));
        if (!c.echo.empty()) {
            EXPECT_EQ(echoed(f.rt.trace()), c.echo);
        }
        if (!c.dot_x.empty()) {
            EXPECT_EQ(dots(f.rt.trace()), c.dot_x);
        }
        EXPECT_EQ(f.kit.CCC1, c.ccc1);
        EXPECT_EQ(f.kit.I_S, "\r");
        EXPECT_EQ(f.kit.YY, 648);
        EXPECT_TRUE(f.kit.AA_S.empty());
        EXPECT_EQ(f.rt.keys_read(), static_cast<int>(std::string(c.keys).size()));
        // The field is closed: its last drawing erases label, echo and dot.
        const DrawOp& last = f.rt.trace().back();
        EXPECT_EQ(last.kind, OpKind::FillBox);
        EXPECT_EQ(last.v, (std::vector<float>{1008, 640, 1248, 670}));
        EXPECT_EQ(last.fill, 15);
    }
}

TEST(NumberEntry, EchoAndCursorAfterEachKey) {
    struct Case {
        const char* keys;
        float xx;  // where the next character would go
    } cases[] = {{"\r", 1056}, {"12\r", 1088}, {"1.5\r", 1088}, {"1.\r", 1072}, {"12\b\r", 1056}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        harness::KitFixture f;
        f.rt.push_keys(c.keys);
        f.kit.ASK_NUMBER();
        EXPECT_EQ(f.kit.XX, c.xx);
        for (const auto& op : f.rt.trace())
            if (op.kind == OpKind::Text && op.color == 5) {
                EXPECT_TRUE(op.font.bold);
            }
    }
}

TEST(NumberEntry, ClearingErasesTheTypedCharacters) {
    for (const char* keys : {"12\b\r", "12\f\r", "1234567890\r\r"}) {
        SCOPED_TRACE(keys);
        harness::KitFixture f;
        f.rt.push_keys(keys);
        f.kit.ASK_NUMBER();
        EXPECT_TRUE(has_fill_box(f.rt.trace(), 1056, 640, 1248, 670));
    }
}

TEST(NumberEntry, PromptsDrawTheirTextAndTheLabel) {
    struct Case {
        const char* name;
        bool bottom;
        std::vector<std::string> first;  // the first texts, "x y text colour"
        float x1;                        // where the prompt text ended
        float y1;
    } cases[] = {
        {"main-menu prompt", false, {"816 648 番 0", "832 648 号 0"}, 992, 648},
        {"bottom prompt", true, {"32 666 ① 0", "48 666 終 0"}, 80, 666},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness::KitFixture f;
        f.kit.CCC1 = 7;
        f.rt.push_keys("2\r");
        if (c.bottom) {
            f.kit.AA_S = " ①終了"_sj;
            f.kit.ASK_NUMBER_BOTTOM();
        } else {
            f.kit.ASK_NUMBER();
        }
        std::vector<std::string> texts;
        for (const auto& op : f.rt.trace()) {
            if (op.kind != OpKind::Text) continue;
            char line[80];
            std::snprintf(line, sizeof line, "%g %g %s %d", static_cast<double>(op.v[0]),
                          static_cast<double>(op.v[1]), op.text.c_str(), op.color);
            texts.push_back(line);
        }
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 2), c.first);
        // The field's label stands left of the field, in colour 0.
        EXPECT_EQ(std::count(texts.begin(), texts.end(), "1008 648 入 0"), 1);
        EXPECT_EQ(std::count(texts.begin(), texts.end(), "1024 648 力 0"), 1);
        EXPECT_EQ(f.kit.X1, c.x1);
        EXPECT_EQ(f.kit.Y1, c.y1);
        EXPECT_EQ(f.kit.AINP, 2);
        EXPECT_EQ(f.kit.I, 2);
        // The prompt itself stays until the caller erases it.
        EXPECT_FALSE(has_fill_box(f.rt.trace(), 816, 640, 1872, 690));
        EXPECT_FALSE(has_fill_box(f.rt.trace(), 0, 657, 992, 720));
    }
}

TEST(NumberEntry, EraseRoutinesBlankTheirAreas) {
    struct Case {
        const char* name;
        void (Toolkit::*erase)();
        std::vector<float> box;
    } cases[] = {
        {"main-menu prompt line", &Toolkit::ERASE_NUMBER_PROMPT, {816, 640, 1872, 690}},
        {"bottom strip", &Toolkit::ERASE_BOTTOM_LINE, {0, 657, 992, 720}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness::KitFixture f;
        (f.kit.*c.erase)();
        ASSERT_EQ(f.rt.trace().size(), 1u);
        EXPECT_TRUE(has_fill_box(f.rt.trace(), c.box[0], c.box[1], c.box[2], c.box[3]));
    }
}

TEST(NumberEntry, ParseNumberNeverLeavesANonFiniteValue) {
    struct Case {
        const char* typed;
        float value;
        const char* numerator;  // A$ afterwards
        const char* denominator;  // B$ afterwards
    } cases[] = {
        {"", 0, "", ""},        {"7", 7, "", ""},        {"2.5", 2.5f, "", ""},   {"18/2", 9, "18", "2"},
        {"1/3", 1.0f / 3, "1", "3"}, {"5/0", 0, "5", "0"}, {"/", 0, "", ""},     {"0/0", 0, "0", "0"},
        {"-/", 0, "-", ""},      {"1.2.3", 1.2f, "", ""}, {"--1", 0, "", ""},    {"1-2", 1, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        harness::KitFixture f;
        f.kit.AINP_S = c.typed;
        f.kit.PARSE_NUMBER();
        EXPECT_FLOAT_EQ(f.kit.AINP, c.value);
        if (std::string(c.typed).find('/') != std::string::npos) {
            EXPECT_EQ(f.kit.A_S, c.numerator);
            EXPECT_EQ(f.kit.B_S, c.denominator);
        }
    }
}
