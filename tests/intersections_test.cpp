// Foot of a perpendicular, crossing of two lines, common points of circles.
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <random>
#include <utility>

#include "harness.h"

namespace {

struct IntersectionsTest : harness::KitFixture, ::testing::Test {};

TEST_F(IntersectionsTest, FootOfThePerpendicularAndItsDot) {
    struct Case {
        float ax, ay, bx, by, cx, cy, ex, ey;
        bool general;  // slopes written
    } cases[] = {
        {0, 0, 2, 2, 2, 0, 1, 1, true},
        {3, 0, 3, 10, 10, 7, 3, 7, false},   // upright line
        {0, 5, 20, 5, 10, 7, 10, 5, false},  // level line
        {4, 4, 4, 4, 10, 7, 4, 7, false},    // one point: taken as upright
        {100, 300, 300, 100, 100, 100, 200, 200, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "A (" << c.ax << "," << c.ay << ") B (" << c.bx << "," << c.by << ")");
        rt.clear_trace();
        kit.AA1 = kit.BB1 = kit.AA2 = kit.BB2 = 77;
        kit.AX = c.ax, kit.AY = c.ay, kit.BX = c.bx, kit.BY = c.by, kit.CX = c.cx, kit.CY = c.cy;
        kit.FOOT_OF_PERPENDICULAR();
        EXPECT_NEAR(kit.EX, c.ex, 1e-4);
        EXPECT_NEAR(kit.EY, c.ey, 1e-4);
        if (!c.general) {
            EXPECT_EQ(kit.AA1 + kit.BB1 + kit.AA2 + kit.BB2, 4 * 77);
        }
        ASSERT_EQ(rt.trace().size(), 1u);
        const auto& dot = rt.trace()[0];
        EXPECT_EQ(dot.kind, platform::OpKind::Disc);
        EXPECT_EQ(dot.color, 15);
        EXPECT_EQ(dot.fill, 15);
        EXPECT_EQ(dot.v, (std::vector<float>{kit.EX, kit.EY, 2}));
    }
    // The worked example's slopes.
    kit.AX = 0, kit.AY = 0, kit.BX = 2, kit.BY = 2, kit.CX = 2, kit.CY = 0;
    kit.FOOT_OF_PERPENDICULAR();
    EXPECT_EQ(kit.AA1, 1);
    EXPECT_EQ(kit.BB1, 0);
    EXPECT_EQ(kit.AA2, -1);
    EXPECT_EQ(kit.BB2, 2);
}

TEST_F(IntersectionsTest, CrossingOfTwoLines) {
    constexpr float kOld = -5;  // results before the call
    struct Case {
        const char* name;
        float ax, ay, bx, by, cx, cy, dx, dy;
        bool found;
        float x, y;
    } cases[] = {
        {"oblique", 0, 0, 4, 4, 0, 4, 4, 0, true, 2, 2},
        {"AB upright", 3, 0, 3, 10, 0, 0, 6, 6, true, 3, 3},
        {"AB level, CD upright", 0, 5, 10, 5, 7, 0, 7, 9, true, 7, 5},
        {"AB upright, CD level", 7, 0, 7, 9, 0, 5, 10, 5, true, 7, 5},
        {"A and B one point: level", 2, 6, 2, 6, 0, 0, 3, 3, true, 6, 6},
        {"slope 1000 is not upright", 0, 0, 1, 1000, 0, 500, 10, 500, true, 0.5f, 500},
        {"slope 1000 meets an upright line", 0, 0, 1, 1000, 2, 0, 2, 9, true, 2, 2000},
        {"two upright lines", 1, 0, 1, 9, 4, 0, 4, 9, false, 4, kOld},
        {"two level lines", 0, 1, 9, 1, 0, 4, 9, 4, false, kOld, kOld},
        {"two parallel oblique lines", 0, 0, 2, 1, 0, 3, 2, 4, false, kOld, kOld},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        kit.AX2 = kit.AY2 = kOld;
        kit.AX = c.ax, kit.AY = c.ay, kit.BX = c.bx, kit.BY = c.by;
        kit.CX = c.cx, kit.CY = c.cy, kit.DX = c.dx, kit.DY = c.dy;
        EXPECT_EQ(kit.INTERSECT_LINES(), c.found);
        EXPECT_NEAR(kit.AX2, c.x, 1e-4);
        EXPECT_NEAR(kit.AY2, c.y, 1e-3);
    }
    EXPECT_TRUE(rt.trace().empty());
}

TEST_F(IntersectionsTest, SlopesAndInterceptsAreLeftForTheLessons) {
    kit.AX = 0, kit.AY = 0, kit.BX = 4, kit.BY = 4, kit.CX = 0, kit.CY = 4, kit.DX = 4, kit.DY = 0;
    kit.INTERSECT_LINES();
    EXPECT_EQ(kit.A1, 1);
    EXPECT_EQ(kit.B1, 0);
    EXPECT_EQ(kit.A2, -1);
    EXPECT_EQ(kit.B2, 4);
    // An upright line keeps the marker slope and leaves its intercept alone.
    kit.B1 = 42;
    kit.AX = 3, kit.AY = 0, kit.BX = 3, kit.BY = 10, kit.CX = 0, kit.CY = 0, kit.DX = 6, kit.DY = 6;
    kit.INTERSECT_LINES();
    EXPECT_EQ(kit.A1, 1000);
    EXPECT_EQ(kit.B1, 42);
}

// Common points of two circles by the pair RADICAL_AXIS, CIRCLE_LINE_POINTS.
struct Circles {
    float x1, y1, r1, x2, y2, r2;
};

TEST_F(IntersectionsTest, CommonPointsOfTwoCircles) {
    struct Case {
        const char* name;
        Circles c;
        float x3, y3, x4, y4;
    } cases[] = {
        // Centres level, the second to the right: X3 is the point to the
        // left of that way as seen on screen (above), X4 the one below.
        {"crossing", {100, 100, 50, 160, 100, 50}, 130, 60, 130, 140},
        {"touching", {100, 100, 50, 200, 100, 50}, 150, 100, 150, 100},
        {"line through the first centre", {0, 0, 5, 0, 10, 11.180340f}, 5, 0, -5, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        kit.X1 = c.c.x1, kit.Y1 = c.c.y1, kit.RR1 = c.c.r1, kit.X2 = c.c.x2, kit.Y2 = c.c.y2, kit.RR2 = c.c.r2;
        kit.RADICAL_AXIS();
        kit.CIRCLE_LINE_POINTS();
        EXPECT_NEAR(kit.X3, c.x3, 1e-3);
        EXPECT_NEAR(kit.Y3, c.y3, 1e-3);
        EXPECT_NEAR(kit.X4, c.x4, 1e-3);
        EXPECT_NEAR(kit.Y4, c.y4, 1e-3);
        EXPECT_EQ(kit.X1, c.c.x1);  // inputs untouched
        EXPECT_EQ(kit.RR2, c.c.r2);
    }
}

TEST_F(IntersectionsTest, CirclesThatDoNotMeetLeaveThePointsAlone) {
    const Circles cases[] = {
        {100, 100, 50, 100, 100, 80},  // one centre
        {100, 100, 50, 300, 100, 50},  // apart
        {100, 100, 50, 110, 100, 10},  // one inside the other
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "second centre (" << c.x2 << "," << c.y2 << ") radius " << c.r2);
        kit.X3 = kit.Y3 = kit.X4 = kit.Y4 = -7;
        kit.X1 = c.x1, kit.Y1 = c.y1, kit.RR1 = c.r1, kit.X2 = c.x2, kit.Y2 = c.y2, kit.RR2 = c.r2;
        kit.RADICAL_AXIS();
        kit.CIRCLE_LINE_POINTS();
        EXPECT_EQ(kit.X3, -7);
        EXPECT_EQ(kit.Y3, -7);
        EXPECT_EQ(kit.X4, -7);
        EXPECT_EQ(kit.Y4, -7);
    }
}

// Distance of a point from a circle's line, in double precision.
double off_circle(float px, float py, float cx, float cy, float r) {
    return std::fabs(std::hypot(static_cast<double>(px) - cx, static_cast<double>(py) - cy) - r);
}

TEST_F(IntersectionsTest, CirclesThatMeetOnlyJustKeepTheirPoints) {
    // 294.554010 apart against a radius sum of 294.554029: rounding takes
    // the value under the root below zero.
    kit.X3 = kit.Y3 = kit.X4 = kit.Y4 = -7;
    kit.X1 = 682.512512f, kit.Y1 = 222.513168f, kit.RR1 = 23.5786266f;
    kit.X2 = 388.885254f, kit.Y2 = 245.860504f, kit.RR2 = 270.975403f;
    kit.RADICAL_AXIS();
    kit.CIRCLE_LINE_POINTS();
    // both points are the point of contact
    EXPECT_EQ(kit.X3, kit.X4);
    EXPECT_EQ(kit.Y3, kit.Y4);
    EXPECT_LT(off_circle(kit.X3, kit.Y3, kit.X1, kit.Y1, kit.RR1), 0.01);
    EXPECT_LT(off_circle(kit.X3, kit.Y3, kit.X2, kit.Y2, kit.RR2), 0.01);
}

TEST_F(IntersectionsTest, RandomCirclePairs) {
    // Pairs that cross, that touch within the rounding of their coordinates
    // outside or inside, and that lie clearly apart; radii from 5 to 600,
    // centres on the page, nothing round.
    std::mt19937 random(2024);
    auto uniform = [&](double from, double to) { return from + (to - from) * (random() / 4294967296.0); };
    int met = 0, apart = 0;
    for (int k = 0; k < 20000; ++k) {
        const double r1 = uniform(5, 600), r2 = uniform(5, 600), inner = std::fabs(r1 - r2), outer = r1 + r2;
        const double hair = std::pow(10.0, uniform(-12, -3));
        const double d = k % 5 == 0   ? uniform(inner, outer)
                         : k % 5 == 1 ? outer * (1 - hair)
                         : k % 5 == 2 ? inner * (1 + hair)
                         : k % 5 == 3 ? outer + uniform(0.5, 50)
                                      : inner - uniform(0.5, 50);
        const double turn = uniform(0, 6.283185307179586);
        const float x1 = static_cast<float>(uniform(0, 1440)), y1 = static_cast<float>(uniform(0, 900));
        const Circles c{x1, y1, static_cast<float>(r1), static_cast<float>(x1 + d * std::cos(turn)),
                        static_cast<float>(y1 - d * std::sin(turn)), static_cast<float>(r2)};
        // Where the pair stands, from the coordinates as stored.
        const double gap = std::hypot(static_cast<double>(c.x2) - c.x1, static_cast<double>(c.y2) - c.y1);
        const double in = std::fabs(static_cast<double>(c.r1) - c.r2), out = static_cast<double>(c.r1) + c.r2;
        const bool meet = gap >= in + 1e-9 && gap <= out - 1e-9;
        const bool clearly_apart = gap >= out + 0.5 || gap <= in - 0.5;
        if (!meet && !clearly_apart) continue;

        SCOPED_TRACE(testing::Message() << std::setprecision(9) << "(" << c.x1 << "," << c.y1 << ") r " << c.r1
                                        << ", (" << c.x2 << "," << c.y2 << ") r " << c.r2);
        kit.X3 = kit.Y3 = kit.X4 = kit.Y4 = -7777;
        kit.X1 = c.x1, kit.Y1 = c.y1, kit.RR1 = c.r1, kit.X2 = c.x2, kit.Y2 = c.y2, kit.RR2 = c.r2;
        kit.RADICAL_AXIS();
        kit.CIRCLE_LINE_POINTS();
        if (clearly_apart) {
            ++apart;
            ASSERT_EQ(kit.X3, -7777);
            ASSERT_EQ(kit.Y3, -7777);
            ASSERT_EQ(kit.X4, -7777);
            ASSERT_EQ(kit.Y4, -7777);
            continue;
        }
        ++met;
        for (const auto& [x, y] : {std::pair{kit.X3, kit.Y3}, std::pair{kit.X4, kit.Y4}}) {
            ASSERT_LT(off_circle(x, y, c.x1, c.y1, c.r1), 0.1);
            ASSERT_LT(off_circle(x, y, c.x2, c.y2, c.r2), 0.1);
        }
    }
    EXPECT_GT(met, 10000);
    EXPECT_GT(apart, 6000);
}

// The two construction figures of the application lessons make their points
// this way: A and B on the grid, the centre O 3·√3/2 grid units from AB's
// midpoint a quarter turn counter-clockwise from the way towards A.
struct Pt {
    float x, y;
};

Pt centre_off_chord(harness::Kit& kit, Pt a, Pt b, float b_units) {
    const Pt m{(a.x + b.x) / 2, (a.y + b.y) / 2};
    kit.ZX0 = m.x, kit.ZY0 = m.y, kit.ZX1 = a.x, kit.ZY1 = a.y;
    kit.DIRECTION_ANGLE();
    const float turn = 90 * kit.PI / 180 + kit.HHP;
    return {m.x + kit.SIZE * b_units * std::cos(turn), m.y - kit.SIZE * b_units * std::sin(turn)};
}

Pt grid(const harness::Kit& kit, float x, float y) { return {kit.GX0 + kit.SIZE * x, kit.GY0 - kit.SIZE * y}; }

float dist(Pt p, Pt q) { return std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y)); }

