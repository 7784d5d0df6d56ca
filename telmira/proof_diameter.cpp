// Proof 1, PB a diameter: the isosceles triangle OPA and its exterior angle
// AOB give ∠AOB = 2∠OPA. Choice 1 draws the page with three blanks, choice
// 2 adds the equal sides and angles to the figure, choice 3 fills the blanks.
// Points: O 1, A 2, B 3, P 5.
#include "telmira.h"

void Telmira::PROOF_DIAMETER() {
    begin_proof_page(1);
    proof_page_on_screen = 1;
    // A at 230 degrees, B the arc AB further on, P opposite B.
    DHRA = 230 * PI / 180;
    DHRB = (230 + DHB) * PI / 180;
    DHRP = (230 + DHP) * PI / 180;
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    place_on_circle(5, DHRP);
    draw_proof_figure(1, 2, 3, 5, 30, 3);

    XI1 = 72;
    YI1 = 30;
    paragraph_text(XI1 - 36, YI1, 0, "問1　PBが直径のとき、∠APB=ﾀ1/2ﾀ∠AOBを証明しなさい。"_sj);
    paragraph_text(XI1, YI1 + 50, 3, "     <証明>"_sj);
    proof_cell_style();
    paragraph_text(XI1, YI1 + 50, 0, "△OPAで、OP=OAから、"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "二等辺三角形の底角は等しいので、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠OPA="_sj);
    proof_blank(1, 144, "①"_sj);
    paragraph_text(XI2 + 4, YI1, 3, " …ア"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "三角形の外角の性質から、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠AOB="_sj);
    proof_blank(2, 324, "②"_sj);
    paragraph_text(XI2 + 4, YI1, 3, " …イ"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "ア、イから、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠AOB="_sj);
    proof_blank(3, 180, "③"_sj);
    paragraph_text(XI1, YI1 + 80, 0, "したがって、"_sj);
    paragraph_text(XI2, YI1, 5, "∠APB=ﾀ1/2ﾀ∠AOB"_sj);
}

void Telmira::PROOF_DIAMETER_FIGURE() {
    if (proof_page_on_screen != 1) PROOF_DIAMETER();
    rt.set_line_width(5);

    WAIT_ANY_KEY();
    // OP = OA. ITI and AIDA as a fresh start has them, so the page is the
    // same however the pupil came here: OP's stroke at the default spacing,
    // OA's one step further out (the first call leaves AIDA moved on).
    ITI = 0;
    AIDA = 0;
    AX = X_A(1);
    AY = Y_A(1);
    BX = X_A(5);
    BY = Y_A(5);
    NAGASA = 20;
    CCC2 = 3;
    HONSU = 1;
    DRAW_EQUAL_MARKS();

    WAIT_ANY_KEY();
    AX = X_A(1);
    AY = Y_A(1);
    BX = X_A(2);
    BY = Y_A(2);
    NAGASA = 20;
    CCC2 = 3;
    HONSU = 1;
    DRAW_EQUAL_MARKS();

    WAIT_ANY_KEY();
    // The base angles OPA and OAP, one dot each.
    set_angle_points(5, 3, 2);
    CCC1 = 9;
    NAGASA = 30;
    ITI = -1;
    AAA_S = "●"_sj;
    LABEL_ANGLE();

    WAIT_ANY_KEY();
    set_angle_points(2, 1, 5);
    CCC1 = 9;
    NAGASA = 30;
    ITI = 1;
    AAA_S = "●"_sj;
    LABEL_ANGLE();

    WAIT_ANY_KEY();
    // The exterior angle AOB, their sum.
    set_angle_points(1, 2, 3);
    CCC1 = 9;
    NAGASA = 30;
    ITI = 1;
    AAA_S = "●●"_sj;
    LABEL_ANGLE();
}

void Telmira::PROOF_DIAMETER_ANSWERS() {
    if (proof_page_on_screen != 1) PROOF_DIAMETER();

    WAIT_ANY_KEY();
    proof_answer(1, 144, "∠OAP"_sj);

    WAIT_ANY_KEY();
    proof_answer(2, 324, "∠OPA+∠OAP"_sj);

    WAIT_ANY_KEY();
    proof_answer(3, 180, "2∠OPA"_sj);
}
