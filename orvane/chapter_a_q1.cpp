// Problem A1: AB a diameter, ∠BAC = 58°; ∠BPC, ∠BOC and ∠BCA found one
// after another, each first marked, then labelled with its equation.
// Points: O 0, A 1, B 2, C 3, P 4.
#include "orvane.h"

namespace {

// Each answer's mark twice: unlabelled, then labelled a key later.
const Orvane::ChapterAMark kGiven = {1, 2, 3, 1, 50, 1, -1, 3, "58°", 3};
const Orvane::ChapterAMark kAtP = {4, 2, 3, 1, 50, 1, -1, 7, "", 3};
const Orvane::ChapterAMark kAtPLabelled = {4, 2, 3, 1, 50, 1, -1, 7, "58%", 7};
const Orvane::ChapterAMark kAtO = {0, 2, 3, 0, 40, 1, 0, 3, "", 3};
const Orvane::ChapterAMark kAtOLabelled = {0, 2, 3, 0, 40, 1, 0, 3, "116%", 3};
const Orvane::ChapterAMark kAtC = {3, 1, 2, 1, 50, 1, 0, 5, "", 5};
const Orvane::ChapterAMark kAtCLabelled = {3, 1, 2, 1, 50, 1, 0, 5, "90%", 5};

}  // namespace

void Orvane::CHAPTER_A_Q1() {
    start_chapter_a_page(72);
    rt.set_line_width(5);
    chapter_a_heading("1"_sj, 13);

    SIZE = 30;
    GGX = 750;
    GGY = 150;
    YOKO = 12;
    TATE = 12;
    CCC2 = 15;
    DRAW_GRID();
    place_chapter_a_centre();
    DHRA = 32 * PI / 180;
    DHRB = 212 * PI / 180;
    DHRC = 328 * PI / 180;
    DHRD = 90 * PI / 180;
    place_on_chapter_a_circle(1, DHRA);
    place_on_chapter_a_circle(2, DHRB);
    place_on_chapter_a_circle(3, DHRC);
    place_on_chapter_a_circle(4, DHRD);

    rt.disc(X_A(0), Y_A(0), 5, 0, 0);
    label_chapter_a_points({{0, "O", -14, -50}});
    rt.circle(X_A(0), Y_A(0), R1, 0);
    label_chapter_a_points({{1, "A", 10, -46}, {2, "B", -40, 4}, {3, "C", 10, 4}, {4, "P", -14, -50}});
    chapter_a_segments({{1, 2}, {1, 3}, {3, 4}, {2, 3}, {2, 4}}, 0);
    draw_chapter_a_mark(kGiven);

    WAIT_ANY_KEY();
    // (1) the inscribed angle on the same arc BC.
    chapter_a_text(XI1, YI1 + 60, 0, "(1) ");
    draw_chapter_a_mark(kAtP);

    WAIT_ANY_KEY();
    draw_chapter_a_mark(kAtPLabelled);
    chapter_a_text(XI2, YI1, 5, "∠BPC=58°");

    WAIT_ANY_KEY();
    // (2) the central angle on the arc BC.
    chapter_a_text(XI1, YI1 + 60, 0, "(2) ");
    chapter_a_segments({{0, 3}}, 0);
    draw_chapter_a_mark(kAtO);

    WAIT_ANY_KEY();
    draw_chapter_a_mark(kAtOLabelled);
    chapter_a_text(XI2, YI1, 5, "∠BOC=116°");
    chapter_a_text(XI1, YI1 + 60, 0, "   2*58°");

    WAIT_ANY_KEY();
    // (3) the angle in a semicircle.
    chapter_a_text(XI1, YI1 + 60, 0, "(3) ");
    draw_chapter_a_mark(kAtC);

    WAIT_ANY_KEY();
    draw_chapter_a_mark(kAtCLabelled);
    chapter_a_text(XI2, YI1, 5, "∠BCA=90°");
    chapter_a_text(XI1, YI1 + 60, 0, "  ABが直径 だから");
}
