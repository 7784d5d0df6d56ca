// The interactive figure of section 1: circle O with the fixed point A, the
// point B that sets the arc AB and the point P, the marks of the angles APB
// and AOB, and the switched value lines and diameter. The figure is drawn
// anew from its state each time.
#include "telmira.h"

void Telmira::SETUP_ANGLE_FIGURE() {
    GGX = 544;
    GGY = 150;
    YOKO = 26;
    TATE = 22;
    CCC2 = 15;
    SIZE = 20;
    DRAW_GRID();
    rt.set_line_width(5);

    // O and the anchor of the value lines, from grid units to the screen.
    X_A(1) = 12;
    Y_A(1) = 12;
    X_A(6) = 20;
    Y_A(6) = 24;
    for (float i : {1.0f, 6.0f}) {
        X_A(i) = GX0 + SIZE * X_A(i);
        Y_A(i) = GY0 - SIZE * Y_A(i);
    }

    R1 = 208;
    DH = 10;
    DHP = 280;
    DHB = 70;
    DHRA = 230 * PI / 180;
    DHRB = (230 + DHB) * PI / 180;
    DHRQ = 150 * PI / 180;
    DHRP = (230 + DHP) * PI / 180;
    // A, B, Q (never drawn: it places the labels of A and B) and P.
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    place_on_circle(4, DHRQ);
    place_on_circle(5, DHRP);

    HH_A(5) = DHB / 2;
    HH_A(3) = DHB;
    X_A(6) = X_A(6) + 30;
    Y_A(6) = Y_A(6) - 20;
    angle_figure_ready = true;
}

void Telmira::UPDATE_ANGLE_VALUES() {
    if (DHB > 360) DHB = 360;
    else if (DHB < 0) DHB = 0;
    HH_A(3) = DHB;
    if (DHP > 360) DHP = 360;
    else if (DHP < 0) DHP = 0;

    if (DHP < 360 && DHP > DHB) {
        // P outside the arc AB.
        HH_A(5) = DHB / 2;
    } else if (DHP < DHB && DHP > 0) {
        // P inside the arc AB: the central angle is on the other arc.
        HH_A(5) = 180 - DHB / 2;
        HH_A(3) = 360 - DHB;
    } else {
        // P on A or on B.
        HH_A(5) = 0;
    }
}

void Telmira::ERASE_ANGLE_FIGURE() { rt.fill_box(GX1, GY1 - 60, GX2 + 300, GY2 + 50, 15, 15); }

namespace {

// The side switches of the marks and labels at P and O, by where P lies.
struct MarkSides {
    bool marks;  // no marks when P is on A or on B
    float mark_p, label_p, mark_o, label_o;
};

const MarkSides kOutsideArc = {true, -1, 1, 1, -1};
const MarkSides kInsideArc = {true, 1, -1, -1, 1};
const MarkSides kOnAOrB = {false, 0, -1, 0, 1};

}  // namespace

void Telmira::REDRAW_ANGLE_FIGURE() {
    rt.set_line_width(5);
    DHRB = (230 + DHB) * PI / 180;
    DHRP = (230 + DHP) * PI / 180;

    rt.disc(X_A(1), Y_A(1), 3, 0, 0);
    rt.circle(X_A(1), Y_A(1), R1, 0);
    place_on_circle(3, DHRB);
    place_on_circle(5, DHRP);
    place_on_circle(7, PI + DHRP);
    rt.disc(X_A(2), Y_A(2), 5, 0, 0);
    rt.disc(X_A(3), Y_A(3), 5, 0, 0);
    rt.disc(X_A(5), Y_A(5), 5, 5, 5);
    rt.segment(X_A(2), Y_A(2), X_A(1), Y_A(1), 3);
    rt.segment(X_A(3), Y_A(3), X_A(1), Y_A(1), 3);
    rt.segment(X_A(2), Y_A(2), X_A(5), Y_A(5), 5);
    rt.segment(X_A(3), Y_A(3), X_A(5), Y_A(5), 5);

    // A and B labelled away from the circle, with Q as the second arm.
    label_point(2, 3, 4, "A"_sj);
    label_point(3, 4, 2, "B"_sj, 16);

    // The angles at P and at O, each labelled opposite its mark.
    const MarkSides& sides = (DHP < 360 && DHP > DHB) ? kOutsideArc
                             : (DHP < DHB && DHP > 0) ? kInsideArc
                                                      : kOnAOrB;
    if (sides.marks) {
        set_angle_points(5, 3, 2);
        CCC2 = 5;
        CCC3 = 5;
        NAGASA = 40;
        HONSU = 1;
        ITI = sides.mark_p;
        AAA_S = "";
        DRAW_ANGLE_MARK();
    }
    set_angle_points(5, 3, 2);
    CCC1 = 5;
    NAGASA = 8;
    ITI = sides.label_p;
    AAA_S = "P"_sj;
    LABEL_ANGLE();
    if (sides.marks) {
        set_angle_points(1, 2, 3);
        CCC2 = 3;
        CCC3 = 3;
        NAGASA = 40;
        HONSU = 1;
        ITI = sides.mark_o;
        AAA_S = "";
        DRAW_ANGLE_MARK();
    }
    set_angle_points(1, 2, 3);
    CCC1 = 0;
    NAGASA = 8;
    ITI = sides.label_o;
    AAA_S = "O"_sj;
    LABEL_ANGLE();

    // The value lines; a line switched off has its place cleared.
    if (KAKU1_S == "on") {
        CCC1 = 0;
        X = X_A(6);
        Y = Y_A(6);
        AA_S = "∠APB="_sj + basic::STR_S(HH_A(5)) + "°"_sj;
        DRAW_TEXT();
    } else {
        rt.fill_box(X_A(6), Y_A(6), X_A(6) + 320, Y_A(6) + 50, 15, 15);
    }
    if (KAKU2_S == "on") {
        CCC1 = 0;
        X = X_A(6);
        Y = Y_A(6) + 50;
        AA_S = "∠AOB="_sj + basic::STR_S(HH_A(3)) + "°"_sj;
        DRAW_TEXT();
    } else {
        rt.fill_box(X_A(6), Y_A(6) + 50, X_A(6) + 320, Y_A(6) + 100, 15, 15);
    }

    if (TKEI_S == "on") rt.segment(X_A(5), Y_A(5), X_A(7), Y_A(7), 7);
}
