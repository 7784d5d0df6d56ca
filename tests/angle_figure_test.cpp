// Section 1's interactive figure: its set-up, the clamps and cases of the
// angle values, the drawing by case, and the switch screens' entries.
#include <gtest/gtest.h>

#include <cmath>

#include "harness.h"
#include "telmira.h"

namespace {

using platform::DrawOp;
using platform::OpKind;

struct TelmiraFixture : harness::StartedProgram<Telmira>, ::testing::Test {
    Telmira& t = kit;
    int count(OpKind kind, int color) const {
        int n = 0;
        for (const DrawOp& op : rt.trace()) n += op.kind == kind && op.color == color;
        return n;
    }
};

TEST_F(TelmiraFixture, SetUpPlacesTheStartingFigure) {
    t.SETUP_ANGLE_FIGURE();
    struct {
        int point;
        float x, y;
    } const points[] = {{1, 784, 350}, {2, 650.30f, 509.34f}, {3, 888.00f, 530.13f},
                        {4, 603.87f, 246.00f}, {5, 603.87f, 246.00f}, {6, 974, 90}};
    for (const auto& p : points) {
        EXPECT_NEAR(t.X_A(p.point), p.x, 0.01) << "point " << p.point;
        EXPECT_NEAR(t.Y_A(p.point), p.y, 0.01) << "point " << p.point;
    }
    EXPECT_EQ(t.GX1, 544);
    EXPECT_EQ(t.GY1, 150);
    EXPECT_EQ(t.GX2, 1064);
    EXPECT_EQ(t.GY2, 590);
    EXPECT_EQ(t.R1, 208);
    EXPECT_EQ(t.DHB, 70);
    EXPECT_EQ(t.DHP, 280);
    EXPECT_EQ(t.HH_A(5), 35);
    EXPECT_EQ(t.HH_A(3), 70);
    EXPECT_EQ(rt.line_width(), 5);
    EXPECT_TRUE(rt.trace().empty());
}

TEST_F(TelmiraFixture, AngleValuesClampAndFollowWhereP_Lies) {
    struct Case {
        float dhb, dhp;          // before
        float dhb_after, dhp_after;
        float apb, aob;          // HH(5), HH(3)
    } const cases[] = {
        {70, 280, 70, 280, 35, 70},     // outside the arc AB
        {70, 60, 70, 60, 145, 290},     // inside it: AOB on the other arc
        {70, 70, 70, 70, 0, 70},        // P on B
        {70, 0, 70, 0, 0, 70},          // P on A
        {70, 360, 70, 360, 0, 70},      // P on A from the other side
        {70, 370, 70, 360, 0, 70},      // clamped to 360
        {70, -10, 70, 0, 0, 70},        // clamped to 0
        {180, 90, 180, 90, 90, 180},    // AB a diameter
        {180, 270, 180, 270, 90, 180},
        {0, 10, 0, 10, 0, 0},           // B on A
        {0, 350, 0, 350, 0, 0},
        {360, 10, 360, 10, 0, 0},       // B on A from the other side
        {360, 0, 360, 0, 0, 360},
        {370, 100, 360, 100, 0, 0},     // clamped to 360
        {-10, 100, 0, 100, 0, 0},       // clamped to 0
        {290, 280, 290, 280, 35, 70},   // B past P
        {280, 280, 280, 280, 0, 280},   // B on P
    };
    for (const Case& c : cases) {
        t.DHB = c.dhb;
        t.DHP = c.dhp;
        t.UPDATE_ANGLE_VALUES();
        SCOPED_TRACE(testing::Message() << "DHB " << c.dhb << " DHP " << c.dhp);
        EXPECT_EQ(t.DHB, c.dhb_after);
        EXPECT_EQ(t.DHP, c.dhp_after);
        EXPECT_EQ(t.HH_A(5), c.apb);
        EXPECT_EQ(t.HH_A(3), c.aob);
    }
    EXPECT_TRUE(rt.trace().empty());
}

TEST_F(TelmiraFixture, FigureIsMarkedByCase) {
    struct Case {
        float dhb, dhp;
        int p_marks, o_marks;  // arcs in colour 5 and 3 (the radii are colour-3 segments)
    } const cases[] = {
        {70, 280, 1, 1},  // P outside the arc AB: O's arc spans 70 degrees
        {70, 60, 1, 1},   // P inside: O's arc spans the other 290 degrees
        {70, 70, 0, 0},   // P on B: labels only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "DHB " << c.dhb << " DHP " << c.dhp);
        t.SETUP_ANGLE_FIGURE();
        t.DHB = c.dhb;
        t.DHP = c.dhp;
        t.UPDATE_ANGLE_VALUES();
        rt.clear_trace();
        t.REDRAW_ANGLE_FIGURE();
        EXPECT_EQ(count(OpKind::Arc, 5), c.p_marks);
        EXPECT_EQ(count(OpKind::Arc, 3), c.o_marks);
        for (const DrawOp& op : rt.trace()) {
            if (op.kind != OpKind::Arc || op.color != 3) continue;
            EXPECT_EQ(op.v[2], 32);
            float span = op.v[4] - op.v[3];
            if (span < 0) span += 1;
            EXPECT_NEAR(span * 360, t.HH_A(3), 0.05);
        }
        EXPECT_EQ(rt.line_width(), 5);
    }
}

TEST_F(TelmiraFixture, ValueLinesAndDiameterFollowTheSwitches) {
    struct Case {
        const char* kaku1;
        const char* kaku2;
        const char* tkei;
        int cleared_lines;  // 320 by 50 boxes in colour 15
        int diameters;      // colour-7 segments
    } const cases[] = {
        {"", "", "", 2, 0},
        {"on", "", "", 1, 0},
        {"", "on", "on", 1, 1},
        {"on", "on", "on", 0, 1},
        {"On", "yes", "1", 2, 0},  // only "on" switches a thing on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kaku1 << "/" << c.kaku2 << "/" << c.tkei);
        t.SETUP_ANGLE_FIGURE();
        t.KAKU1_S = c.kaku1;
        t.KAKU2_S = c.kaku2;
        t.TKEI_S = c.tkei;
        rt.clear_trace();
        t.REDRAW_ANGLE_FIGURE();
        int cleared = 0;
        for (const DrawOp& op : rt.trace())
            cleared += op.kind == OpKind::FillBox && op.color == 15 && op.v[0] == 974 && op.v[2] == 974 + 320 &&
                       op.v[3] - op.v[1] == 50;
        EXPECT_EQ(cleared, c.cleared_lines);
        int diameters = 0;
        for (const DrawOp& op : rt.trace()) {
            if (op.kind != OpKind::Segment || op.color != 7) continue;
            ++diameters;
            EXPECT_NEAR(op.v[0], 603.87f, 0.01);  // from P
            EXPECT_NEAR(op.v[2], 964.13f, 0.01);  // to the opposite point K
            EXPECT_NEAR(op.v[3], 454.00f, 0.01);
        }
        EXPECT_EQ(diameters, c.diameters);
    }
}

// The switch screens read the typed text, not its value.
TEST_F(TelmiraFixture, AngleValueSwitchComparesTheExactText) {
    struct Case {
        const char* typed;
        const char* kaku1_before;
        const char* kaku2_before;
        const char* kaku1_after;
        const char* kaku2_after;
    } const cases[] = {
        {"1", "", "on", "on", "on"},  {"2", "on", "", "on", "on"},   {"-1", "on", "on", "", "on"},
        {"-2", "on", "on", "on", ""}, {"-3", "on", "on", "", ""},    {"5", "on", "on", "", ""},
        {"0", "on", "", "", ""},      {"", "", "on", "", ""},        {"01", "", "", "", ""},
        {"1.0", "", "on", "", ""},    {"2/2", "on", "on", "", ""},   {"-", "on", "on", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "typed \"" << c.typed << "\"");
        t.SETUP_ANGLE_FIGURE();
        t.KAKU1_S = c.kaku1_before;
        t.KAKU2_S = c.kaku2_before;
        rt.push_keys(std::string(c.typed) + "\r\r");  // the entry, then Enter in the key loop
        t.ANGLE_VALUE_SWITCH();
        EXPECT_EQ(t.KAKU1_S, c.kaku1_after);
        EXPECT_EQ(t.KAKU2_S, c.kaku2_after);
    }
}

TEST_F(TelmiraFixture, DiameterSwitchIsOnOnlyForTheText1) {
    struct Case {
        const char* typed;
        const char* after;
    } const cases[] = {{"1", "on"}, {"-1", ""}, {"0", ""}, {"2", ""}, {"1.0", ""}, {"", ""}, {"01", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "typed \"" << c.typed << "\"");
        t.SETUP_ANGLE_FIGURE();
        t.TKEI_S = "on";
        rt.push_keys(std::string(c.typed) + "\r\r");
        rt.clear_trace();
        t.DIAMETER_SWITCH();
        EXPECT_EQ(t.TKEI_S, c.after);
        // Switched off, the figure area is wiped before the figure is drawn.
        int wipes = 0;
        for (const DrawOp& op : rt.trace())
            wipes += op.kind == OpKind::FillBox && op.v == std::vector<float>{544, 90, 1364, 640};
        EXPECT_EQ(wipes, t.TKEI_S.empty() ? 1 : 0);
    }
}

}  // namespace

