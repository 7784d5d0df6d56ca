// What the screens of section 4 share: their figure frame, the circle with
// the equal arcs AB and CD, the arc signs of their texts, and the names and
// marks at the figure's points.
#include <cmath>

#include "telmira.h"

void Telmira::arcs_frame(float ggx, float ggy) {
    GGX = ggx;
    GGY = ggy;
    YOKO = 16;
    TATE = 16;
    SIZE = 30;
    CCC2 = 15;
    DRAW_GRID();
    X_A(1) = GX0 + SIZE * 8;
    Y_A(1) = GY0 - SIZE * 8;
    R1 = SIZE * 7;
}

void Telmira::draw_equal_arcs_circle() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    arcs_frame(720, 90);

    // Arcs AB and CD of 40 degrees each, P above AB's side, Q above CD's.
    DHRA = 200 * PI / 180;
    DHRB = 240 * PI / 180;
    DHRP = 110 * PI / 180;
    DHRC = 290 * PI / 180;
    DHRD = 330 * PI / 180;
    DHRQ = 70 * PI / 180;
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    place_on_circle(4, DHRP);
    place_on_circle(5, DHRC);
    place_on_circle(6, DHRD);
    place_on_circle(7, DHRQ);

    rt.set_line_width(5);
    rt.disc(X_A(1), Y_A(1), 3, 0, 0);
    rt.circle(X_A(1), Y_A(1), R1, 0);
    // Arc ranges run clockwise: 240 to 200 degrees, 330 to 290 degrees.
    rt.arc(X_A(1), Y_A(1), R1, 5, 1.0f / 3, 4.0f / 9);
    rt.arc(X_A(1), Y_A(1), R1, 5, 1.0f / 12, 7.0f / 36);
}

void Telmira::mark_equal_arcs() {
    // The strokes go across the segment from 30 units beyond A to B, whose
    // middle lies just outside the arc, so they cross the arc itself.
    AX = X_A(1) + (R1 + SIZE) * std::cos(DHRA);
    AY = Y_A(1) - (R1 + SIZE) * std::sin(DHRA);
    BX = X_A(3);
    BY = Y_A(3);
    AIDA = 8;
    NAGASA = 20;
    CCC2 = 5;
    HONSU = 2;
    DRAW_EQUAL_MARKS();

    AX = X_A(1) + (R1 + SIZE) * std::cos(DHRC);
    AY = Y_A(1) - (R1 + SIZE) * std::sin(DHRC);
    BX = X_A(6);
    BY = Y_A(6);
    AIDA = 8;
    NAGASA = 20;
    CCC2 = 5;
    HONSU = 2;
    DRAW_EQUAL_MARKS();
}

void Telmira::arc_sign(float c) {
    ZX0 = XI2;
    ZY0 = YI1;
    ZX1 = XI2 + 54;
    ZY1 = YI1;
    HOUKOU = -1;
    HABA = 1;
    TAKASA = -10;
    CCC2 = c;
    AAA_S = "";
    DRAW_SPAN_ARC();
}

void Telmira::arc_equality(float c) {
    rt.set_line_width(3);
    arc_sign(c);
    paragraph_text(XI2, YI1, c, "AB="_sj);
    arc_sign(c);
    paragraph_text(XI2, YI1, c, "CD"_sj);
}

void Telmira::name_at(float vertex, float first, float second, const std::string& name, float distance, float side,
                      float c) {
    set_angle_points(vertex, first, second);
    CCC1 = c;
    NAGASA = distance;
    ITI = side;
    AAA_S = name;
    LABEL_ANGLE();
}

void Telmira::mark_angle(float vertex, float first, float second, float side, float honsu, float nagasa, float c2,
                         float c3) {
    set_angle_points(vertex, first, second);
    CCC2 = c2;
    CCC3 = c3;
    NAGASA = nagasa;
    HONSU = honsu;
    ITI = side;
    AAA_S = "";
    DRAW_ANGLE_MARK();
}
