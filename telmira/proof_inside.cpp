// Proof 2, O inside the angle APB: the diameter PK splits it into two angles
// of the first case, ∠APB = ∠APK + ∠BPK = ½(∠AOK + ∠BOK). Choice 4 draws
// the page with three blanks, choice 5 adds PK and the equal-angle dots,
// choice 6 fills the blanks. Points: O 11, A 12, B 13, P 15, K 16.
#include "telmira.h"

void Telmira::PROOF_INSIDE() {
    begin_proof_page(11);
    proof_page_on_screen = 2;
    DHRA = 220 * PI / 180;
    DHRB = 320 * PI / 180;
    DHRP = 80 * PI / 180;
    DHRK = 260 * PI / 180;
    place_on_circle(12, DHRA, 11);
    place_on_circle(13, DHRB, 11);
    place_on_circle(15, DHRP, 11);
    place_on_circle(16, DHRK, 11);
    draw_proof_figure(11, 12, 13, 15, 50, 15);

    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 0, "問2　∠APB=ﾀ1/2ﾀ∠AOBを証明しなさい。"_sj);
    paragraph_text(XI1, YI1 + 60, 3, "     <証明>"_sj);
    proof_cell_style();
    paragraph_text(XI1, YI1 + 60, 0, "点P,Oを通る直径PKをひくと、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠APK=ﾀ1/2ﾀ∠AOK"_sj);
    paragraph_text(XI1, YI1 + 70, 0, "∠BPK=ﾀ1/2ﾀ"_sj);
    proof_blank(1, 180, "①"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "よって、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠APB=∠APK+∠BPK"_sj);
    paragraph_text(XI1 + 64, YI1 + 60, 0, "=ﾀ1/2ﾀ("_sj);
    proof_blank(2, 180, "②"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "+"_sj);
    proof_blank(3, 180, "③"_sj);
    paragraph_text(XI2 + 4, YI1, 0, ")"_sj);
    paragraph_text(XI1 + 64, YI1 + 70, 0, "=ﾀ1/2ﾀ∠AOB"_sj);
}

void Telmira::PROOF_INSIDE_FIGURE() {
    if (proof_page_on_screen != 2) PROOF_INSIDE();
    rt.set_line_width(5);

    WAIT_ANY_KEY();
    // The diameter PK.
    rt.segment(X_A(15), Y_A(15), X_A(16), Y_A(16), 0);
    label_point(16, 13, 15, "K"_sj);

    WAIT_ANY_KEY();
    // ∠APK and ∠AOK in colour 7, ∠KPB and ∠KOB in colour 9: one dot at P,
    // two at O.
    dot_place(15, 12, 16);
    angle_dot(X, Y, 7);

    WAIT_ANY_KEY();
    dot_place(11, 12, 16);
    angle_dot(X - 10, Y, 7);
    angle_dot(X + 9, Y + 7, 7);

    WAIT_ANY_KEY();
    dot_place(15, 16, 13);
    angle_dot(X, Y, 9);

    WAIT_ANY_KEY();
    dot_place(11, 16, 13);
    angle_dot(X - 10, Y + 6, 9);
    angle_dot(X + 9, Y, 9);
}

void Telmira::PROOF_INSIDE_ANSWERS() {
    if (proof_page_on_screen != 2) PROOF_INSIDE();

    WAIT_ANY_KEY();
    proof_answer(1, 180, "∠BOK"_sj);

    WAIT_ANY_KEY();
    proof_answer(2, 180, "∠AOK"_sj);

    WAIT_ANY_KEY();
    proof_answer(3, 180, "∠BOK"_sj);
}
