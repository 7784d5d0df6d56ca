// Whole-program runs of section 7, the worked answers of the basic problems
// of page 176: its menu line, both answer pages, and back to the main menu.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "harness.h"
#include "menu_runs.h"
#include "telmira.h"

namespace {

using menu_runs::count_if;
using menu_runs::is_key_wait;
using platform::DrawOp;
using platform::OpKind;

// Left unread when the program ends by the main menu's end entry.
const std::string kLeftOver = "x";

bool is_page_clear(const DrawOp& op) {
    return op.kind == OpKind::FillBox && op.v == std::vector<float>{0, 0, 1760, 1800} && op.color == 15;
}
bool is_main_menu_board(const DrawOp& op) {
    return op.kind == OpKind::FillBox && op.v == std::vector<float>{22, 10, 1342, 610} && op.fill == 10;
}
// "P176(基本の問題)の解答 ..." starts at the left of the Bottom strip.
bool is_section7_menu_line(const DrawOp& op) {
    return op.kind == OpKind::Text && op.v == std::vector<float>{16, 666} && op.text == "Ｐ";
}
bool is_heading_cell(const DrawOp& op) {
    return op.kind == OpKind::FillBox && op.v == std::vector<float>{72, 30, 432, 78} && op.color == 3 &&
           op.fill == 13;
}
bool is_page_cell(const DrawOp& op) {
    return op.kind == OpKind::FillBox && op.v == std::vector<float>{476, 30, 520, 74} && op.color == 4 &&
           op.fill == 3;
}

// The trace cut at each asking of section 7's menu line.
std::vector<std::vector<DrawOp>> per_choice(const std::vector<DrawOp>& trace) {
    std::vector<std::vector<DrawOp>> chunks;
    for (const DrawOp& op : trace) {
        if (is_section7_menu_line(op)) chunks.emplace_back();
        if (!chunks.empty()) chunks.back().push_back(op);
    }
    return chunks;
}

// The chunk cut again at each key wait: part k is what step k + 1 drew.
std::vector<std::vector<DrawOp>> per_step(const std::vector<DrawOp>& chunk) {
    std::vector<std::vector<DrawOp>> steps(1);
    for (const DrawOp& op : chunk) {
        if (is_key_wait(op)) steps.emplace_back();
        steps.back().push_back(op);
    }
    return steps;
}

// The glyphs of one text line left of the figure, in colour c: a raised
// italic x sits 22 units above the line's top.
std::string line_text(const std::vector<DrawOp>& ops, float y, int c) {
    std::string s;
    for (const DrawOp& op : ops)
        if (op.kind == OpKind::Text && op.color == c && op.v[0] < 700 && op.v[1] > y - 30 && op.v[1] <= y + 10)
            s += op.text;
    return s;
}

// Minus signs are strokes and spaces are advances, not glyphs.
std::string glyphs(std::string s) {
    std::string out;
    for (char ch : s)
        if (ch != ' ' && ch != '-') out += ch;
    return out;
}

// Coordinates computed through sines and cosines, to a hundredth.
void expect_near(const std::vector<float>& got, const std::vector<float>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], 0.01) << "coordinate " << i;
}

std::vector<DrawOp> of_kind(const std::vector<DrawOp>& ops, OpKind kind, int c) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : ops)
        if (op.kind == kind && op.color == c) out.push_back(op);
    return out;
}

// One asking of the menu line: what is typed, and what that choice shows.
struct Visit {
    const char* what;
    std::string keys;
    int page;       // 0: no page (out of range), 1 or 2
    int key_waits;  // "何かキーを押して下さい。" boxes
};

const Visit kVisits[] = {
    {"0 is out of range", "0\r", 0, 0},
    {"empty entry", "\r", 0, 0},
    {"4 is out of range", "4\r", 0, 0},
    {"0.6 is out of range", "0.6\r", 0, 0},
    {"page 1", "1\r", 1, 0},
    {"page 1 again", "1\r", 1, 0},
    {"page 2", "2\rkkkk", 2, 0 + 4},
    {"1.4 is page 1", "1.4\r", 1, 0},
    {"page 2 after page 1", "2\rkkkk", 2, 4},
    {"3/2 is page 2", "3/2\rkkkk", 2, 4},
    {"3.4 is out of range", "3.4\r", 0, 0},
};

