// Ray directions, arm directions and arc ranges, and the size of an angle.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

constexpr float kPi = 3.14159f;

struct DirectionsTest : harness::KitFixture, ::testing::Test {};

TEST_F(DirectionsTest, RayDirectionInEveryQuadrantAndOnTheAxes) {
    // From (100, 100); y grows downwards on the screen.
    struct Case {
        float x1, y1, degrees;
    } cases[] = {
        {150, 100, 0},   {150, 50, 45},   {100, 50, 90},   {50, 50, 135},  {50, 100, 180},
        {50, 150, 225},  {100, 150, 270}, {150, 150, 315}, {100, 100, 180},  // the same point
        {186.60254f, 50, 30},  // 30 degrees: dx = 86.6, dy = -50
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "towards (" << c.x1 << "," << c.y1 << ")");
        kit.ZX0 = 100, kit.ZY0 = 100, kit.ZX1 = c.x1, kit.ZY1 = c.y1;
        kit.DIRECTION_ANGLE();
        EXPECT_FLOAT_EQ(kit.PI, kPi);
        EXPECT_NEAR(kit.HHP, c.degrees * kPi / 180, 2e-5);
        EXPECT_NEAR(kit.HH, c.degrees, 1e-3);
        EXPECT_EQ(kit.ZX1, c.x1);  // inputs untouched
    }
}

TEST_F(DirectionsTest, NearlyLevelRayWhoseSlopeOverflowsIsNoError) {
    // dx/dy is far beyond the largest number: the ray is all but level.
    struct Case {
        float dy, degrees;
    } cases[] = {{1e-39f, 360}, {-1e-39f, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "dy " << c.dy);
        kit.ZX0 = 0, kit.ZY0 = 0, kit.ZX1 = 100, kit.ZY1 = c.dy;
        kit.DIRECTION_ANGLE();
        EXPECT_NEAR(kit.HH, c.degrees, 1e-3);
    }
}

TEST_F(DirectionsTest, ArmsGiveArcRangeFractionsAndTheBisector) {
    // Vertex (400, 300); arm points by direction.
    struct Case {
        float x1, y1, x2, y2, iti;
        float hh3, hh4, hh1, hh2, hh5;  // degrees for the directions
    } cases[] = {
        // right and up, not exchanged: the quarter sweep, bisector 45
        {500, 300, 400, 200, 0, 0, 90, 1, 0.75f, 45},
        {500, 300, 400, 200, 1, 0, 90, 1, 0.75f, 45},
        {500, 300, 400, 200, -2, 0, 90, 1, 0.75f, 45},
        // exchanged: the 270-degree sweep, bisector down-left
        {500, 300, 400, 200, -1, 90, 0, 0.75f, 1, 225},
        // left and down: third quadrant sweep
        {300, 300, 400, 400, 0, 180, 270, 0.5f, 0.25f, 225},
        // down and up-right: sweep through 0
        {400, 400, 500, 200, 0, 270, 45, 0.25f, 0.875f, 337.5f},
        // up-left and down-left
        {300, 200, 300, 400, 0, 135, 225, 0.625f, 0.375f, 180},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "arms (" << c.x1 << "," << c.y1 << ") (" << c.x2 << "," << c.y2
                                        << ") ITI " << c.iti);
        kit.ZX0 = 400, kit.ZY0 = 300, kit.ZX1 = c.x1, kit.ZY1 = c.y1, kit.ZX2 = c.x2, kit.ZY2 = c.y2;
        kit.ITI = c.iti;
        kit.ANGLE_ARMS();
        EXPECT_NEAR(kit.HH3, c.hh3 * kPi / 180, 2e-5);
        EXPECT_NEAR(kit.HH4, c.hh4 * kPi / 180, 2e-5);
        EXPECT_NEAR(kit.HH1, c.hh1, 1e-6);
        EXPECT_NEAR(kit.HH2, c.hh2, 1e-6);
        EXPECT_NEAR(std::fmod(kit.HH5, 2 * kPi), c.hh5 * kPi / 180, 2e-5);
        EXPECT_EQ(kit.ITI, c.iti);  // not reset
    }
}

TEST_F(DirectionsTest, BisectorOfASweepThroughZeroIsNotBroughtBack) {
    // First arm at 350 degrees, second at 10: the mean plus PI, 2·PI.
    kit.ZX0 = 0, kit.ZY0 = 500;
    kit.ZX1 = 100 * std::cos(350 * kPi / 180), kit.ZY1 = 500 - 100 * std::sin(350 * kPi / 180);
    kit.ZX2 = 100 * std::cos(10 * kPi / 180), kit.ZY2 = 500 - 100 * std::sin(10 * kPi / 180);
    kit.ITI = 0;
    kit.ANGLE_ARMS();
    EXPECT_NEAR(kit.HH5, 2 * kPi, 1e-4);
    EXPECT_NEAR(kit.HHP, 10 * kPi / 180, 1e-5);  // towards the second arm point
}

TEST_F(DirectionsTest, AngleSizeText) {
    struct Case {
        float first, second;  // arm directions in degrees
        const char* text;
    } cases[] = {
        {30, 30, "0"}, {350, 10, "20"}, {10, 350, "340"}, {0, 90, "90"}, {90, 0, "270"}, {0, 18.43495f, "18.4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << " to " << c.second);
        kit.ZX0 = 500, kit.ZY0 = 500, kit.ITI = 0;
        kit.ZX1 = 500 + 300 * std::cos(c.first * kPi / 180), kit.ZY1 = 500 - 300 * std::sin(c.first * kPi / 180);
        kit.ZX2 = 500 + 300 * std::cos(c.second * kPi / 180), kit.ZY2 = 500 - 300 * std::sin(c.second * kPi / 180);
        kit.ANGLE_SIZE_TEXT();
        EXPECT_EQ(kit.KAKUDO_S, c.text);
        EXPECT_EQ(kit.A_S, kit.KAKUDO_S);
        EXPECT_NEAR(kit.HH, std::fmod(c.second - c.first + 360, 360), 1e-3);
    }
}

}  // namespace
