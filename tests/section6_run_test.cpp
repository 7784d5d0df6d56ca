// Whole-program runs of section 6, the converse of the theorem, and the
// points its figures compute.
#include <gtest/gtest.h>

#include <cmath>

#include "harness.h"
#include "menu_runs.h"
#include "telmira.h"

namespace {

using menu_runs::check_tour;
using menu_runs::choices_of_run;
using menu_runs::count_if;
using menu_runs::is_blank_cell;
using menu_runs::is_key_wait;
using menu_runs::is_page_clear;
using menu_runs::page_texts;
using menu_runs::per_menu_choice;
using menu_runs::starts_inside;
using platform::DrawOp;
using platform::OpKind;

// Left unread when the program ended by the main menu's end entry.
const std::string kLeftOver = "x";

std::string keys_of(int n) { return std::string(n, 'k'); }

// The set-square locus of section 1 reads 26 keys; screen ① adds nine.
const int kSetSquareKeys = 26;

struct Visit {
    const char* what;
    std::string keys;    // the menu choice and every key the screen reads
    int key_waits;       // "何かキーを押して下さい。" boxes
    int menu_lines = 1;  // times the menu line is asked
};

const std::vector<Visit>& tour() {
    static const std::vector<Visit> visits = {
        {"① P174Q", "1\r" + keys_of(kSetSquareKeys + 9), kSetSquareKeys + 9},
        {"② the converse", "2\r" + keys_of(6), 6},
        {"③ problem 2", "3\r" + keys_of(11), 11},
        {"① again, all of it", "1\r" + keys_of(kSetSquareKeys + 9), kSetSquareKeys + 9},
        // 0, 5, 4.6, -1, empty and 0.4 are outside 1 to 4; 2.6 is taken to ③.
        {"out of range, then 2.6 taken as ③", "0\r5\r4.6\r-1\r\r0.4\r2.6\r" + keys_of(11), 11, 7},
        {"1.4 taken as ①", "1.4\r" + keys_of(kSetSquareKeys + 9), kSetSquareKeys + 9},
    };
    return visits;
}

struct Cell {
    std::vector<float> box;
    std::string text;
    float text_colour = -1;
};
// The answer-blank cells a trace draws, each with the text inside it.
std::vector<Cell> blank_cells(const std::vector<DrawOp>& ops) {
    std::vector<Cell> cells;
    for (const DrawOp& op : ops) {
        if (is_blank_cell(op)) cells.push_back({op.v, "", -1});
        else if (op.kind == OpKind::Text && !cells.empty()) {
            const auto& b = cells.back().box;
            if (starts_inside(op, b)) {
                cells.back().text += op.text;
                cells.back().text_colour = op.color;
            }
        }
    }
    return cells;
}

// What the menu choices of a section-6 script drew, run to the main menu's
// end entry; chunk k is the k-th choice's drawing.
std::vector<std::vector<DrawOp>> choices(const std::string& keys) {
    harness::RunResult r = harness::run_program<Telmira>("6\r" + keys + "4\r9\r" + kLeftOver, "Telmira");
    auto chunks = choices_of_run(r, static_cast<int>(keys.size()) + 6);
    if (!chunks.empty()) chunks.pop_back();  // the "4" that leaves
    return chunks;
}

TEST(Section6, TourOfEveryScreenReturnsToTheMainMenu) {
    std::string keys = "6\r";
    for (const Visit& v : tour()) keys += v.keys;
    // Left, entered again (the aim once more), left, and the end entry.
    keys += "4\r6\r4\r9\r" + kLeftOver;
    harness::RunResult r = harness::run_program<Telmira>(keys, "Telmira");
    auto chunks = choices_of_run(r, static_cast<int>(keys.size()) - 1);
    const std::size_t k = check_tour(chunks, tour(), [&](const Visit& visit, std::size_t asked) {
        // Each screen starts on a page of its own (① twice: the set square, then its own page).
        EXPECT_EQ(count_if(chunks[asked - 1], is_page_clear), visit.key_waits > 20 ? 2 : 1);
    });
    EXPECT_EQ(chunks.size(), k + 2);

    const std::string texts = page_texts(r.trace);
    for (const char* own :
         {"めあて", "1　円周角の定理の逆を考えよう。", "2　円周角の定理の逆を使って問題を解こう。",
          "点Pが直線ABの同じ側のとき、∠APBと∠aの大きさを比べよう。", "円周角の定理より", "∠APB=∠a",
          "∠a=∠APB", "円周角の定理の逆", "4点A,B,P,Qについて", "P,Qが直線ABの同じ側にあって",
          "∠APB=∠AQB", "　ならば　", "この4点は1つの円周上にある。", "問1　をしなさい。",
          "答　∠x=35°のとき", "問2　をしなさい。", "直線をEFと考えると、",
          "がいえればよい。", "ABは円Oの直径だから、", "∠ADB=90°…①", "①,②から　∠EDF=∠ECF",
          "4点C,D,E,Fは1つの円周上にある。", "基本の問題　をしなさい。"})
        EXPECT_NE(texts.find(own), std::string::npos) << own;
    std::size_t aims = 0;
    for (std::size_t at = texts.find("円周角の定理の逆を考えよう。"); at != std::string::npos;
         at = texts.find("円周角の定理の逆を考えよう。", at + 1))
        ++aims;
    EXPECT_EQ(aims, 2u);
}

// The first character of a line drawn at (x, y) in colour c (the formula
// text draws a character at a time).
const DrawOp* first_text_at(const std::vector<DrawOp>& ops, float y) {
    for (const DrawOp& op : ops)
        if (op.kind == OpKind::Text && op.v[1] == y) return &op;
    return nullptr;
}

// The aim's three lines stand 65 apart from y 240; the menu never clears.
TEST(Section6, AimLinesAndAnOutOfRangeChoiceLeaveThePage) {
    harness::RunResult r = harness::run_program<Telmira>("6\r0\r7\r4\r9\r" + kLeftOver, "Telmira");
    EXPECT_EQ(r.status, 0);
    auto chunks = per_menu_choice(r.trace);
    ASSERT_EQ(chunks.size(), 3u);
    std::vector<DrawOp> aim;
    for (const DrawOp& op : r.trace) {
        if (menu_runs::is_menu_line(op)) break;
        if (is_page_clear(op)) aim.clear();  // the main menu's clearing before the section
        aim.push_back(op);
    }
    const struct {
        float y;
        const char* first;
        float colour;
    } lines[] = {{240, "<", 3}, {305, "1", 0}, {370, "2", 0}};
    for (const auto& line : lines) {
        const DrawOp* op = first_text_at(aim, line.y);
        ASSERT_NE(op, nullptr) << line.y;
        EXPECT_EQ(op->v[0], 44);
        EXPECT_EQ(op->text, line.first);
        EXPECT_EQ(op->color, line.colour);
    }
    // 0 and 7 only ask again; the last chunk is the 4 that leaves.
    for (std::size_t k = 1; k + 1 < chunks.size(); ++k)
        for (const DrawOp& op : chunks[k]) EXPECT_GE(op.v[1], 639) << op.str();
}

// The blanks of screens ① and ③: drawn where the lines break off, then
// covered one key at a time by their answers in cells of the same place.
TEST(Section6, AnswersCoverTheirBlanks) {
    struct Case {
        const char* what;
        std::string keys;
        std::vector<std::string> placeholders;
        std::vector<std::string> answers;
        std::vector<float> widths;
        std::vector<float> tops;            // the boxes' tops: the line's y less 3
        std::vector<int> waits_before;      // key waits before each answer
        float placeholder_colour;
    } const cases[] = {
        {"① P174Q",
         "1\r" + keys_of(kSetSquareKeys + 9),
         {"①", "②", "③"},
         {"=", ">", "<"},
         {72, 72, 72},
         {87, 87, 87},
         {kSetSquareKeys + 3, kSetSquareKeys + 6, kSetSquareKeys + 9},
         5},
        {"③ problem 2",
         "3\r" + keys_of(11),
         {"ア", "イ", "ウ", "エ", "オ"},
         {"∠ADB", "∠ACB", "∠EDF", "∠ECF", "EF"},
         {180, 180, 180, 180, 108},
         {147, 147, 207, 267, 447},
         {6, 7, 8, 9, 10},
         13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto chunks = choices(c.keys);
        ASSERT_EQ(chunks.size(), 1u);
        const auto cells = blank_cells(chunks[0]);
        const std::size_t n = c.answers.size();
        ASSERT_EQ(cells.size(), 2 * n);
        for (std::size_t k = 0; k < n; ++k) {
            const Cell& blank = cells[k];
            const Cell& answer = cells[n + k];
            EXPECT_EQ(blank.text, c.placeholders[k]) << k;
            EXPECT_EQ(blank.text_colour, c.placeholder_colour) << k;
            EXPECT_EQ(answer.text, c.answers[k]) << k;
            EXPECT_EQ(answer.text_colour, 5) << k;
            EXPECT_EQ(answer.box, blank.box) << k;
            EXPECT_EQ(blank.box[2] - blank.box[0], c.widths[k]) << k;
            EXPECT_EQ(blank.box[1], c.tops[k]) << k;
        }
        std::vector<int> waits_before;
        int waits = 0, cell_count = 0;
        for (const DrawOp& op : chunks[0]) {
            waits += is_key_wait(op);
            if (is_blank_cell(op) && ++cell_count > static_cast<int>(n)) waits_before.push_back(waits);
        }
        EXPECT_EQ(waits_before, c.waits_before);
    }
}

// Problem 2's first proof line: blank ア from 46, "=" 4 past its edge, blank
// イ 10 past the "=", and the hint straight after the heading.
TEST(Section6, ProblemTwoLinesJoinUp) {
    const auto chunks = choices("3\r" + keys_of(11));
    ASSERT_EQ(chunks.size(), 1u);
    const auto cells = blank_cells(chunks[0]);
    ASSERT_GE(cells.size(), 2u);
    EXPECT_EQ(cells[0].box[0], 46);
    const DrawOp* eq = nullptr;
    for (const DrawOp& op : chunks[0])
        if (!eq && op.kind == OpKind::Text && op.text == "=" && op.v[1] == 150) eq = &op;
    ASSERT_NE(eq, nullptr);
    // The piece starts at 230; the sign sits 4 into its 32-wide place.
    EXPECT_EQ(eq->v[0], 234);
    EXPECT_EQ(cells[0].box[2], 226);
    EXPECT_EQ(cells[1].box[0], 230 + 32 + 10);

    const DrawOp* heading = first_text_at(chunks[0], 30);
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->v[0], 36);
    const auto hint = harness::texts_containing(chunks[0], "直");
    ASSERT_FALSE(hint.empty());
    EXPECT_EQ(hint[0].v[1], 30);
    EXPECT_GT(hint[0].v[0], 100);
    EXPECT_EQ(hint[0].color, 7);
}

// Figure 1 of the converse has no circle until the key after "ならば".
TEST(Section6, ConverseCircleComesAfterTheCondition) {
    const auto chunks = choices("2\r" + keys_of(6));
    ASSERT_EQ(chunks.size(), 1u);
    int waits = 0;
    std::vector<int> circles_after;
    for (const DrawOp& op : chunks[0]) {
        waits += is_key_wait(op);
        if (op.kind == OpKind::Circle) circles_after.push_back(waits);
    }
    EXPECT_EQ(circles_after, std::vector<int>{3});
}

// The points the figures compute rather than place.
TEST(Section6, ComputedPoints) {
    harness::StartedProgram<Telmira> p1;
    p1.rt.push_keys(keys_of(kSetSquareKeys + 9));
    p1.kit.CONVERSE_P174Q();
    harness::StartedProgram<Telmira> p3;
    p3.rt.push_keys(keys_of(11));
    p3.kit.CONVERSE_PROBLEM2();

    auto angle_at = [](Telmira& t, int v, int a, int b) {
        const float ax = t.X_A(a) - t.X_A(v), ay = t.Y_A(a) - t.Y_A(v);
        const float bx = t.X_A(b) - t.X_A(v), by = t.Y_A(b) - t.Y_A(v);
        return std::acos((ax * bx + ay * by) / std::hypot(ax, ay) / std::hypot(bx, by)) * 180 / 3.14159265f;
    };
    const struct {
        const char* what;
        Telmira& t;
        int point;
        float x, y;  // 0 where only the angle is checked
        int v, a, b;
        float degrees;
    } cases[] = {
        {"(1) P on the circle", p1.kit, 5, 0, 0, 5, 2, 3, 50},
        {"(2) P inside", p1.kit, 16, 0, 0, 16, 12, 13, 66},
        {"(2) angle QBP", p1.kit, 16, 0, 0, 13, 15, 16, 16},
        {"(3) P outside", p1.kit, 27, 0, 0, 27, 22, 23, 38},
        {"(3) angle QBP", p1.kit, 27, 0, 0, 23, 25, 27, 12},
        {"problem 2: E", p3.kit, 6, 1099.8f, 488.2f, 5, 6, 3, 90},
        {"problem 2: F", p3.kit, 7, 1099.8f, 130.7f, 4, 7, 3, 90},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.x != 0) {
            EXPECT_NEAR(c.t.X_A(c.point), c.x, 0.2);
            EXPECT_NEAR(c.t.Y_A(c.point), c.y, 0.2);
        }
        // ∠EDB and ∠FCB are right angles when E lies on AD and F on AC.
        EXPECT_NEAR(angle_at(c.t, c.v, c.a, c.b), c.degrees, 1.5);
    }
}

}  // namespace
