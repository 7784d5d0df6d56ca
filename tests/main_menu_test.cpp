// The main menus, run headless on key scripts: what each typed entry leads
// to, the end entry, and the board they draw.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "orvane.h"
#include "telmira.h"

namespace {

using platform::DrawOp;
using platform::OpKind;

bool is_fill_box(const DrawOp& op, std::vector<float> v) {
    return op.kind == OpKind::FillBox && op.v == v && op.color == 15 && op.fill == 15;
}

// What followed each answer to the menu's question: "end" (the program
// ended there), "redraw" (the menu at once, as for a value out of range) or
// "on" (the page cleared for a section, as for every value in range).
std::vector<std::string> menu_outcomes(const std::vector<DrawOp>& trace) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < trace.size(); ++i) {
        if (!is_fill_box(trace[i], {816, 640, 1872, 690})) continue;
        if (i + 1 == trace.size()) out.push_back("end");
        else if (is_fill_box(trace[i + 1], {0, 54, 1440, 900})) out.push_back("redraw");
        else if (is_fill_box(trace[i + 1], {0, 0, 1760, 1800})) out.push_back("on");
        else out.push_back("?" + trace[i + 1].str());
    }
    return out;
}

struct MenuCase {
    const char* name;
    const char* keys;
    std::vector<std::string> outcomes;
};

template <class Program>
void walk(const char* title, const std::vector<MenuCase>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(title) + ": " + c.name);
        harness::RunResult r = harness::run_program<Program>(c.keys, title);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.keys_read, static_cast<int>(std::string(c.keys).size()));
        EXPECT_EQ(menu_outcomes(r.trace), c.outcomes);
        EXPECT_TRUE(harness::texts_containing(r.trace, "エラー").empty());
    }
}

struct BoardRow {
    const char* text;  // as drawn: half-width spaces leave no glyph
    float x, y;
    int colour;
    float width = 600;  // the band in which its glyphs start
};

// The glyphs of one colour that start inside a row's band, joined.
std::string row_text(const std::vector<DrawOp>& trace, const BoardRow& row) {
    std::string s;
    for (const auto& op : trace)
        if (op.kind == OpKind::Text && op.color == row.colour && op.v[0] >= row.x && op.v[0] < row.x + row.width &&
            op.v[1] > row.y - 30 && op.v[1] < row.y + 30)
            s += op.text;
    return s;
}

template <class Program>
void check_board(const char* title, const std::vector<BoardRow>& rows, int prompts) {
    SCOPED_TRACE(title);
    harness::RunResult r = harness::run_program<Program>("", title);
    const auto& t = r.trace;
    ASSERT_GE(t.size(), 3u);
    EXPECT_TRUE(is_fill_box(t[0], {0, 54, 1440, 900}));
    EXPECT_TRUE(is_fill_box(t[1], {0, 0, 1760, 1800}));
    EXPECT_EQ(t[2].str(), "fillbox 22 10 1342 610 c=15 f=10 w=3");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(row_text(t, row), row.text);
        // The row starts at its place (a leading half-width space only
        // moves its first glyph a little).
        const DrawOp* first = nullptr;
        for (const auto& op : t)
            if (op.kind == OpKind::Text && op.color == row.colour && op.v[0] >= row.x &&
                op.v[0] < row.x + row.width && op.v[1] == row.y) {
                first = &op;
                break;
            }
        ASSERT_NE(first, nullptr);
        EXPECT_LT(first->v[0], row.x + 30);
    }
    // The question and the field's label below the board, in colour 0.
    std::string question;
    for (int k = 0; k < prompts; ++k) question += "番号を入力して下さい。";
    EXPECT_EQ(row_text(t, {"", 816, 648, 0, 176}), question);
    EXPECT_EQ(row_text(t, {"", 1008, 648, 0, 32}), "入力");
}

}  // namespace

