// Start-up state and the run-time error screen.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

using harness::KitFixture;

// A program whose menu fails several calls deep, optionally after choosing
// another font.
struct FailingKit : Toolkit {
    using Toolkit::Toolkit;
    bool other_font = false;
    int failing_line = 0;
    void MAIN_MENU() override { first(); }
    void first() { second(); }
    void second() {
        if (other_font) {
            rt.set_font_name("Times New Roman"_sj);
            rt.set_font_size(8);
            rt.set_font_italic(true);
        }
        failing_line = __LINE__ + 1;
        X_A(41) = 1;
    }
};

}  // namespace

TEST(StartUp, LeavesTheDrawingStateAndVariables) {
    KitFixture f;
    Toolkit& k = f.kit;
    EXPECT_EQ(f.rt.font().face, "ｺﾞｼｯｸ");
    EXPECT_EQ(f.rt.font().size, 16);
    EXPECT_FALSE(f.rt.font().bold);
    EXPECT_FALSE(f.rt.font().italic);
    EXPECT_EQ(f.rt.line_width(), 3);
    EXPECT_EQ(k.CCC1, 4);
    EXPECT_EQ(k.CCC2, 0);
    EXPECT_EQ(k.CCC3, 0);
    EXPECT_EQ(k.KAIX, 1056);
    EXPECT_EQ(k.KAIY, 648);
    EXPECT_EQ(k.SAIGO, 23);
    EXPECT_EQ(k.TITLE_S, "Telmira");
    EXPECT_EQ(k.A, 60);  // 10 + 20 + 30

    struct Bounds {
        const char* name;
        int bound, bound2;
    } numbers[] = {{"F", 40, 0},  {"T", 80, 0}, {"SFU", 23, 0}, {"XW", 5, 0},  {"YW", 5, 0},
                   {"G", 10, 2},  {"X", 40, 0}, {"Y", 40, 0},   {"R", 10, 0},  {"H", 10, 0},
                   {"HH", 10, 0}, {"XX", 5, 0}, {"YY", 5, 0},   {"U", 40, 0},  {"V", 40, 0}};
    const basic::NumArray* arrays[] = {&k.F_A, &k.T_A, &k.SFU_A, &k.XW_A, &k.YW_A, &k.G_A, &k.X_A, &k.Y_A,
                                       &k.R_A, &k.H_A, &k.HH_A, &k.XX_A, &k.YY_A, &k.U_A, &k.V_A};
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        const basic::NumArray& a = *arrays[i];
        EXPECT_EQ(a.bound(), numbers[i].bound) << numbers[i].name;
        EXPECT_EQ(a.bound2(), numbers[i].bound2) << numbers[i].name;
        for (int j = 0; j <= a.bound(); ++j)
            for (int m = 0; m <= a.bound2(); ++m) EXPECT_EQ(a.bound2() ? a(j, m) : a(j), 0) << numbers[i].name;
    }
    struct TextBounds {
        const basic::TextArray* a;
        int bound, bound2;
    } texts[] = {{&k.F_S_A, 40, 0},   {&k.T_S_A, 80, 0},   {&k.TANI_S_A, 6, 0}, {&k.TKAI_S_A, 5, 2},
                 {&k.KKAI_S_A, 10, 0}, {&k.X_S_A, 20, 0},   {&k.Y_S_A, 20, 0},   {&k.RAB_S_A, 10, 0},
                 {&k.RABM_S_A, 10, 0}, {&k.R1B_S_A, 10, 0}};
    for (const TextBounds& t : texts) {
        EXPECT_EQ(t.a->bound(), t.bound);
        EXPECT_EQ(t.a->bound2(), t.bound2);
        EXPECT_EQ((*t.a)(t.bound, t.bound2 ? t.bound2 : 0.0f), "");
    }
}

TEST(StartUp, SeedIsHoursPlusMinutesPlusSeconds) {
    struct Case {
        const char* clock;
        float seed;
    } cases[] = {{"00:00:00", 0}, {"23:59:59", 141}, {"10:20:30", 60}, {"10:30:20", 60}, {"01:02:03", 6}};
    std::vector<float> first_draws;
    for (const Case& c : cases) {
        platform::Platform rt{harness::headless_options()};
        rt.clock = [&] { return std::string(c.clock); };
        harness::Kit kit(rt, "Orvane"_sj);
        kit.START_UP();
        EXPECT_EQ(kit.A, c.seed) << c.clock;
        first_draws.push_back(rt.rnd());
    }
    EXPECT_EQ(first_draws[2], first_draws[3]);  // equal sums, equal sequences
    EXPECT_NE(first_draws[0], first_draws[1]);
}

TEST(ErrorScreen, ShowsTheFailingLineAndCodeInTheCurrentFont) {
    for (bool other_font : {false, true}) {
        platform::Platform rt{harness::headless_options("abc")};
        FailingKit kit(rt, "Telmira"_sj);
        kit.other_font = other_font;
        EXPECT_EQ(kit.run(), 2);  // keys are read and dropped until the script ends
        EXPECT_EQ(rt.keys_read(), 3);
        const auto& trace = rt.trace();
        ASSERT_GE(trace.size(), 2u);
        const platform::DrawOp& clear = trace[trace.size() - 2];
        const platform::DrawOp& line = trace.back();
        EXPECT_EQ(clear.kind, platform::OpKind::Clear);
        EXPECT_EQ(line.kind, platform::OpKind::Text);
        EXPECT_EQ(line.v, (std::vector<float>{288, 432}));
        EXPECT_EQ(line.color, 13);
        EXPECT_EQ(line.mag_h, 1);
        EXPECT_EQ(line.mag_v, 1);
        EXPECT_EQ(line.text, " " + std::to_string(kit.failing_line) + ", 9" +
                                 "エラーが発生しました。マウスで×をクリックして下さい。");
        EXPECT_EQ(line.font.face, other_font ? "Times New Roman" : "ｺﾞｼｯｸ");
        EXPECT_EQ(line.font.size, other_font ? 8 : 16);
        EXPECT_EQ(line.font.italic, other_font);
    }
}
