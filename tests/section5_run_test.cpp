// Whole-program runs of section 5, the diameter and the inscribed angle,
// driven by key scripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "drawn_text.h"
#include "harness.h"
#include "menu_runs.h"
#include "telmira.h"

namespace {

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

// Each screen's choice with every key it reads, and its key waits.
struct Screen {
    const char* what;
    std::string keys;
    int key_waits;
};
const Screen kScreens[] = {
    {"① theorem", "1\rkkkk", 4},
    {"② problem 5", "2\rkk", 2},
    {"③ problem 6", "3\rkkkk", 4},
    {"④ problem 7", "4\rkkkkkkkk", 8},
};

// What one choice of section 5 drew, the run ended by the section's and the
// main menu's end entries.
std::vector<DrawOp> one_choice(const std::string& keys) {
    harness::RunResult r = harness::run_program<Telmira>("5\r" + keys + "5\r9\r" + kLeftOver, "Telmira");
    auto chunks = choices_of_run(r, static_cast<int>(keys.size()) + 6);
    EXPECT_EQ(chunks.size(), 2u);
    return chunks.empty() ? std::vector<DrawOp>{} : chunks.front();
}

// Whether `ops` hold DRAW_TEXT's drawing of a text at (x, y) in colour c,
// in one run.
bool draws_text(const std::vector<DrawOp>& ops, float x, float y, const char* utf8, float c, float w) {
    const std::vector<std::string> want = harness::drawn_text(x, y, cp932::from_utf8(utf8), c, w);
    const std::vector<std::string> have = harness::trace_lines(ops);
    return std::search(have.begin(), have.end(), want.begin(), want.end()) != have.end();
}

TEST(Section5, TourOfEveryScreenReturnsToTheMainMenu) {
    std::string keys = "5\r";
    for (const Screen& s : kScreens) keys += s.keys;
    // Left, entered again (the aim once more), left, and the end entry.
    keys += "5\r5\r5\r9\r" + kLeftOver;
    harness::RunResult r = harness::run_program<Telmira>(keys, "Telmira");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.keys_read, static_cast<int>(keys.size()) - 1);

    const auto chunks = per_menu_choice(r.trace);
    ASSERT_EQ(chunks.size(), std::size(kScreens) + 2);
    for (std::size_t k = 0; k < std::size(kScreens); ++k) {
        SCOPED_TRACE(kScreens[k].what);
        EXPECT_EQ(count_if(chunks[k], is_key_wait), kScreens[k].key_waits);
    }
    const std::string texts = page_texts(r.trace);
    std::size_t aims = 0;
    for (std::size_t at = texts.find("直径と円周角の定理を使って問題解決しよう。"); at != std::string::npos;
         at = texts.find("直径と円周角の定理を使って問題解決しよう。", at + 1))
        ++aims;
    EXPECT_EQ(aims, 2u);
}

// The screens' lines where the screens write them, in their colours.
struct Line {
    const char* choice;
    float x, y;
    const char* text;
    float colour;
    float width;  // the line width in force when the line is written
};