namespace {

std::string times(const char* key, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += key;
    return s;
}

TEST_F(TelmiraFixture, ArrowKeysMovePAndBWithinTheirRange) {
    struct Case {
        std::string keys;  // before the closing Enter
        float dhp, dhb;
    } const cases[] = {
        {"", 280, 70},
        {"x5 ", 280, 70},                  // no arrow: nothing moves
        {"\x1c", 270, 70},                 // code 28: P back towards A
        {"\x1d", 290, 70},                 // code 29: P on towards A from the other side
        {"\x1e", 280, 60},                 // code 30: the arc AB shortens
        {"\x1f", 280, 80},                 // code 31: it lengthens
        {times("\x1c", 21), 70, 70},       // P onto B
        {times("\x1c", 30), 0, 70},        // P onto A and held there
        {times("\x1d", 9), 360, 70},       // onto A from the other side and held
        {times("\x1e", 9), 280, 0},        // B onto A and held
        {times("\x1f", 30), 280, 360},     // B all the way round and held
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.keys.size() << " keys, first code "
                                        << (c.keys.empty() ? 0 : static_cast<int>(c.keys[0])));
        t.SETUP_ANGLE_FIGURE();
        rt.push_keys(c.keys + "\r");
        rt.clear_trace();
        t.MOVE_POINTS_KEYS();
        EXPECT_EQ(t.DHP, c.dhp);
        EXPECT_EQ(t.DHB, c.dhb);
        // One prompt box a key, Enter's included.
        int prompts = 0;
        for (const DrawOp& op : rt.trace())
            prompts += op.kind == OpKind::FillBox && op.v == std::vector<float>{16, 657, 496, 693};
        EXPECT_EQ(prompts, static_cast<int>(c.keys.size()) + 1);
        EXPECT_EQ(rt.line_width(), 5);
        EXPECT_EQ(t.CCC1, 0);
    }
}

}  // namespace
