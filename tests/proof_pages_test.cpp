// The proofs' text pages: the figure points they compute, the blank places
// they keep for the answer steps, and what else they leave.
#include <gtest/gtest.h>

#include <vector>

#include "harness.h"
#include "telmira.h"

namespace {

struct Point {
    float index, x, y;
};

struct PageCase {
    const char* what;
    void (Telmira::*page)();
    const char* keys;  // the page's own key waits
    std::vector<Point> points;
    float t[3], f[3];
};

const PageCase kPages[] = {
    {"PB a diameter",
     &Telmira::PROOF_DIAMETER,
     "k",
     {{1, 960, 370}, {2, 825.0f, 530.9f}, {3, 1157.3f, 441.8f}, {5, 762.7f, 298.2f}},
     {229, 229, 229},
     {250, 370, 490}},
    {"O inside",
     &Telmira::PROOF_INSIDE,
     "",
     {{11, 960, 370}, {12, 799.1f, 505.0f}, {13, 1120.9f, 505.0f}, {15, 996.5f, 163.2f}, {16, 923.5f, 576.8f}},
     {225, 201, 422},
     {280, 460, 460}},
    {"O outside",
     &Telmira::PROOF_OUTSIDE,
     "",
     {{11, 960, 370}, {12, 799.1f, 505.0f}, {13, 1120.9f, 505.0f}, {15, 1166.8f, 406.5f}, {16, 753.2f, 333.5f}},
     {225, 201, 422},
     {280, 460, 460}},
};

TEST(ProofPages, PointsBlanksAndWhatThePageLeaves) {
    for (const PageCase& c : kPages) {
        SCOPED_TRACE(c.what);
        harness::StartedProgram<Telmira> started;
        Telmira& t = started.kit;
        // Every element the page does not compute must keep its value.
        for (float i = 0; i <= 40; ++i) {
            t.X_A(i) = 1000 + i;
            t.Y_A(i) = 2000 + i;
        }
        t.DH = t.DHP = t.DHB = 0;
        started.rt.push_keys(c.keys);
        (t.*c.page)();
        EXPECT_EQ(started.rt.keys_read(), static_cast<int>(std::string(c.keys).size()));

        for (float i = 0; i <= 40; ++i) {
            bool computed = false;
            for (const Point& p : c.points)
                if (p.index == i) {
                    computed = true;
                    EXPECT_NEAR(t.X_A(i), p.x, 0.06f) << i;
                    EXPECT_NEAR(t.Y_A(i), p.y, 0.06f) << i;
                }
            if (!computed) {
                EXPECT_EQ(t.X_A(i), 1000 + i) << i;
                EXPECT_EQ(t.Y_A(i), 2000 + i) << i;
            }
        }
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(t.T_A(k + 1), c.t[k]) << k;
            EXPECT_EQ(t.F_A(k + 1), c.f[k]) << k;
        }
        EXPECT_EQ(t.R1, 210);
        EXPECT_EQ(t.DH, 10);
        EXPECT_EQ(t.DHP, 290);
        EXPECT_EQ(t.DHB, 110);
        EXPECT_EQ(started.rt.line_width(), 5);
    }
}

// Each figure shows what its proof proves: the inscribed angle APB is half
// the central angle AOB.
TEST(ProofPages, InscribedAngleIsHalfTheCentralAngle) {
    for (const PageCase& c : kPages) {
        SCOPED_TRACE(c.what);
        harness::StartedProgram<Telmira> started;
        Telmira& t = started.kit;
        started.rt.push_keys(c.keys);
        (t.*c.page)();
        const float o = c.points[0].index, a = c.points[1].index, b = c.points[2].index, p = c.points[3].index;
        auto angle = [&](float vertex, float first, float second) {
            t.set_angle_points(vertex, first, second);
            t.ITI = 0;
            t.ANGLE_SIZE_TEXT();
            return t.HH > 180 ? 360 - t.HH : t.HH;
        };
        EXPECT_NEAR(angle(p, a, b) * 2, angle(o, a, b), 0.05f);
    }
}

}  // namespace