TEST(MainMenu, TelmiraWalk) {
    walk<Telmira>("Telmira", {
        {"end entry", "9\r", {"end"}},
        {"quotient equal to the end entry", "18/2\r", {"end"}},
        // Sections 1 and 2 are left by their menus' entry 10, section 3 by its entry 4, section 4 by its
        // entry 6, section 5 by its entry 5, section 7 by its entry 3.
        {"every section entry", "1\r10\r2\r10\r3\r4\r4\r6\r5\r5\r6\r7\r3\r9\r",
         {"on", "on", "on", "on", "on", "on", "on", "end"}},
        {"blank entry", "8\r8\r9\r", {"on", "on", "end"}},
        {"out of range", "0\r-1\r10\r\r9\r", {"redraw", "redraw", "redraw", "redraw", "end"}},
        {"below one as a fraction", "1/2\r9\r", {"redraw", "end"}},
        {"zero denominator", "1/0\r/\r0/0\r3/\r9\r", {"redraw", "redraw", "redraw", "redraw", "end"}},
        {"not a whole number", "2.5\r10\r9\r", {"on", "end"}},
        {"leading number names an entry", "2/2\r10\r9\r", {"on", "end"}},
        {"leading number names no entry", "20/4\r9\r", {"on", "end"}},
        {"leading number too large for an entry", "9999/9999\r9\r", {"on", "end"}},
    });
}

TEST(MainMenu, SundrelWalk) {
    walk<Telmira>("Sundrel", {
        {"blank entry, out of range, end", "8\r0\r9\r", {"on", "redraw", "end"}},
    });
}

TEST(MainMenu, OrvaneWalk) {
    walk<Orvane>("Orvane", {
        {"end entry", "6\r", {"end"}},
        {"quotient equal to the end entry", "12/2\r", {"end"}},
        // Section 1 is left by its menu's entry 5, section 2 by its entry 7,
        // section 3 by its entry 6, section 4 by its entry 5.
        {"every section entry", "1\r5\r2\r7\r3\r6\r4\r5\r6\r", {"on", "on", "on", "on", "end"}},
        {"blank entry", "5\r5\r6\r", {"on", "on", "end"}},
        {"out of range", "0\r7\r-1\r1/2\r\r6\r", {"redraw", "redraw", "redraw", "redraw", "redraw", "end"}},
        {"zero denominator", "1/0\r/\r6\r", {"redraw", "redraw", "end"}},
        {"leading number names an entry", "2/2\r7\r6\r", {"on", "end"}},
        {"leading number names no entry", "10/2\r6\r", {"on", "end"}},
        {"not a whole number", "5.5\r6\r", {"on", "end"}},
    });
}

TEST(MainMenu, ScriptRunningOutEndsTheProgram) {
    harness::RunResult t = harness::run_program<Telmira>("3", "Telmira");
    EXPECT_EQ(t.status, 0);
    EXPECT_TRUE(menu_outcomes(t.trace).empty());
    harness::RunResult o = harness::run_program<Orvane>("", "Orvane");
    EXPECT_EQ(o.status, 0);
}

TEST(MainMenu, EntryNumberIsTheLeadingNumberOfTheTypedText) {
    struct Case {
        const char* typed;
        int entry;
    } cases[] = {
        {"2", 2},  {"2/2", 2},   {"12/2", 12}, {"20/4", 20}, {"2.5", 2},   {"1.9", 1},
        {"", 0},   {"-3", -3},   {"/4", 0},    {".5", 0},    {"9999/9999", 0}, {"99", 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        harness::KitFixture f;
        f.kit.AINP_S = c.typed;
        EXPECT_EQ(f.kit.typed_entry_number(), c.entry);
    }
}

TEST(MainMenu, TelmiraBoard) {
    const std::vector<BoardRow> rows = {
        {"1　円周角", 44, 120, 13},          {"2　円周角の定理証明", 44, 180, 15}, {"3　円周角を使って", 44, 240, 13},
        {"4　円周角と弧", 44, 300, 15},      {"5　直径と円周角", 44, 360, 13},     {"6　円周角の定理の逆", 44, 420, 15},
        {"7　P176基本の問題", 44, 480, 13}, {"8　", 44, 540, 15},                  {"9　終了", 660, 120, 13},
    };
    std::vector<BoardRow> telmira = rows, sundrel = rows;
    telmira.push_back({"＜Telmira　メニュー＞", 264, 30, 15});
    sundrel.push_back({"＜Sundrel　メニュー＞", 264, 30, 15});
    check_board<Telmira>("Telmira", telmira, 1);
    check_board<Telmira>("Sundrel", sundrel, 1);
}

TEST(MainMenu, OrvaneBoard) {
    // The prompt is written once by the menu and once more by the question.
    check_board<Orvane>("Orvane",
                        {{"＜Orvane　メニュー＞", 264, 30, 15},
                         {"1　作図", 44, 120, 13},
                         {"2　円と相似", 44, 180, 15},
                         {"3　P182(章の問題A)", 44, 240, 13},
                         {"4　P183(章の問題B)", 44, 300, 15},
                         {"5　", 44, 360, 13},
                         {"6　終了", 44, 420, 15}},
                        2);
}
