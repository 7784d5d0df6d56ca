// Divisors, prime factors and the division ladder.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "drawn_text.h"
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

TEST_F(Divisors, NumbersAbove2To24GetNoList) {
    // Above 2^24 quotients that are not whole look whole: 99999999 is
    // stored as 10^8, and 10^8/3 as 33333332.
    const float cases[] = {16777218.0f, 99999999.0f, -99999999.0f, 2147483648.0f};
    for (const float dy : cases) {
        SCOPED_TRACE(dy);
        kit.X_A(1) = kit.Y_A(1) = -7;
        kit.DY = dy;
        kit.DIVISOR_PAIRS();
        EXPECT_EQ(kit.DY, std::fabs(dy));
        EXPECT_EQ(kit.P, 0);
        EXPECT_EQ(kit.KOSUU, 0);
        EXPECT_EQ(kit.X_A(1), -7);
        EXPECT_EQ(kit.Y_A(1), -7);
    }
    // 2^24 itself still has its 25 divisors, the powers of 2.
    kit.DY = 16777216;
    kit.DIVISOR_PAIRS();
    ASSERT_EQ(kit.P, 25);
    for (int k = 1; k <= 25; ++k) EXPECT_EQ(kit.X_A(k), std::ldexp(1.0f, k - 1));
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

// One division step of a ladder at x: the divisor, the number, its bar and
// the quotient, as the ladder's own layout places them (every number ends
// at x + 30·(width + 1), width the character count of the first number's
// text, blank included).
struct Step {
    const char* divisor;
    float number, quotient, y;
};

std::vector<std::string> ladder_trace(float x, float width, const std::vector<Step>& steps) {
    std::vector<std::string> lines;
    auto number_at = [&](float n, float y) {
        const std::string t = basic::STR_S(n);
        harness::append(lines, harness::drawn_text(x + 30 * (width + 1 - t.size()), y, t, 0));
    };
    for (const auto& s : steps) {
        harness::append(lines, harness::drawn_text(x, s.y, std::string(s.divisor) + ")", 0));
        number_at(s.number, s.y);
        platform::DrawOp bar;
        bar.kind = platform::OpKind::Segment;
        bar.v = {x + 30, s.y + 46, x + 30 * (width + 1), s.y + 46};
        bar.width = 3;
        lines.push_back(bar.str());
        number_at(s.quotient, s.y + 64);
    }
    return lines;
}

TEST_F(Divisors, DivisionLadderDrawsOneRowPerDivision) {
    struct Case {
        float sosu;
        float width;
        std::vector<Step> steps;
        float ytake_after, ta_after;
    } cases[] = {
        {12, 3, {{"2", 12, 6, 100}, {"2", 6, 3, 164}}, 228, 3},
        {8, 2, {{"2", 8, 4, 100}, {"2", 4, 2, 164}}, 228, 2},
        {360, 4, {{"2", 360, 180, 100}, {"2", 180, 90, 164}, {"2", 90, 45, 228}, {"3", 45, 15, 292},
                  {"3", 15, 5, 356}}, 420, 5},
        // the factor above 23 that remains is the last quotient
        {58, 3, {{"2", 58, 29, 100}}, 164, 29},
        {4 * 31, 4, {{"2", 124, 62, 100}, {"2", 62, 31, 164}}, 228, 31},
        // a last prime of exponent 1 adds no step
        {7, 2, {}, 100, 7},
        // no prime up to 23: no ladder, and no division by the empty slot
        {29, 3, {}, 100, 0},
        {1, 2, {}, 100, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sosu);
        kit.SOSU = c.sosu;
        kit.FACTORISE();
        kit.TA = 0;
        kit.XTAKE = 200;
        kit.YTAKE = 100;
        kit.NASI = 0;
        rt.clear_trace();
        kit.DIVISION_LADDER();
        EXPECT_EQ(harness::trace_lines(rt.trace()), ladder_trace(200, c.width, c.steps));
        EXPECT_EQ(kit.YTAKE, c.ytake_after);
        EXPECT_EQ(kit.TA, c.ta_after);
        EXPECT_EQ(kit.NASI, 0);
    }
}

TEST_F(Divisors, DivisionLadderWaitsAfterEachBarAndQuotient) {
    rt.push_keys("abcdef");
    kit.SOSU = 12;
    kit.FACTORISE();
    kit.XTAKE = 200;
    kit.YTAKE = 100;
    kit.NASI = 1;
    kit.DIVISION_LADDER();
    EXPECT_EQ(rt.keys_read(), 4);
    // the waits' prompt text does not disturb the ladder
    EXPECT_EQ(kit.YTAKE, 228);
    EXPECT_EQ(kit.TA, 3);
    EXPECT_EQ(kit.NASI, 0);
    EXPECT_EQ(kit.CCC1, 0);
}

}  // namespace