std::string tour_keys(const std::string& leave) {
    std::string s = "7\r";
    for (const Visit& v : kVisits) s += v.keys;
    return s + leave + "9\r" + kLeftOver;
}

TEST(Section7, TourOfBothPagesReturnsToTheMainMenu) {
    for (const char* leave : {"3\r", "2.6\r"}) {
        for (const char* title : {"Telmira", "Sundrel"}) {
            SCOPED_TRACE(std::string(title) + " left by " + leave);
            const std::string keys = tour_keys(leave);
            harness::RunResult r = harness::run_program<Telmira>(keys, title);
            EXPECT_EQ(r.status, 0);
            EXPECT_EQ(r.keys_read, static_cast<int>(keys.size()) - 1);
            EXPECT_TRUE(harness::texts_containing(r.trace, "エラー").empty());
            EXPECT_EQ(count_if(r.trace, is_main_menu_board), 2);

            auto chunks = per_choice(r.trace);
            // Every visit asks once, and the leaving choice once more.
            ASSERT_EQ(chunks.size(), std::size(kVisits) + 1);
            for (std::size_t k = 0; k < std::size(kVisits); ++k) {
                const Visit& v = kVisits[k];
                SCOPED_TRACE(v.what);
                const auto& chunk = chunks[k];
                EXPECT_EQ(count_if(chunk, is_key_wait), v.key_waits);
                // The menu never clears the page; each page clears it once.
                EXPECT_EQ(count_if(chunk, is_page_clear), v.page == 0 ? 0 : 1);
                EXPECT_EQ(count_if(chunk, is_heading_cell), v.page == 0 ? 0 : 1);
                const std::string page = line_text(chunk, 30, 13);
                EXPECT_EQ(page, v.page == 0 ? "" : std::to_string(v.page));
            }
            // The leaving choice goes straight to the main menu.
            EXPECT_EQ(count_if(chunks.back(), is_main_menu_board), 1);
            EXPECT_EQ(count_if(chunks.back(), is_heading_cell), 0);
        }
    }
}

TEST(Section7, OpensOnAnEmptyPageWithOnlyItsMenuLine) {
    harness::RunResult r = harness::run_program<Telmira>("7\r3\r9\r", "Telmira");
    EXPECT_EQ(r.status, 0);
    std::size_t first_menu = 0;
    while (first_menu < r.trace.size() && !is_section7_menu_line(r.trace[first_menu])) ++first_menu;
    ASSERT_LT(first_menu, r.trace.size());
    std::size_t clear = first_menu;
    while (clear > 0 && !is_page_clear(r.trace[clear])) --clear;
    for (std::size_t i = clear + 1; i < first_menu; ++i) {
        const DrawOp& op = r.trace[i];
        // Only the Bottom strip may be touched before the menu line.
        EXPECT_TRUE(op.v.size() < 2 || op.v[1] >= 640) << op.str();
    }
    // The whole menu line, in colour 0 at the bottom strip.
    std::string menu;
    for (std::size_t i = first_menu; i < r.trace.size(); ++i) {
        const DrawOp& op = r.trace[i];
        if (op.kind != OpKind::Text || op.v[1] != 666) break;
        EXPECT_EQ(op.color, 0);
        menu += op.text;
    }
    EXPECT_EQ(menu, "Ｐ１７６（基本の問題）の解答　①，②→問題　③→終了");
}

