// The frames shared by sections 4 to 7, and the choice every section menu
// takes to the nearest whole entry.
#include <gtest/gtest.h>

#include "drawn_text.h"
#include "harness.h"
#include "menu_choice.h"
#include "menu_runs.h"
#include "telmira.h"

namespace {

using harness::drawn_text;
using harness::trace_lines;

TEST(SectionFrames, AimLinesStand65UnitsApartBelowTheHeading) {
    harness::StartedProgram<Telmira> p;
    p.kit.write_aim({"1　円周角の定理の逆を考えよう。"_sj, "2　円周角の定理の逆を使って問題を解こう。"_sj});

    std::vector<std::string> want = drawn_text(44, 240, "<めあて>"_sj, 3);
    harness::append(want, drawn_text(44, 305, "1　円周角の定理の逆を考えよう。"_sj, 0));
    harness::append(want, drawn_text(44, 370, "2　円周角の定理の逆を使って問題を解こう。"_sj, 0));
    EXPECT_EQ(trace_lines(p.rt.trace()), want);
    EXPECT_EQ(p.kit.YI1, 370);
    EXPECT_EQ(p.kit.XI1, 44);
}

struct ChoiceCase {
    const char* keys;  // what is typed, each entry ended by Enter
    int choice;
    int askings;  // times the menu line is written
};

TEST(SectionMenus, ChoiceIsTheNearestWholeEntryInRange) {
    const ChoiceCase cases[] = {
        {"3\r", 3, 1},          {"1.4\r", 1, 1},      {"4.6\r", 5, 1}, {"5.2\r0.6\r2\r", 2, 3},
        {"6\r0\r\r-1\r4\r", 4, 5}, {"9/2\r", 4, 1},   {"3.5\r", 4, 1}, {"1/1\r", 1, 1},
        {"1.6\r", 2, 1},        {"8/5\r", 2, 1},      {"2.5\r", 2, 1}, {"4.5\r", 4, 1},
    };
    const std::string line = " ①定理　②問5　③問6　④問7　⑤終了"_sj;
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.keys);
        harness::StartedProgram<Telmira> p;
        p.rt.push_keys(c.keys);
        EXPECT_EQ(ask_menu_choice(p.kit, line, 5), c.choice);
        EXPECT_EQ(menu_runs::count_if(p.rt.trace(), menu_runs::is_menu_line), c.askings);
    }
}

}  // namespace
