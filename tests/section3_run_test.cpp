// Whole-program runs of section 3, using inscribed angles, driven by key
// scripts: the practice problems, the textbook answers and the worked
// example, from the main menu and back.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "harness.h"
#include "menu_runs.h"
#include "telmira.h"

namespace {

using menu_runs::check_tour;
using menu_runs::choices_of_run;
using menu_runs::count_if;
using menu_runs::is_key_wait;
using menu_runs::page_texts;
using menu_runs::per_menu_choice;
using platform::DrawOp;
using platform::OpKind;

// A key after the main menu's end entry: when it stays unread, the program
// ended by that entry and not by running out of keys.
const std::string kLeftOver = "x";

bool is_fill_box(const DrawOp& op, std::vector<float> v, int border, int fill) {
    return op.kind == OpKind::FillBox && op.v == v && op.color == border && op.fill == fill;
}
bool is_next_step(const DrawOp& op) { return is_fill_box(op, {96, 639, 400, 675}, 13, 12); }
bool is_page_clear(const DrawOp& op) { return is_fill_box(op, {0, 0, 1760, 1800}, 15, 15); }
bool is_main_menu_board(const DrawOp& op) { return is_fill_box(op, {22, 10, 1342, 610}, 15, 10); }
// The blanks and answers: cells bordered in colour 3, filled with 13.
bool is_cell(const DrawOp& op) { return op.kind == OpKind::FillBox && op.color == 3 && op.fill == 13; }

// The glyphs drawn right after op i on one line, left to right: the text of
// a cell or the label of a mark, without the name or line drawn next.
std::string texts_after(const std::vector<DrawOp>& ops, std::size_t i) {
    std::string s;
    for (std::size_t k = i + 1; k < ops.size() && ops[k].kind == OpKind::Text; ++k) {
        if (k > i + 1 && (ops[k].v[0] <= ops[k - 1].v[0] || std::abs(ops[k].v[1] - ops[i + 1].v[1]) > 25)) break;
        s += ops[k].text;
    }
    return s;
}

// The keys of one practice problem: the key for the answer, then a number
// at the next-step prompt.
std::string problem(const std::string& typed) { return "k" + typed + "\r"; }

// One visit of a screen from the section menu, back to the menu line.
struct Visit {
    const char* what;
    std::string keys;   // the menu choice and every key the screen reads
    int key_waits;      // "何かキーを押して下さい。" boxes
    int next_steps;     // "次のステップは１を入力。" boxes
    int menu_lines;     // times the menu line is asked
    std::vector<const char*> texts;  // drawn by the visit
};

std::vector<Visit> visits() {
    // Every value but 1 brings the next problem: empty, 0, 2, negative,
    // fractions, 1 and a bit.
    std::string nine;
    for (const char* typed : {"", "0", "2", "-1", "1/2", "3/2", "1.5", "11"}) nine += problem(typed);
    nine += problem("2/2") + "k";
    return {
        {"① nine problems, the last one ended by 2/2", "1\r" + nine, 9 + 1, 9, 1,
         {"問　∠xの大きさを求めなさい。", "∠x=", "教科書P170問1　をしなさい。"}},
        {"② the answers of P170", "2\r", 0, 0, 1,
         {"教科書P170問1解答", "(1)∠x=50°", "(2)∠x=40°", "(3)∠x=240°"}},
        {"③ three examples", "3\rkkkk0\rkkkk\rkkkk1\r", 12, 3, 1,
         {"問　①～④をいいなさい。", "∠P∠Q=", "180°"}},
        {"① ended at the first prompt", "1\r" + problem("1") + "k", 2, 1, 1,
         {"教科書P170問1　をしなさい。"}},
        {"out of range, then 5/2 taken to ② and 11/4 to ③", "0\r5\r-1\r\r5/2\r11/4\rkkkk2/2\r", 4, 1, 6, {"①～④"}},
    };
}

std::string whole_script() {
    std::string s = "3\r";
    for (const Visit& v : visits()) s += v.keys;
    return s + "4\r9\r";
}

TEST(Section3, TourOfEveryScreenReturnsToTheMainMenu) {
    for (const char* title : {"Telmira", "Sundrel"}) {
        SCOPED_TRACE(title);
        const std::string keys = whole_script() + kLeftOver;
        harness::RunResult r = harness::run_program<Telmira>(keys, title);
        EXPECT_TRUE(harness::texts_containing(r.trace, "エラー").empty());
        // The main menu at the start and after the section's entry 4.
        EXPECT_EQ(count_if(r.trace, is_main_menu_board), 2);

        auto chunks = choices_of_run(r, static_cast<int>(keys.size()) - 1);
        const std::size_t k = check_tour(chunks, visits(), [&](const Visit& visit, std::size_t asked) {
            const auto& chunk = chunks[asked - 1];
            EXPECT_EQ(count_if(chunk, is_next_step), visit.next_steps);
            const std::string texts = page_texts(chunk);
            for (const char* own : visit.texts) EXPECT_NE(texts.find(own), std::string::npos) << own;
        });
        // The last asking is the "4" that leaves the section.
        EXPECT_EQ(chunks.size(), k + 1);

        // The aim once, on entry; the screens come back to the menu line.
        const std::string all = page_texts(r.trace);
        EXPECT_NE(all.find("円周角の定理を使って問題を解こう。"), std::string::npos);
        int aims = 0;
        for (const DrawOp& op : r.trace)
            aims += op.kind == OpKind::Text && op.text == "<" && op.v[0] == 44 && op.v[1] == 240;
        EXPECT_EQ(aims, 1);
    }
}

// What each practice problem shows, read off the trace: which mark carries
// "x" (1 at P, 2 at O, 3 at Q), how many marks, the answer, and whether P
// lies right of O (672).
struct Shown {
    int x_mark = 0;
    int marks = 0;
    std::string answer;
    bool p_right = false;
};

std::vector<Shown> practice_problems_shown(const std::vector<DrawOp>& trace) {
    std::vector<Shown> out;
    bool on = false;
    for (std::size_t i = 0; i < trace.size(); ++i) {
        const DrawOp& op = trace[i];
        if (is_page_clear(op) && i + 1 < trace.size() && trace[i + 1].kind == OpKind::Disc) {
            out.emplace_back();
            on = true;
        }
        if (!on) continue;
        Shown& s = out.back();
        if (op.kind == OpKind::Sector) {
            ++s.marks;
            if (s.marks == 1) s.p_right = op.v[0] > 672;
            if (texts_after(trace, i) == "x") s.x_mark = s.marks;
        }
        // The last cell of a problem holds its answer.
        if (is_cell(op)) s.answer = texts_after(trace, i);
        if (is_next_step(op)) on = false;
    }
    return out;
}

TEST(Section3, PracticeTypesComeInACycleOfEight) {
    struct Type {
        int x_mark, marks, low, high;
        bool p_right;
    };
    const Type types[] = {
        {1, 2, 40, 69, true},   {2, 2, 80, 138, true},   {1, 3, 40, 69, false}, {3, 3, 40, 69, false},
        {1, 2, 40, 69, false},  {2, 2, 80, 138, false},  {1, 2, 130, 159, false}, {2, 2, 260, 318, false},
    };
    // Ten problems, then the screen again: it starts at type 1.
    std::string keys = "3\r1\r";
    for (int i = 0; i < 9; ++i) keys += problem("0");
    keys += problem("1") + "k1\r" + problem("1") + "k4\r9\r";
    harness::RunResult r = harness::run_program<Telmira>(keys, "Telmira");
    EXPECT_EQ(r.status, 0);
    const auto shown = practice_problems_shown(r.trace);
    ASSERT_EQ(shown.size(), 11u);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        SCOPED_TRACE("problem " + std::to_string(i + 1));
        const Type& type = types[i < 10 ? i % 8 : 0];
        EXPECT_EQ(shown[i].x_mark, type.x_mark);
        EXPECT_EQ(shown[i].marks, type.marks);
        const int answer = std::stoi(shown[i].answer);
        EXPECT_EQ(shown[i].answer, std::to_string(answer) + "°");
        EXPECT_GE(answer, type.low);
        EXPECT_LE(answer, type.high);
        EXPECT_EQ(shown[i].p_right, type.p_right);
    }
}

