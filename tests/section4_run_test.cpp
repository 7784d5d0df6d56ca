// Section 4, inscribed angles and arcs: whole-program runs through every
// screen of its menu and back to the main menu, the blanks and their answers,
// and the figures' points and what each screen leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "harness.h"
#include "menu_runs.h"
#include "telmira.h"

namespace {

using menu_runs::choices_of_run;
using menu_runs::count_if;
using menu_runs::is_key_wait;
using menu_runs::page_texts;
using platform::DrawOp;
using platform::OpKind;

// A key after the main menu's end entry: when it stays unread, the program
// ended by that entry and not by running out of keys.
const std::string kLeftOver = "x";

bool is_page_clear(const DrawOp& op) {
    return op.kind == OpKind::FillBox && op.v == std::vector<float>{0, 0, 1760, 1800} && op.color == 15 &&
           op.fill == 15;
}
bool is_main_menu_board(const DrawOp& op) {
    return op.kind == OpKind::FillBox && op.v == std::vector<float>{22, 10, 1342, 610} && op.fill == 10;
}
// The blanks and answers: cells bordered in colour 3, filled with 13.
bool is_cell(const DrawOp& op) { return op.kind == OpKind::FillBox && op.color == 3 && op.fill == 13; }

std::string keys(int n) { return std::string(n, 'k'); }

// The texts a screen drew, run together, without the key waits' prompts.
std::string screen_texts(const std::vector<DrawOp>& ops) {
    std::string s = page_texts(ops);
    const std::string prompt = "何かキーを押して下さい。";
    for (std::size_t at; (at = s.find(prompt)) != std::string::npos;) s.erase(at, prompt.size());
    return s;
}
// Half-width spaces take room on the line but draw no glyph.
std::string without_spaces(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

struct Visit {
    const char* what;
    std::string keys;  // the menu choice and every key the screen reads
    int key_waits;
    int menu_lines;    // times the menu line is asked
    int page_clears;
    std::vector<const char*> texts;  // drawn by the visit
};

std::vector<Visit> visits() {
    return {
        {"① the task", "1\r" + keys(9), 9, 1, 1,
         {"課　", "CDで、∠AOB=40°のとき、", "(1)∠CODの大きさを求めなさい。", "(3)∠CQDの大きさを求めなさい。",
          "(1)おうぎ形の弧の長さが等しければ、", "中心角の大きさも等しいので、", "∠COD=∠AOB=40°", "(2)",
          "20°", "(3)", "40°"}},
        {"② the theorems", "2\r" + keys(7), 7, 1, 1,
         {"<中心角と弧>", "1つの円で　", "①AB=CD　ならば　∠AOB=∠COD", "②∠AOB=∠COD　ならば　AB=CD",
          "<円周角と弧>", "①AB=CD　ならば　", "∠APB=∠CQD", "②∠APB=∠CQD　ならば　AB=CD",
          "教科書P171 問2　をしなさい。"}},
        {"③ problem 2", "3\r" + keys(13), 13, 1, 1,
         {"<問2 証明>", "△OABと△OCDにおいて", "円の半径は等しいので", "OA=", "…①", "OB=", "…②",
          "AB=", "CD だから", "∠AOB=", "…③", "①,②,③より ", "…④", "がそれぞれ等しいので、△OAB≡△OCD",
          "したがって、AB=CD", "また、∠APB=∠CQD　ならば　", "したがって、AB=CD等しい弧に対する弦は等しい",
          "教科書P172 問3　をしなさい。"}},
        {"④ problem 3", "4\r" + keys(7), 7, 1, 1,
         {"<問3 証明>", "直線ADをひくと", "AB∥CDで、平行線の", "は等しいので", "∠ADC=", "1つの円において、",
          "AC=BD", "教科書P172 問4　をしなさい。"}},
        {"⑤ problem 4", "5\r" + keys(11), 11, 1, 1,
         {"<問4 証明>", "ABから", "EAまですべて等しい。", "1つの円で、", "∠BAC=", "が等しいから、",
          "△FABは二等辺三角形である。", "<問4 ∠BFC>", "∠AOE=360°÷5=72°", "∠ABF=72°÷2=36°",
          "∠BFC=36°", "36°=72°72°"}},  // the plus sign is drawn, not written
        // Out of range: nothing drawn above the strip, the line asked again.
        {"0, 7, -1, empty, then 2.6 taken to ③", "0\r7\r-1\r\r2.6\r" + keys(13), 13, 5, 1,
         {"等しい弧に対する弦は等しい"}},
        {"① again: the page drawn anew", "1\r" + keys(9), 9, 1, 1, {"課　"}},
    };
}

std::string whole_script() {
    std::string s = "4\r";
    for (const Visit& v : visits()) s += v.keys;
    return s + "6\r9\r";
}

TEST(Section4, TourOfEveryScreenReturnsToTheMainMenu) {
    for (const char* title : {"Telmira", "Sundrel"}) {
        SCOPED_TRACE(title);
        const std::string script = whole_script() + kLeftOver;
        harness::RunResult r = harness::run_program<Telmira>(script, title);
        EXPECT_TRUE(harness::texts_containing(r.trace, "エラー").empty());
        EXPECT_EQ(count_if(r.trace, is_main_menu_board), 2);

        auto chunks = choices_of_run(r, static_cast<int>(script.size()) - 1);
        std::size_t k = 0;
        for (const Visit& visit : visits()) {
            SCOPED_TRACE(visit.what);
            // The askings out of range draw nothing but the strip.
            for (int extra = 1; extra < visit.menu_lines; ++extra) {
                ASSERT_LT(k, chunks.size());
                for (const DrawOp& op : chunks[k]) {
                    if (op.kind == OpKind::Text || op.kind == OpKind::FillBox) {
                        EXPECT_GE(op.v[1], 600) << op.str();
                    }
                }
                ++k;
            }
            ++k;
            ASSERT_LE(k, chunks.size());
            const auto& chunk = chunks[k - 1];
            EXPECT_EQ(count_if(chunk, is_key_wait), visit.key_waits);
            EXPECT_EQ(count_if(chunk, is_page_clear), visit.page_clears);
            const std::string texts = screen_texts(chunk);
            for (const char* own : visit.texts) EXPECT_NE(texts.find(without_spaces(own)), std::string::npos) << own;
        }
        // The last asking is the "6" that leaves the section.
        EXPECT_EQ(chunks.size(), k + 1);

        // The aim once, on entry, on the page the main menu cleared.
        const std::string all = page_texts(r.trace);
        EXPECT_NE(all.find("<めあて>円周角と弧の関係を調べ、結果を使って問題解決しよう。"), std::string::npos);
        int aims = 0;
        for (const DrawOp& op : r.trace)
            aims += op.kind == OpKind::Text && op.text == "<" && op.v[0] == 44 && op.v[1] == 240 && op.color == 3;
        EXPECT_EQ(aims, 1);
    }
}

// Each proof's blanks, then its answers drawn over them at the same places.
struct BlankCase {
    const char* what;
    std::string choice;
    int key_waits;
    std::vector<float> widths;
    std::vector<float> tops;  // the text line's y less 3 (cells 50 high on 44-unit lines)
    float third_left;         // x of blank 3, 0 when it follows text
    std::vector<const char*> answers;
};

TEST(Section4, AnswersCoverTheirBlanks) {
    const BlankCase cases[] = {
        {"problem 2", "3\r", 13, {108, 108, 144, 360}, {197, 197, 267, 327}, 0,
         {"OC", "OD", "∠COD", "2組の辺とその間の角"}},
        {"problem 3", "4\r", 7, {108, 144, 396}, {137, 197, 317}, 46, {"錯角", "∠BAD", "等しい円周角に対する弧"}},
        {"problem 4", "5\r", 11, {396, 144, 144}, {137, 197, 257}, 46,
         {"等しい弧に対する円周角", "∠ABE", "2つの角"}},
    };
    for (const BlankCase& c : cases) {
        SCOPED_TRACE(c.what);
        harness::RunResult r = harness::run_program<Telmira>("4\r" + c.choice + keys(c.key_waits), "Telmira");
        ASSERT_EQ(r.status, 0);
        std::vector<std::size_t> cells;
        for (std::size_t i = 0; i < r.trace.size(); ++i)
            if (is_cell(r.trace[i])) cells.push_back(i);
        const std::size_t n = c.widths.size();
        ASSERT_EQ(cells.size(), 2 * n);
        for (std::size_t b = 0; b < n; ++b) {
            SCOPED_TRACE(b + 1);
            const DrawOp& blank = r.trace[cells[b]];
            const DrawOp& answer = r.trace[cells[n + b]];
            EXPECT_EQ(answer.v, blank.v);
            EXPECT_FLOAT_EQ(blank.v[2] - blank.v[0], c.widths[b]);
            EXPECT_FLOAT_EQ(blank.v[1], c.tops[b]);
            EXPECT_FLOAT_EQ(blank.v[3] - blank.v[1], 50);
            if (b == 2 && c.third_left != 0) {
                EXPECT_FLOAT_EQ(blank.v[0], c.third_left);
            }
            // The answer's text follows its cell, in colour 5.
            std::string text;
            for (std::size_t k = cells[n + b] + 1; k < r.trace.size() && r.trace[k].kind == OpKind::Text; ++k) {
                EXPECT_EQ(r.trace[k].color, 5);
                text += r.trace[k].text;
            }
            EXPECT_EQ(text, c.answers[b]);
        }
        // One key wait between each pair of answers: the answers come one per key.
        for (std::size_t b = n; b + 1 < 2 * n; ++b) {
            int waits = 0;
            for (std::size_t k = cells[b]; k < cells[b + 1]; ++k) waits += is_key_wait(r.trace[k]);
            EXPECT_EQ(waits, 1);
        }
    }
}

// The screens run on their own: the points they place, and the line width and
// text colour they leave for the menu line and the next screen.
struct Point {
    float x, y;
};
struct ScreenCase {
    const char* what;
    void (Telmira::*screen)();
    int key_waits;
    std::vector<Point> points;  // X(1), Y(1) ...
    float width_left;
    float colour_left;
};

TEST(Section4, ScreensPlaceTheirPointsAndLeaveTheirState) {
    const std::vector<Point> equal_arcs = {{960, 330},    {762.7, 401.8},  {855.0, 511.9}, {888.2, 132.7},
                                           {1031.8, 527.3}, {1141.9, 435.0}, {1031.8, 132.7}};
    const ScreenCase cases[] = {
        {"task", &Telmira::ARCS_INTRO_TASK, 9, equal_arcs, 3, 3},
        {"theorems", &Telmira::ARCS_THEOREM, 7, equal_arcs, 3, 0},
        {"problem 2", &Telmira::ARCS_PROBLEM2_PROOF, 13,
         {{996, 330}, {789.2, 293.5}, {891.0, 511.9}, {924.2, 132.7}, {1067.8, 527.3}, {1206.0, 330.0},
          {1067.8, 132.7}},
         3, 7},
        {"problem 3", &Telmira::ARCS_PROBLEM3_PROOF, 7,
         {{996, 330}, {814.1, 225.0}, {1177.9, 225.0}, {798.7, 401.8}, {1193.3, 401.8}}, 3, 0},
        {"problem 4", &Telmira::ARCS_PROBLEM4_PENTAGON, 11,
         {{996, 360}, {996, 150}, {796.3, 295.1}, {872.6, 529.9}, {1119.4, 529.9}, {1195.7, 295.1}, {948.9, 295.1}},
         5, 5},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(c.what);
        harness::StartedProgram<Telmira> p;
        // A screen after another one: what that left must not matter.
        p.kit.ITI = 1;
        p.kit.AIDA = 40;
        p.rt.set_line_width(1);
        p.rt.push_keys(keys(c.key_waits));
        (p.kit.*c.screen)();
        EXPECT_EQ(p.rt.keys_read(), c.key_waits);
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            SCOPED_TRACE(i + 1);
            EXPECT_NEAR(p.kit.X_A(i + 1), c.points[i].x, 0.06);
            EXPECT_NEAR(p.kit.Y_A(i + 1), c.points[i].y, 0.06);
        }
        EXPECT_EQ(p.rt.line_width(), c.width_left);
        EXPECT_EQ(p.kit.CCC1, c.colour_left);
        EXPECT_TRUE(harness::texts_containing(p.rt.trace(), "エラー").empty());
    }
}

// The highlighted arcs are the short arcs between their end points, in the
// colour of their screen; the circle of radius 210 about O.
TEST(Section4, HighlightedArcsAreTheShortOnes) {
    struct ArcCase {
        const char* what;
        std::string choice;
        int key_waits;
        std::vector<std::vector<float>> arcs;  // cx, cy, r, start, end
        int colour;
    };
    const ArcCase cases[] = {
        {"task", "1\r", 9, {{960, 330, 210, 1.0f / 3, 4.0f / 9}, {960, 330, 210, 1.0f / 12, 7.0f / 36}}, 5},
        {"problem 2", "3\r", 13, {{996, 330, 210, 1.0f / 3, 19.0f / 36}, {996, 330, 210, 0, 7.0f / 36}}, 3},
        {"problem 3", "4\r", 7, {{996, 330, 210, 4.0f / 9, 7.0f / 12}, {996, 330, 210, 11.0f / 12, 1.0f / 18}}, 5},
    };
    for (const ArcCase& c : cases) {
        SCOPED_TRACE(c.what);
        harness::RunResult r = harness::run_program<Telmira>("4\r" + c.choice + keys(c.key_waits), "Telmira");
        std::vector<std::vector<float>> found;
        for (const DrawOp& op : r.trace)
            if (op.kind == OpKind::Arc && op.v.size() >= 3 && op.v[2] == 210) {
                EXPECT_EQ(op.color, c.colour);
                EXPECT_EQ(op.width, 5);
                found.push_back(op.v);
            }
        ASSERT_EQ(found.size(), c.arcs.size());
        for (std::size_t i = 0; i < found.size(); ++i)
            for (std::size_t j = 0; j < c.arcs[i].size(); ++j) EXPECT_NEAR(found[i][j], c.arcs[i][j], 1e-5);
    }
}

}  // namespace
