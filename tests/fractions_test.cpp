// Fraction texts, common divisors, markup stripping and the random seed.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

std::string sj(const char* utf8) { return cp932::from_utf8(utf8); }

struct Fractions : harness::KitFixture, ::testing::Test {};

struct FractionCase {
    float ds, db;
    float yak, yak1, out_ds, out_db;
    const char *a1, *a2, *a21, *a3, *a31, *tkai1, *tkai2;
};

const FractionCase kFractionCases[] = {
    {6, 8, 2, 1, 3, 4, "ﾀ6/8ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ6/8ﾀ=ﾀ3/4ﾀ", "+ﾀ6/8ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
    {-6, 8, 2, -1, -3, 4, "ﾀ-6/8ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", "ﾀ-6/8ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
    // the sign moves in front although nothing is reduced
    {3, -4, 2, -1, -3, 4, "ﾀ3/-4ﾀ", "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ", "ﾀ3/-4ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
    {-6, -8, 2, 1, 3, 4, "ﾀ-6/-8ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ-6/-8ﾀ=ﾀ3/4ﾀ", "+ﾀ-6/-8ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
    {3, 4, 3, 1, 3, 4, "ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "3/4", "+3/4"},
    {6, 3, 1, 1, 2, 1, "ﾀ6/3ﾀ", "2", "+2", "ﾀ6/3ﾀ=2", "+ﾀ6/3ﾀ=+2", "2", "+2"},
    {-5, 1, 1, -1, -5, 1, "ﾀ-5/1ﾀ", "-5", "-5", "ﾀ-5/1ﾀ=-5", "ﾀ-5/1ﾀ=-5", "-5", "-5"},
    {5, -1, 1, -1, -5, 1, "ﾀ5/-1ﾀ", "-5", "-5", "ﾀ5/-1ﾀ=-5", "ﾀ5/-1ﾀ=-5", "-5", "-5"},
    {0, 4, 1, 1, 0, 1, "ﾀ0/4ﾀ", "0", "+0", "ﾀ0/4ﾀ=0", "+ﾀ0/4ﾀ=+0", "0", "+0"},
    {12, 18, 2, 1, 2, 3, "ﾀ12/18ﾀ", "ﾀ2/3ﾀ", "+ﾀ2/3ﾀ", "ﾀ12/18ﾀ=ﾀ2/3ﾀ", "+ﾀ12/18ﾀ=+ﾀ2/3ﾀ", "2/3", "+2/3"},
    // a zero denominator has no value: the equations show the fraction alone
    {5, 0, 0, 1, 5, 0, "ﾀ5/0ﾀ", "", "", "ﾀ5/0ﾀ", "+ﾀ5/0ﾀ", "", ""},
    {-5, 0, 0, 1, -5, 0, "ﾀ-5/0ﾀ", "", "", "ﾀ-5/0ﾀ", "+ﾀ-5/0ﾀ", "", ""},
};

TEST_F(Fractions, FractionTextReducesAndWritesTheFraction) {
    for (const auto& c : kFractionCases) {
        SCOPED_TRACE(testing::Message() << c.ds << "/" << c.db);
        kit.A2_S = kit.A21_S = "stale";
        kit.DS = c.ds;
        kit.DB = c.db;
        kit.FRACTION_TEXT();
        EXPECT_EQ(kit.YAK, c.yak);
        EXPECT_EQ(kit.YAK1, c.yak1);
        EXPECT_EQ(kit.DS, c.out_ds);
        EXPECT_EQ(kit.DB, c.out_db);
        EXPECT_EQ(kit.E1, c.out_ds);
        EXPECT_EQ(kit.E2, c.out_db);
        EXPECT_EQ(kit.DS1, c.ds);
        EXPECT_EQ(kit.DB1, c.db);
        EXPECT_EQ(kit.DS1_S, basic::STR_S(c.ds).substr(c.ds < 0 ? 0 : 1));
        EXPECT_EQ(kit.DA1_S, basic::STR_S(c.db).substr(c.db < 0 ? 0 : 1));
        EXPECT_EQ(kit.FDS1_S, c.yak1 == 1 ? "+" : "");
        EXPECT_EQ(kit.A1_S, sj(c.a1));
        EXPECT_EQ(kit.A2_S, sj(c.a2));
        EXPECT_EQ(kit.A21_S, sj(c.a21));
        EXPECT_EQ(kit.A3_S, sj(c.a3));
        EXPECT_EQ(kit.A31_S, sj(c.a31));
        EXPECT_EQ(kit.TKAI1_S, sj(c.tkai1));
        EXPECT_EQ(kit.TKAI2_S, sj(c.tkai2));
        EXPECT_EQ(kit.A_S, kit.TKAI2_S);
    }
}

TEST_F(Fractions, FractionTextCallsGcdOnlyWhenItReduces) {
    kit.DS = 6;
    kit.DB = 8;
    kit.FRACTION_TEXT();
    EXPECT_EQ(kit.X3, 2);
    EXPECT_EQ(kit.X4, 24);
    EXPECT_EQ(kit.DS_S, "3");
    EXPECT_EQ(kit.DB_S, "4");

    // a denominator of 1 (or 0) takes no common divisor
    kit.X1 = kit.X2 = kit.X3 = kit.X4 = 99;
    for (float db : {1.0f, 0.0f}) {
        kit.DS = -5;
        kit.DB = db;
        kit.FRACTION_TEXT();
        EXPECT_EQ(kit.X1, 99);
        EXPECT_EQ(kit.X2, 99);
        EXPECT_EQ(kit.X3, 99);
        EXPECT_EQ(kit.X4, 99);
    }
}

TEST_F(Fractions, GcdAndLcmByEuclid) {
    struct Case {
        float ds, db, gcd, lcm;
    } cases[] = {
        {12, 18, 6, 36}, {18, 12, 6, 36}, {7, 5, 1, 35}, {9, 9, 9, 9}, {0, 4, 4, 0}, {4, 0, 4, 0},
        {0, 0, 0, 0},  // no divisor to divide by: no NaN, no error
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ds << ", " << c.db);
        kit.DS = c.ds;
        kit.DB = c.db;
        kit.GCD_LCM();
        EXPECT_EQ(kit.X3, c.gcd);
        EXPECT_EQ(kit.X4, c.lcm);
        EXPECT_EQ(kit.X1, c.gcd);
        EXPECT_EQ(kit.X2, 0);
        EXPECT_EQ(kit.LB8, c.ds * c.db);
        EXPECT_EQ(kit.DS, c.ds);
        EXPECT_EQ(kit.DB, c.db);
    }
}

struct SumCase {
    float dsm1, dbm1, dsm2, dbm2;
    float db, ds1, ds2, ds4;
    const char *a1, *a11, *a2, *a21, *a3, *a4, *a41, *a5, *b3, *b4, *ds1_s, *ds2_s, *ds3_s;
};

const SumCase kSumCases[] = {
    {1, 4, 1, 6, 12, 3, 2, 5, "ﾀ3/12ﾀ", "+ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "ﾀ3+2/12ﾀ", "ﾀ5/12ﾀ", "+ﾀ5/12ﾀ",
     "ﾀ3/12ﾀ+ﾀ2/12ﾀ", "ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "3", "+2", "unset"},
    {-1, 4, 1, 6, 12, -3, 2, -1, "-ﾀ3/12ﾀ", "-ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "ﾀ-3+2/12ﾀ", "-ﾀ1/12ﾀ", "-ﾀ1/12ﾀ",
     "-ﾀ3/12ﾀ+ﾀ2/12ﾀ", "ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "-3", "+2", "3"},
    {1, -4, 1, 6, 12, -3, 2, -1, "-ﾀ3/12ﾀ", "-ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "ﾀ-3+2/12ﾀ", "-ﾀ1/12ﾀ", "-ﾀ1/12ﾀ",
     "-ﾀ3/12ﾀ+ﾀ2/12ﾀ", "ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "-3", "+2", "3"},
    {2, 1, 1, 3, 3, 6, 1, 7, "ﾀ6/3ﾀ", "+ﾀ6/3ﾀ", "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ6+1/3ﾀ", "ﾀ7/3ﾀ", "+ﾀ7/3ﾀ",
     "ﾀ6/3ﾀ+ﾀ1/3ﾀ", "ﾀ6/3ﾀ", "ﾀ1/3ﾀ", "6", "+1", "unset"},
    {1, 3, 2, 1, 3, 1, 6, 7, "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ6/3ﾀ", "+ﾀ6/3ﾀ", "ﾀ1+6/3ﾀ", "ﾀ7/3ﾀ", "+ﾀ7/3ﾀ",
     "ﾀ1/3ﾀ+ﾀ6/3ﾀ", "ﾀ1/3ﾀ", "ﾀ6/3ﾀ", "1", "+6", "unset"},
    {2, 1, -3, 1, 1, 2, -3, -1, "ﾀ2/1ﾀ", "+ﾀ2/1ﾀ", "-ﾀ3/1ﾀ", "-ﾀ3/1ﾀ", "ﾀ2-3/1ﾀ", "-ﾀ1/1ﾀ", "-ﾀ1/1ﾀ",
     "ﾀ2/1ﾀ-ﾀ3/1ﾀ", "ﾀ2/1ﾀ", "ﾀ3/1ﾀ", "2", "-3", "unset"},
    // the sum is not reduced
    {1, 2, 1, 2, 2, 1, 1, 2, "ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "ﾀ1+1/2ﾀ", "ﾀ2/2ﾀ", "+ﾀ2/2ﾀ",
     "ﾀ1/2ﾀ+ﾀ1/2ﾀ", "ﾀ1/2ﾀ", "ﾀ1/2ﾀ", "1", "+1", "unset"},
    // a numerator of 0 is written with "-", but with "+" in DS2$
    {5, 6, -5, 6, 6, 5, -5, 0, "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ", "-ﾀ5/6ﾀ", "-ﾀ5/6ﾀ", "ﾀ5-5/6ﾀ", "-ﾀ0/6ﾀ", "-ﾀ0/6ﾀ",
     "ﾀ5/6ﾀ-ﾀ5/6ﾀ", "ﾀ5/6ﾀ", "ﾀ5/6ﾀ", "5", "-5", "unset"},
    {1, 6, 0, 4, 12, 2, 0, 2, "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "-ﾀ0/12ﾀ", "-ﾀ0/12ﾀ", "ﾀ2+0/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ",
     "ﾀ2/12ﾀ-ﾀ0/12ﾀ", "ﾀ2/12ﾀ", "ﾀ0/12ﾀ", "2", "+0", "unset"},
    // denominators that stay negative are made positive: -1/-4 is 1/4,
    // 0/-4 is 0/4 and 1/-1 is -1/1
    {-1, -4, 1, 6, 12, 3, 2, 5, "ﾀ3/12ﾀ", "+ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "ﾀ3+2/12ﾀ", "ﾀ5/12ﾀ", "+ﾀ5/12ﾀ",
     "ﾀ3/12ﾀ+ﾀ2/12ﾀ", "ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "3", "+2", "unset"},
    {0, -4, 1, 6, 12, 0, 2, 2, "-ﾀ0/12ﾀ", "-ﾀ0/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "ﾀ0+2/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ",
     "-ﾀ0/12ﾀ+ﾀ2/12ﾀ", "ﾀ0/12ﾀ", "ﾀ2/12ﾀ", "0", "+2", "unset"},
    {1, 3, 1, -1, 3, 1, -3, -2, "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "-ﾀ3/3ﾀ", "-ﾀ3/3ﾀ", "ﾀ1-3/3ﾀ", "-ﾀ2/3ﾀ", "-ﾀ2/3ﾀ",
     "ﾀ1/3ﾀ-ﾀ3/3ﾀ", "ﾀ1/3ﾀ", "ﾀ3/3ﾀ", "1", "-3", "unset"},
    // a zero denominator has no sum
    {1, 0, 1, 6, 0, 0, 0, 0, "", "", "", "", "", "", "", "", "", "", "", "", ""},
    {1, 4, 1, 0, 0, 0, 0, 0, "", "", "", "", "", "", "", "", "", "", "", "", ""},
};

TEST_F(Fractions, FractionSumOverTheCommonDenominator) {
    for (const auto& c : kSumCases) {
        SCOPED_TRACE(testing::Message() << c.dsm1 << "/" << c.dbm1 << " + " << c.dsm2 << "/" << c.dbm2);
        kit.DS3_S = "unset";
        kit.X3 = kit.X4 = 0;  // a stale divisor must not be used
        kit.DSM1 = c.dsm1;
        kit.DBM1 = c.dbm1;
        kit.DSM2 = c.dsm2;
        kit.DBM2 = c.dbm2;
        kit.FRACTION_SUM_TEXT();
        EXPECT_EQ(kit.DB, c.db);
        EXPECT_EQ(kit.DS1, c.ds1);
        EXPECT_EQ(kit.DS2, c.ds2);
        EXPECT_EQ(kit.DS4, c.ds4);
        EXPECT_EQ(kit.A1_S, sj(c.a1));
        EXPECT_EQ(kit.A11_S, sj(c.a11));
        EXPECT_EQ(kit.A2_S, sj(c.a2));
        EXPECT_EQ(kit.A21_S, sj(c.a21));
        EXPECT_EQ(kit.A3_S, sj(c.a3));
        EXPECT_EQ(kit.A4_S, sj(c.a4));
        EXPECT_EQ(kit.A41_S, sj(c.a41));
        EXPECT_EQ(kit.A5_S, sj(c.a5));
        EXPECT_EQ(kit.B3_S, sj(c.b3));
        EXPECT_EQ(kit.B4_S, sj(c.b4));
        EXPECT_EQ(kit.DS1_S, c.ds1_s);
        EXPECT_EQ(kit.DS2_S, c.ds2_s);
        if (c.db != 0) {
            EXPECT_EQ(kit.DS3_S, c.ds3_s);
        }
        EXPECT_EQ(kit.A_S, kit.DS4_S);
    }
}

TEST_F(Fractions, FractionSumMovesTheSignToTheNumerator) {
    kit.DSM1 = 1;
    kit.DBM1 = -4;
    kit.DSM2 = -1;
    kit.DBM2 = 6;
    kit.FRACTION_SUM_TEXT();
    EXPECT_EQ(kit.DSM1, -1);
    EXPECT_EQ(kit.DBM1, 4);
    EXPECT_EQ(kit.DSM2, -1);
    EXPECT_EQ(kit.DBM2, 6);
    EXPECT_EQ(kit.DB, 12);
    EXPECT_EQ(kit.DS4, -5);
    EXPECT_EQ(kit.DS4_S, "5");
}

TEST_F(Fractions, StripMarkupRemovesTheFourMarks) {
    struct Case {
        const char *in, *out;
    } cases[] = {
        {"-ﾀ3/4ﾀ", "-3/4"},
        {"+ﾀ6/8ﾀ=+ﾀ3/4ﾀ", "+6/8+3/4"},
        {"x^2", "x2"},
        {"2!3ﾝ", "2!3"},
        {"abc", "abc"},
        {"", ""},
        {"^ﾝﾀ=", ""},
        // double-byte characters whose second byte is a mark stay whole:
        // タ is 83 5E ("^"), ぢ 82 C0 ("ﾀ"), み 82 DD ("ﾝ")
        {"タぢみ", "タぢみ"},
        {"ﾀタ^2/みﾀ=ぢ", "タ2/みぢ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        kit.A_S = sj(c.in);
        kit.STRIP_MARKUP();
        EXPECT_EQ(kit.A_S, sj(c.out));
    }
}

TEST_F(Fractions, ReseedTakesHoursMinutesAndSeconds) {
    rt.clock = [] { return std::string("23:59:59"); };
    kit.RESEED_RANDOM();
    EXPECT_EQ(kit.A, 141);
    const float first = rt.rnd();

    // the same clock gives the same sequence
    rt.clock = [] { return std::string("23:59:59"); };
    kit.RESEED_RANDOM();
    EXPECT_EQ(rt.rnd(), first);

    rt.clock = [] { return std::string("00:00:07"); };
    kit.RESEED_RANDOM();
    EXPECT_EQ(kit.A, 7);
}

}  // namespace