TEST(Section5, LinesStandAtTheirPlaces) {
    const Line lines[] = {
        {"", 44, 240, "<めあて>", 3, 3},
        {"", 44, 305, "直径と円周角の定理を使って問題解決しよう。", 0, 3},
        {"1\rkkkk", 36, 30, "<直径と円周角>", 3, 5},
        {"1\rkkkk", 36, 90, "円周上の3点A,B,Pについて", 0, 5},
        {"1\rkkkk", 36, 150, "①", 0, 5},
        {"1\rkkkk", 36, 210, "②", 0, 5},
        {"1\rkkkk", 44, 590, "教科書P173 問5　をしなさい。", 0, 5},
        {"2\rkk", 36, 30, "<問5 解答>(1)", 3, 3},
        {"2\rkk", 720, 30, "(2)", 3, 5},
        {"2\rkk", 36, 30, "<問5 解答>(3)", 3, 5},
        {"2\rkk", 240, 590, "教科書P173 問6　をしなさい。", 0, 5},
        {"3\rkkkk", 36, 30, "<問6 解答>", 3, 3},
        {"3\rkkkk", 36, 80, "直線ADをひくと", 0, 5},
        {"3\rkkkk", 36, 140, "ABは直径だから　∠ADB=90°", 0, 5},
        {"3\rkkkk", 36, 200, "したがって", 0, 5},
        {"3\rkkkk", 240, 590, "教科書P173 問7　をしなさい。", 0, 5},
        {"4\rkkkkkkkk", 36, 30, "<問7 説明>", 3, 5},
        {"4\rkkkkkkkk", 36, 80, "三角定規の直角の頂点Pを円周上におき、", 0, 5},
        {"4\rkkkkkkkk", 36, 140, "直角をはさむ2辺と円との交点をA,Bとすると、", 0, 5},
        {"4\rkkkkkkkk", 36, 200, "ABは直径となり、円の中心OはAB上にある。", 0, 5},
        {"4\rkkkkkkkk", 36, 260, "同様にして、ABとは異なる直径CDをかけば、", 0, 5},
        {"4\rkkkkkkkk", 36, 320, "ABとCDの交点が、中心Oである。", 0, 5},
    };
    for (const Line& l : lines) {
        SCOPED_TRACE(std::string(l.choice) + " " + l.text);
        harness::RunResult r = harness::run_program<Telmira>(std::string("5\r") + l.choice + "5\r9\r", "Telmira");
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(draws_text(r.trace, l.x, l.y, l.text, l.colour, l.width));
    }
}

// DRAW_TEXT's drawing of a line's pieces, each (text, colour) starting
// where the one before ended.
std::vector<std::string> drawn_pieces(float x, float y, std::initializer_list<std::pair<const char*, float>> pieces,
                                      float w) {
    harness::KitFixture ref;
    ref.rt.set_line_width(w);
    ref.kit.X = x;
    for (const auto& [text, c] : pieces) {
        ref.kit.Y = y;
        ref.kit.CCC1 = c;
        ref.kit.AA_S = cp932::from_utf8(text);
        ref.kit.DRAW_TEXT();
    }
    return harness::trace_lines(ref.rt.trace());
}

struct PieceCase {
    const char* keys;
    float x, y;
    std::vector<std::string> want;
};

TEST(Section5, StatementsAreWrittenPieceAfterPiece) {
    const PieceCase cases[] = {
        {"1\rkkkk", 36, 150, drawn_pieces(36, 150, {{"①", 0}, {"ABが直径", 3}, {"　ならば　", 0}, {"∠APB=90°", 3}}, 5)},
        {"1\rkkkk", 36, 210, drawn_pieces(36, 210, {{"②", 0}, {"∠APB=90°", 3}, {"　ならば　", 0}, {"ABは直径", 3}}, 5)},
        {"2\rkk", 36, 30, drawn_pieces(36, 30, {{"<問5 解答>(1)", 3}, {"∠x=28°", 5}}, 3)},
        {"2\rkk", 720, 30, drawn_pieces(720, 30, {{"(2)", 3}, {"∠x=55°", 5}}, 5)},
        {"2\rkk", 36, 30, drawn_pieces(36, 30, {{"<問5 解答>(3)", 3}, {"∠x=34°", 5}}, 5)},
        {"3\rkkkk", 36, 200, drawn_pieces(36, 200, {{"したがって", 0}, {" AD⊥BC", 5}}, 5)},
    };
    for (const PieceCase& c : cases) {
        SCOPED_TRACE(std::string(c.keys) + " line at y " + std::to_string(c.y));
        const std::vector<std::string> have = harness::trace_lines(one_choice(c.keys));
        EXPECT_NE(std::search(have.begin(), have.end(), c.want.begin(), c.want.end()), have.end());
    }
}

float distance(float x1, float y1, float x2, float y2) { return std::hypot(x1 - x2, y1 - y2); }

// The right-angle marks: open polylines in colour 5 whose corner stands
// `side` from the vertex along both arms, square to each other.
struct RightAngle {
    const char* keys;
    float vx, vy;  // the vertex
    float side;
};

