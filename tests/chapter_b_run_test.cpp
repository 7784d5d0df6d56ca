// Whole-program runs of Orvane's section 4, the worked answers of the
// chapter problems B, driven by key scripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "harness.h"
#include "menu_runs.h"
#include "orvane.h"

namespace {

using menu_runs::count_if;
using menu_runs::is_key_wait;
using menu_runs::is_page_clear;
using menu_runs::page_texts;
using menu_runs::starts_inside;
using platform::DrawOp;
using platform::OpKind;

// A key after the main menu's end entry: when it stays unread, the program
// ended by that entry and not by running out of keys.
const std::string kLeftOver = "x";

using harness::repeat;

// The menu line is a prompt text, one character at a time, from (16,666).
bool is_b_menu_line(const DrawOp& op) {
    return op.kind == OpKind::Text && op.v[0] == 16 && op.v[1] == 666 && op.text == "Ｐ";
}
bool is_fill_box(const DrawOp& op, std::vector<float> box, int border, int fill) {
    return op.kind == OpKind::FillBox && op.v == box && op.color == border && op.fill == fill;
}

// The run of section 4 on `keys` (from its menu line, back to the main menu
// by choice 5 and out by its end entry); chunk k holds what the section
// drew from its k-th menu line on, chunk 0 what came before the first.
struct SectionRun {
    harness::RunResult result;
    std::vector<std::vector<DrawOp>> chunks;
};
SectionRun run_section(const std::string& keys) {
    SectionRun s;
    const std::string script = "4\r" + keys + "5\r6\r" + kLeftOver;
    s.result = harness::run_program<Orvane>(script, "Orvane");
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.result.keys_read, static_cast<int>(script.size()) - 1);
    s.chunks.emplace_back();
    for (const DrawOp& op : s.result.trace) {
        if (is_b_menu_line(op)) s.chunks.emplace_back();
        s.chunks.back().push_back(op);
    }
    return s;
}

// The ops between the k-th and the next page clear of a choice's drawing.
std::vector<std::vector<DrawOp>> pages(const std::vector<DrawOp>& ops) {
    std::vector<std::vector<DrawOp>> out;
    for (const DrawOp& op : ops) {
        if (is_page_clear(op)) out.emplace_back();
        if (!out.empty()) out.back().push_back(op);
    }
    return out;
}

// The first op of `kind` at `v` (and in `colour`, unless -1).
const DrawOp* find_op(const std::vector<DrawOp>& ops, OpKind kind, std::vector<float> v, float tolerance = 0.05f,
                      int colour = -1) {
    for (const DrawOp& op : ops) {
        if (op.kind != kind || op.v.size() < v.size() || (colour >= 0 && op.color != colour)) continue;
        bool same = true;
        for (std::size_t i = 0; i < v.size(); ++i) same = same && std::fabs(op.v[i] - v[i]) <= tolerance;
        if (same) return &op;
    }
    return nullptr;
}

// One visit of an answer screen from the section's menu line.
struct Visit {
    const char* what;
    std::string keys;  // the choice and every key the screen reads
    int key_waits;
    int pages;
    std::vector<const char*> texts;  // its own texts, as drawn (signs as strokes)
};

