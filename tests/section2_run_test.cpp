// Whole-program runs of section 2, the proof of the theorem, driven by key
// scripts.
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
using menu_runs::starts_inside;
using platform::DrawOp;
using platform::OpKind;

// A key after the main menu's end entry: when it stays unread, the program
// ended by that entry and not by running out of keys.
const std::string kLeftOver = "x";

using harness::repeat;

// One visit of a screen from the section menu, back to the menu line.
struct Visit {
    const char* what;
    std::string keys;    // the menu choice and every key the screen reads
    int key_waits;       // "何かキーを押して下さい。" boxes
    int menu_lines = 1;  // times the menu line is asked
};

const std::vector<Visit>& tour() {
    static const std::vector<Visit> visits = {
        {"① proof 1 page", "1\rk", 1},
        {"② proof 1 figure", "2\r" + repeat("k", 5), 5},
        {"③ proof 1 answers", "3\rkkk", 3},
        {"④ proof 2 page", "4\r", 0},
        {"⑤ proof 2 figure", "5\r" + repeat("k", 5), 5},
        {"⑥ proof 2 answers", "6\rkkk", 3},
        {"⑦ proof 3 page", "7\r", 0},
        {"⑧ proof 3 figure", "8\r" + repeat("k", 5), 5},
        {"⑨ proof 3 answers", "9\rkkk", 3},
        {"out of range, then 8.6 taken to ⑨", "0\r11\r-1\r\r8.6\rkkk", 3, 5},
    };
    return visits;
}

// The cells of answer blanks a trace draws, and the texts inside each.
struct Cell {
    std::vector<float> box;
    std::string text;
};
std::vector<Cell> blank_cells(const std::vector<DrawOp>& ops) {
    std::vector<Cell> cells;
    for (const DrawOp& op : ops) {
        if (is_blank_cell(op)) cells.push_back({op.v, ""});
        else if (op.kind == OpKind::Text && !cells.empty()) {
            const auto& b = cells.back().box;
            if (starts_inside(op, b) && op.color == 5)
                cells.back().text += op.text;
        }
    }
    return cells;
}

// What the menu choices of a section-2 script drew, the script run to the
// main menu's end entry; chunk k is the k-th choice's drawing.
std::vector<std::vector<DrawOp>> choices(const std::string& keys) {
    harness::RunResult r = harness::run_program<Telmira>("2\r" + keys + "10\r9\r" + kLeftOver, "Telmira");
    auto chunks = choices_of_run(r, static_cast<int>(keys.size()) + 7);
    if (!chunks.empty()) chunks.pop_back();  // the "10" that leaves
    return chunks;
}

TEST(Section2, TourOfEveryScreenReturnsToTheMainMenu) {
    std::string keys = "2\r";
    for (const Visit& v : tour()) keys += v.keys;
    // Left, entered again (the aim once more), left, and the end entry.
    keys += "10\r2\r10\r9\r" + kLeftOver;
    harness::RunResult r = harness::run_program<Telmira>(keys, "Telmira");
    auto chunks = choices_of_run(r, static_cast<int>(keys.size()) - 1);
    const std::size_t k = check_tour(chunks, tour(), [](const Visit&, std::size_t) {});
    // The "10" that leaves, then the section's one asking on re-entry.
    EXPECT_EQ(chunks.size(), k + 2);

    // Plus and minus signs are drawn as strokes, not as text.
    const std::string texts = page_texts(r.trace);
    for (const char* own :
         {"<めあて>", "円周角の定理を証明しよう。", "問1　PBが直径のとき、∠APB=", "<証明>", "△OPAで、OP=OAから、",
          "二等辺三角形の底角は等しいので、", "三角形の外角の性質から、", "ア、イから、", "したがって、",
          "問2　∠APB=", "点P,Oを通る直径PKをひくと、", "∠APB=∠APK∠BPK", "問3　∠APB=", "∠APB=∠BPK∠APK",
          "∠OPA∠OAP", "2∠OPA", "∠BOK", "∠AOK"})
        EXPECT_NE(texts.find(own), std::string::npos) << own;
    std::size_t aims = 0;
    for (std::size_t at = texts.find("円周角の定理を証明しよう。"); at != std::string::npos;
         at = texts.find("円周角の定理を証明しよう。", at + 1))
        ++aims;
    EXPECT_EQ(aims, 2u);
}

