// The random problems of section 3: the practice problems of all eight
// types and the worked example, their angles, texts and answers, checked
// against the figure their directions give.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>
#include <string>

#include "harness.h"
#include "telmira.h"

namespace {

using Started = harness::StartedProgram<Telmira>;

std::string utf8(const std::string& sjis) { return cp932::to_utf8(sjis); }
std::string degrees(float v) { return std::to_string(static_cast<int>(v)) + "°"; }

// A point on the unit circle at a direction in degrees, counter-clockwise.
struct Pt {
    double x, y;
};
Pt on_circle(float deg) { return {std::cos(deg * std::numbers::pi / 180), std::sin(deg * std::numbers::pi / 180)}; }

// The angle at `v` between the rays to `a` and `b`, in degrees (0 to 180).
double angle_at(Pt v, Pt a, Pt b) {
    double ax = a.x - v.x, ay = a.y - v.y, bx = b.x - v.x, by = b.y - v.y;
    return std::acos((ax * bx + ay * by) / std::hypot(ax, ay) / std::hypot(bx, by)) * 180 / std::numbers::pi;
}

// The counter-clockwise sweep from direction `from` to direction `to`, in
// degrees above 0 and below 360: the central angle the mark at O covers.
double sweep(double from, double to) {
    double d = std::fmod(to - from, 360.0);
    return d <= 0 ? d + 360 : d;
}

// Whether direction `d` lies strictly inside the sweep from `from` to `to`.
bool inside_sweep(double d, double from, double to) { return sweep(from, d) < sweep(from, to); }

// What each practice type gives and asks: the labels at P, O and Q and the
// answer, as "x", "given" (the inscribed angle), "central" or "" (no label).
struct PracticeType {
    int no;
    const char *at_p, *at_o, *at_q, *answer;
    int low, high;  // the inscribed angle APB
    bool with_q;
};

const PracticeType kTypes[] = {
    {1, "x", "central", nullptr, "given", 40, 69, false},
    {2, "given", "x", nullptr, "central", 40, 69, false},
    {3, "x", "", "given", "given", 40, 69, true},
    {4, "given", "", "x", "given", 40, 69, true},
    {5, "x", "central", nullptr, "given", 40, 69, false},
    {6, "given", "x", nullptr, "central", 40, 69, false},
    {7, "x", "central", nullptr, "given", 130, 159, false},
    {8, "given", "x", nullptr, "central", 130, 159, false},
};

std::string expected_label(const char* what, const Telmira& t) {
    const std::string w = what;
    if (w == "given") return degrees(t.T_A(1));
    if (w == "central") return degrees(t.T_A(2));
    return w;
}

// One generated practice problem against its type and against the figure:
// the angles measured at P, Q and O are the ones the labels and the answer
// name.
void check_practice(const Telmira& t, const PracticeType& type) {
    const float a = t.T_A(1);
    ASSERT_EQ(a, std::floor(a));
    ASSERT_GE(a, type.low);
    ASSERT_LE(a, type.high);
    ASSERT_EQ(t.T_A(2), 2 * a);
    ASSERT_EQ(t.T_A(11), 200);

    const Pt A = on_circle(t.T_A(11)), B = on_circle(t.T_A(12)), P = on_circle(t.T_A(13));
    const Pt O{0, 0};
    EXPECT_NEAR(angle_at(P, A, B), a, 1e-3);
    // The mark at O covers the sweep from A to B, away from P.
    EXPECT_NEAR(sweep(t.T_A(11), t.T_A(12)), t.T_A(2), 1e-3);
    EXPECT_FALSE(inside_sweep(t.T_A(13), t.T_A(11), t.T_A(12)));
    if (t.T_A(2) < 180) {
        EXPECT_NEAR(angle_at(O, A, B), t.T_A(2), 1e-3);
    }
    if (type.with_q) {
        const Pt Q = on_circle(t.T_A(14));
        EXPECT_NEAR(angle_at(Q, A, B), a, 1e-3);
        EXPECT_FALSE(inside_sweep(t.T_A(14), t.T_A(11), t.T_A(12)));
        // P and Q apart from each other and from A and B.
        EXPECT_GT(std::hypot(P.x - Q.x, P.y - Q.y), 0.1);
        EXPECT_GT(std::hypot(B.x - Q.x, B.y - Q.y), 0.1);
    }
    EXPECT_GT(std::hypot(P.x - A.x, P.y - A.y), 0.1);
    EXPECT_GT(std::hypot(P.x - B.x, P.y - B.y), 0.1);

    EXPECT_EQ(utf8(t.T_S_A(1)), degrees(a));
    EXPECT_EQ(utf8(t.T_S_A(2)), degrees(2 * a));
    EXPECT_EQ(utf8(t.F_S_A(1)), expected_label(type.at_p, t));
    EXPECT_EQ(utf8(t.F_S_A(2)), expected_label(type.at_o, t));
    if (type.at_q) {
        EXPECT_EQ(utf8(t.F_S_A(3)), expected_label(type.at_q, t));
    }
    EXPECT_EQ(utf8(t.F_S_A(4)), expected_label(type.answer, t));
}

TEST(PracticeProblems, EveryTypeOverEverySeedTheClockCanGive) {
    Started s;
    Telmira& t = s.kit;
    std::set<int> acute, obtuse;
    // Hours, minutes and seconds added: 0 to 141.
    for (int seed = 0; seed <= 141; ++seed) {
        s.rt.randomize(seed);
        for (int round = 0; round < 4; ++round)
            for (const PracticeType& type : kTypes) {
                SCOPED_TRACE("seed " + std::to_string(seed) + " type " + std::to_string(type.no));
                t.NO = static_cast<float>(type.no);
                t.make_practice_problem();
                check_practice(t, type);
                if (testing::Test::HasFatalFailure()) return;
                (type.no <= 6 ? acute : obtuse).insert(static_cast<int>(t.T_A(1)));
            }
    }
    // Every whole number of the range comes.
    EXPECT_EQ(acute.size(), 30u);
    EXPECT_EQ(obtuse.size(), 30u);
}

// With the clock at 10:20:30 the first eight problems of a stay, one of each
// type in turn.
TEST(PracticeProblems, FixedSeedGivesTheseProblems) {
    struct Case {
        float apb, p, q;  // q only for the types with Q
        const char *at_p, *at_o, *at_q, *answer;
    } const cases[] = {
        {49, 429, 0, "x", "98°", nullptr, "49°"},
        {63, 443, 0, "63°", "x", nullptr, "126°"},
        {45, 155, 335, "x", "", "45°", "45°"},
        {61, 139, 383, "61°", "", "x", "61°"},
        {49, 175.5f, 0, "x", "98°", nullptr, "49°"},
        {58, 171, 0, "58°", "x", nullptr, "116°"},
        {149, 169, 0, "x", "298°", nullptr, "149°"},
        {152, 172, 0, "152°", "x", nullptr, "304°"},
    };
    Started s;
    Telmira& t = s.kit;
    t.NO = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(static_cast<int>(t.NO)));
        t.make_practice_problem();
        EXPECT_EQ(t.T_A(1), c.apb);
        EXPECT_EQ(t.T_A(13), c.p);
        if (c.at_q) {
            EXPECT_EQ(t.T_A(14), c.q);
            EXPECT_EQ(utf8(t.F_S_A(3)), c.at_q);
        }
        EXPECT_EQ(utf8(t.F_S_A(1)), c.at_p);
        EXPECT_EQ(utf8(t.F_S_A(2)), c.at_o);
        EXPECT_EQ(utf8(t.F_S_A(4)), c.answer);
        t.NO = t.NO + 1;
    }
}