TEST(Section5, RightAngleMarksSitInTheirAngles) {
    const float o5x = 684 + 240, o5y = 330;  // O of the right frames
    const RightAngle cases[] = {
        // P at 60 degrees on the theorem's circle about (960, 330).
        {"1\rkkkk", 960 + 210 * std::cos(60 * 3.14159f / 180), 330 - 210 * std::sin(60 * 3.14159f / 180), 40},
        // D of problem 5 (2), C of problem 5 (1), point 5 of problem 5 (3).
        {"2\rkk", o5x + 210 * std::cos(-70 * 3.14159f / 180), o5y - 210 * std::sin(-70 * 3.14159f / 180), 110},
        {"2\rkk", 312 + 210 * std::cos(70 * 3.14159f / 180), 330 - 210 * std::sin(70 * 3.14159f / 180), 60},
        {"2\rkk", 312 + 210 * std::cos(-22 * 3.14159f / 180), 330 - 210 * std::sin(-22 * 3.14159f / 180), 110},
        // D of problem 6.
        {"3\rkkkk", o5x + 210 * std::cos(300 * 3.14159f / 180), o5y - 210 * std::sin(300 * 3.14159f / 180), 60},
    };
    for (const RightAngle& c : cases) {
        SCOPED_TRACE(std::string(c.keys) + " vertex " + std::to_string(c.vx) + "," + std::to_string(c.vy));
        bool found = false;
        for (const DrawOp& op : one_choice(c.keys)) {
            if (op.kind != OpKind::Polyline || op.color != 5 || op.v.size() != 6) continue;
            const float ax = op.v[0] - c.vx, ay = op.v[1] - c.vy, bx = op.v[4] - c.vx, by = op.v[5] - c.vy;
            if (std::abs(std::hypot(ax, ay) - c.side) > 0.5f || std::abs(std::hypot(bx, by) - c.side) > 0.5f) continue;
            found = std::abs(ax * bx + ay * by) < 1 && op.width == 5;
        }
        EXPECT_TRUE(found);
    }
    // Problem 6: A straight above D, B level with it, so the corner is up
    // and to the left.
    const float dx = o5x + 105, dy = o5y + 210 * std::sin(60 * 3.14159f / 180);
    for (const DrawOp& op : one_choice("3\rkkkk"))
        if (op.kind == OpKind::Polyline && op.color == 5) {
            EXPECT_NEAR(op.v[2], dx - 60, 0.5f);
            EXPECT_NEAR(op.v[3], dy - 60, 0.5f);
        }
}

// Problem 5's second page clears only the left part, so answer (2) stays.
TEST(Section5, Problem5SecondPageKeepsAnswerTwo) {
    const auto ops = one_choice("2\rkk");
    const auto left_clear = std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) {
        return op.kind == OpKind::FillBox && op.v == std::vector<float>{0, 0, 648, 1800} && op.fill == 15;
    });
    ASSERT_NE(left_clear, ops.end());
    EXPECT_EQ(std::count_if(ops.begin(), left_clear, is_key_wait), 1);
    // Page 2 draws only inside the left part (and the closing line and key
    // wait below the frames).
    for (auto it = left_clear; it != ops.end(); ++it)
        if (it->kind == OpKind::Circle || it->kind == OpKind::Segment || it->kind == OpKind::Polyline) {
            for (std::size_t k = 0; k < it->v.size(); k += 2) EXPECT_LT(it->v[k], 648) << it->str();
        }
}

