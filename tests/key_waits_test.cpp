// Key waits, the message box, the next-step question and the small screen
// routines: boxes, texts, the key left in I$, colour and width given back.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"

namespace {

using platform::DrawOp;
using platform::OpKind;

// Filled boxes as "x1 y1 x2 y2 border fill width".
std::vector<std::string> boxes(const std::vector<DrawOp>& trace) {
    std::vector<std::string> out;
    for (const auto& op : trace) {
        if (op.kind != OpKind::FillBox) continue;
        char line[96];
        std::snprintf(line, sizeof line, "%g %g %g %g %d %d %g", static_cast<double>(op.v[0]),
                      static_cast<double>(op.v[1]), static_cast<double>(op.v[2]), static_cast<double>(op.v[3]),
                      op.color, op.fill, static_cast<double>(op.width));
        out.push_back(line);
    }
    return out;
}

// The texts of one colour joined, and where the first of them stands.
struct Line {
    std::string text;
    float x = -1, y = -1;
};
Line line_in_colour(const std::vector<DrawOp>& trace, int colour) {
    Line l;
    float next_x = -1;
    for (const auto& op : trace) {
        if (op.kind != OpKind::Text || op.color != colour) continue;
        if (l.text.empty()) {
            l.x = op.v[0];
            l.y = op.v[1];
        } else {
            EXPECT_EQ(op.v[0], next_x) << op.text;  // 16 units a character
        }
        next_x = op.v[0] + 16;
        l.text += op.text;
    }
    return l;
}

}  // namespace

TEST(KeyWaits, AnyKeyEndsTheWaitAndIsLeftInIS) {
    for (const char* key : {"x", "7", "\r", "\b", "\x1c", "\x1f", " ", "\t", "\x7f"}) {
        SCOPED_TRACE(static_cast<int>(key[0]));
        harness::KitFixture f;
        f.kit.CCC1 = 7;
        f.rt.set_line_width(5);
        f.rt.push_keys(std::string(key) + "z");
        f.kit.WAIT_ANY_KEY();
        EXPECT_EQ(f.kit.I_S, key);
        EXPECT_EQ(f.rt.keys_read(), 1);  // the key after it stays queued
        EXPECT_EQ(f.kit.CCC1, 7);
        EXPECT_EQ(f.rt.line_width(), 5);
        EXPECT_EQ(boxes(f.rt.trace()),
                  (std::vector<std::string>{"96 657 400 693 13 4 3", "0 657 400 693 15 15 3"}));
        Line l = line_in_colour(f.rt.trace(), 9);
        EXPECT_EQ(l.text, "何かキーを押して下さい。");
        EXPECT_EQ(l.x, 128);
        EXPECT_EQ(l.y, 666);
        EXPECT_TRUE(f.kit.AA_S.empty());
    }
}

TEST(KeyWaits, KeysTypedAheadEndSuccessiveWaits) {
    harness::KitFixture f;
    f.rt.push_keys("ab");
    f.kit.WAIT_ANY_KEY();
    EXPECT_EQ(f.kit.I_S, "a");
    f.kit.WAIT_ANY_KEY();
    EXPECT_EQ(f.kit.I_S, "b");
    // With no key left the headless program ends, as if the window closed.
    EXPECT_THROW(f.kit.WAIT_ANY_KEY(), platform::ProgramEnd);
}