const std::vector<Visit>& visits() {
    static const std::vector<Visit> v = {
        {"problem B1",
         "1\r" + repeat("k", 10),
         10,
         3,
         {"四角形の内角の和は360°だから", "答　110°", "補助線AOをひくと", "三角形の内角の和は180°だから", "2x=46",
          "答　23°", "中心角と三角形の外角を図示すると", "三角形の外角から", "x=10364", "答　39°"}},
        {"problem B2",
         "2\r" + repeat("k", 15),
         15,
         2,
         {"仮定から　∠BAC=", "2点A,Dが直線", "の同じ側にあって、", "だから", "4点A,B,C,Dは1つの円周上にある。",
          "∠BAC=∠CDB", "ADに対する円周角は等しいので", "DCに対する円周角は等しいので", "①,②,③より",
          "が等しいので", "△DACは二等辺三角形である。", "2つの角"}},
        {"problem B3",
         "3\r" + repeat("k", 14),
         14,
         1,
         {"△ACDと△BECにおいて", "DCに対する円周角は等しいので", "AB∥ECで、平行線の錯角は等しいから", "よって、",
          "がそれぞれ等しいので", "△ACD∽△BEC", "∠ACD=∠BEC", "2組の角"}},
        {"problem B4",
         "4\r" + repeat("k", 10),
         10,
         1,
         {"①∠APB=∠ACBだから点Pは3点A,B,Cを通る円周上にある。", "②∠B=90°だから", "ACを直径とする円である。",
          "③点Pは半直線BD上にあるからACを直径とする円とBDとの交点をPとすればよい。"}},
    };
    return v;
}

TEST(ChapterB, EveryScreenEndsOnTheMenuLineWithItsPageLeft) {
    std::string keys;
    for (const Visit& v : visits()) keys += v.keys;
    const SectionRun run = run_section(keys);
    ASSERT_EQ(run.chunks.size(), visits().size() + 2);  // before, each visit, the 5 that leaves

    // Entered from the main menu: a blank page, then the question alone.
    int clears = 0;
    for (const DrawOp& op : run.chunks[0]) clears += is_page_clear(op);
    EXPECT_GE(clears, 1);
    EXPECT_TRUE(is_page_clear(run.chunks[0].back())) << run.chunks[0].back().str();

    for (std::size_t k = 0; k < visits().size(); ++k) {
        const Visit& visit = visits()[k];
        SCOPED_TRACE(visit.what);
        const auto& ops = run.chunks[k + 1];
        EXPECT_EQ(count_if(ops, is_key_wait), visit.key_waits);
        EXPECT_EQ(pages(ops).size(), static_cast<std::size_t>(visit.pages));
        const std::string texts = page_texts(ops);
        for (const char* own : visit.texts) EXPECT_NE(texts.find(own), std::string::npos) << own;
        // The last step is followed by the menu line without a key wait.
        const auto& next = run.chunks[k + 2];
        EXPECT_FALSE(is_key_wait(ops.back()));
        EXPECT_EQ(count_if({next.begin(), next.begin() + 1}, is_b_menu_line), 1);
    }
}

// A choice outside 1 to 5 wipes the strip and asks again; the page above the
// strip and the number field stays as it was.
TEST(ChapterB, OutOfRangeChoiceAsksAgainLeavingThePage) {
    const SectionRun run = run_section("1\r" + repeat("k", 10) + "6\r0\r\r-1\r");
    ASSERT_EQ(run.chunks.size(), 7u);
    for (std::size_t k = 2; k < 6; ++k)
        for (const DrawOp& op : run.chunks[k]) {
            const float top = op.kind == OpKind::Disc ? op.v[1] - op.v[2] : op.v[1];
            EXPECT_GE(top, 639) << op.str();
        }
}

