// Problem A3: AC and BD cross at E, ∠CAD = 25°, ∠ACB = 45°, ∠AEB = 70°;
// from the exterior angle at E, ∠ADB = 45° = ∠ACB, so A, B, C, D lie on one
// circle. The proof has five blanks, filled one key press at a time.
// Points: O 0, A 1, B 2, C 3, D 4, E 5.
#include "orvane.h"

namespace {

const Orvane::ChapterAMark kGiven[] = {
    {1, 3, 4, 1, 50, 1, -1, 3, "25°", 3},
    {3, 1, 2, 1, 50, 1, -1, 3, "45°", 3},
    {5, 1, 2, 1, 50, 1, -1, 3, "70°", 3},
};
const Orvane::ChapterAMark kAtD = {4, 1, 2, 0, 50, 1, 0, 5, "", 3};
const Orvane::ChapterAMark kAtDLabelled = {4, 1, 2, 0, 50, 1, 0, 5, "45°", 5};

}  // namespace

void Orvane::CHAPTER_A_Q3() {
    // No line width of its own before the circle: the cells and the circle
    // take the width the page before left.
    start_chapter_a_page(40);
    chapter_a_heading("3"_sj, 13);

    SIZE = 35;
    GGX = 720;
    GGY = 80;
    YOKO = 14;
    TATE = 12;
    CCC2 = 15;
    DRAW_GRID();
    place_chapter_a_centre();
    DHRA = 130 * PI / 180;
    DHRB = 220 * PI / 180;
    DHRC = -60 * PI / 180;
    DHRD = -10 * PI / 180;
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

    rt.circle(X_A(0), Y_A(0), R1, 0);
    rt.set_line_width(5);
    label_chapter_a_points({{1, "A", -16, -46}, {2, "B", -40, 4}, {3, "C", 10, 4}, {4, "D", 4, -40}});
    chapter_a_segments({{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}, 0);
    for (const ChapterAMark& m : kGiven) draw_chapter_a_mark(m);
    chapter_a_text(XI1, YI1 + 70, 5, "1つの円周上にある。");

    WAIT_ANY_KEY();
    // The angle at D on the same side of AB as C.
    chapter_a_segments({{1, 2}}, 5);
    draw_chapter_a_mark(kAtD);

    WAIT_ANY_KEY();
    // The proof with its blanks.
    chapter_a_text(XI1, YI1 + 80, 0, "∠ADB+25°=");
    chapter_a_blank(1, XI2 + 10, YI1, 108, "ア");
    chapter_a_text(XI1, YI1 + 60, 0, "∠ADB=");
    chapter_a_blank(2, XI2 + 10, YI1, 108, "イ");
    chapter_a_text(XI1, YI1 + 60, 0, "したがって　");
    chapter_a_text(XI2, YI1, 0, "∠ADB=");
    chapter_a_blank(3, XI2 + 10, YI1, 180, "ウ");
    chapter_a_text(XI1, YI1 + 60, 0, "2点C,Dが直線");
    chapter_a_blank(4, XI2 + 10, YI1, 108, "エ");
    chapter_a_text(XI2 + 10, YI1, 0, "の同じ側にあって、");
    chapter_a_blank(5, XI1 + 10, YI1 + 60, 324, "オ");
    chapter_a_text(XI2 + 10, YI1, 0, "だから");
    chapter_a_text(XI1, YI1 + 80, 0, "4点A,B,C,Dは1つの円周上にある。");

    WAIT_ANY_KEY();
    chapter_a_answer(1, 108, "70°");

    WAIT_ANY_KEY();
    chapter_a_answer(2, 108, "45°");
    draw_chapter_a_mark(kAtDLabelled);

    WAIT_ANY_KEY();
    chapter_a_answer(3, 180, "∠ACB");

    WAIT_ANY_KEY();
    chapter_a_answer(4, 108, "AB");

    WAIT_ANY_KEY();
    chapter_a_answer(5, 324, "∠ADB=∠ACB");
}
