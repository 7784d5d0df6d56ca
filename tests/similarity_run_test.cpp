// Whole-program runs of Orvane's section 2, circles and similar triangles,
// driven by key scripts.
#include <gtest/gtest.h>

#include <cmath>

#include "harness.h"
#include "menu_runs.h"
#include "orvane.h"

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

std::string keys_times(int n) {
    return std::string(n, 'k');
}

// One visit of a screen from the section menu, back to the menu line.
struct Visit {
    const char* what;
    std::string keys;  // the menu choice and every key the screen reads
    int key_waits;     // "何かキーを押して下さい。" boxes
    // Some of the page's own texts (half-width spaces and minus signs are
    // not drawn as text).
    std::vector<const char*> texts;
    int menu_lines = 1;  // times the menu line is asked
};

const std::vector<Visit>& tour() {
    static const std::vector<Visit> visits = {
        {"① chords, △ACP∽△DBP",
         "1\r" + keys_times(14),
         14,
         {"教科書P180Q相似な三角形の組は?", "△ACP∽△DBP,", "△APD∽△CPB", "△ACP∽△DBP　を証明しよう。",
          "△ACPと△DBPにおいて", "∠CAP=", "①,②より、", "がそれぞれ等しいから"}},
        {"② chords, △ADP∽△CBP",
         "2\r" + keys_times(8),
         8,
         {"△ADP∽△CBP　を証明しよう。", "△ADPと△CBPにおいて", "∠DAP=", "∠APD=", "対頂角は等しい"}},
        {"③ secants from P outside",
         "3\r" + keys_times(15),
         15,
         {"点Pが円の外部のとき、", "△APD∽△CPB　を証明しよう。", "<証明>", "△APDと△CPBにおいて", "は共通　…①",
          "∠DAP=", "①②より", "対応する辺の比は等しいから", "PA:PC=PD:PB", "をやろう。"}},
        {"④ question 2",
         "4\r" + keys_times(5),
         5,
         {"<問2解答>", "PD=xcmとすると", "PA:PC=PD:PBだから", "4:5=x:7", "5x=28", "答PD=", "をやってみよう。"}},
        {"⑤ question 3",
         "5\r" + keys_times(10),
         10,
         {"<問3解答>", "AB=", "AC", "△ABPと△ADBにおいて", "∠PAB=", "等しい弧に対する円周角は等しいから",
          "∠ABP=", "①②より", "△ABP∽△ADB", "をやろう。"}},
        {"⑥ question 4",
         "6\r" + keys_times(17),
         17,
         {"<問4解答>", "∠ABC=60°", "△ABCと△EDCにおいて", "BCは円Oの直径だから、", "∠BAC=", "∠ACB=180°",
          "BEは∠ABCの二等分線だから", "∠ABE=∠CBE=", "∠ACE=∠ABE=", "②,③より、∠ACB=∠ECD…④", "①,④より",
          "がそれぞれ等しいので", "△ABC∽△EDC"}},
        {"out of range, then 2.5 taken as ②", "0\r8\r-1\r\r7.5\r2.5\r" + keys_times(8), 8, {}, 6},
    };
    return visits;
}

// The cells of answer blanks a trace draws, and the colour-5 texts inside.
struct Cell {
    std::vector<float> box;
    std::string text;
    int waits_before = 0;  // key waits drawn before the cell
};
std::vector<Cell> blank_cells(const std::vector<DrawOp>& ops) {
    std::vector<Cell> cells;
    int waits = 0;
    for (const DrawOp& op : ops) {
        waits += is_key_wait(op);
        if (is_blank_cell(op))
            cells.push_back({op.v, "", waits});
        else if (op.kind == OpKind::Text && !cells.empty()) {
            const auto& b = cells.back().box;
            if (starts_inside(op, b) && op.color == 5)
                cells.back().text += op.text;
        }
    }
    return cells;
}

