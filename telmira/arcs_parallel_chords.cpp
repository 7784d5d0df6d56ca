// Choice ④ of section 4, problem 3 of page 172: parallel chords AB and CD
// cut off equal arcs AC and BD. The line AD gives equal alternate angles,
// and equal inscribed angles stand on equal arcs; blanks ① to ③ are filled
// one key at a time.
// Points: O 1, A 2, B 3, C 4, D 5.
#include "telmira.h"

void Telmira::ARCS_PROBLEM3_PROOF() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 3, "<問3 証明>"_sj);

    // AB level above O, CD level below it.
    arcs_frame(756, 90);
    DHRA = 150 * PI / 180;
    DHRB = 30 * PI / 180;
    DHRC = 200 * PI / 180;
    DHRD = -20 * PI / 180;
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    place_on_circle(4, DHRC);
    place_on_circle(5, DHRD);

    rt.set_line_width(5);
    rt.disc(X_A(1), Y_A(1), 3, 0, 0);
    rt.circle(X_A(1), Y_A(1), R1, 0);
    // Arc ranges run clockwise: 200 to 150 degrees, and 30 to -20 degrees
    // through direction 0.
    rt.arc(X_A(1), Y_A(1), R1, 5, 4.0f / 9, 7.0f / 12);
    rt.arc(X_A(1), Y_A(1), R1, 5, 11.0f / 12, 1.0f / 18);
    rt.segment(X_A(2), Y_A(2), X_A(3), Y_A(3), 3);
    rt.segment(X_A(4), Y_A(4), X_A(5), Y_A(5), 3);
    name_at(2, 3, 4, "A"_sj, 10, 1, 0);
    name_at(3, 2, 5, "B"_sj, 10, -1, 0);
    name_at(4, 5, 2, "C"_sj, 10, -1, 0);
    name_at(5, 3, 4, "D"_sj, 10, -1, 0);
    name_at(1, 2, 5, "O"_sj, 10, 1, 0);
    // One arrowhead at the middle of each chord.
    for (float k : {2.0f, 4.0f}) {
        AX = X_A(k);
        AY = Y_A(k);
        BX = X_A(k + 1);
        BY = Y_A(k + 1);
        HONSU = 1;
        NAGASA = 20;
        A = 1;
        B = 1;
        CCC2 = 3;
        DRAW_PARALLEL_MARKS();
    }

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 50, 0, "直線ADをひくと"_sj);
    rt.segment(X_A(2), Y_A(2), X_A(5), Y_A(5), 0);

    // The alternate angles BAD and ADC.
    WAIT_ANY_KEY();
    mark_angle(2, 3, 5, -1, 0, 60, 0, 9);
    mark_angle(5, 4, 2, -1, 0, 60, 0, 9);

    WAIT_ANY_KEY();
    proof_cell_style();
    paragraph_text(XI1, YI1 + 60, 0, "AB∥CDで、平行線の"_sj);
    proof_blank(1, 108, "①"_sj);
    paragraph_text(XI2 + 10, YI1, 0, "は等しいので"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠ADC="_sj);
    proof_blank(2, 144, "②"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "1つの円において、"_sj);
    // A line that starts with its blank.
    YI1 = YI1 + 60;
    XI2 = XI1;
    proof_blank(3, 396, "③"_sj);
    paragraph_text(XI2 + 10, YI1, 0, "は等しいので"_sj);
    // Arc AC = arc BD, starting at the margin.
    YI1 = YI1 + 70;
    XI2 = XI1;
    rt.set_line_width(3);
    arc_sign(0);
    paragraph_text(XI1, YI1, 0, "AC="_sj);
    arc_sign(0);
    paragraph_text(XI2, YI1, 0, "BD"_sj);

    WAIT_ANY_KEY();
    proof_answer(1, 108, "錯角"_sj);

    WAIT_ANY_KEY();
    proof_answer(2, 144, "∠BAD"_sj);

    WAIT_ANY_KEY();
    proof_answer(3, 396, "等しい円周角に対する弧"_sj);

    WAIT_ANY_KEY();
    paragraph_text(240, 550, 0, "教科書P172 問4　をしなさい。"_sj);
}
