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
using menu_runs::is_page_clear;
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
    float x;           // of its first glyph; -1 where not checked
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

// A blank's cell: DRAW_CELL_ON_LINE puts it 3 units above its text line.
std::vector<float> cell(float x, float line_y, float width) { return {x, line_y - 3, x + width, line_y + 47}; }

// The blanks in drawing order, then the answers over them in the same order.
std::vector<std::vector<float>> blanks_then_answers(std::vector<std::vector<float>> blanks) {
    std::vector<std::vector<float>> all = blanks;
    all.insert(all.end(), blanks.begin(), blanks.end());
    return all;
}

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
        {"A2: three pages, two key presses", "2\rkk", 2, 3,
         {"fillbox 108 30 548 78 c=3 f=13 w=5", "fillbox 592 30 636 74 c=4 f=3 w=5",
          // page 1: x at the chords' crossing, point 5
          "arc 1028.94 256.287 42 0.666667 0.916667 c=3 w=5",
          // page 2: the right angle at point 1, the 60° across direction 0
          "polyline 921.418 110.139 902.134 133.12 879.153 113.836 c=5 w=5",
          "arc 782.735 228.743 42 0.861112 0.0277778 c=3 w=5",
          // page 3: the radius in colour 7, the small disc, the wider arcs
          "segment 975.688 80.685 960 260 c=7 w=5", "disc 960 260 3 c=0 f=0 w=5",
          "arc 975.688 80.685 62 0.215278 0.263889 c=3 w=5", "arc 960 260 42 0.166667 0.444445 c=3 w=5"},
         {{90, 0, 36, "(3)"}, {150, 0, 108, "円周角が、20°30°=50°だから"}, {210, 0, 920, "O"}, {30, 5, 600.5, "2"}},
         {}},
        {"A3: seven key presses", "3\rkkkkkkk", 7, 1,
         {"fillbox 40 30 480 78 c=3 f=13 w=5", "circle 965 290 210 c=0 w=5",
          // the given 70° at E, the crossing of AC and BD
          "arc 1000.36 372.406 42 0.458334 0.652778 c=3 w=5", "segment 830.015 129.13 804.13 424.985 c=5 w=5",
          "sector 1171.81 326.466 50 0.458334 0.583333 c=0 f=5 w=5"},
         {{100, 5, 40, "1つの円周上にある。"},
          {180, 0, 40, "∠ADB25°="},
          {300, 0, 40, "したがって　∠ADB="},
          {360, 0, 40, "2点C,Dが直線の同じ側にあって、"},
          {420, 0, 384, "だから"},
          {500, 0, 40, "4点A,B,C,Dは1つの円周上にある。"},
          {180, 5, -1, "70°"},
          {420, 5, -1, "∠ADB=∠ACB"}},
         blanks_then_answers({cell(290, 180, 108), cell(197, 240, 108), cell(401, 300, 180), cell(294, 360, 108),
                              cell(50, 420, 324)})},
        {"A4: ten key presses", "4\rkkkkkkkkkk", 10, 1,
         {"fillbox 72 30 512 78 c=3 f=13 w=5", "segment 804.116 180 1050 425.885 c=5 w=5",
          // AB dotted from B back to A, BC from C back to B
          "disc 738.23 425.884 0.5 c=0 f=0 w=5", "disc 771.173 302.942 0.5 c=0 f=0 w=5",
          "disc 804.116 180 0.5 c=0 f=0 w=5", "disc 1050 425.885 0.5 c=0 f=0 w=5",
          "sector 1115.88 180 40 0.291667 0.5 c=0 f=5 w=5", "sector 1050 114.115 50 0.25 0.458334 c=0 f=3 w=5",
          "sector 738.231 425.885 50 0.791667 0 c=0 f=3 w=5"},
         {{100, 0, 80, "平行四辺形の対角は等しいから"},
          {160, 0, 80, "∠B=…①"},
          {280, 0, 80, "∠B'=…②"},
          {400, 0, 80, "2点B',Dはの同じ側にあって、"},
          {460, 0, 80, "∠B'=だから"},
          {520, 3, 80, "4点A,B',C,Dは1つの円周上にある。"},
          {400, 5, -1, "直線AC"}},
         blanks_then_answers({cell(183, 160, 72), cell(195, 280, 72), cell(392, 340, 72), cell(278, 400, 144),
                              cell(195, 460, 72)})},
        {"A5: eleven key presses", "5\rkkkkkkkkkkk", 11, 1,
         {"fillbox 72 30 512 78 c=3 f=13 w=5", "circle 960 330 180 c=0 w=5",
          "polygon 960 150 822.112 445.701 1021.56 499.145 960 150 c=0 f=13 w=5",
          "polyline 960 150 1012.14 445.702 822.112 445.701 960 150 c=9 w=8",
          "arc 960 330 180 0.388889 0.75 c=3 w=5", "sector 960 150 50 0.222223 0.319445 c=0 f=7 w=5",
          "sector 1021.56 499.145 50 0.541667 0.722223 c=0 f=3 w=5"},
         {{80, 0, 80, "△ABDと△AEBにおいて"},
          {140, 0, 80, "AB=ACだから∠ABE="},
          {200, 0, 80, "ABに対する円周角は等しいので"},
          {260, 0, -1, "=∠ACB"},
          {320, 0, 80, "よって∠ADB=…①"},
          {380, 0, 80, "また、∠BAD=…②"},
          {500, 0, 280, "がそれぞれ等しいので"},
          {560, 0, 80, "△ABD∽△AEB"},
          {500, 5, -1, "2組の角"}},
         blanks_then_answers({cell(533, 140, 180), cell(90, 260, 180), cell(396, 320, 180), cell(339, 380, 180),
                              cell(90, 500, 180)})},
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
            if (t.x >= 0) {
                EXPECT_EQ(got.x, t.x);
            }
        }
        std::vector<std::vector<float>> cells;
        for (const DrawOp& op : last_page)
            if (is_blank_cell(op)) cells.push_back(op.v);
        EXPECT_EQ(cells, visit.cells);
    }
    // The last asking is the 6 that leaves the section.
    EXPECT_EQ(chunks.size(), k + 1);
}

