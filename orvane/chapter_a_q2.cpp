// Problem A2: the angle x in three circles, one page each, a key press
// between the pages. Points 1 to 4 on the circle about O (point 0), 5 the
// crossing of two chords.
#include "orvane.h"

namespace {

// Page 1: chords 1-3 and 2-4 crossing at point 5.
const Orvane::ChapterAMark kPage1Marks[] = {
    {1, 2, 3, 1, 50, 1, -1, 3, "50°", 3},
    {3, 4, 1, 1, 50, 1, -1, 3, "40°", 3},
    {5, 4, 1, 1, 50, 1, -1, 3, "x", 3},
    {2, 4, 1, 1, 50, 1, -1, 3, "40°", 5},
};
// Page 2: 2-4 a diameter.
const Orvane::ChapterAMark kPage2Marks[] = {
    {3, 4, 1, 1, 50, 1, -1, 3, "60°", 3},
    {4, 1, 2, 1, 50, 1, -1, 3, "x", 3},
    {2, 4, 1, 1, 50, 1, -1, 3, "60°", 5},
};
// Page 3: the radius to point 1 splits its inscribed angle. The figure's
// point 1 stands at 85°, so the split angles are drawn 32.5° and 17.5°.
const Orvane::ChapterAMark kPage3Marks[] = {
    {2, 0, 1, 1, 50, 1, -1, 3, "30°", 3, 0},
    {3, 1, 0, 1, 70, 1, -1, 3, "20°", 3, 0},
    {0, 2, 3, 1, 50, 1, -1, 3, "x", 3, 0},
    {1, 2, 0, 1, 50, 1, -1, 3, "30°", 5, -30},
    {1, 0, 3, 1, 70, 1, -1, 3, "20°", 5, 30},
};

}  // namespace

// The frame, O at grid point (7, 6) and R1 are the same on every page.
void Orvane::chapter_a_q2_page(const char* part, const char* answer, const char* reason) {
    start_chapter_a_page(108);
    chapter_a_heading("2"_sj, 5);
    chapter_a_text(XI1 - 72, YI1 + 60, 0, part);
    chapter_a_text(XI2, YI1, 5, answer);
    chapter_a_text(XI1, YI1 + 60, 0, reason);

    SIZE = 30;
    GGX = 750;
    GGY = 80;
    YOKO = 14;
    TATE = 12;
    CCC2 = 15;
    DRAW_GRID();
    place_chapter_a_centre();
}

void Orvane::CHAPTER_A_Q2() {
    // Page 1: x at the crossing of two chords.
    chapter_a_q2_page("(1) ", "∠x=90°", "∠x=50°+40°だから");
    DHRA = 100 * PI / 180;
    DHRB = 220 * PI / 180;
    DHRC = 320 * PI / 180;
    DHRD = 20 * PI / 180;
    place_on_chapter_a_circle(1, DHRA);
    place_on_chapter_a_circle(2, DHRB);
    place_on_chapter_a_circle(3, DHRC);
    place_on_chapter_a_circle(4, DHRD);
    AX = X_A(1);
    AY = Y_A(1);
    BX = X_A(3);
    BY = Y_A(3);
    CX = X_A(2);
    CY = Y_A(2);
    DX = X_A(4);
    DY = Y_A(4);
    INTERSECT_LINES();
    X_A(5) = AX2;
    Y_A(5) = AY2;
    rt.set_line_width(5);
    rt.disc(X_A(0), Y_A(0), 5, 0, 0);
    label_chapter_a_points({{0, "O", -14, -50}});
    rt.circle(X_A(0), Y_A(0), R1, 0);
    chapter_a_segments({{1, 2}, {1, 3}, {2, 4}, {3, 4}}, 0);
    CCC1 = 3;
    CCC3 = 3;
    HONSU = 1;
    for (const ChapterAMark& m : kPage1Marks) draw_chapter_a_mark(m);

    WAIT_ANY_KEY();
    // Page 2: the angle on the diameter is a right angle.
    chapter_a_q2_page("(2) ", "∠x=30°", "∠x=180°-90°-60°だから");
    DHRA = 110 * PI / 180;
    DHRB = 170 * PI / 180;
    DHRC = 260 * PI / 180;
    DHRD = -10 * PI / 180;
    place_on_chapter_a_circle(1, DHRA);
    place_on_chapter_a_circle(2, DHRB);
    place_on_chapter_a_circle(3, DHRC);
    place_on_chapter_a_circle(4, DHRD);
    rt.disc(X_A(0), Y_A(0), 5, 0, 0);
    label_chapter_a_points({{0, "O", -14, -50}});
    rt.circle(X_A(0), Y_A(0), R1, 0);
    rt.set_line_width(5);
    chapter_a_segments({{1, 2}, {1, 3}, {1, 4}, {2, 4}, {3, 4}}, 0);
    set_angle_points(1, 2, 4);
    NAGASA = 30;
    CCC2 = 5;
    ITI = -1;
    DRAW_RIGHT_ANGLE();
    CCC1 = 3;
    CCC3 = 3;
    HONSU = 1;
    for (const ChapterAMark& m : kPage2Marks) draw_chapter_a_mark(m);

    WAIT_ANY_KEY();
    // Page 3: x the central angle, twice the inscribed angle 20° + 30°.
    chapter_a_q2_page("(3) ", "∠x=100°", "円周角が、20°+30°=50°だから");
    DHRA = 85 * PI / 180;
    DHRB = 200 * PI / 180;
    DHRC = 300 * PI / 180;
    place_on_chapter_a_circle(1, DHRA);
    place_on_chapter_a_circle(2, DHRB);
    place_on_chapter_a_circle(3, DHRC);
    rt.disc(X_A(0), Y_A(0), 3, 0, 0);
    label_chapter_a_points({{0, "O", -40, -50}});
    rt.circle(X_A(0), Y_A(0), R1, 0);
    rt.set_line_width(5);
    chapter_a_segments({{1, 2}, {1, 3}, {2, 0}, {3, 0}}, 0);
    chapter_a_segments({{1, 0}}, 7);
    CCC1 = 3;
    CCC3 = 3;
    HONSU = 1;
    for (const ChapterAMark& m : kPage3Marks) draw_chapter_a_mark(m);
    // The three radii are equal.
    for (float k = 1; k <= 3; ++k) {
        AX = X_A(k);
        AY = Y_A(k);
        BX = X_A(0);
        BY = Y_A(0);
        ITI = 0;
        AIDA = 8;
        NAGASA = 8;
        CCC2 = 5;
        HONSU = 1;
        DRAW_EQUAL_MARKS();
    }
}