// A number outside 1 to 10 erases the menu line and asks again: nothing
// above the Bottom strip and the Number field changes.
TEST(Section2, OutOfRangeChoiceLeavesThePage) {
    const auto chunks = choices("1\rk0\r11\r-1\r\r");
    ASSERT_EQ(chunks.size(), 5u);
    for (std::size_t k = 1; k < chunks.size(); ++k)
        for (const DrawOp& op : chunks[k]) {
            const float top = op.kind == OpKind::FillBox || op.kind == OpKind::Box ? op.v[1]
                              : op.kind == OpKind::Disc                          ? op.v[1] - op.v[2]
                                                                                 : op.v[1];
            EXPECT_GE(top, 639) << op.str();
        }
}

// The blanks of each proof: drawn with their placeholders where the proof's
// lines break off, and filled one key at a time with the answers in cells of
// the same place and size.
TEST(Section2, AnswersFillTheBlanksOfTheirPage) {
    struct Case {
        const char* what;
        std::string keys;  // the text page, then the answer steps
        std::vector<std::vector<float>> boxes;
        std::vector<std::string> answers;  // the texts; a plus sign is drawn as strokes
    } const cases[] = {
        {"proof 1",
         "1\rk3\rkkk",
         {{229, 247, 373, 297}, {229, 367, 553, 417}, {229, 487, 409, 537}},
         {"∠OAP", "∠OPA∠OAP", "2∠OPA"}},
        {"proof 2",
         "4\r6\rkkk",
         {{225, 277, 405, 327}, {201, 457, 381, 507}, {422, 457, 602, 507}},
         {"∠BOK", "∠AOK", "∠BOK"}},
        {"proof 3",
         "7\r9\rkkk",
         {{225, 277, 405, 327}, {201, 457, 381, 507}, {422, 457, 602, 507}},
         {"∠AOK", "∠BOK", "∠AOK"}},
    };
    const std::string placeholders[] = {"①", "②", "③"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto chunks = choices(c.keys);
        ASSERT_EQ(chunks.size(), 2u);
        const auto page = blank_cells(chunks[0]);
        const auto answers = blank_cells(chunks[1]);
        ASSERT_EQ(page.size(), 3u);
        ASSERT_EQ(answers.size(), 3u);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(page[k].box, c.boxes[k]) << k;
            EXPECT_EQ(page[k].text, placeholders[k]) << k;
            EXPECT_EQ(answers[k].box, c.boxes[k]) << k;
            EXPECT_EQ(answers[k].text, c.answers[k]) << k;
        }
        // One answer per key: a key wait before each of the three cells.
        int waits = 0;
        std::vector<int> waits_before;
        for (const DrawOp& op : chunks[1]) {
            waits += is_key_wait(op);
            if (is_blank_cell(op)) waits_before.push_back(waits);
        }
        EXPECT_EQ(waits_before, (std::vector<int>{1, 2, 3}));
    }
}