// What the menu choices of a section script drew, the script run on to the
// main menu's end entry; chunk k is the k-th choice's drawing.
std::vector<std::vector<DrawOp>> choices(const std::string& keys) {
    harness::RunResult r = harness::run_program<Orvane>("2\r" + keys + "7\r6\r" + kLeftOver, "Orvane");
    auto chunks = choices_of_run(r, static_cast<int>(keys.size()) + 6);
    if (!chunks.empty()) chunks.pop_back();  // the "7" that leaves
    return chunks;
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(Similarity, TourOfEveryScreenReturnsToTheMainMenu) {
    std::string keys = "2\r";
    for (const Visit& v : tour()) keys += v.keys;
    // Left, entered again (the aim once more), left, and the end entry.
    keys += "7\r2\r7\r6\r" + kLeftOver;
    harness::RunResult r = harness::run_program<Orvane>(keys, "Orvane");
    auto chunks = choices_of_run(r, static_cast<int>(keys.size()) - 1);
    const std::size_t k = check_tour(chunks, tour(), [&](const Visit& visit, std::size_t asked) {
        EXPECT_EQ(count_if(chunks[asked - 1], is_page_clear), 1);
        const std::string texts = page_texts(chunks[asked - 1]);
        for (const char* own : visit.texts) EXPECT_NE(texts.find(own), std::string::npos) << own;
    });
    // The "7" that leaves, then the section's one asking on re-entry.
    EXPECT_EQ(chunks.size(), k + 2);
    EXPECT_EQ(occurrences(page_texts(r.trace), "円と交わる直線でできる図形について考えよう。"), 2u);
}

// Entering the section writes the aim on the page the main menu cleared and
// asks at once, with no key wait.
TEST(Similarity, AimStandsAboveTheFirstQuestion) {
    harness::RunResult r = harness::run_program<Orvane>("2\r7\r6\r" + kLeftOver, "Orvane");
    EXPECT_EQ(r.status, 0);
    std::vector<std::string> aim;
    bool after_clear = false;
    for (const DrawOp& op : r.trace) {
        if (is_page_clear(op)) after_clear = true, aim.clear();
        if (menu_runs::is_menu_line(op)) break;
        if (after_clear && op.kind == OpKind::Text && op.v[1] < 639) aim.push_back(op.str());
        EXPECT_FALSE(is_key_wait(op));
    }
    ASSERT_FALSE(aim.empty());
    EXPECT_NE(aim.front().find("text 44 240 c=3"), std::string::npos) << aim.front();
    std::string second;
    for (const DrawOp& op : r.trace)
        if (op.kind == OpKind::Text && op.v[1] == 305 && op.color == 0) second += op.text;
    EXPECT_EQ(second, "円と交わる直線でできる図形について考えよう。");
}

// The menu line, written on the Bottom strip in full-width forms.
TEST(Similarity, MenuLineListsTheSevenEntries) {
    harness::RunResult r = harness::run_program<Orvane>("2\r7\r6\r", "Orvane");
    std::string line;
    for (const DrawOp& op : r.trace)
        if (op.kind == OpKind::Text && op.v[1] == 666 && op.color == 0) line += op.text;
    // The entries' own texts, between the letters A that the prompt text
    // draws as its own substitute.
    for (const char* entry : {"①Ｑ△", "ＣＰ　②△", "ＤＰ　③外部　④問２　⑤問３　⑥問４　⑦終了"})
        EXPECT_NE(line.find(entry), std::string::npos) << entry;
    EXPECT_EQ(line.rfind("①", 0), 0u);
}

// The blanks of each proof: drawn with their placeholders where the proof's
// lines break off, and filled one key at a time with the answers in cells of
// the same place and size.
TEST(Similarity, AnswersFillTheBlanksOfTheirPage) {
    struct Blank {
        float x, y, width;
        const char* placeholder;  // as drawn in colour 5 ("" when hidden)
        const char* answer;
        int waits_before;  // key waits before the answer
    };
    struct Case {
        const char* what;
        char choice;
        int key_waits;
        std::vector<Blank> blanks;
    } const cases[] = {
        {"① △ACP∽△DBP",
         '1',
         14,
         {{46, 270, 396, "ア", "弧BCに対する円周角", 10},
          {193, 330, 144, "イ", "∠BDP", 11},
          {46, 390, 396, "ウ", "弧ADに対する円周角", 12},
          {193, 450, 144, "エ", "∠DBP", 13},
          {243, 510, 144, "オ", "2組の角", 14}}},
        {"② △ADP∽△CBP",
         '2',
         8,
         {{46, 150, 396, "ア", "弧BDに対する円周角", 4},
          {193, 210, 144, "イ", "∠BCP", 5},
          {46, 270, 396, "ウ", "対頂角は等しい", 6},
          {193, 330, 144, "エ", "∠CPB", 7},
          {243, 390, 144, "オ", "2組の角", 8}}},
        // ア, ウ and エ are written in their fill's colour: empty boxes.
        {"③ △APD∽△CPB",
         '3',
         15,
         {{46, 190, 108, "", "∠P", 9},
          {46, 250, 396, "イ", "弧BDに対する円周角", 10},
          {193, 310, 180, "", "∠BCP", 11},
          {46, 430, 432, "", "2組の角がそれぞれ等しい", 12}}},
        {"⑤ △ABP∽△ADB",
         '5',
         10,
         {{193, 150, 180, "ア", "∠BAD", 7},
          {193, 270, 180, "イ", "∠ADB", 8},
          {182, 330, 432, "ウ", "2組の角がそれぞれ等しい", 9}}},
        {"⑥ △ABC∽△EDC",
         '6',
         17,
         {{580, 90, 144, "ア", "∠DEC", 11},
          {776, 90, 108, "イ", "90°", 12},
          {406, 150, 108, "ウ", "60°", 13},
          {560, 150, 108, "エ", "30°", 14},
          {340, 270, 108, "オ", "30°", 15},
          {340, 390, 108, "カ", "30°", 16},
          {209, 510, 180, "キ", "2組の角", 17}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto chunks = choices(std::string(1, c.choice) + "\r" + keys_times(c.key_waits));
        ASSERT_EQ(chunks.size(), 1u);
        const auto cells = blank_cells(chunks[0]);
        const std::size_t n = c.blanks.size();
        ASSERT_EQ(cells.size(), 2 * n);
        for (std::size_t k = 0; k < n; ++k) {
            SCOPED_TRACE(k + 1);
            const Blank& b = c.blanks[k];
            const std::vector<float> box{b.x, b.y - 3, b.x + b.width, b.y + 47};
            EXPECT_EQ(cells[k].box, box);
            EXPECT_EQ(cells[k].text, b.placeholder);
            EXPECT_EQ(cells[n + k].box, box);
            EXPECT_EQ(cells[n + k].text, b.answer);
            EXPECT_EQ(cells[n + k].waits_before, b.waits_before);
        }
        EXPECT_EQ(count_if(chunks[0], is_key_wait), c.key_waits);
    }
}

// The filled sectors of each figure: at their vertices, in the colour of
// their arc, covering the inside angle (start and end as Arc range
// fractions, in degrees counter-clockwise: 360 (1 - fraction)).
TEST(Similarity, AngleMarksFillTheInsideAngles) {
    struct Mark {
        float x, y, radius, fill, from_degrees, to_degrees;
    };
    struct Case {
        const char* what;
        std::string keys;
        std::vector<Mark> marks;
    } const cases[] = {
        {"①",
         "1\r" + keys_times(14),
         {{762.11f, 164.30f, 50, 3, 265, 315},
          {744.12f, 370.00f, 50, 7, 40, 85},
          {1015.70f, 142.11f, 50, 3, 220, 270},
          {1015.70f, 417.89f, 50, 7, 90, 135}}},
        {"②",
         "2\r" + keys_times(8),
         {{762.11f, 164.30f, 50, 3, 315, 365},
          {865.75f, 267.94f, 50, 7, 40, 135},
          {744.12f, 370.00f, 50, 3, 350, 400},
          {865.75f, 267.94f, 50, 7, 220, 315}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto chunks = choices(c.keys);
        ASSERT_EQ(chunks.size(), 1u);
        std::vector<DrawOp> sectors;
        for (const DrawOp& op : chunks[0])
            if (op.kind == OpKind::Sector) sectors.push_back(op);
        ASSERT_EQ(sectors.size(), c.marks.size());
        for (std::size_t k = 0; k < sectors.size(); ++k) {
            SCOPED_TRACE(sectors[k].str());
            const Mark& m = c.marks[k];
            const auto& v = sectors[k].v;
            EXPECT_NEAR(v[0], m.x, 0.05);
            EXPECT_NEAR(v[1], m.y, 0.05);
            EXPECT_EQ(v[2], m.radius);
            EXPECT_EQ(sectors[k].fill, m.fill);
            EXPECT_EQ(sectors[k].color, 0);
            // The sector runs clockwise from v[3] to v[4]: counter-clockwise
            // from the end's direction to the start's.
            float from = 360 * (1 - v[4]), to = 360 * (1 - v[3]);
            if (to < from) to += 360;
            if (from < m.from_degrees - 180) from += 360, to += 360;
            EXPECT_NEAR(from, m.from_degrees, 1);
            EXPECT_NEAR(to, m.to_degrees, 1);
        }
    }
}

// A screen chosen again draws the same page, whatever was on the screen.
TEST(Similarity, ScreensReplayTheSamePage) {
    const std::string screens[] = {"1\r" + keys_times(14), "2\r" + keys_times(8),  "3\r" + keys_times(15),
                                   "4\r" + keys_times(5),  "5\r" + keys_times(10), "6\r" + keys_times(17)};
    for (const std::string& screen : screens) {
        SCOPED_TRACE(screen.substr(0, 1));
        std::string keys;
        for (const std::string& other : screens) keys += other;
        keys += screen;
        const auto chunks = choices(keys);
        ASSERT_EQ(chunks.size(), 7u);
        // From the page's clearing on; texts and the clearing without the
        // line width, which the page before leaves and which neither shows.
        auto page = [](const std::vector<DrawOp>& chunk) {
            std::size_t at = 0;
            while (at < chunk.size() && !is_page_clear(chunk[at])) ++at;
            std::vector<std::string> lines;
            for (; at < chunk.size(); ++at) {
                DrawOp op = chunk[at];
                if (op.kind == OpKind::Text || is_page_clear(op)) op.width = 0;
                lines.push_back(op.str());
            }
            return lines;
        };
        const std::size_t first = screen[0] - '1';
        EXPECT_EQ(page(chunks[first]), page(chunks[6]));
    }
}

// Question 2's figure: the given lengths in colour 3, the unknown one in
// colour 5 a key later, each on its dotted arc between the point and P.
TEST(Similarity, QuestionTwoLabelsItsLengths) {
    const auto chunks = choices("4\r" + keys_times(5));
    ASSERT_EQ(chunks.size(), 1u);
    std::string given, unknown;
    int waits = 0;
    for (const DrawOp& op : chunks[0]) {
        waits += is_key_wait(op);
        if (op.kind == OpKind::Text && op.v[0] >= 700 && op.v[1] < 600) {
            if (op.color == 3 && waits == 0) given += op.text;
            if (op.color == 5) unknown += op.text + std::to_string(waits);
        }
    }
    EXPECT_NE(given.find("4cm5cm7cm"), std::string::npos) << given;
    EXPECT_EQ(unknown, "x1c1m1");
}

// Question 4's equal-angle dots, 50 from their vertex on the bisector: in
// ∠ABE and ∠CBE at B (twice: again over the fill), in ∠ACB and in ∠ACE.
TEST(Similarity, QuestionFourDotsLieInsideTheirAngles) {
    const auto chunks = choices("6\r" + keys_times(17));
    ASSERT_EQ(chunks.size(), 1u);
    struct Dot {
        float vertex_x, vertex_y, degrees;
    } const dots[] = {{798, 380, 45}, {798, 380, 15},   {798, 380, 45},
                      {798, 380, 15}, {1218, 380, 165}, {1218, 380, 135}};
    std::vector<DrawOp> drawn;
    for (const DrawOp& op : chunks[0])
        if (op.kind == OpKind::Disc && op.color == 3 && op.fill == 3 && op.v[2] == 7) drawn.push_back(op);
    ASSERT_EQ(drawn.size(), std::size(dots));
    for (std::size_t k = 0; k < drawn.size(); ++k) {
        SCOPED_TRACE(drawn[k].str());
        const float t = dots[k].degrees * 3.14159f / 180;
        EXPECT_NEAR(drawn[k].v[0], dots[k].vertex_x + 50 * std::cos(t), 0.05);
        EXPECT_NEAR(drawn[k].v[1], dots[k].vertex_y - 50 * std::sin(t), 0.05);
    }
}

}  // namespace
