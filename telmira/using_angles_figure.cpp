// The circle of section 3's screens: O with the chord ends A and B, and P
// (and Q) on the circle, placed from directions in degrees.
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

void Telmira::draw_circle_and_chords() {
    rt.disc(X_A(11), Y_A(11), 3, 0, 0);
    rt.circle(X_A(11), Y_A(11), R1, 0);
    rt.segment(X_A(12), Y_A(12), X_A(15), Y_A(15), 0);
    rt.segment(X_A(13), Y_A(13), X_A(15), Y_A(15), 0);
    rt.segment(X_A(12), Y_A(12), X_A(11), Y_A(11), 0);
    rt.segment(X_A(13), Y_A(13), X_A(11), Y_A(11), 0);
    label_point(12, 13, 11, "A"_sj);
    label_point(13, 11, 12, "B"_sj);
}