// The worked example against its figure: x is the central angle on Q's
// side, y the reflex one on P's, z the angle at Q.
void check_example(const Telmira& t) {
    const float a = t.T_A(1);
    ASSERT_EQ(a, std::floor(a));
    ASSERT_GE(a, 40);
    ASSERT_LE(a, 69);
    const Pt A = on_circle(t.T_A(11)), B = on_circle(t.T_A(12)), P = on_circle(t.T_A(13)),
             Q = on_circle(t.T_A(14));
    EXPECT_NEAR(angle_at(P, A, B), a, 1e-3);
    EXPECT_TRUE(inside_sweep(t.T_A(14), t.T_A(11), t.T_A(12)));
    EXPECT_FALSE(inside_sweep(t.T_A(13), t.T_A(11), t.T_A(12)));
    EXPECT_NEAR(sweep(t.T_A(11), t.T_A(12)), t.T_A(2), 1e-3);
    EXPECT_NEAR(sweep(t.T_A(12), t.T_A(11)), t.T_A(3), 1e-3);
    EXPECT_NEAR(angle_at(Q, A, B), t.T_A(4), 1e-3);
    EXPECT_EQ(t.T_A(1) + t.T_A(4), 180);
    // P on the upper right, Q on the lower arc.
    EXPECT_GT(P.x, 0);
    EXPECT_GT(P.y, 0);
    EXPECT_LT(Q.y, 0);
    for (float k = 1; k <= 4; k = k + 1) EXPECT_EQ(utf8(t.T_S_A(k)), degrees(t.T_A(k)));
}

TEST(RandomExample, OverEverySeedTheClockCanGive) {
    Started s;
    Telmira& t = s.kit;
    std::set<int> seen;
    for (int seed = 0; seed <= 141; ++seed) {
        s.rt.randomize(seed);
        for (int pass = 0; pass < 8; ++pass) {
            SCOPED_TRACE("seed " + std::to_string(seed));
            t.make_random_example();
            check_example(t);
            if (testing::Test::HasFatalFailure()) return;
            seen.insert(static_cast<int>(t.T_A(1)));
        }
    }
    EXPECT_EQ(seen.size(), 30u);
}

TEST(RandomExample, AnswersOfTheSmallestTheLargestAndAFixedSeed) {
    struct Case {
        const char* what;
        float given;  // 0: as the seed gives it
        const char *x, *y, *z;
        float b, p, q;  // directions of B, P and Q
    } const cases[] = {
        {"smallest", 40, "80°", "280°", "140°", 280, 420, 240},
        {"largest", 69, "138°", "222°", "111°", 338, 449, 269},
        {"the clock at 10:20:30", 0, "98°", "262°", "131°", 298, 429, 249},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Started s;
        Telmira& t = s.kit;
        if (c.given != 0) {
            // the random number that gives this angle
            s.rt.randomize(0);
            for (int i = 0; i < 1000 && t.T_A(1) != c.given; ++i) t.make_random_example();
            ASSERT_EQ(t.T_A(1), c.given);
        } else {
            t.make_random_example();
        }
        EXPECT_EQ(utf8(t.T_S_A(2)), c.x);
        EXPECT_EQ(utf8(t.T_S_A(3)), c.y);
        EXPECT_EQ(utf8(t.T_S_A(4)), c.z);
        EXPECT_EQ(t.T_A(11), 200);
        EXPECT_EQ(t.T_A(12), c.b);
        EXPECT_EQ(t.T_A(13), c.p);
        EXPECT_EQ(t.T_A(14), c.q);
    }
}

}  // namespace
