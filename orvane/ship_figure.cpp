// The chart of the bay in the textbook's ship problem: land, sea, island,
// cape and the four landmarks, and the ship P where the circle seeing AB
// under "30 degrees" meets the circle on CD as diameter.
#include <initializer_list>
#include <vector>

#include "orvane.h"

void Orvane::SHIP_FIGURE_POINTS() {
    // The landmarks and the corners of the shapes, in grid units.
    const float dx = 5.3f, dy = 1.5f;  // D, which the island surrounds
    const float cape_x = 1;
    grid_point(1, 4.2f, 6.3f);
    grid_point(2, 5.6f, 8.4f);
    grid_point(3, 8.6f, 5.7f);
    grid_point(4, dx, dy);
    grid_point(21, 0, 5);
    grid_point(22, 3.5f, 5.5f);
    grid_point(23, 8.5f, 3);
    grid_point(24, (3.5f + 8.5f) / 2, (5.5f + 3) / 2);
    grid_point(25, 6.5f, 0);
    grid_point(26, 0, 0);
    grid_point(27, dx, dy + 0.5f);
    grid_point(28, dx + 0.5f, dy);
    grid_point(29, dx - 0.5f, dy - 0.5f);
    grid_point(30, dx - 1, dy - 0.1f);
    grid_point(31, cape_x, 4.5f);
    grid_point(32, cape_x + 0.7f, 3.5f);
    grid_point(33, 0, 2);
    grid_point(34, 0, 3.5f);

    // O: a fixed distance (the height of an equilateral triangle of side 3)
    // from the midpoint of AB, on the side where C and D lie.
    X_A(0) = (X_A(1) + X_A(2)) / 2;
    Y_A(0) = (Y_A(1) + Y_A(2)) / 2;
    direction_between(0, 1);
    B = 3 * basic::SQR(3) / 2;
    C = 90;
    turned_point(5, 0, B, C);
    R2 = point_distance(5, 1);

    // O', the midpoint of CD: every point of its circle sees CD at a right angle.
    X_A(6) = (X_A(3) + X_A(4)) / 2;
    Y_A(6) = (Y_A(3) + Y_A(4)) / 2;
    R3 = point_distance(6, 3);

    // The ship is the common point of the two circles that lies in the sea.
    X1 = X_A(5);
    Y1 = Y_A(5);
    RR1 = R2;
    X2 = X_A(6);
    Y2 = Y_A(6);
    RR2 = R3;
    RADICAL_AXIS();
    CIRCLE_LINE_POINTS();
    X_A(7) = X4;
    Y_A(7) = Y4;
}

void Orvane::DRAW_SHIP_FIGURE() {
    GGX = 600;
    GGY = 50;
    YOKO = 12;
    TATE = 10;
    CCC2 = 3;
    SIZE = 50;
    DRAW_GRID();
    SHIP_FIGURE_POINTS();

    // The land, painted over the grid.
    rt.fill_box(GX1, GY1, GX2, GY2, 0, 13);

    // The bay: the half disc over the chord from point 22 to point 23 on
    // the side of A and B.
    R1 = point_distance(24, 23);
    set_angle_points(24, 22, 23);
    ITI = 1;
    ANGLE_ARMS();
    if (HH2 < 0) HH2 = HH2 + 1;
    if (HH1 > 1) HH1 = HH1 - 1;
    rt.sector(X_A(24), Y_A(24), R1, 11, 11, HH1, HH2);

    auto outline = [this](std::initializer_list<int> points) {
        std::vector<float> xy;
        for (int k : points) {
            xy.push_back(X_A(k));
            xy.push_back(Y_A(k));
        }
        return xy;
    };
    rt.polygon(outline({21, 22, 23, 25, 26, 21}), 11, 11);  // the sea
    rt.polygon(outline({27, 28, 29, 30, 27}), 13, 13);      // the island
    rt.polygon(outline({31, 32, 33, 34, 31}), 13, 13);      // the cape
    rt.box(GX1, GY1, GX2, GY2, 0);

    struct Landmark {
        float point;
        const char* name;
        float dx, dy;
    };
    static const Landmark landmarks[] = {
        {1, "A", -36, -25},
        {2, "B", -14, -50},
        {3, "C", -14, -50},
        {4, "D", -14, 8},
    };
    for (const Landmark& l : landmarks) {
        point_dot(l.point, 6, 0);
        figure_text(X_A(l.point) + l.dx, Y_A(l.point) + l.dy, 0, cp932::from_utf8(l.name));
    }
}
