// Screen ① of section 5: the triangle APB on the diameter AB, the theorem
// "AB a diameter, then ∠APB = 90°" and its converse.
#include "telmira.h"

void Telmira::DIAMETER_THEOREM() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    diameter_frame(720);
    DHRA = 180 * PI / 180;
    DHRB = 0 * PI / 180;
    DHRC = 60 * PI / 180;
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    place_on_circle(4, DHRC);
    diameter_circle_base();
    diameter_triangle(2, 3, 4, "A"_sj, "B"_sj, "P"_sj);
    // The straight angle AOB, marked below AB.
    set_angle_points(1, 2, 3);
    NAGASA = 50;
    HONSU = 1;
    ITI = 1;
    CCC1 = 5;
    CCC2 = 0;
    CCC3 = 3;
    AAA_S = "180°"_sj;
    DRAW_ANGLE_MARK();

    WAIT_ANY_KEY();
    diameter_right_angle(4, 2, 3, 40);

    WAIT_ANY_KEY();
    // The theorem.
    XI1 = 108;
    YI1 = 30;
    paragraph_text(XI1 - 72, YI1, 3, "<直径と円周角>"_sj);
    paragraph_text(XI1 - 72, YI1 + 60, 0, "円周上の3点A,B,Pについて"_sj);
    paragraph_text(XI1 - 72, YI1 + 60, 0, "①"_sj);
    paragraph_text(XI2, YI1, 3, "ABが直径"_sj);
    paragraph_text(XI2, YI1, 0, "　ならば　"_sj);
    paragraph_text(XI2, YI1, 3, "∠APB=90°"_sj);

    WAIT_ANY_KEY();
    // The converse.
    paragraph_text(XI1 - 72, YI1 + 60, 0, "②"_sj);
    paragraph_text(XI2, YI1, 3, "∠APB=90°"_sj);
    paragraph_text(XI2, YI1, 0, "　ならば　"_sj);
    paragraph_text(XI2, YI1, 3, "ABは直径"_sj);

    WAIT_ANY_KEY();
    paragraph_text(44, 590, 0, "教科書P173 問5　をしなさい。"_sj);
}
