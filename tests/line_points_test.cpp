// A point of a line at a given x or y, and one point of a span arc.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

struct LinePointsTest : harness::KitFixture, ::testing::Test {};

TEST_F(LinePointsTest, PointOnLine) {
    constexpr float kOld = 9;  // X1, Y1 before the call
    struct Case {
        const char* name;
        float ax, ay, bx, by, cx, cy;
        float x1, y1;
    } cases[] = {
        {"at a height", 100, 100, 300, 200, -1, 150, 200, 150},
        {"at an x", 100, 100, 300, 200, 250, -1, 250, 175},
        {"both asked: the x wins", 100, 100, 300, 200, -1, -1, -1, 49.5f},
        {"nothing asked", 100, 100, 300, 200, 20, 30, kOld, kOld},
        {"upright line at a height", 120, 50, 120, 400, -1, 150, 120, 150},
        {"level line at an x", 50, 300, 400, 300, 250, -1, 250, 300},
        {"upright line at an x", 120, 50, 120, 400, 120, -1, 120, 50},
        {"level line at a height", 50, 300, 400, 300, -1, 300, 50, 300},
        {"upright line, nothing asked", 120, 50, 120, 400, 20, 30, kOld, kOld},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        kit.X1 = kit.Y1 = kOld;
        kit.A = kit.B = 0;
        kit.AX = c.ax, kit.AY = c.ay, kit.BX = c.bx, kit.BY = c.by, kit.CX = c.cx, kit.CY = c.cy;
        kit.POINT_ON_LINE();
        EXPECT_NEAR(kit.X1, c.x1, 1e-4);
        EXPECT_NEAR(kit.Y1, c.y1, 1e-4);
        const bool oblique = c.ax != c.bx && c.ay != c.by;
        EXPECT_EQ(kit.A, oblique ? 0.5f : 0);
        EXPECT_EQ(kit.B, oblique ? 50 : 0);
    }
}

TEST_F(LinePointsTest, SpanArcPoint) {
    struct Case {
        float x0, y0, x1, y1, takasa, degrees;
        float zx, zy;
    } cases[] = {
        {100, 200, 300, 200, 40, 90, 200, 160},   // the top, above the segment
        {100, 200, 300, 200, 40, 0, 300, 200},    // the second end
        {100, 200, 300, 200, 40, 180, 100, 200},  // the first end
        {100, 200, 300, 200, 40, 270, 200, 240},  // the other side
        {100, 300, 100, 100, 40, 90, 60, 200},    // upwards: bulges to the left
        {150, 150, 150, 150, 40, 90, 150, 150},   // no length: the first end
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.x0 << "," << c.y0 << ")-(" << c.x1 << "," << c.y1 << ") at "
                                        << c.degrees);
        kit.ZX0 = c.x0, kit.ZY0 = c.y0, kit.ZX1 = c.x1, kit.ZY1 = c.y1, kit.TAKASA = c.takasa,
        kit.KAKUDO = c.degrees;
        kit.SPAN_ARC_POINT();
        EXPECT_NEAR(kit.ZX, c.zx, 1e-3);
        EXPECT_NEAR(kit.ZY, c.zy, 1e-3);
        EXPECT_EQ(kit.TAKASA, c.takasa);
    }
    EXPECT_TRUE(rt.trace().empty());
}

}  // namespace