// Each page of an answer screen starts with the page cleared, the heading
// cell and the number cell; the cells take the line width in force.
TEST(ChapterB, PageFrames) {
    struct Frame {
        std::vector<float> heading, number;
        float width;
        std::string number_text;
    };
    struct Case {
        const char* what;
        std::string keys;
        std::vector<Frame> frames;
    } const cases[] = {
        {"B1 after start-up",
         "1\r" + repeat("k", 10),
         {{{40, 27, 436, 77}, {480, 27, 624, 77}, 3, "1(1)"},
          {{72, 27, 468, 77}, {512, 27, 656, 77}, 5, "1(2)"},
          {{72, 27, 468, 77}, {512, 27, 656, 77}, 5, "1(3)"}}},
        {"B2 after start-up", "2\r" + repeat("k", 15),
         {{{40, 27, 436, 77}, {480, 30, 588, 80}, 3, "2(1)"}, {{40, 27, 436, 77}, {480, 30, 588, 80}, 5, "2(2)"}}},
        {"B3 after start-up", "3\r" + repeat("k", 14), {{{72, 27, 468, 77}, {512, 30, 620, 80}, 3, "3"}}},
        {"B4 after start-up", "4\r" + repeat("k", 10), {{{72, 27, 468, 77}, {512, 30, 562, 80}, 3, "4"}}},
        // Problem B1 leaves width 5, problem B2 width 3.
        {"B4 after B1", "1\r" + repeat("k", 10) + "4\r" + repeat("k", 10),
         {{{72, 27, 468, 77}, {512, 30, 562, 80}, 5, "4"}}},
        {"B3 after B2", "2\r" + repeat("k", 15) + "3\r" + repeat("k", 14),
         {{{72, 27, 468, 77}, {512, 30, 620, 80}, 3, "3"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SectionRun run = run_section(c.keys);
        ASSERT_GE(run.chunks.size(), 3u);
        const auto ps = pages(run.chunks[run.chunks.size() - 2]);
        ASSERT_EQ(ps.size(), c.frames.size());
        for (std::size_t p = 0; p < ps.size(); ++p) {
            const Frame& f = c.frames[p];
            ASSERT_GE(ps[p].size(), 3u);
            EXPECT_TRUE(is_fill_box(ps[p][1], f.heading, 3, 13)) << ps[p][1].str();
            EXPECT_EQ(ps[p][1].width, f.width);
            std::string number;
            std::size_t i = 2;
            for (; i < ps[p].size() && !is_fill_box(ps[p][i], f.number, 4, 3); ++i) {}
            ASSERT_LT(i, ps[p].size()) << "number cell of page " << p + 1;
            EXPECT_EQ(ps[p][i].width, f.width);
            for (++i; i < ps[p].size() && ps[p][i].kind == OpKind::Text && ps[p][i].color == 13; ++i)
                number += ps[p][i].text;
            EXPECT_EQ(number, f.number_text);
        }
    }
}

// Figure points where the pages compute them, found in the segments, circles
// and discs they draw.
TEST(ChapterB, ProblemB1Figures) {
    const SectionRun run = run_section("1\r" + repeat("k", 10));
    const auto ps = pages(run.chunks[1]);
    ASSERT_EQ(ps.size(), 3u);
    struct Expect {
        int page;
        OpKind kind;
        std::vector<float> v;
        int colour;
    } const expects[] = {
        {0, OpKind::Circle, {960, 330, 180}, 0},
        {0, OpKind::Segment, {822.1f, 214.3f, 991.3f, 152.7f}, 0},  // point 1 to point 3
        {0, OpKind::Segment, {960, 330, 1115.9f, 240.0f}, 0},       // O to point 2
        {0, OpKind::Disc, {960, 330, 7}, 0},
        {1, OpKind::Segment, {1060.7f, 180.8f, 918.5f, 391.6f}, 0},  // C to D
        {1, OpKind::Segment, {790.9f, 391.6f, 960, 330}, 7},         // the auxiliary AO
        {1, OpKind::Segment, {790.9f, 391.6f, 1129.1f, 391.6f}, 0},  // AB
        {2, OpKind::Arc, {890, 200, 300, 0.972222f, 0.361111f}, 0},
        {2, OpKind::Segment, {787.4f, 481.9f, 1187.1f, 241.8f}, 0},  // AP
        {2, OpKind::Segment, {1098.4f, 415.8f, 890, 200}, 0},        // BO
    };
    for (const Expect& e : expects) {
        SCOPED_TRACE(testing::Message() << "page " << e.page + 1 << " " << e.v[0] << "," << e.v[1]);
        const DrawOp* op = find_op(ps[e.page], e.kind, e.v, 0.1f);
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->color, e.colour);
        EXPECT_EQ(op->width, 5);
    }
    // Page (3) draws no whole circle; the exterior angle's arc is at the
    // crossing of AP and OB.
    EXPECT_EQ(find_op(ps[2], OpKind::Circle, {890, 200, 300}), nullptr);
    EXPECT_NE(find_op(ps[2], OpKind::Arc, {1024.6f, 339.4f, 52}, 0.1f), nullptr);
}

// After each of the first two pages' answers, two key waits in a row.
TEST(ChapterB, ProblemB1PagesEndWithTwoKeyWaits) {
    const SectionRun run = run_section("1\r" + repeat("k", 10));
    const auto ps = pages(run.chunks[1]);
    ASSERT_EQ(ps.size(), 3u);
    const int waits[] = {4, 4, 2};
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(count_if(ps[p], is_key_wait), waits[p]);
        if (p < 2) {
            // The page's last drawing: the box erased, shown again and erased.
            const auto& ops = ps[p];
            ASSERT_GE(ops.size(), 30u);
            std::vector<int> tail;
            for (const DrawOp& op : ops)
                if (is_key_wait(op)) tail.push_back(1);
                else if (op.kind != OpKind::Text && !(op.kind == OpKind::FillBox && op.v[1] == 657)) tail.push_back(0);
            ASSERT_GE(tail.size(), 2u);
            EXPECT_EQ(tail[tail.size() - 1], 1);
            EXPECT_EQ(tail[tail.size() - 2], 1);
        }
    }
}

// The cells of the answer blanks a page draws, and the texts inside each.
struct Cell {
    std::vector<float> box;
    std::string text;
};
std::vector<Cell> blank_cells(const std::vector<DrawOp>& ops) {
    std::vector<Cell> cells;
    for (const DrawOp& op : ops) {
        if (op.kind == OpKind::FillBox && op.color == 3 && op.fill == 13 && op.v[1] > 80) cells.push_back({op.v, ""});
        else if (op.kind == OpKind::Text && op.color == 5 && !cells.empty()) {
            const auto& b = cells.back().box;
            if (starts_inside(op, b)) cells.back().text += op.text;
        }
    }
    return cells;
}

// The blanks where the proofs' lines break off, and each answer in a cell of
// its blank's place and size, one a key.
TEST(ChapterB, AnswersCoverTheirBlanks) {
    struct Case {
        const char* what;
        std::string keys;
        int page;
        std::vector<std::vector<float>> boxes;  // the blanks' cells in order
        std::vector<std::string> placeholders, answers;
    } const cases[] = {
        {"B2 part (1)", "2\r" + repeat("k", 15), 0,
         {{367, 107, 547, 157}, {294, 187, 402, 237}, {50, 267, 374, 317}},
         {"ア", "イ", "ウ"}, {"∠CDB", "BC", "∠BAC=∠CDB"}},
        {"B2 part (2)", "2\r" + repeat("k", 15), 1,
         {{407, 107, 587, 157}, {237, 227, 417, 277}, {237, 347, 417, 397}, {341, 407, 665, 457}, {90, 467, 270, 517}},
         {"ア", "イ", "ウ", "エ", "オ"}, {"∠CBD", "∠ACD", "∠CAD", "∠ACD=∠CAD", "2つの角"}},
        {"B3", "3\r" + repeat("k", 14), 0,
         {{237, 197, 417, 247}, {237, 317, 417, 367}, {237, 437, 417, 487}, {226, 497, 550, 547}, {280, 557, 460, 607}},
         {"ア", "イ", "ウ", "エ", "オ"}, {"∠EBC", "∠ABD", "∠BEC", "∠ACD=∠BEC", "2組の角"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SectionRun run = run_section(c.keys);
        const auto ps = pages(run.chunks[1]);
        ASSERT_GT(ps.size(), static_cast<std::size_t>(c.page));
        const auto cells = blank_cells(ps[c.page]);
        const std::size_t n = c.boxes.size();
        ASSERT_EQ(cells.size(), 2 * n);
        for (std::size_t k = 0; k < n; ++k) {
            EXPECT_EQ(cells[k].box, c.boxes[k]) << k;
            EXPECT_EQ(cells[k].text, c.placeholders[k]);
            EXPECT_EQ(cells[n + k].box, c.boxes[k]) << k;
            EXPECT_EQ(cells[n + k].text, c.answers[k]);
        }
        // One answer a key: a key wait before each answer cell.
        int waits_between = 0;
        std::size_t seen = 0;
        for (const DrawOp& op : ps[c.page]) {
            if (is_key_wait(op) && seen >= n) ++waits_between;
            if (op.kind == OpKind::FillBox && op.color == 3 && op.fill == 13 && op.v[1] > 80) ++seen;
        }
        EXPECT_GE(waits_between, static_cast<int>(n) - 1);
    }
}

// Problems B2 and B3: the computed points, the highlighted arcs over the
// circle, the filled triangles and the thick outline, in their widths.
TEST(ChapterB, ProblemB2AndB3Figures) {
    struct Expect {
        const char* what;
        int page;
        OpKind kind;
        std::vector<float> v;
        int colour;
        float width;
    };
    struct Case {
        std::string keys;
        std::vector<Expect> expects;
    } const cases[] = {
        {"2\r" + repeat("k", 15),
         {{"BC highlighted", 0, OpKind::Segment, {755, 360, 1175, 360}, 5, 5},
          {"AD", 0, OpKind::Segment, {830.01f, 199.13f, 1053.75f, 169.68f}, 0, 5},
          {"dot 1", 0, OpKind::Disc, {787.97f, 322.41f, 7}, 3, 5},
          {"dot 2", 0, OpKind::Disc, {803.00f, 346.01f, 7}, 3, 5},
          {"circle", 1, OpKind::Circle, {965, 360, 210}, 0, 5},
          {"triangle DAC", 1, OpKind::Polygon, {1053.75f, 169.68f, 830.01f, 199.13f, 1175, 360, 1053.75f, 169.68f}, 0, 5},
          {"arc AD", 1, OpKind::Arc, {965, 360, 210, 0.638889f, 0.819444f}, 3, 5},
          {"arc DC", 1, OpKind::Arc, {965, 360, 210, 0.819444f, 0}, 7, 5},
          {"dot 3", 1, OpKind::Disc, {1137.41f, 327.03f, 7}, 3, 5},
          {"dot 4", 1, OpKind::Disc, {879.43f, 206.74f, 7}, 3, 5}}},
        {"3\r" + repeat("k", 14),
         {{"EC", 0, OpKind::Segment, {979.13f, 240, 1115.88f, 240}, 0, 5},
          {"BD", 0, OpKind::Segment, {1097.89f, 445.70f, 928.74f, 152.73f}, 0, 5},
          {"ACD filled", 0, OpKind::Polygon, {822.11f, 445.70f, 1115.88f, 240, 928.74f, 152.73f, 822.11f, 445.70f}, 0, 5},
          {"BEC outlined", 0, OpKind::Polyline, {1097.89f, 445.70f, 979.13f, 240, 1115.88f, 240, 1097.89f, 445.70f}, 9, 8},
          {"arc DC", 0, OpKind::Arc, {960, 330, 180, 0.7222222f, 0.9166667f}, 3, 5},
          {"arc AD", 0, OpKind::Arc, {960, 330, 180, 0.3888889f, 0.7222222f}, 7, 5}}},
    };
    for (const Case& c : cases) {
        const SectionRun run = run_section(c.keys);
        const auto ps = pages(run.chunks[1]);
        for (const Expect& e : c.expects) {
            SCOPED_TRACE(e.what);
            ASSERT_GT(ps.size(), static_cast<std::size_t>(e.page));
            const DrawOp* op = find_op(ps[e.page], e.kind, e.v, 0.02f, e.colour);
            ASSERT_NE(op, nullptr);
            EXPECT_EQ(op->width, e.width);
        }
    }
}

// Problem B4's construction: both compass arcs of one radius through the two
// ends of the bisector; O at the centre of the circle through A, B, C and P;
// the ray BD through P.
TEST(ChapterB, ProblemB4Construction) {
    const SectionRun run = run_section("4\r" + repeat("k", 10));
    const auto& ops = run.chunks[1];
    std::vector<const DrawOp*> arcs;
    for (const DrawOp& op : ops)
        if (op.kind == OpKind::Arc && op.color == 7) arcs.push_back(&op);
    ASSERT_EQ(arcs.size(), 2u);
    const DrawOp* bisector = find_op(ops, OpKind::Segment, {955.19f, 333.32f, 854.81f, 476.68f}, 0.02f);
    ASSERT_NE(bisector, nullptr);
    const float ends[2][2] = {{955.19f, 333.32f}, {854.81f, 476.68f}};
    const float centres[2][2] = {{732.98f, 284.55f}, {1077.02f, 525.45f}};
    const float margins[2] = {0.03f, 0.05f};
    for (int a = 0; a < 2; ++a) {
        SCOPED_TRACE(a == 0 ? "arc about A" : "arc about C");
        const auto& v = arcs[a]->v;
        EXPECT_NEAR(v[0], centres[a][0], 0.02);
        EXPECT_NEAR(v[1], centres[a][1], 0.02);
        EXPECT_NEAR(v[2], 227.5, 0.05);
        for (const auto& e : ends) EXPECT_NEAR(std::hypot(e[0] - v[0], e[1] - v[1]), v[2], 0.05);
        // Each crossing lies inside the arc's range, `margin` of a turn from an end.
        float first = 1, last = 0;
        for (const auto& e : ends) {
            float t = std::atan2(-(e[1] - v[1]), e[0] - v[0]);
            if (t < 0) t += 2 * 3.14159265f;
            const float fraction = 1 - t / (2 * 3.14159265f);
            first = std::min(first, fraction);
            last = std::max(last, fraction);
        }
        EXPECT_NEAR(first - v[3], margins[a], 1e-3);
        EXPECT_NEAR(v[4] - last, margins[a], 1e-3);
    }
    const DrawOp* circle = find_op(ops, OpKind::Circle, {905, 405, 210}, 0.02f);
    ASSERT_NE(circle, nullptr);
    EXPECT_NE(find_op(ops, OpKind::Disc, {905, 405, 6}, 0.02f), nullptr);         // O
    EXPECT_NE(find_op(ops, OpKind::Disc, {868.53f, 198.19f, 6}, 0.02f), nullptr);  // P
    EXPECT_NE(find_op(ops, OpKind::Disc, {922.76f, 67.29f, 6}, 0.02f), nullptr);   // D
    EXPECT_NE(find_op(ops, OpKind::Segment, {732.98f, 525.45f, 922.76f, 67.29f}, 0.02f), nullptr);  // BD
    // No circle and no P until their own steps: the circle after the 8th key
    // wait, P after the 10th.
    int waits = 0, circle_after = -1, p_after = -1;
    for (const DrawOp& op : ops) {
        waits += is_key_wait(op);
        if (&op == circle) circle_after = waits;
        if (op.kind == OpKind::Disc && op.color == 5 && op.v[2] == 6) p_after = waits;
    }
    EXPECT_EQ(circle_after, 8);
    EXPECT_EQ(p_after, 10);
    for (const DrawOp& op : ops)
        if (op.kind != OpKind::Text && op.v.size() >= 2 && op.v[1] < 600 && op.v[0] > 600) {
            EXPECT_EQ(op.width, 5) << op.str();
        }
}

}  // namespace
