// Screen ③ of section 5: problem 6 on page 173, AD perpendicular to BC
// because AB is a diameter.
#include "telmira.h"

void Telmira::DIAMETER_PROBLEM6_ANSWER() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 3, "<問6 解答>"_sj);

    // A above D, B level with D, C four units right of D.
    diameter_frame(684);
    DHRA = 60 * PI / 180;
    DHRB = 240 * PI / 180;
    DHRC = 300 * PI / 180;
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    place_on_circle(4, DHRC);
    X_A(5) = X_A(4) + 4 * SIZE;
    Y_A(5) = Y_A(4);

    rt.set_line_width(5);
    rt.disc(X_A(1), Y_A(1), 5, 0, 0);
    rt.circle(X_A(1), Y_A(1), R1, 0);
    diameter_triangle(2, 3, 5, "A"_sj, "B"_sj, "C"_sj);
    label_point(1, 2, 3, "O"_sj, 10);
    label_point(4, 2, 3, "D"_sj, 10);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 50, 0, "直線ADをひくと"_sj);
    rt.segment(X_A(2), Y_A(2), X_A(4), Y_A(4), 0);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "ABは直径だから　∠ADB=90°"_sj);
    diameter_right_angle(4, 2, 3, 60);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "したがって"_sj);
    paragraph_text(XI2, YI1, 5, " AD⊥BC"_sj);

    WAIT_ANY_KEY();
    paragraph_text(240, 590, 0, "教科書P173 問7　をしなさい。"_sj);
}