TEST(KeyWaits, FramedBoxesTextsAndWhatTheyGiveBack) {
    struct Case {
        const char* name;
        void (Toolkit::*routine)();
        const char* message;  // AA$ set by the caller, UTF-8
        const char* keys;
        std::vector<std::string> boxes;
        std::string text;
        float text_x, text_y;
        float ccc1_after;  // with CCC1 = 7 before
    } cases[] = {
        {"message box", &Toolkit::SHOW_MESSAGE_WAIT, "矢印キーで点を動かす", "\x1e",
         {"16 657 496 693 13 4 3", "0 657 992 720 15 15 3"}, "矢印キーで点を動かす", 48, 666, 7},
        {"message box with half-width text", &Toolkit::SHOW_MESSAGE_WAIT, "Enter", "\r",
         {"16 657 496 693 13 4 3", "0 657 992 720 15 15 3"}, "Ｅｎｔｅｒ", 48, 666, 7},
        {"next-step question", &Toolkit::ASK_NEXT_STEP, "", "1\r",
         {"96 639 400 675 13 12 2", "1008 640 1248 670 15 15 2", "96 639 400 675 15 15 2"},
         "次のステップは１を入力。", 128, 648, 5},
        {"next-step question, Enter alone", &Toolkit::ASK_NEXT_STEP, "", "\r",
         {"96 639 400 675 13 12 2", "1008 640 1248 670 15 15 2", "96 639 400 675 15 15 2"},
         "次のステップは１を入力。", 128, 648, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness::KitFixture f;
        f.kit.CCC1 = 7;
        f.rt.set_line_width(5);
        f.kit.AA_S = cp932::from_utf8(c.message);
        f.rt.push_keys(c.keys);
        (f.kit.*c.routine)();
        EXPECT_EQ(boxes(f.rt.trace()), c.boxes);
        Line l = line_in_colour(f.rt.trace(), 9);
        EXPECT_EQ(l.text, c.text);
        EXPECT_EQ(l.x, c.text_x);
        EXPECT_EQ(l.y, c.text_y);
        EXPECT_EQ(f.kit.CCC1, c.ccc1_after);
        EXPECT_EQ(f.rt.line_width(), 5);
        EXPECT_EQ(f.kit.DR, 5);
        EXPECT_TRUE(f.kit.AA_S.empty());
    }
}

TEST(KeyWaits, NextStepValue) {
    struct Case {
        const char* keys;
        float value;
    } cases[] = {{"1\r", 1}, {"\r", 0}, {"2\r", 2}, {"1/0\r", 0}, {"2/2\r", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        harness::KitFixture f;
        f.rt.push_keys(c.keys);
        f.kit.ASK_NEXT_STEP();
        EXPECT_EQ(f.kit.AINP, c.value);
    }
}

TEST(KeyWaits, CloseMessageGivesBackTheLastSavedState) {
    harness::KitFixture f;
    f.kit.CCC0 = 3;
    f.kit.DR = 7;
    f.kit.CCC1 = 9;
    f.rt.set_line_width(1);
    f.kit.CLOSE_MESSAGE();
    EXPECT_EQ(boxes(f.rt.trace()), (std::vector<std::string>{"0 657 992 720 15 15 1"}));
    EXPECT_EQ(f.kit.CCC1, 3);
    EXPECT_EQ(f.rt.line_width(), 7);
}

TEST(KeyWaits, ClearedAreas) {
    struct Case {
        const char* name;
        void (Toolkit::*routine)();
        std::string box;
    } cases[] = {
        {"main drawing area", &Toolkit::CLEAR_MAIN_AREA, "0 54 1440 900 15 15 3"},
        {"strip right of the field", &Toolkit::CLEAR_STRIP, "1136 576 2576 666 15 15 3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness::KitFixture f;
        (f.kit.*c.routine)();
        EXPECT_EQ(boxes(f.rt.trace()), std::vector<std::string>{c.box});
    }
    harness::KitFixture f;
    f.kit.CLEAR_STRIP();
    EXPECT_EQ(f.kit.X, 1136);
    EXPECT_EQ(f.kit.Y, 576);
}

TEST(KeyWaits, ValuesToTexts) {
    harness::KitFixture f;
    f.kit.T_S_A(0) = "keep";
    f.kit.F_S_A(0) = "keep";
    f.kit.T_A(1) = 50;
    f.kit.T_A(2) = -3;
    f.kit.T_A(80) = 0.5f;
    f.kit.F_A(1) = 12.25f;
    f.kit.F_A(40) = -0.5f;
    f.kit.VALUES_TO_TEXTS();
    struct Case {
        const char* name;
        std::string got, want;
    } cases[] = {
        {"T 1", f.kit.T_S_A(1), "50"}, {"T 2", f.kit.T_S_A(2), "-3"}, {"T 3", f.kit.T_S_A(3), "0"},
        {"T 80", f.kit.T_S_A(80), ".5"}, {"F 1", f.kit.F_S_A(1), "12.25"}, {"F 40", f.kit.F_S_A(40), "-.5"},
        {"T 0", f.kit.T_S_A(0), "keep"}, {"F 0", f.kit.F_S_A(0), "keep"}, {"A$", f.kit.A_S, "-.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
    EXPECT_EQ(f.kit.I, 41);
}

TEST(KeyWaits, KeyToIndex) {
    struct Case {
        const char* key;
        float fkig, hhkig;  // HHKIG 99 beforehand
    } cases[] = {
        {"Q", 1, 1}, {"W", 1, 2}, {"E", 1, 3}, {"R", 1, 4}, {"T", 1, 5}, {"@", 1, 6}, {"I", 1, 7},
        {"[", 1, 8}, {"]", 1, 9}, {"S", 1, 10}, {"q", 0, 99}, {"\r", 0, 99}, {"", 0, 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        harness::KitFixture f;
        f.kit.HHKIG = 99;
        f.kit.FKIG = 5;
        f.kit.I_S = c.key;
        f.kit.KEY_TO_INDEX();
        EXPECT_EQ(f.kit.FKIG, c.fkig);
        EXPECT_EQ(f.kit.HHKIG, c.hhkig);
    }
}

TEST(KeyWaits, FlushKeysReadsEveryKeyTypedAhead) {
    harness::KitFixture f;
    f.rt.push_keys("abc");
    // Headless, every scripted key counts as typed ahead: the flush reads
    // them all and then finds the script at its end.
    EXPECT_THROW(f.kit.FLUSH_KEYS(), platform::ProgramEnd);
    EXPECT_EQ(f.rt.keys_read(), 3);
}
