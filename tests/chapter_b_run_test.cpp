// Whole-program runs of Orvane's section 4, the worked answers of the
// chapter problems B, driven by key scripts.
#include <gtest/gtest.h>

#include <cmath>

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

std::string repeat(const std::string& keys, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += keys;
    return s;
}

// The menu line is a prompt text, one character at a time, from (16,666).
bool is_b_menu_line(const DrawOp& op) {
    return op.kind == OpKind::Text && op.v[0] == 16 && op.v[1] == 666 && op.text == "Ｐ";
}
bool is_page_clear(const DrawOp& op) {
    return op.kind == OpKind::FillBox && op.v == std::vector<float>{0, 0, 1760, 1800} && op.fill == 15;
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

const DrawOp* find_op(const std::vector<DrawOp>& ops, OpKind kind, std::vector<float> v, float tolerance = 0.05f) {
    for (const DrawOp& op : ops) {
        if (op.kind != kind || op.v.size() < v.size()) continue;
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

}  // namespace
