// Divisors, prime factors and the division ladder.
#include <gtest/gtest.h>

#include <vector>

#include "harness.h"

namespace {

struct Divisors : harness::KitFixture, ::testing::Test {};

TEST_F(Divisors, DivisorPairsListEveryDivisorWithItsCoDivisor) {
    struct Case {
        float dy;
        std::vector<float> divisors;
        float kosuu, ii_after;
    } cases[] = {
        {12, {1, 2, 3, 4, 6, 12}, 3, 13},
        {-12, {1, 2, 3, 4, 6, 12}, 3, 13},
        {7, {1, 7}, 1, 8},
        {1, {1}, 1, 2},
        {0, {1}, 1, 2},  // the first pass is made below 1, too
        // a perfect square: the middle divisor pairs with itself
        {36, {1, 2, 3, 4, 6, 9, 12, 18, 36}, 5, 37},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dy);
        kit.DY = c.dy;
        kit.DIVISOR_PAIRS();
        EXPECT_EQ(kit.DY, std::fabs(c.dy));
        ASSERT_EQ(kit.P, c.divisors.size());
        for (std::size_t k = 0; k < c.divisors.size(); ++k) {
            EXPECT_EQ(kit.X_A(k + 1), c.divisors[k]);
            EXPECT_EQ(kit.Y_A(k + 1), kit.DY / c.divisors[k]);
        }
        EXPECT_EQ(kit.KOSUU, c.kosuu);
        EXPECT_EQ(kit.II, c.ii_after);
    }
}

TEST_F(Divisors, MoreThanFortyDivisorsStopAtForty) {
    // 720720 = 2^4·3^2·5·7·11·13 has 240 divisors
    kit.X_A(0) = -1;
    kit.DY = 720720;
    kit.DIVISOR_PAIRS();
    EXPECT_EQ(kit.P, 40);
    EXPECT_EQ(kit.KOSUU, 20);
    EXPECT_EQ(kit.X_A(1), 1);
    EXPECT_EQ(kit.X_A(40), 66);  // the fortieth divisor
    EXPECT_EQ(kit.Y_A(40), 10920);
    EXPECT_EQ(kit.X_A(0), -1);
}

TEST_F(Divisors, DivisorScanEndsWhereSinglePrecisionStopsCounting) {
    // beyond 2^24 adding 1 to the trial divisor changes nothing
    kit.DY = 16777234.0f;
    kit.DIVISOR_PAIRS();
    EXPECT_EQ(kit.II, 16777216.0f);
    EXPECT_LT(kit.P, 40);
}

struct FactorCase {
    float sosu;
    std::vector<std::pair<float, float>> powers;
    float rest;
};

TEST_F(Divisors, FactoriseSplitsIntoPrimesUpTo23) {
    const FactorCase cases[] = {
        {12, {{2, 2}, {3, 1}}, 1},
        {-12, {{2, 2}, {3, 1}}, 1},
        {1, {}, 1},
        {29, {}, 29},
        {58, {{2, 1}}, 29},
        {8, {{2, 3}}, 1},
        {360, {{2, 3}, {3, 2}, {5, 1}}, 1},
        {9699690, {{2, 1}, {3, 1}, {5, 1}, {7, 1}, {11, 1}, {13, 1}, {17, 1}, {19, 1}}, 1},
        {1062347, {{11, 1}, {13, 1}, {17, 1}, {19, 1}, {23, 1}}, 1},
        {2 * 31 * 37, {{2, 1}}, 31 * 37},
        // nothing to take out, and no endless division: 0 and fractions
        {0, {}, 0},
        {0.25f, {}, 0.25f},
        {7.5f, {}, 7.5f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sosu);
        for (int q = 1; q <= 10; ++q) kit.G_A(q, 1) = kit.G_A(q, 2) = 77;
        kit.SOSU = c.sosu;
        kit.FACTORISE();
        EXPECT_EQ(kit.SOSU, std::fabs(c.sosu));
        ASSERT_EQ(kit.Q, c.powers.size());
        for (std::size_t q = 0; q < c.powers.size(); ++q) {
            EXPECT_EQ(kit.G_A(q + 1, 1), c.powers[q].first);
            EXPECT_EQ(kit.G_A(q + 1, 2), c.powers[q].second);
        }
        for (std::size_t q = c.powers.size() + 1; q <= 9; ++q) {
            EXPECT_EQ(kit.G_A(q, 1), 0);
            EXPECT_EQ(kit.G_A(q, 2), 0);
        }
        EXPECT_EQ(kit.G_A(10, 1), c.rest);
        EXPECT_EQ(kit.G_A(10, 2), 1);
        EXPECT_EQ(kit.P, 10);
    }
    const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int k = 0; k < 10; ++k) EXPECT_EQ(kit.R_A(k + 1), primes[k]);
}

}  // namespace
