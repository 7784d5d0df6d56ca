// Proof 3, O outside the angle APB: the diameter PK makes it the difference
// of two angles of the first case, ∠APB = ∠BPK − ∠APK = ½(∠BOK − ∠AOK).
// Choice 7 draws the page with three blanks, choice 8 adds PK and the marks
// of the four angles, choice 9 fills the blanks. Points: O 11, A 12, B 13,
// P 15, K 16.
#include "telmira.h"

void Telmira::PROOF_OUTSIDE() {
    begin_proof_page(11);
    proof_page_on_screen = 3;
    DHRA = 220 * PI / 180;
    DHRB = 320 * PI / 180;
    DHRP = 350 * PI / 180;
    DHRK = 170 * PI / 180;
    place_on_circle(12, DHRA, 11);
    place_on_circle(13, DHRB, 11);
    place_on_circle(15, DHRP, 11);
    place_on_circle(16, DHRK, 11);
    draw_proof_figure(11, 12, 13, 15, 40, 15);

    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 0, "問3　∠APB=ﾀ1/2ﾀ∠AOBを証明しなさい。"_sj);
    paragraph_text(XI1, YI1 + 60, 3, "     <証明>"_sj);
    proof_cell_style();
    paragraph_text(XI1, YI1 + 60, 0, "点P,Oを通る直径PKをひくと、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠BPK=ﾀ1/2ﾀ∠BOK"_sj);
    paragraph_text(XI1, YI1 + 70, 0, "∠APK=ﾀ1/2ﾀ"_sj);
    proof_blank(1, 180, "①"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "よって、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠APB=∠BPK-∠APK"_sj);
    paragraph_text(XI1 + 64, YI1 + 60, 0, "=ﾀ1/2ﾀ("_sj);
    proof_blank(2, 180, "②"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "-"_sj);
    proof_blank(3, 180, "③"_sj);
    paragraph_text(XI2 + 4, YI1, 0, ")"_sj);
    paragraph_text(XI1 + 64, YI1 + 70, 0, "=ﾀ1/2ﾀ∠AOB"_sj);
}

void Telmira::PROOF_OUTSIDE_FIGURE() {
    if (proof_page_on_screen != 3) PROOF_OUTSIDE();
    rt.set_line_width(5);

    WAIT_ANY_KEY();
    // The diameter PK.
    rt.segment(X_A(15), Y_A(15), X_A(16), Y_A(16), 0);
    label_point(16, 13, 15, "K"_sj);

    WAIT_ANY_KEY();
    // ∠BPK and ∠BOK: one arc at P, two at O, outside the sectors.
    set_angle_points(15, 16, 13);
    CCC3 = 9;
    NAGASA = 60;
    HONSU = 1;
    ITI = 1;
    AAA_S = "";
    DRAW_ANGLE_MARK();

    WAIT_ANY_KEY();
    set_angle_points(11, 16, 13);
    CCC3 = 9;
    NAGASA = 70;
    HONSU = 2;
    ITI = 1;
    AAA_S = "";
    DRAW_ANGLE_MARK();

    WAIT_ANY_KEY();
    // ∠APK and ∠AOK: one dot at P, two at O, beyond the arcs.
    dot_place(15, 16, 12);
    angle_dot(X - 6, Y + 20, 9);

    WAIT_ANY_KEY();
    dot_place(11, 16, 12);
    angle_dot(X - 16, Y + 6, 9);
    angle_dot(X - 16, Y + 26, 9);
}

void Telmira::PROOF_OUTSIDE_ANSWERS() {
    if (proof_page_on_screen != 3) PROOF_OUTSIDE();

    WAIT_ANY_KEY();
    proof_answer(1, 180, "∠AOK"_sj);

    WAIT_ANY_KEY();
    proof_answer(2, 180, "∠BOK"_sj);

    WAIT_ANY_KEY();
    proof_answer(3, 180, "∠AOK"_sj);
}