// The heading cells take the line width left by the screen before: start-up's
// 3 on the first page, the figure's 5 after either page.
TEST(Section7, HeadingCellsTakeTheWidthLeftBefore) {
    harness::RunResult r = harness::run_program<Telmira>("7\r1\r2\rkkkk1\r2\rkkkk3\r9\r", "Telmira");
    EXPECT_EQ(r.status, 0);
    std::vector<float> widths, page_widths;
    for (const DrawOp& op : r.trace) {
        if (is_heading_cell(op)) widths.push_back(op.width);
        if (is_page_cell(op)) page_widths.push_back(op.width);
    }
    EXPECT_EQ(widths, (std::vector<float>{3, 5, 5, 5}));
    EXPECT_EQ(page_widths, widths);
}

TEST(Section7, FirstPageAnswersAndFigure) {
    harness::RunResult r = harness::run_program<Telmira>("7\r1\r3\r9\r", "Telmira");
    EXPECT_EQ(r.status, 0);
    auto chunks = per_choice(r.trace);
    ASSERT_EQ(chunks.size(), 2u);
    const auto& page = chunks[0];
    EXPECT_EQ(count_if(page, is_key_wait), 0);

    struct Line {
        float y;
        const char* label;   // colour 0
        const char* answer;  // colour 5
    };
    const Line lines[] = {
        {90, "(1)", "∠x=60°"},  {150, "(2)", "∠x=38°"}, {210, "(3)", "∠x=250°"}, {270, "(4)", "∠x=30°"},
        {330, "(5)", "∠x=90°"}, {390, "(6)", "∠x=47°"}, {450, "∠x=180°-90°-43°だから", ""},
    };
    for (const Line& line : lines) {
        SCOPED_TRACE(line.label);
        EXPECT_EQ(line_text(page, line.y, 0), glyphs(line.label));
        EXPECT_EQ(line_text(page, line.y, 5), line.answer);
    }
    // The answers follow their labels at once: "(1) " ends at x 180.
    for (const DrawOp& op : of_kind(page, OpKind::Text, 5))
        if (op.text == "∠") {
            EXPECT_EQ(op.v[0], 180) << op.str();
        }

    // The circle about O (960, 330), radius 180, its centre dot and name.
    EXPECT_EQ(of_kind(page, OpKind::Circle, 0).size(), 1u);
    EXPECT_EQ(of_kind(page, OpKind::Circle, 0)[0].v, (std::vector<float>{960, 330, 180}));
    bool dot = false, name = false;
    for (const DrawOp& op : page) {
        dot |= op.kind == OpKind::Disc && op.v == std::vector<float>{960, 330, 3} && op.color == 0 && op.fill == 0;
        name |= op.kind == OpKind::Text && op.text == "O" && op.v == std::vector<float>{946, 280} && op.color == 0;
    }
    EXPECT_TRUE(dot);
    EXPECT_TRUE(name);

    // Five chords in width 5; the diameter lies level through O.
    const auto chords = of_kind(page, OpKind::Segment, 0);
    std::vector<DrawOp> figure;
    for (const DrawOp& op : chords)
        if (op.v[0] >= 700) figure.push_back(op);
    ASSERT_EQ(figure.size(), 5u);
    expect_near(figure[2].v, {780, 330, 1140, 330});
    for (const DrawOp& op : figure) EXPECT_EQ(op.width, 5) << op.str();

    // Three one-arc marks, radius 42, the right angle in colour 5, and the
    // labels 43°, x, 43° in colour 3: no point but O is named.
    const auto arcs = of_kind(page, OpKind::Arc, 3);
    ASSERT_EQ(arcs.size(), 3u);
    // Each arc spans its angle: 43°, 47° and 43°, as labelled.
    const float spans[] = {43, 47, 43};
    for (std::size_t i = 0; i < arcs.size(); ++i) {
        EXPECT_EQ(arcs[i].v[2], 42);
        EXPECT_NEAR((arcs[i].v[4] - arcs[i].v[3]) * 360, spans[i], 0.01);
    }
    EXPECT_EQ(of_kind(page, OpKind::Polyline, 5).size(), 1u);
    std::string figure_labels;
    for (const DrawOp& op : page)
        if (op.kind == OpKind::Text && op.v[0] >= 700 && op.v[1] < 640) figure_labels += op.text;
    EXPECT_EQ(figure_labels, "O43°x43°");
}

