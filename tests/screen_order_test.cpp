// Every screen looks the same however the pupil reached it: each screen is
// drawn once on a fresh start and once after each other screen (left through
// the main menu in between), and the two drawings must match call for call,
// line width aside. Only what the lessons carry on purpose may differ: the
// random problems, and where section 1's figure left P.
#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness.h"
#include "orvane.h"
#include "telmira.h"

namespace {

using platform::DrawOp;
using platform::OpKind;

std::string keys_of(int n) { return std::string(static_cast<std::size_t>(n), 'k'); }
using harness::repeat;

// One screen as the pupil reaches it from the main menu: the section's entry,
// the keys from the section menu on, and the section menu's end entry.
struct Screen {
    const char* what;
    int entry;
    std::string keys;
    int leave;
    bool random = false;        // draws random problems
    bool reads_figure = false;  // draws section 1's figure from where it was left
    bool moves_figure = false;  // leaves section 1's figure elsewhere than its start

    std::string path() const { return std::to_string(entry) + "\r" + keys + std::to_string(leave) + "\r"; }
};

const std::vector<Screen>& telmira_screens() {
    static const std::vector<Screen> screens = {
        {"1-① set-square locus", 1, "1\r" + keys_of(26), 10},
        {"1-② definition", 1, "2\r" + keys_of(4), 10},
        {"1-③ question", 1, "3\r", 10},
        {"1-④ answer", 1, "4\r", 10},
        {"1-⑤ summary", 1, "5\r", 10},
        {"1-⑥ arrow keys", 1, "6\r\r", 10},
        {"1-⑦ values off", 1, "7\r-3\r\r", 10, false, true},
        {"1-⑧ diameter off", 1, "8\r-1\r\r", 10, false, true},
        {"1-⑨ several angles", 1, "9\r", 10, false, false, true},
        {"2-① proof 1 page", 2, "1\rk", 10},
        {"2-② proof 1 figure", 2, "1\rk2\r" + keys_of(5), 10},
        {"2-③ proof 1 answers", 2, "1\rk3\rkkk", 10},
        {"2-④ proof 2 page", 2, "4\r", 10},
        {"2-⑤ proof 2 figure", 2, "4\r5\r" + keys_of(5), 10},
        {"2-⑥ proof 2 answers", 2, "4\r6\rkkk", 10},
        {"2-⑦ proof 3 page", 2, "7\r", 10},
        {"2-⑧ proof 3 figure", 2, "7\r8\r" + keys_of(5), 10},
        {"2-⑨ proof 3 answers", 2, "7\r9\rkkk", 10},
        {"3-① practice problems", 3, "1\r" + repeat("k\r", 24) + "k1\rk", 4, true},
        {"3-② answers of P170", 3, "2\r", 4},
        {"3-③ random examples", 3, "3\r" + repeat("kkkk0\r", 7) + "kkkk1\r", 4, true},
        {"4-① task", 4, "1\r" + keys_of(9), 6},
        {"4-② theorems", 4, "2\r" + keys_of(7), 6},
        {"4-③ problem 2", 4, "3\r" + keys_of(13), 6},
        {"4-④ problem 3", 4, "4\r" + keys_of(7), 6},
        {"4-⑤ problem 4", 4, "5\r" + keys_of(11), 6},
        {"5-① theorem", 5, "1\r" + keys_of(4), 5},
        {"5-② problem 5", 5, "2\r" + keys_of(2), 5},
        {"5-③ problem 6", 5, "3\r" + keys_of(4), 5},
        {"5-④ problem 7", 5, "4\r" + keys_of(8), 5},
        {"6-① P174Q", 6, "1\r" + keys_of(35), 4},
        {"6-② converse", 6, "2\r" + keys_of(6), 4},
        {"6-③ problem 2", 6, "3\r" + keys_of(11), 4},
        {"7-① page 1", 7, "1\r", 3},
        {"7-② page 2", 7, "2\r" + keys_of(4), 3},
    };
    return screens;
}

const std::vector<Screen>& orvane_screens() {
    static const std::vector<Screen> screens = {
        {"1-① ship", 1, "1\r" + keys_of(5), 5},
        {"1-② tangents", 1, "2\r" + keys_of(25), 5},
        {"1-③ question 1", 1, "3\r" + keys_of(36), 5},
        {"1-④ quadrilateral", 1, "4\r" + keys_of(7), 5},
        {"2-① chords ACP DBP", 2, "1\r" + keys_of(14), 7},
        {"2-② chords ADP CBP", 2, "2\r" + keys_of(8), 7},
        {"2-③ secants", 2, "3\r" + keys_of(15), 7},
        {"2-④ question 2", 2, "4\r" + keys_of(5), 7},
        {"2-⑤ question 3", 2, "5\r" + keys_of(10), 7},
        {"2-⑥ question 4", 2, "6\r" + keys_of(17), 7},
        {"3-A1", 3, "1\r" + keys_of(6), 6},
        {"3-A2", 3, "2\r" + keys_of(2), 6},
        {"3-A3", 3, "3\r" + keys_of(7), 6},
        {"3-A4", 3, "4\r" + keys_of(10), 6},
        {"3-A5", 3, "5\r" + keys_of(11), 6},
        {"4-B1", 4, "1\r" + keys_of(10), 5},
        {"4-B2", 4, "2\r" + keys_of(15), 5},
        {"4-B3", 4, "3\r" + keys_of(14), 5},
        {"4-B4", 4, "4\r" + keys_of(10), 5},
    };
    return screens;
}

bool is_main_menu_board(const DrawOp& op) {
    return op.kind == OpKind::FillBox && op.v == std::vector<float>{22, 10, 1342, 610} && op.color == 15 &&
           op.fill == 10;
}

// The calls from the n-th drawing of the main menu (from 1) to the run's end,
// without their line widths.
std::vector<std::string> from_main_menu(const harness::RunResult& r, int n) {
    std::vector<std::string> lines;
    int seen = 0;
    const std::regex width(" w=[^ ]+");
    for (const DrawOp& op : r.trace) {
        if (is_main_menu_board(op)) ++seen;
        if (seen >= n) lines.push_back(std::regex_replace(op.str(), width, ""));
    }
    return lines;
}

template <class Program>
harness::RunResult run(const std::string& keys, const char* title) {
    harness::RunResult r = harness::run_program<Program>(keys, title);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.keys_read, static_cast<int>(keys.size())) << "keys left unread: the screen read fewer than given";
    return r;
}