TEST_F(IntersectionsTest, ShipPositionFigure) {
    kit.GGX = 600, kit.GGY = 50, kit.YOKO = 12, kit.TATE = 10, kit.SIZE = 50, kit.CCC2 = 15;
    kit.DRAW_GRID();
    const Pt a = grid(kit, 4.2f, 6.3f), b = grid(kit, 5.6f, 8.4f), c = grid(kit, 8.6f, 5.7f), d = grid(kit, 5.3f, 1.5f);
    const Pt o = centre_off_chord(kit, a, b, 3 * std::sqrt(3.0f) / 2);
    const Pt o2{(c.x + d.x) / 2, (c.y + d.y) / 2};
    kit.X1 = o.x, kit.Y1 = o.y, kit.RR1 = dist(o, a);
    kit.X2 = o2.x, kit.Y2 = o2.y, kit.RR2 = dist(o2, c);
    kit.RADICAL_AXIS();
    EXPECT_NEAR(kit.A, -11.172f, 0.01);
    EXPECT_NEAR(kit.B, 230.884f, 0.01);
    EXPECT_NEAR(kit.C, -6.4508e4f, 1);
    kit.CIRCLE_LINE_POINTS();
    EXPECT_NEAR(kit.D, -16383, 2);  // signed: the centre's side of the line
    EXPECT_NEAR(kit.X4, 823.98f, 0.01);  // the ship, in the sea
    EXPECT_NEAR(kit.Y4, 319.27f, 0.01);
    EXPECT_NEAR(kit.X3, 1075.34f, 0.01);  // on land
    EXPECT_NEAR(kit.Y3, 331.43f, 0.01);
}

