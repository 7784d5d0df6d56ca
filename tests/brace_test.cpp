// The brace and the column calculation.
#include <gtest/gtest.h>

#include "drawn_text.h"
#include "harness.h"

namespace {

struct Brace : harness::KitFixture, ::testing::Test {};

TEST_F(Brace, BraceStrokes) {
    struct Case {
        float x, y, haba;
        const char* line;
    } cases[] = {
        {0, 0, 105, "polyline 35 5 23 8 23 43 8 50 23 57 23 92 35 95 c=4 w=5"},
        {100, 200, 55, "polyline 135 205 123 208 123 218 108 225 123 232 123 242 135 245 c=4 w=5"},
        // below 15 the bottom lies above the top and the strokes cross
        {0, 0, 10, "polyline 35 5 23 8 23 -4.5 8 2.5 23 9.5 23 -3 35 0 c=4 w=5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.haba);
        rt.clear_trace();
        kit.X = c.x;
        kit.Y = c.y;
        kit.HABA = c.haba;
        kit.CCC1 = 4;
        kit.DRAW_BRACE();
        EXPECT_EQ(harness::trace_lines(rt.trace()), std::vector<std::string>{c.line});
        EXPECT_EQ(rt.line_width(), 3);
        EXPECT_EQ(kit.X, c.x);
        EXPECT_EQ(kit.Y, c.y);
        EXPECT_EQ(kit.HABA, c.haba);
    }
}

TEST_F(Brace, ColumnCalculationLayout) {
    struct Case {
        const char *a1, *a2, *sign;
    } cases[] = {
        {"123", "45", "+"},
        {"45", "123", "×"},  // the wider operand in the second row
        {"12", "34", "-"},
        {"", "", "+"},
        {"ﾀ1/2ﾀ", "3", "÷"},
    };
    const float x0 = 100, y0 = 200, takasa = 50;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a1);
        const std::string a1 = cp932::from_utf8(c.a1), a2 = cp932::from_utf8(c.a2), sign = cp932::from_utf8(c.sign);
        float w1, w2;
        {
            harness::KitFixture ref;
            ref.kit.A_S = a1;
            ref.kit.MEASURE_TEXT();
            w1 = ref.kit.LLT;
            ref.kit.A_S = a2;
            ref.kit.MEASURE_TEXT();
            w2 = ref.kit.LLT;
        }
        const float widest = w1 > w2 ? w1 : w2;

        rt.clear_trace();
        kit.X = x0;
        kit.Y = y0;
        kit.A1_S = a1;
        kit.A2_S = a2;
        kit.ENZAN_S = sign;
        kit.TAKASA = takasa;
        kit.CCC1 = 0;
        kit.CCC2 = 6;
        kit.DRAW_COLUMN_CALC();

        std::vector<std::string> want;
        harness::append(want, harness::drawn_text(x0 + 54, y0, a1, 0));
        harness::append(want, harness::drawn_text(x0, y0 + takasa + 6, sign + ")", 0));
        harness::append(want, harness::drawn_text(x0 + 54, y0 + takasa, a2, 0));
        platform::DrawOp rule;
        rule.kind = platform::OpKind::Segment;
        rule.v = {x0 + 27, y0 + 2 * takasa, x0 + 57 + widest, y0 + 2 * takasa};
        rule.color = 6;
        rule.width = 3;
        want.push_back(rule.str());
        EXPECT_EQ(harness::trace_lines(rt.trace()), want);

        EXPECT_EQ(kit.LT1, w1);
        EXPECT_EQ(kit.LT2, w2);
        EXPECT_EQ(kit.LT, widest);
        EXPECT_EQ(kit.YI1, y0 + takasa);
        EXPECT_EQ(kit.XI3, x0 + 54);
        EXPECT_EQ(kit.X, x0 + 54 + w2);
        EXPECT_EQ(kit.Y, y0 + takasa);
        // the paragraph goes on at the rule's right end, on the page
        EXPECT_EQ(kit.XI2, x0 + 57 + widest);
        EXPECT_EQ(kit.A1_S, a1);
        EXPECT_EQ(kit.A2_S, a2);
        EXPECT_EQ(rt.line_width(), 3);
    }
}

}  // namespace