// The first call where two drawings part, for the failure message.
std::string first_difference(const std::vector<std::string>& fresh, const std::vector<std::string>& after) {
    const auto [f, a] = std::mismatch(fresh.begin(), fresh.end(), after.begin(), after.end());
    const std::size_t at = static_cast<std::size_t>(f - fresh.begin());
    return "call " + std::to_string(at) + ": fresh \"" + (f == fresh.end() ? "(end)" : *f) + "\" after \"" +
           (a == after.end() ? "(end)" : *a) + "\"";
}

template <class Program>
void expect_same_after_every_other(const std::vector<Screen>& screens, const Screen& s, const char* title) {
    const std::vector<std::string> fresh = from_main_menu(run<Program>(s.path(), title), 1);
    for (const Screen& before : screens) {
        if (s.random && before.random) continue;  // the random sequence has moved on
        if (s.reads_figure && before.moves_figure) continue;
        SCOPED_TRACE(std::string("after ") + before.what);
        const std::vector<std::string> after = from_main_menu(run<Program>(before.path() + s.path(), title), 2);
        EXPECT_TRUE(fresh == after) << first_difference(fresh, after);
    }
}

class TelmiraScreenOrder : public testing::TestWithParam<std::size_t> {};
class OrvaneScreenOrder : public testing::TestWithParam<std::size_t> {};

TEST_P(TelmiraScreenOrder, LooksTheSameAfterEveryOtherScreen) {
    const Screen& s = telmira_screens()[GetParam()];
    SCOPED_TRACE(s.what);
    expect_same_after_every_other<Telmira>(telmira_screens(), s, "Telmira");
}

TEST_P(OrvaneScreenOrder, LooksTheSameAfterEveryOtherScreen) {
    const Screen& s = orvane_screens()[GetParam()];
    SCOPED_TRACE(s.what);
    expect_same_after_every_other<Orvane>(orvane_screens(), s, "Orvane");
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, TelmiraScreenOrder, testing::Range<std::size_t>(0, telmira_screens().size()));
INSTANTIATE_TEST_SUITE_P(EveryScreen, OrvaneScreenOrder, testing::Range<std::size_t>(0, orvane_screens().size()));

}  // namespace
