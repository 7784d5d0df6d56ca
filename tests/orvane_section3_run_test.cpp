// Whole-program runs of Orvane's section 3, the worked answers of the chapter
// problems A, driven by key scripts: every problem's page step by step, the
// menu line's choices, and the line width one page leaves to the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "harness.h"
#include "menu_runs.h"
#include "orvane.h"

namespace {

using menu_runs::count_if;
using menu_runs::is_key_wait;
using menu_runs::page_texts;
using platform::DrawOp;
using platform::OpKind;

// A key after the main menu's end entry: when it stays unread, the program
// ended by that entry and not by running out of keys.
const std::string kLeftOver = "x";

// "P182(円 章の問題A)の解答 ..." starts at the left of the Bottom strip.
bool is_menu_line(const DrawOp& op) {
    return op.kind == OpKind::Text && op.v == std::vector<float>{16, 666} && op.text == "Ｐ";
}
bool is_page_clear(const DrawOp& op) {
    return op.kind == OpKind::FillBox && op.v == std::vector<float>{0, 0, 1760, 1800} && op.fill == 15;
}
bool is_main_menu_board(const DrawOp& op) {
    return op.kind == OpKind::FillBox && op.v == std::vector<float>{22, 10, 1342, 610} && op.fill == 10;
}
// The blanks and answers: cells bordered in colour 3, filled with 13, 50 high.
bool is_blank_cell(const DrawOp& op) {
    return op.kind == OpKind::FillBox && op.color == 3 && op.fill == 13 && op.v[3] - op.v[1] == 50;
}

// The trace cut at each asking of the section's menu line.
std::vector<std::vector<DrawOp>> per_menu_choice(const std::vector<DrawOp>& trace) {
    std::vector<std::vector<DrawOp>> chunks;
    for (const DrawOp& op : trace) {
        if (is_menu_line(op)) chunks.emplace_back();
        if (!chunks.empty()) chunks.back().push_back(op);
    }
    return chunks;
}

// The glyphs of one colour on the text line at y, joined, and where the
// first of them stands.
struct LineText {
    std::string text;
    float x = -1;
};
LineText line_text(const std::vector<DrawOp>& ops, float y, int colour) {
    LineText out;
    for (const DrawOp& op : ops)
        if (op.kind == OpKind::Text && op.v[1] == y && op.color == colour) {
            if (out.x < 0) out.x = op.v[0];
            out.text += op.text;
        }
    return out;
}

struct PlacedText {
    float y;
    int colour;
    float x;           // of its first glyph
    const char* text;  // its glyphs joined (half-width spaces leave none)
};

// One visit of a screen from the section menu, back to the menu line.
struct Visit {
    const char* what;
    std::string keys;  // the menu choice and every key the screen reads
    int key_waits;
    int pages;                              // cleared pages
    std::vector<std::string> ops;           // trace lines drawn, each at least once
    std::vector<PlacedText> texts;          // on the visit's last page
    std::vector<std::vector<float>> cells;  // blank and answer cells, in drawing order
};

std::vector<Visit> visits() {
    return {
        {"A1: six key presses", "1\rkkkkkk", 6, 1,
         {"fillbox 72 30 512 78 c=3 f=13 w=5", "fillbox 556 30 600 74 c=4 f=3 w=5",
          "disc 960 330 5 c=0 f=0 w=5", "circle 960 330 180 c=0 w=5",
          "segment 1112.65 234.615 807.351 425.385 c=0 w=5", "segment 960 330 1112.65 425.386 c=0 w=5",
          "arc 1112.65 234.615 42 0.25 0.411112 c=3 w=5", "arc 960 150 42 0.169445 0.330556 c=7 w=5",
          "sector 960 330 40 0.0888895 0.411112 c=0 f=3 w=5", "arc 1112.65 425.386 42 0.5 0.75 c=5 w=5"},
         {{32, 0, 99, "P182(円章の問題A)"},
          {30, 13, 564.5, "1"},
          {280, 0, 946, "O"},
          {90, 0, 72, "(1)"},
          {90, 5, 180, "∠BPC=58°"},
          {150, 0, 72, "(2)"},
          {150, 5, 180, "∠BOC=116°"},
          {210, 0, 153, "2×58°"},
          {270, 0, 72, "(3)"},
          {270, 5, 180, "∠BCA=90°"},
          {330, 0, 126, "ABが直径だから"}},
         {}},
        {"out of range, then 6/5 taken as A1", "7\r0\r\r-1\r6/5\rkkkkkk", 6, 1, {}, {{90, 5, 180, "∠BPC=58°"}}, {}},
    };
}

std::string whole_script() {
    std::string s = "3\r";
    for (const Visit& v : visits()) s += v.keys;
    return s + "6\r6\r";
}

TEST(OrvaneSection3, TourOfEveryProblemReturnsToTheMainMenu) {
    const std::string keys = whole_script() + kLeftOver;
    harness::RunResult r = harness::run_program<Orvane>(keys, "Orvane");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.keys_read, static_cast<int>(keys.size()) - 1);
    EXPECT_TRUE(harness::texts_containing(r.trace, "エラー").empty());
    EXPECT_EQ(count_if(r.trace, is_main_menu_board), 2);

    auto chunks = per_menu_choice(r.trace);
    // The first asking stands alone on the page the main menu cleared.
    ASSERT_FALSE(chunks.empty());
    std::size_t k = 0;
    for (const Visit& visit : visits()) {
        SCOPED_TRACE(visit.what);
        // Each typed value outside 1..6 asks once more, drawing nothing else.
        const std::size_t askings = std::count(visit.keys.begin(), visit.keys.end(), '\r');
        for (std::size_t extra = 1; extra < askings; ++extra, ++k) {
            ASSERT_LT(k, chunks.size());
            EXPECT_EQ(count_if(chunks[k], is_page_clear), 0);
            EXPECT_EQ(count_if(chunks[k], is_key_wait), 0);
        }
        ASSERT_LT(k, chunks.size());
        const auto& chunk = chunks[k++];
        EXPECT_EQ(count_if(chunk, is_key_wait), visit.key_waits);
        EXPECT_EQ(count_if(chunk, is_page_clear), visit.pages);

        const std::string lines = harness::trace_text(chunk);
        for (const std::string& op : visit.ops) EXPECT_NE(lines.find(op + "\n"), std::string::npos) << op;

        std::vector<DrawOp> last_page;
        for (const DrawOp& op : chunk) {
            if (is_page_clear(op)) last_page.clear();
            last_page.push_back(op);
        }
        for (const PlacedText& t : visit.texts) {
            SCOPED_TRACE(t.text);
            LineText got = line_text(last_page, t.y, t.colour);
            EXPECT_NE(got.text.find(t.text), std::string::npos) << got.text;
            EXPECT_EQ(got.x, t.x);
        }
        std::vector<std::vector<float>> cells;
        for (const DrawOp& op : last_page)
            if (is_blank_cell(op)) cells.push_back(op.v);
        EXPECT_EQ(cells, visit.cells);
    }
    // The last asking is the 6 that leaves the section.
    EXPECT_EQ(chunks.size(), k + 1);
}

}  // namespace
