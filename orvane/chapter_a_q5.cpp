// Problem A5: A, B, C, D on a circle, AB = AC, AD and BC crossing at E;
// △ABD ∽ △AEB by two pairs of equal angles. The figure is built up a key
// press at a time, then the proof's five blanks are filled.
// Points: O 0 (not drawn), A 1, B 2, C 3, D 4, E 5.
#include "orvane.h"

namespace {

const Orvane::ChapterAMark kAtA = {1, 4, 2, 0, 50, -1, 0, 7, "", -1};
const Orvane::ChapterAMark kBaseAngles[] = {
    {2, 1, 3, 0, 50, -1, 0, 3, "", -1},
    {3, 1, 2, 0, 50, 1, 0, 3, "", -1},
};
const Orvane::ChapterAMark kAtD = {4, 1, 2, 0, 50, 1, 0, 3, "", -1};

}  // namespace

// One stroke on AB or AC, at its middle.
void Orvane::chapter_a_q5_equal_mark(float p, float q) {
    ITI = 0;
    AX = X_A(p);
    AY = Y_A(p);
    BX = X_A(q);
    BY = Y_A(q);
    AIDA = 8;
    NAGASA = 20;
    CCC2 = 3;
    HONSU = 1;
    DRAW_EQUAL_MARKS();
}

void Orvane::CHAPTER_A_Q5() {
    start_chapter_a_page(72);
    chapter_a_heading("5"_sj, 13);

    SIZE = 30;
    GGX = 750;
    GGY = 150;
    YOKO = 12;
    TATE = 12;
    CCC2 = 15;
    DRAW_GRID();
    place_chapter_a_centre();
    DHRA = 90 * PI / 180;
    DHRB = 220 * PI / 180;
    DHRC = 320 * PI / 180;
    DHRD = 290 * PI / 180;
    place_on_chapter_a_circle(1, DHRA);
    place_on_chapter_a_circle(2, DHRB);
    place_on_chapter_a_circle(3, DHRC);
    place_on_chapter_a_circle(4, DHRD);
    AX = X_A(1);
    AY = Y_A(1);
    BX = X_A(4);
    BY = Y_A(4);
    CX = X_A(2);
    CY = Y_A(2);
    DX = X_A(3);
    DY = Y_A(3);
    INTERSECT_LINES();
    X_A(5) = AX2;
    Y_A(5) = AY2;

    rt.set_line_width(5);
    rt.circle(X_A(0), Y_A(0), R1, 0);
    label_chapter_a_points(
        {{1, "A", -16, -46}, {2, "B", -40, 4}, {3, "C", 10, 4}, {4, "D", 4, 4}, {5, "E", 4, -50}});
    chapter_a_segments({{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}}, 0);
    chapter_a_q5_equal_mark(1, 2);
    chapter_a_q5_equal_mark(1, 3);

    WAIT_ANY_KEY();
    // Triangle ABD filled; what its fill covers drawn again.
    XI1 = 80;
    YI1 = 30;
    CCC1 = 5;
    CCC2 = 3;
    CCC3 = 13;
    HABA = 180;
    TATE = 50;
    chapter_a_text(XI1, YI1 + 50, 0, "△ABDと△AEBにおいて");
    rt.polygon({X_A(1), Y_A(1), X_A(2), Y_A(2), X_A(4), Y_A(4), X_A(1), Y_A(1)}, 0, 13);
    chapter_a_segments({{2, 3}}, 0);
    chapter_a_q5_equal_mark(1, 2);

    WAIT_ANY_KEY();
    // Triangle AEB outlined thick.
    rt.set_line_width(8);
    rt.polyline({X_A(1), Y_A(1), X_A(5), Y_A(5), X_A(2), Y_A(2), X_A(1), Y_A(1)}, 9);
    rt.set_line_width(5);
    chapter_a_q5_equal_mark(1, 2);

    WAIT_ANY_KEY();
    // The common angle at A.
    draw_chapter_a_mark(kAtA);

    WAIT_ANY_KEY();
    // The base angles of the isosceles triangle ABC.
    for (const ChapterAMark& m : kBaseAngles) draw_chapter_a_mark(m);

    WAIT_ANY_KEY();
    // The arc AB, from B round the left to A, and the angle at D on it.
    rt.arc(X_A(0), Y_A(0), R1, 3, 0.3888889f, 0.75f);
    draw_chapter_a_mark(kAtD);

    WAIT_ANY_KEY();
    // The proof with its blanks.
    chapter_a_text(XI1, YI1 + 60, 0, "AB=AC だから ");
    chapter_a_text(XI2, YI1, 0, "∠ABE=");
    chapter_a_blank(1, XI2 + 10, YI1, 180, "ア");
    chapter_a_text(XI1, YI1 + 60, 0, "");
    // The arc sign over "AB"; width 3 from here to the page's end.
    rt.set_line_width(3);
    ZX0 = XI2;
    ZY0 = YI1;
    ZX1 = XI2 + 54;
    ZY1 = YI1;
    CCC2 = 0;
    HOUKOU = -1;
    HABA = 1;
    TAKASA = -10;
    DRAW_SPAN_ARC();
    chapter_a_text(XI2, YI1, 0, "ABに対する円周角は等しいので");
    chapter_a_text(XI1, YI1 + 60, 0, "");
    chapter_a_blank(2, XI2 + 10, YI1, 180, "イ");
    chapter_a_text(XI2 + 10, YI1, 0, "=∠ACB");
    chapter_a_text(XI1, YI1 + 60, 0, "よって ");
    chapter_a_text(XI2 + 30, YI1, 0, "∠ADB=");
    chapter_a_blank(3, XI2 + 10, YI1, 180, "ウ");
    chapter_a_text(XI2, YI1, 0, "…①");
    chapter_a_text(XI1, YI1 + 60, 0, "また、∠BAD=");
    chapter_a_blank(4, XI2 + 10, YI1, 180, "エ");
    chapter_a_text(XI2, YI1, 0, "…②");
    chapter_a_text(XI1, YI1 + 60, 0, "①,②より ");
    chapter_a_text(XI1, YI1 + 60, 0, "");
    chapter_a_blank(5, XI2 + 10, YI1, 180, "オ");
    chapter_a_text(XI2 + 10, YI1, 0, "がそれぞれ等しいので");
    chapter_a_text(XI1, YI1 + 60, 0, "△ABD∽△AEB");

    WAIT_ANY_KEY();
    chapter_a_answer(1, 180, "∠ACB");

    WAIT_ANY_KEY();
    chapter_a_answer(2, 180, "∠ADB");

    WAIT_ANY_KEY();
    chapter_a_answer(3, 180, "∠ABE");

    WAIT_ANY_KEY();
    chapter_a_answer(4, 180, "∠EAB");

    WAIT_ANY_KEY();
    chapter_a_answer(5, 180, "2組の角");
}
