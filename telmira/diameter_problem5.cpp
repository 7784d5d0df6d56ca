// Screen ② of section 5: the answers of problem 5 on page 173, (1) and (2)
// side by side, then (3) in place of (1).
#include "telmira.h"

void Telmira::DIAMETER_PROBLEM5_ANSWERS() {
    // Page 1: answers (1) and (2).
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 3, "<問5 解答>(1)"_sj);
    paragraph_text(XI2, YI1, 5, "∠x=28°"_sj);

    // Figure (2) on the right, true to its labels.
    diameter_frame(684);
    DHRA = 180 * PI / 180;
    DHRB = 0 * PI / 180;
    DHRP = 70 * PI / 180;
    DHRC = -70 * PI / 180;
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    place_on_circle(4, DHRP);
    place_on_circle(5, DHRC);
    diameter_circle_base();
    diameter_triangle(2, 3, 4, "A"_sj, "B"_sj, "C"_sj);
    // The second triangle keeps B and C as the first one named them.
    diameter_triangle(5, 3, 4, "D"_sj, ""_sj, ""_sj);
    diameter_angle_mark(5, 4, 3, -1, 50, 3, "35°"_sj);
    diameter_angle_mark(3, 4, 2, 1, 50, 3, "x"_sj);
    rt.segment(X_A(2), Y_A(2), X_A(5), Y_A(5), 7);
    diameter_angle_mark(5, 4, 2, 1, 60, 5, "x"_sj);
    diameter_right_angle(5, 2, 3, 110);

    paragraph_text(720, 30, 3, "(2)"_sj);
    paragraph_text(XI2, YI1, 5, "∠x=55°"_sj);

    // Figure (1) on the left, on the points of figure (2): its angles are
    // drawn at 55° and 35°, not at the 62° and 28° of its labels.
    diameter_frame(72);
    DHRA = 180 * PI / 180;
    DHRB = 0 * PI / 180;
    DHRP = 70 * PI / 180;
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    place_on_circle(4, DHRP);
    diameter_circle_base();
    diameter_triangle(2, 3, 4, "A"_sj, "B"_sj, "C"_sj);
    diameter_angle_mark(3, 4, 2, 1, 50, 3, "62°"_sj);
    diameter_angle_mark(2, 3, 4, 1, 50, 3, "x"_sj);
    diameter_right_angle(4, 2, 3, 60);

    WAIT_ANY_KEY();
    // Page 2: answer (3) in place of (1); (2) stays on the right.
    rt.fill_box(0, 0, 648, 1800, 15, 15);
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 3, "<問5 解答>(3)"_sj);
    paragraph_text(XI2, YI1, 5, "∠x=34°"_sj);

    diameter_frame(72);
    DHRA = 90 * PI / 180;
    DHRB = 270 * PI / 180;
    DHRC = 202 * PI / 180;
    DHRD = -22 * PI / 180;
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    place_on_circle(4, DHRC);
    place_on_circle(5, DHRD);
    diameter_circle_base();
    rt.polyline({X_A(4), Y_A(4), X_A(3), Y_A(3), X_A(5), Y_A(5), X_A(4), Y_A(4)}, 0);
    rt.segment(X_A(2), Y_A(2), X_A(3), Y_A(3), 0);
    diameter_angle_mark(3, 2, 4, 1, 50, 3, "56°"_sj);
    diameter_angle_mark(5, 4, 3, 1, 60, 3, "x"_sj);
    rt.segment(X_A(2), Y_A(2), X_A(5), Y_A(5), 7);
    diameter_angle_mark(5, 2, 4, 1, 60, 5, "56°"_sj);
    diameter_right_angle(5, 2, 3, 110);

    WAIT_ANY_KEY();
    paragraph_text(240, 590, 0, "教科書P173 問6　をしなさい。"_sj);
}