TEST_F(IntersectionsTest, ThirtyDegreeArcFigure) {
    kit.GGX = 720, kit.GGY = 50, kit.YOKO = 7, kit.TATE = 7, kit.SIZE = 70, kit.CCC2 = 15;
    kit.DRAW_GRID();
    const Pt a = grid(kit, 1, 5.5f), b = grid(kit, 4, 6.5f), p3 = grid(kit, 6.5f, 3),
             p4 = grid(kit, 8.5f, 3 + 0.666667f);
    const Pt o = centre_off_chord(kit, a, b, 3 * std::sqrt(3.0f) / 2);
    EXPECT_NEAR(o.x, 952.5f, 0.1);
    EXPECT_NEAR(o.y, 292.5f, 0.1);
    kit.ZX0 = p3.x, kit.ZY0 = p3.y, kit.ZX1 = p4.x, kit.ZY1 = p4.y;
    kit.DIRECTION_ANGLE();
    const float turn = 90 * kit.PI / 180 + kit.HHP;
    const Pt p12{p4.x + kit.SIZE * 2.1f * std::cos(turn), p4.y - kit.SIZE * 2.1f * std::sin(turn)};
    const Pt p6{(p3.x + p12.x) / 2, (p3.y + p12.y) / 2};
    kit.X1 = o.x, kit.Y1 = o.y, kit.RR1 = 3 * kit.SIZE;
    kit.X2 = p6.x, kit.Y2 = p6.y, kit.RR2 = dist(p6, p12);
    kit.RADICAL_AXIS();
    kit.CIRCLE_LINE_POINTS();
    EXPECT_NEAR(kit.X4, 1160.5f, 0.1);  // P
    EXPECT_NEAR(kit.Y4, 321.2f, 0.1);
    EXPECT_NEAR(kit.X3, 1132.2f, 0.1);
    EXPECT_NEAR(kit.Y3, 183.8f, 0.1);
}

}  // namespace