TEST(Section7, SecondPageStepByStep) {
    harness::RunResult r = harness::run_program<Telmira>("7\r2\rkkkk3\r9\r", "Telmira");
    EXPECT_EQ(r.status, 0);
    auto chunks = per_choice(r.trace);
    ASSERT_EQ(chunks.size(), 2u);
    auto steps = per_step(chunks[0]);
    ASSERT_EQ(steps.size(), 5u);

    // B (720, 500) and C (1080, 500) end the diameter; the circle itself,
    // its centre and dots of the points are never drawn.
    for (const DrawOp& op : chunks[0]) {
        if (op.v.size() >= 2 && op.v[1] >= 640) continue;  // the Number field's blinking dot
        EXPECT_NE(op.kind, OpKind::Circle) << op.str();
        EXPECT_NE(op.kind, OpKind::Disc) << op.str();
    }

    // Step 1: six names, five segments in colour 0, two right angles in 5.
    std::string names;
    for (const DrawOp& op : steps[0])
        if (op.kind == OpKind::Text && op.v[0] >= 600 && op.v[1] > 80 && op.v[1] < 640) names += op.text;
    EXPECT_EQ(names, "ABCDEF");
    const auto sides = of_kind(steps[0], OpKind::Segment, 0);
    ASSERT_EQ(sides.size(), 5u);
    expect_near(sides[1].v, {720, 500, 1080, 500});
    EXPECT_EQ(of_kind(steps[0], OpKind::Polyline, 5).size(), 2u);

    // Step 2: AF in colour 3 stands at right angles to BC, from A down to F.
    const auto af = of_kind(steps[1], OpKind::Segment, 3);
    ASSERT_EQ(af.size(), 1u);
    EXPECT_NEAR(af[0].v[0], af[0].v[2], 0.01);
    EXPECT_LT(af[0].v[1], af[0].v[3]);
    EXPECT_EQ(of_kind(steps[1], OpKind::Polyline, 3).size(), 2u);
    // A is where BE and CD meet: the top of the sides from B and C.
    EXPECT_NEAR(sides[0].v[2], af[0].v[0], 0.01);
    EXPECT_NEAR(sides[0].v[3], af[0].v[1], 0.01);
    EXPECT_NEAR(sides[3].v[2], af[0].v[0], 0.01);

    // Steps 3 and 5: the two text blocks, lines 70 then 60 apart.
    struct Line {
        int step;
        float y;
        int colour;
        const char* text;
    };
    const Line lines[] = {
        {2, 100, 3, "点A,E,F,D"},
        {2, 160, 0, "∠AEF=∠ADF=90° だから"},
        {2, 220, 0, "4点A,E,F,DはAFを直径とする円周上にある"},
        {4, 290, 5, "点B,C,D,E"},
        {4, 350, 0, "2点D,Eは直線BCの同じ側にあって、"},
        {4, 410, 0, "∠BDC=∠BEC=90°だから"},
    };
    for (const Line& line : lines) {
        SCOPED_TRACE(line.text);
        std::string drawn;
        for (const DrawOp& op : steps[line.step])
            if (op.kind == OpKind::Text && op.color == line.colour && op.v[1] > line.y - 30 && op.v[1] <= line.y + 10)
                drawn += op.text;
        EXPECT_EQ(glyphs(drawn), glyphs(line.text));
    }

    // Step 4: BC again, in colour 5, and nothing else of the figure.
    EXPECT_EQ(of_kind(steps[3], OpKind::Segment, 5).size(), 1u);
    expect_near(of_kind(steps[3], OpKind::Segment, 5)[0].v, {720, 500, 1080, 500});
    // The page ends on its last line: nothing is written after it.
    for (const DrawOp& op : steps[4])
        if (op.kind == OpKind::Text && op.v[1] < 640) {
            EXPECT_LE(op.v[1], 410) << op.str();
        }
}

}  // namespace