// Blanks first, then one answer per key; the fourth answer and the
// next-step prompt come together. The answers follow from the angle at P.
TEST(Section3, ExampleShowsOneAnswerPerKey) {
    harness::RunResult r = harness::run_program<Telmira>("3\r3\rkkkk1\r4\r9\r", "Telmira");
    EXPECT_EQ(r.status, 0);
    auto chunks = per_menu_choice(r.trace);
    ASSERT_EQ(chunks.size(), 2u);
    const auto& example = chunks[0];

    std::string events;
    std::vector<std::string> cells;
    std::string given;
    for (std::size_t i = 0; i < example.size(); ++i) {
        const DrawOp& op = example[i];
        if (is_cell(op)) {
            events += 'C';
            cells.push_back(texts_after(example, i));
        }
        if (is_key_wait(op)) events += 'W';
        if (is_next_step(op)) events += 'N';
        // The first mark is at P, with the given angle.
        if (op.kind == OpKind::Sector && given.empty()) given = texts_after(example, i);
    }
    EXPECT_EQ(events, "CCCCWCWCWCWCN");
    ASSERT_EQ(cells.size(), 8u);
    const int a = std::stoi(given);
    EXPECT_EQ(given, std::to_string(a) + "°");
    const std::vector<std::string> expected = {"①", "②", "③", "④",
                                               std::to_string(2 * a) + "°", std::to_string(360 - 2 * a) + "°",
                                               std::to_string(180 - a) + "°", "180°"};
    EXPECT_EQ(cells, expected);
    // x, y and z at their marks.
    std::vector<std::string> mark_labels;
    for (std::size_t i = 0; i < example.size(); ++i)
        if (example[i].kind == OpKind::Sector) mark_labels.push_back(texts_after(example, i));
    EXPECT_EQ(mark_labels, (std::vector<std::string>{given, "x", "y", "z"}));
}

