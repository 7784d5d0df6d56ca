// Whole-program runs of Orvane's section 1, constructions, driven by key
// scripts.
#include <gtest/gtest.h>

#include <cmath>

#include "harness.h"
#include "menu_runs.h"
#include "orvane.h"

namespace {

using menu_runs::check_tour;
using menu_runs::choices_of_run;
using menu_runs::count_if;
using menu_runs::is_key_wait;
using menu_runs::is_page_clear;
using menu_runs::page_texts;
using platform::DrawOp;
using platform::OpKind;

// A key after the main menu's end entry: when it stays unread, the program
// ended by that entry and not by running out of keys.
const std::string kLeftOver = "x";

std::string keys_of(int n) { return std::string(n, 'k'); }

struct Visit {
    const char* what;
    std::string keys;    // the menu choice and every key the screen reads
    int key_waits;       // "何かキーを押して下さい。" boxes
    int menu_lines = 1;  // times the menu line is asked
};

const std::vector<Visit>& tour() {
    static const std::vector<Visit> visits = {
        {"① the ship", "1\r" + keys_of(5), 5},
        {"② the tangents, both pages", "2\r" + keys_of(25), 25},
        {"③ question 1, both pages", "3\r" + keys_of(36), 36},
        {"④ the quadrilateral", "4\r" + keys_of(7), 7},
        {"out of range, then 10/4 taken as ②", "0\r6\r-1\r\r0.5\r5.5\r10/4\r" + keys_of(25), 25, 7},
        {"① again", "1\r" + keys_of(5), 5},
    };
    return visits;
}

// Each choice's drawing, the section entered from the main menu and the
// script run to the main menu's end entry; chunk k is the k-th choice's.
std::vector<std::vector<DrawOp>> choices(const std::string& keys) {
    harness::RunResult r = harness::run_program<Orvane>("1\r" + keys + "5\r6\r" + kLeftOver, "Orvane");
    auto chunks = choices_of_run(r, static_cast<int>(keys.size()) + 6);
    if (!chunks.empty()) chunks.pop_back();  // the "5" that leaves
    return chunks;
}

// The texts drawn in `ops` from (x, y) on along one line, run together.
std::string line_at(const std::vector<DrawOp>& ops, float x, float y, int colour) {
    std::string s;
    for (const DrawOp& op : ops)
        if (op.kind == OpKind::Text && op.v[1] == y && op.v[0] >= x && op.color == colour) s += op.text;
    return s;
}

bool has_text_at(const std::vector<DrawOp>& ops, float x, float y, const std::string& utf8, int colour) {
    for (const DrawOp& op : ops)
        if (op.kind == OpKind::Text && std::fabs(op.v[0] - x) < 0.01 && std::fabs(op.v[1] - y) < 0.01 &&
            op.text == utf8 && op.color == colour)
            return true;
    return false;
}

TEST(Constructions, TourOfEveryScreenReturnsToTheMainMenu) {
    std::string keys = "1\r";
    for (const Visit& v : tour()) keys += v.keys;
    // Left, entered again (the aim once more), left, and the end entry.
    keys += "5\r1\r10/2\r6\r" + kLeftOver;
    harness::RunResult r = harness::run_program<Orvane>(keys, "Orvane");
    auto chunks = choices_of_run(r, static_cast<int>(keys.size()) - 1);
    const std::size_t k = check_tour(chunks, tour(), [&](const Visit& visit, std::size_t asked) {
        // Every screen starts on a cleared page; the asked-again lines clear nothing.
        EXPECT_EQ(count_if(chunks[asked - 1], is_page_clear), visit.key_waits == 5 || visit.key_waits == 7 ? 1 : 2);
        for (std::size_t again = asked - visit.menu_lines; again + 1 < asked; ++again)
            EXPECT_EQ(count_if(chunks[again], is_page_clear), 0);
    });
    // The "5" that leaves, then the section's one asking on re-entry.
    EXPECT_EQ(chunks.size(), k + 2);

    const std::string texts = page_texts(r.trace);
    for (const char* own :
         {"<めあて>", "円周角の定理を利用して、いろいろな作図を考えよう。", "船の位置はどこ？", "船の位置をPとすると",
          "点Aから円Oへの接線を作図しよう。", "<Aから円Oへの接線のひき方>", "教科書P179問1　をやってみよう。",
          "問1解答", "3点ABPを通る円Oをかくと", "③中心O、半径OAの円をかく。", "<問1解答>",
          "交点で、海にある点をPとする", "点P,Q,R,Sが接点のとき、四角形ABCDの周の長さを求めなさい。", "四角形ABCDの周の長さは、"})
        EXPECT_NE(texts.find(own), std::string::npos) << own;
    std::size_t aims = 0;
    for (std::size_t at = texts.find("いろいろな作図"); at != std::string::npos; at = texts.find("いろいろな作図", at + 1))
        ++aims;
    EXPECT_EQ(aims, 2u);
}

TEST(Constructions, AimAndMenuLine) {
    harness::RunResult r = harness::run_program<Orvane>("1\r5\r6\r" + kLeftOver, "Orvane");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(line_at(r.trace, 44, 240, 3), "<めあて>");
    EXPECT_EQ(line_at(r.trace, 44, 305, 0), "円周角の定理を利用して、いろいろな作図を考えよう。");
    // Half-width characters of the menu line drawn full-width.
    std::string menu;
    for (const DrawOp& op : r.trace)
        if (op.kind == OpKind::Text && op.v[1] == 666 && op.color == 0 && op.v[0] < 800) menu += op.text;
    EXPECT_NE(menu.find("①Ｐ１７７Ｑ"), std::string::npos) << menu;
    EXPECT_NE(menu.find("⑤終了"), std::string::npos) << menu;
}

// The ship screen's lines stand where their steps put them, left of the
// chart, and each angle comes as: key, segments, key, text line, mark.
TEST(Constructions, ShipScreen) {
    const auto c = choices("1\r" + keys_of(5));
    ASSERT_EQ(c.size(), 1u);
    const auto& ops = c[0];
    EXPECT_EQ(line_at(ops, 30, 20, 7), "P177");
    EXPECT_EQ(line_at(ops, 66, 120, 0), "30°右を向くと、Bが正面");
    EXPECT_EQ(line_at(ops, 30, 290, 3), "船の位置をPとすると");
    EXPECT_EQ(line_at(ops, 66, 340, 3), "∠APB=30°");
    EXPECT_EQ(line_at(ops, 66, 390, 3), "∠CPD=90°");
    EXPECT_TRUE(has_text_at(ops, 823.98f - 37, 319.27f - 25, "P", 5));

    // The order of what follows each key wait.
    std::vector<std::string> after_waits;
    for (const DrawOp& op : ops) {
        if (is_key_wait(op)) after_waits.emplace_back();
        else if (!after_waits.empty() && op.width == 5 && after_waits.back().size() < 40)
            after_waits.back() += std::string(platform::op_name(op.kind)) + " ";
    }
    ASSERT_EQ(after_waits.size(), 5u);
    EXPECT_EQ(after_waits[1].rfind("segment segment", 0), 0u) << after_waits[1];
    EXPECT_EQ(after_waits[3].rfind("segment segment", 0), 0u) << after_waits[3];

    // The sector of APB covers only the narrow angle between PA and PB.
    const DrawOp* sector = nullptr;
    for (const DrawOp& op : ops)
        if (op.kind == OpKind::Sector && op.fill == 5) sector = &op;
    ASSERT_NE(sector, nullptr);
    EXPECT_NEAR(sector->v[2], 60, 1e-3);
    EXPECT_NEAR(sector->v[3], 1 - 99.4f / 360, 0.002);
    EXPECT_NEAR(sector->v[4], 1 - 73.5f / 360, 0.002);
}

// Compass arcs: where each starts and ends (fractions of a turn).
TEST(Constructions, CompassArcs) {
    struct Case {
        const char* what;
        std::string keys;
        float cx, cy, r, start, end;
    } cases[] = {
        {"tangent, about A", "2\r" + keys_of(25), 720, 240, 201.25f, 0.8762f, 0.1238f},
        {"tangent, about O", "2\r" + keys_of(25), 1080, 240, 201.25f, 0.3762f, 0.6238f},
        {"ship answer, about D", "3\r" + keys_of(36), 865, 475, 153.2f, 0.7245f, 0.9674f},
        {"ship answer, about C", "3\r" + keys_of(36), 1030, 265, 153.2f, 0.2245f, 0.4874f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto chunks = choices(c.keys);
        ASSERT_EQ(chunks.size(), 1u);
        int found = 0;
        for (const DrawOp& op : chunks[0])
            if (op.kind == OpKind::Arc && op.color == 7 && std::fabs(op.v[0] - c.cx) < 0.5 &&
                std::fabs(op.v[1] - c.cy) < 0.5) {
                ++found;
                EXPECT_NEAR(op.v[2], c.r, 0.1);
                EXPECT_NEAR(op.v[3], c.start, 0.001);
                EXPECT_NEAR(op.v[4], c.end, 0.001);
            }
        EXPECT_EQ(found, 1);
    }
}

// Page 1 of question 1: the three compass arcs are 0.06 of a turn each,
// the locus eight pairs of colour-7 segments, the frame erased twice.
TEST(Constructions, QuestionOnePageOne) {
    const auto chunks = choices("3\r" + keys_of(36));
    ASSERT_EQ(chunks.size(), 1u);
    const auto& ops = chunks[0];
    int locus = 0, erased = 0, arcs = 0;
    for (const DrawOp& op : ops) {
        if (op.kind == OpKind::Segment && op.color == 7) ++locus;
        if (op.kind == OpKind::FillBox && op.v == std::vector<float>{720, 50, 1210, 540} && op.fill == 15) ++erased;
        if (op.kind == OpKind::Arc && op.color == 7 && op.v[1] < 200) {  // page 1's arcs, about A and B
            ++arcs;
            float span = op.v[4] - op.v[3];
            if (span < 0) span += 1;
            EXPECT_NEAR(span, 0.06f, 1e-4);
        }
    }
    EXPECT_EQ(locus, 16);
    EXPECT_EQ(erased, 2);
    EXPECT_EQ(arcs, 3);
    EXPECT_EQ(line_at(ops, 40, 300, 7), "円Oを作図しよう。");
    EXPECT_EQ(line_at(ops, 40, 500, 0), "③中心O、半径OAの円をかく。");
    EXPECT_EQ(line_at(ops, 66, 290, 3), "交点で、海にある点をPとする");
}

// The practice's lines, its answer, and no key wait after "24(cm)".
TEST(Constructions, QuadrilateralPractice) {
    const auto chunks = choices("4\r" + keys_of(7));
    ASSERT_EQ(chunks.size(), 1u);
    const auto& ops = chunks[0];
    // Spaces are not drawn, plus signs are strokes and a, c, x italic
    // glyphs of their own height: the lines are compared by their other glyphs.
    EXPECT_EQ(line_at(ops, 36, 30, 3), "点P,Q,R,Sが接点のとき、四角形ABCDの周の長さを求めなさい。");
    EXPECT_EQ(line_at(ops, 36, 80, 0), "図のように,b,,dをとると、");
    EXPECT_EQ(line_at(ops, 36, 360, 0), "ABBCCDDA");
    EXPECT_EQ(line_at(ops, 36, 480, 0), "=2(bd)=2(ADBC)");
    EXPECT_EQ(line_at(ops, 36, 540, 0), "=2×(57)=2×12=");
    EXPECT_EQ(line_at(ops, 36, 540, 5).rfind("24(", 0), 0u);
    std::size_t last_wait = 0, answer = 0;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (is_key_wait(ops[i])) last_wait = i;
        if (ops[i].kind == OpKind::Text && ops[i].color == 5 && ops[i].v[1] == 540) answer = i;
    }
    EXPECT_GT(answer, last_wait);
}

}  // namespace