// A figure or answer screen draws onto its own proof's page: when that page
// is not on the screen (the aim, another proof's page, or a page the main
// menu has cleared since), the page is drawn first, then the steps.
TEST(Section2, FigureAndAnswerStepsDrawOntoTheirOwnPage) {
    struct Case {
        const char* what;
        std::string keys;  // the last choice's keys come last
        bool page_drawn;   // the last choice clears the page and draws its text page
        const char* question;
        int key_waits;
    } const cases[] = {
        {"③ right after entering", "3\rkkkk", true, "問1", 4},
        {"② right after entering", "2\r" + repeat("k", 6), true, "問1", 6},
        {"⑤ right after entering", "5\r" + repeat("k", 5), true, "問2", 5},
        {"⑨ right after entering", "9\rkkk", true, "問3", 3},
        {"⑥ on proof 1's page", "1\rk6\rkkk", true, "問2", 3},
        {"③ on proof 2's page", "4\r3\rkkkk", true, "問1", 4},
        {"⑤ on proof 3's page", "7\r5\r" + repeat("k", 5), true, "問2", 5},
        {"⑧ on proof 2's page", "4\r8\r" + repeat("k", 5), true, "問3", 5},
        {"⑧ after the section was left and entered", "7\r10\r2\r8\r" + repeat("k", 5), true, "問3", 5},
        {"③ on proof 1's page", "1\rk3\rkkk", false, "", 3},
        {"② on proof 1's page with its answers", "1\rk3\rkkk2\r" + repeat("k", 5), false, "", 5},
        {"⑥ on proof 2's page", "4\r6\rkkk", false, "", 3},
        {"⑤ on proof 2's page after its answers", "4\r6\rkkk5\r" + repeat("k", 5), false, "", 5},
        {"⑨ on proof 3's page after its figure", "7\r8\rkkkkk9\rkkk", false, "", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto chunks = choices(c.keys);
        ASSERT_FALSE(chunks.empty());
        const auto& last = chunks.back();
        EXPECT_EQ(count_if(last, is_page_clear), c.page_drawn ? 1 : 0);
        EXPECT_EQ(count_if(last, is_key_wait), c.key_waits);
        if (c.page_drawn) {
            EXPECT_NE(page_texts(last).find(c.question), std::string::npos);
        }
    }
}

// The figure steps of proofs 2 and 3 mark the angles with discs of radius 7
// on the bisectors, one at P and two at O per pair of equal angles.
TEST(Section2, FigureStepsPutTheDotsInTheirAngles) {
    struct Dot {
        float x, y;
        int colour;
    };
    struct Case {
        const char* what;
        std::string keys;
        std::vector<Dot> dots;  // in drawing order
    } const cases[] = {
        {"proof 2",
         "4\r5\r" + repeat("k", 5),
         {{976.0f, 218.2f, 7}, {920.0f, 419.0f, 7}, {939.0f, 426.0f, 7}, {1001.7f, 222.9f, 9}, {970.5f, 431.1f, 9},
          {989.5f, 425.1f, 9}}},
        {"proof 3", "7\r8\r" + repeat("k", 5), {{1100.9f, 408.0f, 9}, {886.0f, 375.2f, 9}, {886.0f, 395.2f, 9}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto chunks = choices(c.keys);
        ASSERT_EQ(chunks.size(), 2u);
        std::vector<DrawOp> discs;
        for (const DrawOp& op : chunks[1])
            if (op.kind == OpKind::Disc && op.v[2] == 7) discs.push_back(op);
        ASSERT_EQ(discs.size(), c.dots.size());
        for (std::size_t i = 0; i < discs.size(); ++i) {
            EXPECT_NEAR(discs[i].v[0], c.dots[i].x, 0.6f) << i;
            EXPECT_NEAR(discs[i].v[1], c.dots[i].y, 0.6f) << i;
            EXPECT_EQ(discs[i].color, c.dots[i].colour) << i;
            EXPECT_EQ(discs[i].fill, c.dots[i].colour) << i;
        }
    }
}

// Proof 3 marks ∠BPK with one arc and ∠BOK with two, outside the sectors,
// from direction 170° to 245° at P and to 320° at O.
TEST(Section2, OutsideProofArcsSpanTheirAngles) {
    const auto chunks = choices("7\r8\r" + repeat("k", 5));
    ASSERT_EQ(chunks.size(), 2u);
    std::vector<DrawOp> arcs;
    for (const DrawOp& op : chunks[1])
        if (op.kind == OpKind::Arc) arcs.push_back(op);
    ASSERT_EQ(arcs.size(), 3u);
    const float turn_245 = 1 - 245.0f / 360, turn_170 = 1 - 170.0f / 360, turn_320 = 1 - 320.0f / 360;
    struct Expected {
        float r, start, end;
    } const expected[] = {{52, turn_245, turn_170}, {62, turn_320, turn_170}, {54, turn_320, turn_170}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(arcs[i].v[2], expected[i].r) << i;
        EXPECT_NEAR(arcs[i].v[3], expected[i].start, 1e-3f) << i;
        EXPECT_NEAR(arcs[i].v[4], expected[i].end, 1e-3f) << i;
        EXPECT_EQ(arcs[i].color, 9) << i;
    }
    // P's arc about P, O's about O.
    EXPECT_NEAR(arcs[0].v[0], 1166.8f, 0.1f);
    EXPECT_NEAR(arcs[0].v[1], 406.5f, 0.1f);
    EXPECT_EQ(arcs[1].v[0], 960);
    EXPECT_EQ(arcs[1].v[1], 370);
}

// Proof 1's equal sides: one stroke of half length 20 across OP, 8 units
// beyond its middle towards P, and one across OA 16 units beyond its middle
// towards A, however often the figure steps are shown.
TEST(Section2, DiameterProofStrokesAcrossTheEqualSides) {
    const auto chunks = choices("1\rk2\r" + repeat("k", 5) + "2\r" + repeat("k", 5));
    ASSERT_EQ(chunks.size(), 3u);
    const float ox = 960, oy = 370;
    const float px = 960 + 210 * std::cos(520 * 3.14159f / 180), py = 370 - 210 * std::sin(520 * 3.14159f / 180);
    const float ax = 960 + 210 * std::cos(230 * 3.14159f / 180), ay = 370 - 210 * std::sin(230 * 3.14159f / 180);
    struct Stroke {
        float tx, ty, shift;  // towards this end, this far from the middle
    } const strokes[] = {{px, py, 8}, {ax, ay, 16}};
    for (std::size_t visit = 1; visit <= 2; ++visit) {
        SCOPED_TRACE(visit);
        std::vector<DrawOp> segments;
        for (const DrawOp& op : chunks[visit])
            if (op.kind == OpKind::Segment && op.color == 3) segments.push_back(op);
        ASSERT_EQ(segments.size(), 2u);
        for (int i = 0; i < 2; ++i) {
            const Stroke& s = strokes[i];
            const float len = std::hypot(s.tx - ox, s.ty - oy);
            const float ux = (s.tx - ox) / len, uy = (s.ty - oy) / len;
            const float mx = (segments[i].v[0] + segments[i].v[2]) / 2, my = (segments[i].v[1] + segments[i].v[3]) / 2;
            EXPECT_NEAR(mx, (ox + s.tx) / 2 + s.shift * ux, 0.05f) << i;
            EXPECT_NEAR(my, (oy + s.ty) / 2 + s.shift * uy, 0.05f) << i;
            EXPECT_NEAR(std::hypot(segments[i].v[2] - segments[i].v[0], segments[i].v[3] - segments[i].v[1]), 40,
                        0.05f)
                << i;
            EXPECT_EQ(segments[i].width, 5) << i;
        }
    }
    // The base angles one dot each, the central angle two, in colour 9.
    int dots = 0;
    for (const DrawOp& op : chunks[1]) dots += op.kind == OpKind::Text && op.text == "●" && op.color == 9;
    EXPECT_EQ(dots, 4);
}

// Each screen shown again draws exactly what it drew the first time.
// What a choice drew after it cleared the page, or all of it: the menu line
// and the clearing are drawn in the line width in force.
std::vector<DrawOp> from_page_clear(const std::vector<DrawOp>& chunk) {
    for (std::size_t i = 0; i < chunk.size(); ++i)
        if (is_page_clear(chunk[i])) return {chunk.begin() + static_cast<std::ptrdiff_t>(i + 1), chunk.end()};
    return chunk;
}

TEST(Section2, ScreensShownAgainDrawTheSame) {
    struct Case {
        const char* what;
        std::string keys;
        std::size_t first;  // the chunk that the last one repeats
    } const cases[] = {
        {"① twice", "1\rk1\rk", 0},
        {"② twice", "1\rk2\rkkkkk2\rkkkkk", 1},
        {"③ twice", "1\rk3\rkkk3\rkkk", 1},
        {"④ twice", "4\r4\r", 0},
        {"⑤ twice", "4\r5\rkkkkk5\rkkkkk", 1},
        {"⑥ twice", "4\r6\rkkk6\rkkk", 1},
        {"⑦ twice", "7\r7\r", 0},
        {"⑧ twice", "7\r8\rkkkkk8\rkkkkk", 1},
        {"⑨ twice", "7\r9\rkkk9\rkkk", 1},
        {"④ again after proof 3's page and answers", "4\r7\r9\rkkk4\r", 0},
        {"① again after proof 2's figure", "1\rk4\r5\rkkkkk1\rk", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto chunks = choices(c.keys);
        ASSERT_GT(chunks.size(), c.first + 1);
        EXPECT_EQ(harness::trace_lines(from_page_clear(chunks[c.first])),
                  harness::trace_lines(from_page_clear(chunks.back())));
    }
}

// Hundreds of round trips through every screen and out to the main menu and
// back end cleanly on the main menu's end entry.
TEST(Section2, ManyRoundTrips) {
    const std::string one = "1\rk2\rkkkkk3\rkkk4\r5\rkkkkk6\rkkk7\r8\rkkkkk9\rkkk10\r2\r";
    const std::string keys = "2\r" + repeat(one, 40) + "10\r9\r" + kLeftOver;
    harness::RunResult r = harness::run_program<Telmira>(keys, "Telmira");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.keys_read, static_cast<int>(keys.size()) - 1);
    EXPECT_EQ(count_if(r.trace, is_key_wait), 40 * (1 + 5 + 3 + 5 + 3 + 5 + 3));
}

}  // namespace