// The answers page: a heading and three lines, each in its colours, and
// nothing else; the same page again on a second visit.
TEST(Section3, TextbookAnswersPage) {
    harness::RunResult r = harness::run_program<Telmira>("3\r2\r2\r4\r9\r", "Telmira");
    EXPECT_EQ(r.status, 0);
    auto chunks = per_menu_choice(r.trace);
    ASSERT_EQ(chunks.size(), 3u);
    struct Line {
        float y;
        int colour;
        const char* text;
        float x;  // of its first glyph
    } const lines[] = {
        {30, 3, "教科書P170問1解答", 36}, {90, 0, "(1)", 36},  {90, 5, "∠x=50°", -1},
        {150, 0, "(2)", 36},                {150, 5, "∠x=40°", -1}, {210, 0, "(3)", 36}, {210, 5, "∠x=240°", -1},
    };
    // The page as drawn: from the page clear to the next menu line.
    auto page_of = [](const std::vector<DrawOp>& chunk) {
        std::vector<DrawOp> page;
        bool on = false;
        for (const DrawOp& op : chunk) {
            if (is_page_clear(op)) on = true;
            if (on) page.push_back(op);
        }
        return page;
    };
    const auto page = page_of(chunks[0]);
    for (const Line& line : lines) {
        SCOPED_TRACE(line.text);
        std::string s;
        float first_x = -1;
        for (const DrawOp& op : page)
            if (op.kind == OpKind::Text && op.color == line.colour && op.v[1] > line.y - 30 && op.v[1] <= line.y) {
                if (s.empty()) first_x = op.v[0];
                s += op.text;
            }
        EXPECT_EQ(s, line.text);
        if (line.x >= 0) {
            EXPECT_EQ(first_x, line.x);
        }
    }
    EXPECT_EQ(count_if(page, is_cell), 0);
    EXPECT_EQ(count_if(page, [](const DrawOp& op) { return op.kind == OpKind::Circle; }), 0);
    EXPECT_EQ(count_if(page, is_key_wait), 0);
    EXPECT_EQ(harness::trace_lines(page_of(chunks[1])), harness::trace_lines(page));
}

// What a typed choice leads to, read off what it drew.
std::string outcome(const std::vector<DrawOp>& chunk) {
    if (count_if(chunk, is_main_menu_board) > 0) return "main menu";
    if (count_if(chunk, is_page_clear) == 0) return "asked again";
    const std::string texts = page_texts(chunk);
    if (texts.find("∠xの大きさ") != std::string::npos) return "practice";
    if (texts.find("解答") != std::string::npos) return "answers";
    if (texts.find("①～④") != std::string::npos) return "example";
    return "?";
}

TEST(Section3, MenuChoices) {
    struct Case {
        const char* typed;
        std::string rest;  // the keys the screen reads, back to the menu line
        const char* leads_to;
    } const cases[] = {
        {"0", "", "asked again"},          {"5", "", "asked again"},          {"-1", "", "asked again"},
        {"", "", "asked again"},           {"1/0", "", "asked again"},        {"1", problem("1") + "k", "practice"},
        {"1.4", problem("1") + "k", "practice"}, {"2", "", "answers"},      {"9/4", "", "answers"},
        {"3/2", "", "answers"},            {"3", "kkkk1\r", "example"},       {"11/4", "kkkk1\r", "example"},
        {"4.5", "", "asked again"},        {"4", "", "main menu"},            {"7/2", "", "main menu"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        const bool leaves = std::string(c.leads_to) == "main menu";
        const std::string keys =
            "3\r" + std::string(c.typed) + "\r" + c.rest + (leaves ? "" : "4\r") + "9\r" + kLeftOver;
        harness::RunResult r = harness::run_program<Telmira>(keys, "Telmira");
        auto chunks = choices_of_run(r, static_cast<int>(keys.size()) - 1);
        ASSERT_EQ(chunks.size(), leaves ? 1u : 2u);
        EXPECT_EQ(outcome(chunks[0]), c.leads_to);
    }
}

}  // namespace
