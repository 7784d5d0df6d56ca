// Square-root simplification.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

struct SquareRoots : harness::KitFixture, ::testing::Test {};

TEST_F(SquareRoots, SquareFactorsComeOutInFront) {
    struct Case {
        float in, r1a, r1b;
        const char *r1a_s, *rab, *rabm, *r1b_s;
    } cases[] = {
        {12, 2, 3, "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},
        {72, 6, 2, "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
        {200, 10, 2, "10", "10!2ﾝ", "!200ﾝ=", "!2ﾝ"},
        {16, 4, 1, "4", "4ﾝ", "!16ﾝ=", "ﾝ"},
        {6, 1, 6, "", "!6ﾝ", "", "!6ﾝ"},
        {1, 1, 1, "1", "1ﾝ", "", "ﾝ"},
        {40000, 200, 1, "200", "200ﾝ", "!40000ﾝ=", "ﾝ"},
        // 211 is above the largest trial root, so its square stays whole
        {44521, 1, 44521, "", "!44521ﾝ", "", "!44521ﾝ"},
        {16777216, 4096, 1, "4096", "4096ﾝ", "!1.677722E+07ﾝ=", "ﾝ"},
        // the largest single-precision number below 2^31: 2^7·3^2·5·7·13·17·241
        {2147483520.0f, 24, 3728270, "24", "24!3728270ﾝ", "!2.147484E+09ﾝ=", "!3728270ﾝ"},
        // nothing to take out, and no endless search: 0, fractions,
        // negative and too large numbers
        {0, 1, 0, "", "!0ﾝ", "", "!0ﾝ"},
        {8.5f, 1, 8.5f, "", "!8.5ﾝ", "", "!8.5ﾝ"},
        {-8, 1, -8, "", "!-8ﾝ", "", "!-8ﾝ"},
        {4294967296.0f, 1, 4294967296.0f, "", "!4.294967E+09ﾝ", "", "!4.294967E+09ﾝ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        kit.R1B = c.in;
        kit.SIMPLIFY_SQRT();
        EXPECT_EQ(kit.R1A, c.r1a);
        EXPECT_EQ(kit.R1B, c.r1b);
        EXPECT_EQ(kit.R1B1, c.in);
        EXPECT_EQ(kit.R1I, 201);
        EXPECT_EQ(kit.R1A_S, cp932::from_utf8(c.r1a_s));
        EXPECT_EQ(kit.RAB_S, cp932::from_utf8(c.rab));
        EXPECT_EQ(kit.RABM_S, cp932::from_utf8(c.rabm));
        EXPECT_EQ(kit.R1B_S, cp932::from_utf8(c.r1b_s));
    }
}

TEST_F(SquareRoots, TheRootPartKeepsItsBlank) {
    kit.R1B = 12;
    kit.SIMPLIFY_SQRT();
    EXPECT_EQ(kit.R1A1_S, "! 3");
    kit.R1B = 16;
    kit.SIMPLIFY_SQRT();
    EXPECT_EQ(kit.R1A1_S, "");
}

}  // namespace
