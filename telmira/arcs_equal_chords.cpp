// Choice ③ of section 4, problem 2 of page 171: in one circle the chords of
// equal arcs are equal. The triangles OAB and OCD are congruent (two sides
// and the angle between); blanks ア to エ are filled one key at a time, then
// the equal inscribed angles give the equal arcs again.
// Points: O 1, A 2, B 3, P 4, C 5, D 6, Q 7.
#include "telmira.h"

void Telmira::ARCS_PROBLEM2_PROOF() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 3, "<問2 証明>"_sj);

    // Arcs AB and CD of 70 degrees each, low left and low right.
    arcs_frame(756, 90);
    DHRA = 170 * PI / 180;
    DHRB = 240 * PI / 180;
    DHRP = 110 * PI / 180;
    DHRC = 290 * PI / 180;
    DHRD = 360 * PI / 180;
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
    // Arc ranges run clockwise: 240 to 170 degrees, 360 to 290 degrees.
    rt.arc(X_A(1), Y_A(1), R1, 3, 1.0f / 3, 19.0f / 36);
    rt.arc(X_A(1), Y_A(1), R1, 3, 0, 7.0f / 36);
    rt.segment(X_A(2), Y_A(2), X_A(3), Y_A(3), 5);
    rt.segment(X_A(5), Y_A(5), X_A(6), Y_A(6), 5);
    label_point(2, 3, 1, "A"_sj);
    label_point(3, 1, 2, "B"_sj);
    label_point(5, 6, 1, "C"_sj);
    label_point(6, 1, 5, "D"_sj);
    label_point(1, 3, 5, "O"_sj);

    // The radii, never to P.
    WAIT_ANY_KEY();
    rt.set_line_width(5);
    for (float k : {2.0f, 3.0f, 5.0f, 6.0f}) rt.segment(X_A(1), Y_A(1), X_A(k), Y_A(k), 0);

    // One stroke across each radius; ITI is 0 as the labels left it.
    WAIT_ANY_KEY();
    for (float k : {2.0f, 3.0f, 5.0f, 6.0f}) {
        AX = X_A(1);
        AY = Y_A(1);
        BX = X_A(k);
        BY = Y_A(k);
        HONSU = 1;
        NAGASA = 20;
        AIDA = 8;
        CCC2 = 3;
        DRAW_EQUAL_MARKS();
    }

    // The central angles AOB and COD.
    WAIT_ANY_KEY();
    mark_angle(1, 2, 3, 1, 2, 60, 0, 3);
    mark_angle(1, 6, 5, -1, 2, 60, 0, 3);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 50, 0, "△OABと△OCDにおいて"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "円の半径は等しいので"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "OA="_sj);
    proof_blank(1, 108, "ア"_sj);
    paragraph_text(XI2, YI1, 0, "…①"_sj);
    paragraph_text(XI2 + 50, YI1, 0, "OB="_sj);
    proof_blank(2, 108, "イ"_sj);
    paragraph_text(XI2, YI1, 0, "…②"_sj);
    // A line that starts with arc AB at the margin.
    YI1 = YI1 + 70;
    XI2 = XI1;
    rt.set_line_width(3);
    arc_sign(0);
    paragraph_text(XI2, YI1, 0, "AB="_sj);
    arc_sign(0);
    paragraph_text(XI2, YI1, 0, "CD だから"_sj);
    paragraph_text(XI2 + 30, YI1, 0, "∠AOB="_sj);
    proof_blank(3, 144, "ウ"_sj);
    paragraph_text(XI2, YI1, 0, "…③"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "①,②,③より "_sj);
    proof_blank(4, 360, "エ"_sj);
    paragraph_text(XI2, YI1, 0, "…④"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "がそれぞれ等しいので、△OAB≡△OCD"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "したがって、AB=CD"_sj);

    WAIT_ANY_KEY();
    proof_answer(1, 108, "OC"_sj);

    WAIT_ANY_KEY();
    proof_answer(2, 108, "OD"_sj);

    WAIT_ANY_KEY();
    proof_answer(3, 144, "∠COD"_sj);

    WAIT_ANY_KEY();
    proof_answer(4, 360, "2組の辺とその間の角"_sj);

    // The inscribed angles APB and CQD on the two arcs.
    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "また、"_sj);
    paragraph_text(XI2, YI1, 3, "∠APB=∠CQD"_sj);
    paragraph_text(XI2, YI1, 0, "　ならば　"_sj);
    rt.set_line_width(5);
    label_point(4, 2, 3, "P"_sj);
    label_point(7, 5, 6, "Q"_sj);
    rt.segment(X_A(2), Y_A(2), X_A(4), Y_A(4), 0);
    rt.segment(X_A(4), Y_A(4), X_A(3), Y_A(3), 0);
    rt.segment(X_A(5), Y_A(5), X_A(7), Y_A(7), 0);
    rt.segment(X_A(7), Y_A(7), X_A(6), Y_A(6), 0);
    mark_angle(4, 2, 3, 1, 1, 70, 0, 3);
    mark_angle(7, 6, 5, -1, 1, 70, 0, 3);

    WAIT_ANY_KEY();
    arc_equality(3);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "したがって、"_sj);
    paragraph_text(XI2, YI1, 3, "AB=CD"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI2 + 40, YI1, 5, "等しい弧に対する弦は等しい"_sj);

    WAIT_ANY_KEY();
    paragraph_text(280, 30, 7, "教科書P172 問3　をしなさい。"_sj);
}