// The one state a page leaves to the next is the line width: what a page
// draws before it sets a width of its own takes the width in force.
TEST(OrvaneSection3, HeadingCellsTakeTheWidthThePageBeforeLeft) {
    struct Case {
        const char* what;
        std::string keys;         // after the main menu's 3
        std::string heading;      // the last page's heading cell
        std::vector<std::string> also;  // further lines of the last visit, any page
    };
    const Case cases[] = {
        {"A1 sets width 5 before its cells", "1\rkkkkkk", "fillbox 72 30 512 78 c=3 f=13 w=5", {}},
        // Page 1's cells at the start-up width, pages 2 and 3 at page 1's 5.
        {"A2 straight after start-up", "2\rkk", "fillbox 108 30 548 78 c=3 f=13 w=5",
         {"fillbox 108 30 548 78 c=3 f=13 w=3"}},
        {"A3 straight after start-up: the circle too", "3\rkkkkkkk", "fillbox 40 30 480 78 c=3 f=13 w=3",
         {"circle 965 290 210 c=0 w=3"}},
        {"A3 after A1", "1\rkkkkkk3\rkkkkkkk", "fillbox 40 30 480 78 c=3 f=13 w=5", {"circle 965 290 210 c=0 w=5"}},
        {"A4 straight after start-up", "4\rkkkkkkkkkk", "fillbox 72 30 512 78 c=3 f=13 w=3", {}},
        // A5's arc sign sets width 3: blank 1 before it at 5, its answer at 3.
        {"A5 after A2", "2\rkk5\rkkkkkkkkkkk", "fillbox 72 30 512 78 c=3 f=13 w=5",
         {"fillbox 533 137 713 187 c=3 f=13 w=5", "fillbox 533 137 713 187 c=3 f=13 w=3",
          "fillbox 90 257 270 307 c=3 f=13 w=3"}},
        {"A4 after A5 takes width 3", "5\rkkkkkkkkkkk4\rkkkkkkkkkk", "fillbox 72 30 512 78 c=3 f=13 w=3", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        harness::RunResult r = harness::run_program<Orvane>("3\r" + c.keys + "6\r6\r", "Orvane");
        EXPECT_EQ(r.status, 0);
        auto chunks = per_menu_choice(r.trace);
        ASSERT_GE(chunks.size(), 2u);
        // The last visit: the chunk before the asking that leaves.
        const std::string lines = harness::trace_text(chunks[chunks.size() - 2]);
        std::size_t last_page = lines.rfind("fillbox 0 0 1760 1800");
        ASSERT_NE(last_page, std::string::npos);
        const std::size_t heading = lines.find("\n", last_page) + 1;
        EXPECT_EQ(lines.substr(heading, c.heading.size()), c.heading);
        for (const std::string& op : c.also) EXPECT_NE(lines.find(op + "\n"), std::string::npos) << op;
    }
}

}  // namespace