// Problem 7: both set squares have their right angle at P on the circle and
// legs of 3·R1/√2 through the circle; the figure is cleared below the heading
// between them, and only the second one is left.
TEST(Section5, Problem7SetSquaresTurnAboutP) {
    const auto ops = one_choice("4\rkkkkkkkk");
    const float ox = 648 + 240, oy = 150 + 480 - 240, r = 150;
    const float px = ox + r * std::cos(100 * 3.14159f / 180), py = oy - r * std::sin(100 * 3.14159f / 180);
    std::vector<const DrawOp*> squares;
    for (const DrawOp& op : ops)
        if (op.kind == OpKind::Polygon) squares.push_back(&op);
    ASSERT_EQ(squares.size(), 2u);
    const float through[2][2] = {{200, 20}, {170, 350}};
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        const DrawOp& sq = *squares[k];
        EXPECT_EQ(sq.color, 0);
        EXPECT_EQ(sq.fill, 13);
        EXPECT_NEAR(sq.v[0], px, 0.05f);
        EXPECT_NEAR(sq.v[1], py, 0.05f);
        for (int leg = 0; leg < 2; ++leg) {
            const float fx = sq.v[2 + 2 * leg], fy = sq.v[3 + 2 * leg];
            EXPECT_NEAR(distance(px, py, fx, fy), 3 * r / std::sqrt(2.0f), 0.1f);
            // The leg runs through its point on the circle.
            const float t = through[k][leg] * 3.14159f / 180;
            const float cx = ox + r * std::cos(t), cy = oy - r * std::sin(t);
            EXPECT_NEAR((fx - px) * (cy - py) - (fy - py) * (cx - px), 0, 2);
        }
    }
    // The holes: on the first centroid, then 10 below the second one.
    std::vector<const DrawOp*> holes;
    for (const DrawOp& op : ops)
        if (op.kind == OpKind::Disc && op.v[2] == 15 && op.fill == 15) holes.push_back(&op);
    ASSERT_EQ(holes.size(), 2u);
    for (int k = 0; k < 2; ++k) {
        const DrawOp& sq = *squares[k];
        EXPECT_NEAR(holes[k]->v[0], (sq.v[0] + sq.v[2] + sq.v[4]) / 3, 0.05f);
        EXPECT_NEAR(holes[k]->v[1], (sq.v[1] + sq.v[3] + sq.v[5]) / 3 + (k == 1 ? 10 : 0), 0.05f);
    }
    // The clear below the heading comes between the two set squares, after
    // the third key.
    const auto clear = std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) {
        return op.kind == OpKind::FillBox && op.v == std::vector<float>{0, 150, 1760, 1800} && op.fill == 15;
    });
    ASSERT_NE(clear, ops.end());
    EXPECT_EQ(std::count_if(ops.begin(), clear, is_key_wait), 3);
    EXPECT_LT(&*clear, squares[1]);
    EXPECT_GT(&*clear, squares[0]);
    // The centre: a disc of radius 5 in colour 5 at O.
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [&](const DrawOp& op) {
        return op.kind == OpKind::Disc && op.v == std::vector<float>{ox, oy, 5} && op.fill == 5;
    }));
}

// Out of range the strip is erased and the menu asked again, nothing above
// it changes; a value between two entries goes to the nearer one.
TEST(Section5, MenuChoices) {
    const std::string leave = "5\r9\r" + kLeftOver;
    {
        harness::RunResult r = harness::run_program<Telmira>("5\r6\r0\r5.2\r0.6\r\r" + leave, "Telmira");
        EXPECT_EQ(r.status, 0);
        const auto chunks = per_menu_choice(r.trace);
        ASSERT_EQ(chunks.size(), 6u);
        for (std::size_t k = 0; k + 1 < chunks.size(); ++k)
            for (const DrawOp& op : chunks[k]) {
                const float top = op.kind == OpKind::Disc ? op.v[1] - op.v[2] : op.v[1];
                EXPECT_GE(top, 639) << op.str();
            }
    }
    {
        // 1.4 opens the theorem (four key waits); 4.6 leaves the section.
        harness::RunResult r = harness::run_program<Telmira>("5\r1.4\rkkkk4.6\r9\r" + kLeftOver, "Telmira");
        EXPECT_EQ(r.status, 0);
        const auto chunks = per_menu_choice(r.trace);
        ASSERT_EQ(chunks.size(), 2u);
        EXPECT_EQ(count_if(chunks[0], is_key_wait), 4);
        EXPECT_EQ(r.keys_read, 16);
    }
}

}  // namespace
