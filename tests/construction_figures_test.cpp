// The figures of Orvane's constructions section: the points each figure
// routine leaves, the same on every call whatever the arrays held before.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "harness.h"
#include "orvane.h"

namespace {

using Fixture = harness::StartedProgram<Orvane>;

struct Expected {
    float point, x, y, tolerance;
};

struct Figure {
    const char* name;
    std::function<void(Orvane&)> make;
    std::vector<Expected> points;
};

const std::vector<Figure>& figures() {
    static const std::vector<Figure> all = {
        {"ship chart",
         [](Orvane& o) { o.DRAW_SHIP_FIGURE(); },
         {{1, 810, 235, 0.01f},     {2, 880, 130, 0.01f},     {3, 1030, 265, 0.01f}, {4, 865, 475, 0.01f},
          {24, 900, 337.5f, 0.01f}, {27, 865, 450, 0.01f},   {30, 815, 480, 0.01f}, {32, 685, 375, 0.01f},
          {0, 845, 182.5f, 0.01f},  {5, 953.09f, 254.56f, 0.02f}, {6, 947.5f, 370, 0.01f},
          {7, 823.98f, 319.27f, 0.02f}}},
        {"tangent figure",
         [](Orvane& o) { o.TANGENT_FIGURE(); },
         {{0, 900, 240, 0.01f},
          {1, 1080, 240, 0.01f},
          {2, 720, 240, 0.01f},
          {3, 1038.96f, 127.24f, 0.02f},
          {4, 1038.96f, 352.76f, 0.02f},
          {5, 1102.75f, 104.68f, 0.02f},
          {6, 1102.75f, 375.32f, 0.02f},
          {11, 900, 150, 0.01f},
          {12, 900, 330, 0.01f},
          {13, 900, 135, 0.01f},
          {14, 900, 345, 0.01f}}},
        {"question 1 figure",
         [](Orvane& o) {
             o.GGX = 720, o.GGY = 50, o.YOKO = 7, o.TATE = 7, o.SIZE = 70, o.CCC2 = 15;
             o.DRAW_GRID();
             o.ARC30_POINTS();
         },
         {{1, 790, 155, 0.01f},
          {2, 1000, 85, 0.01f},
          {0, 895, 120, 0.01f},
          {5, 952.5f, 292.5f, 0.1f},
          {4, 1315, 283.33f, 0.01f},
          {12, 1268.5f, 143.9f, 0.1f},
          {6, 1221.8f, 236.9f, 0.1f},
          {8, 1160.5f, 321.2f, 0.1f}}},
        {"circumscribed quadrilateral",
         [](Orvane& o) { o.TANGENT_QUAD_FIGURE(); },
         {{0, 1005, 345, 0.01f},
          {1, 861, 165, 0.01f},
          {3, 1230, 525, 0.01f},
          {5, 1005, 165, 0.01f},
          {7, 1005, 525, 0.01f},
          {6, 829.39f, 305.49f, 0.02f},
          {8, 1180.61f, 305.49f, 0.02f}}},
    };
    return all;
}

TEST(ConstructionFigures, PointsAreTheSameOnEveryCall) {
    for (const Figure& f : figures()) {
        SCOPED_TRACE(f.name);
        Fixture fx;
        Orvane& o = fx.kit;
        for (int visit = 0; visit < 2; ++visit) {
            SCOPED_TRACE(visit);
            // What another screen may have left in the shared points and scratch.
            for (int k = 0; k <= 40; ++k) o.X_A(k) = o.Y_A(k) = 3 * k + 1;
            o.HHP = o.A = o.B = o.C = 7;
            f.make(o);
            for (const Expected& e : f.points) {
                SCOPED_TRACE(e.point);
                EXPECT_NEAR(o.X_A(e.point), e.x, e.tolerance);
                EXPECT_NEAR(o.Y_A(e.point), e.y, e.tolerance);
            }
        }
    }
}

// The circles that the ship and question 1 pages draw pass through the points
// the pages name, and the ship's right angle is exact.
TEST(ConstructionFigures, RadiiAndAngles) {
    Fixture fx;
    Orvane& o = fx.kit;
    o.DRAW_SHIP_FIGURE();
    auto dist = [&](float p, float q) { return std::hypot(o.X_A(p) - o.X_A(q), o.Y_A(p) - o.Y_A(q)); };
    EXPECT_NEAR(o.R2, 144.42f, 0.01);
    EXPECT_NEAR(o.R3, 133.53f, 0.01);
    EXPECT_NEAR(dist(5, 2), o.R2, 0.01);  // circle O through B
    EXPECT_NEAR(dist(7, 5), o.R2, 0.01);  // and through P
    EXPECT_NEAR(dist(7, 6), o.R3, 0.01);
    EXPECT_NEAR(o.R1, 139.75f, 0.01);  // the bay
    const float ux = o.X_A(3) - o.X_A(7), uy = o.Y_A(3) - o.Y_A(7);
    const float vx = o.X_A(4) - o.X_A(7), vy = o.Y_A(4) - o.Y_A(7);
    EXPECT_NEAR((ux * vx + uy * vy) / (std::hypot(ux, uy) * std::hypot(vx, vy)), 0, 1e-4);

    // P in the sea: below the sea's upper edge from point 22 to point 23.
    const float t = (o.X_A(7) - o.X_A(22)) / (o.X_A(23) - o.X_A(22));
    EXPECT_GT(o.Y_A(7), o.Y_A(22) + t * (o.Y_A(23) - o.Y_A(22)));
}

}  // namespace
