// Section 7, choice 2: triangle ABC on the diameter BC of a circle that is
// not drawn, its altitudes BD and CE crossing at F, and why A, E, F, D and
// B, C, D, E each lie on one circle. Colour 3 belongs to A, E, F, D and
// colour 5 to B, C, D, E.
#include "telmira.h"

namespace {

struct PointLabel {
    float point;
    const char* name;
    float dx, dy;  // top left of the name from the point
};

const PointLabel kLabels[] = {
    {1, "A", -16, -46}, {2, "B", -40, 4}, {3, "C", 10, 4},
    {4, "D", 4, -45},   {5, "E", -20, -50}, {6, "F", -16, 6},
};

}  // namespace

void Telmira::P176_ANSWERS_PAGE2() {
    // 1. The figure.
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    p176_heading("2"_sj);

    SIZE = 30;
    GGX = 750;
    GGY = 350;
    YOKO = 10;
    TATE = 10;
    CCC2 = 15;
    DRAW_GRID();
    X_A(0) = GX0 + 5 * SIZE;
    Y_A(0) = GY0 - 5 * SIZE;
    R1 = 6 * SIZE;
    DHRB = 180 * PI / 180;
    place_on_circle(2, DHRB, 0);
    DHRC = 0 * PI / 180;
    place_on_circle(3, DHRC, 0);
    DHRD = 45 * PI / 180;
    place_on_circle(4, DHRD, 0);
    DHRE = 120 * PI / 180;
    place_on_circle(5, DHRE, 0);

    // A where BE meets CD, F where BD meets CE.
    AX = X_A(2), AY = Y_A(2), BX = X_A(5), BY = Y_A(5);
    CX = X_A(3), CY = Y_A(3), DX = X_A(4), DY = Y_A(4);
    INTERSECT_LINES();
    X_A(1) = AX2;
    Y_A(1) = AY2;
    AX = X_A(2), AY = Y_A(2), BX = X_A(4), BY = Y_A(4);
    CX = X_A(3), CY = Y_A(3), DX = X_A(5), DY = Y_A(5);
    INTERSECT_LINES();
    X_A(6) = AX2;
    Y_A(6) = AY2;

    rt.set_line_width(5);

    CCC1 = 0;
    for (const PointLabel& label : kLabels) {
        X = X_A(label.point) + label.dx;
        Y = Y_A(label.point) + label.dy;
        AA_S = cp932::from_utf8(label.name);
        DRAW_TEXT();
    }

    p176_segment(2, 1, 0);
    p176_segment(2, 3, 0);
    p176_segment(2, 4, 0);
    p176_segment(3, 1, 0);
    p176_segment(3, 5, 0);

    p176_right_angle(4, 2, 3, -1, 5);
    p176_right_angle(5, 2, 3, -1, 5);

    WAIT_ANY_KEY();

    // 2. AF, at right angles to BC, with its right angles at D and E.
    p176_segment(1, 6, 3);
    p176_right_angle(4, 1, 6, -1, 3);
    p176_right_angle(5, 1, 6, 1, 3);

    WAIT_ANY_KEY();

    // 3. A, E, F, D on the circle with diameter AF.
    XI1 = 80;
    YI1 = 30;
    paragraph_text(XI1, YI1 + 70, 3, "点A,E,F,D"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠AEF=∠ADF=90° だから"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "4点A,E,F,DはAFを直径とする円周上にある"_sj);

    WAIT_ANY_KEY();

    // 4. BC, the diameter of the circle through B, C, D, E.
    p176_segment(2, 3, 5);

    WAIT_ANY_KEY();

    // 5. Why B, C, D, E lie on one circle.
    paragraph_text(XI1, YI1 + 70, 5, "点B,C,D,E"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "2点D,Eは直線BCの同じ側にあって、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠BDC=∠BEC=90°だから"_sj);
}
