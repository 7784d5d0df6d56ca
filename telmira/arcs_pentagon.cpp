// Choice ⑤ of section 4, problem 4 of page 172: in the regular pentagon
// ABCDE on circle O the diagonals AC and BE meet at F. Equal arcs give equal
// inscribed angles, so triangle FAB is isosceles (blanks ① to ③); then
// ∠BFC = 36° + 36° = 72°, each value also written into the figure.
// Points: O 1, A 2, B 3, C 4, D 5, E 6, F 7.
#include <cmath>

#include "telmira.h"

void Telmira::ARCS_PROBLEM4_PENTAGON() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 3, "<問4 証明>"_sj);

    // A at the top, B to E counter-clockwise, 72 degrees apart.
    arcs_frame(756, 120);
    R2 = 72;
    DHRA = 90 * PI / 180;
    DHRB = (90 + R2) * PI / 180;
    DHRC = (90 + 2 * R2) * PI / 180;
    DHRD = (90 + 3 * R2) * PI / 180;
    DHRE = (90 + 4 * R2) * PI / 180;
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    place_on_circle(4, DHRC);
    place_on_circle(5, DHRD);
    place_on_circle(6, DHRE);
    // F, where AC meets BE.
    AX = X_A(2);
    AY = Y_A(2);
    BX = X_A(4);
    BY = Y_A(4);
    CX = X_A(3);
    CY = Y_A(3);
    DX = X_A(6);
    DY = Y_A(6);
    INTERSECT_LINES();
    X_A(7) = AX2;
    Y_A(7) = AY2;

    rt.set_line_width(5);
    rt.circle(X_A(1), Y_A(1), R1, 0);
    for (float k = 1; k <= 5; k = k + 1) {
        G_A(k, 1) = X_A(k + 1);
        G_A(k, 2) = Y_A(k + 1);
    }
    KAKU = 5;
    SIZE1 = 5;
    CCC2 = 0;
    CCC1 = 0;
    NAGASA = 10;
    AAA_S = "A"_sj;
    DRAW_POLYGON();
    rt.segment(X_A(2), Y_A(2), X_A(4), Y_A(4), 0);
    rt.segment(X_A(3), Y_A(3), X_A(6), Y_A(6), 0);
    name_at(7, 6, 4, "F"_sj, 10, -1, 0);

    // One tick on each of the five equal arcs, 32 degrees past its vertex.
    WAIT_ANY_KEY();
    for (float k = 2; k <= 6; k = k + 1) {
        const float degrees = 90 + (k - 2) * R2 + 32;
        T_A(k) = degrees * PI / 180;
        rt.segment(X_A(1) + (R1 - 10) * std::cos(T_A(k)), Y_A(1) - (R1 - 10) * std::sin(T_A(k)),
                   X_A(1) + (R1 + 10) * std::cos(T_A(k)), Y_A(1) - (R1 + 10) * std::sin(T_A(k)), 5);
    }

    // The base angles BAC and ABE.
    WAIT_ANY_KEY();
    mark_angle(2, 4, 3, -1, 0, 50, 0, 3);
    mark_angle(3, 2, 6, -1, 0, 50, 0, 3);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 50, 0, "正五角形だから、"_sj);
    rt.set_line_width(3);
    arc_sign(3);
    paragraph_text(XI2, YI1, 3, "ABから"_sj);
    arc_sign(3);
    paragraph_text(XI2, YI1, 3, "EAまですべて等しい。"_sj);
    proof_cell_style();
    paragraph_text(XI1, YI1 + 60, 0, "1つの円で、"_sj);
    proof_blank(1, 396, "①"_sj);
    paragraph_text(XI2 + 10, YI1, 0, "は等しいので"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠BAC="_sj);
    proof_blank(2, 144, "②"_sj);
    // A line that starts with its blank.
    YI1 = YI1 + 60;
    XI2 = XI1;
    proof_blank(3, 144, "③"_sj);
    paragraph_text(XI2 + 10, YI1, 0, "が等しいから、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "△FABは二等辺三角形である。"_sj);

    WAIT_ANY_KEY();
    proof_answer(1, 396, "等しい弧に対する円周角"_sj);

    WAIT_ANY_KEY();
    proof_answer(2, 144, "∠ABE"_sj);

    WAIT_ANY_KEY();
    proof_answer(3, 144, "2つの角"_sj);

    // The second part, on the same page.
    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 3, "<問4 ∠BFC>"_sj);

    // The angle BFC, the centre and the radii OA, OE.
    WAIT_ANY_KEY();
    rt.set_line_width(5);
    mark_angle(7, 4, 3, -1, 2, 50, 0, 3);
    rt.disc(X_A(1), Y_A(1), 3, 0, 0);
    name_at(1, 3, 4, "O"_sj, 10, 1, 0);
    rt.segment(X_A(2), Y_A(2), X_A(1), Y_A(1), 3);
    rt.segment(X_A(6), Y_A(6), X_A(1), Y_A(1), 3);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "∠AOE=360°/5="_sj);
    paragraph_text(XI2, YI1, 5, "72°"_sj);
    set_angle_points(1, 2, 6);
    ITI = -1;
    HONSU = 1;
    NAGASA = 50;
    CCC2 = 0;
    CCC3 = 3;
    CCC1 = 5;
    AAA_S = "72°"_sj;
    DRAW_ANGLE_MARK();

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "∠ABF=72°/2="_sj);
    paragraph_text(XI2, YI1, 5, "36°"_sj);
    name_at(3, 2, 6, "36°"_sj, 50, -1, 5);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "∠BFC=36°+36°="_sj);
    paragraph_text(XI2, YI1, 5, "72°"_sj);
    name_at(7, 3, 4, "72°"_sj, 50, 1, 5);
}
