// The points of section 3's circle: the chord ends A and B, and P (and Q),
// placed about O from their directions in degrees.
#include "telmira.h"

void Telmira::place_using_angles_points() {
    DHRA = T_A(11) * PI / 180;
    DHRB = T_A(12) * PI / 180;
    DHRP = T_A(13) * PI / 180;
    DHRK = T_A(14) * PI / 180;
    place_on_circle(12, DHRA, 11);
    place_on_circle(13, DHRB, 11);
    place_on_circle(15, DHRP, 11);
    place_on_circle(16, DHRK, 11);
}

void Telmira::start_using_angles_figure(float grid_left) {
    GGX = grid_left;
    GGY = 130;
    YOKO = 16;
    TATE = 16;
    CCC2 = 15;
    SIZE = 30;
    DRAW_GRID();
    X_A(11) = GX0 + SIZE * 8;
    Y_A(11) = GY0 - SIZE * 8;
    rt.set_line_width(5);
    R1 = SIZE * 7;
}

void Telmira::set_using_angles_cells() {
    CCC1 = 5;
    CCC2 = 3;
    CCC3 = 13;
    HABA = 180;
    TATE = 60;
}
