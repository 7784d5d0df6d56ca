// Problem A4: the parallelogram ABCD folded along AC, B going to B'; ∠B' =
// ∠B = ∠D with B' and D on one side of AC, so A, B', C, D lie on one circle.
// The proof has five blanks, filled one key press at a time.
// Points: O 0 (only places the others), A 1, B 2, C 3, D 4, B' 5.
#include "orvane.h"

namespace {

// The angles at D and B' highlighted, then the opposite angles at B and D
// and the angle at B', their larger sectors covering the first ones.
const Orvane::ChapterAMark kHighlighted[] = {
    {4, 1, 3, 0, 40, 1, 0, 5, "", -1},
    {5, 1, 3, 0, 40, 1, 0, 5, "", -1},
};
const Orvane::ChapterAMark kOpposite[] = {
    {2, 1, 3, 0, 50, -1, 0, 3, "", -1},
    {4, 1, 3, 0, 50, 1, 0, 3, "", -1},
};
const Orvane::ChapterAMark kAtBDash = {5, 1, 3, 0, 50, 1, 0, 3, "", -1};

}  // namespace

void Orvane::CHAPTER_A_Q4() {
    start_chapter_a_page(72);
    chapter_a_heading("4"_sj, 13);

    SIZE = 30;
    GGX = 750;
    GGY = 150;
    YOKO = 12;
    TATE = 10;
    CCC2 = 15;
    DRAW_GRID();
    place_chapter_a_centre();
    DHRA = 150 * PI / 180;
    DHRD = 30 * PI / 180;
    DHRC = -60 * PI / 180;
    DHRE = 60 * PI / 180;
    place_on_chapter_a_circle(1, DHRA);
    place_on_chapter_a_circle(3, DHRC);
    place_on_chapter_a_circle(4, DHRD);
    place_on_chapter_a_circle(5, DHRE);
    // B, the parallelogram's fourth corner.
    X_A(2) = X_A(1) - (X_A(4) - X_A(3));
    Y_A(2) = Y_A(3);

    rt.set_line_width(5);
    label_chapter_a_points(
        {{1, "A", -16, -46}, {2, "B", -40, 4}, {3, "C", 10, 4}, {4, "D", 4, -45}, {5, "B'", -20, -50}});
    chapter_a_segments({{1, 4}, {1, 3}, {3, 4}, {1, 5}, {3, 5}}, 0);
    // AB and BC, where the triangle was before the fold, as rows of dots.
    for (const auto& [p, q] : {std::pair<float, float>{1, 2}, {2, 3}}) {
        ZX0 = X_A(p);
        ZY0 = Y_A(p);
        ZX1 = X_A(q);
        ZY1 = Y_A(q);
        CCC2 = 0;
        HOUKOU = -1;
        HABA = 5;
        TAKASA = 0;
        AAA_S = "";
        DRAW_SPAN_ARC();
    }

    WAIT_ANY_KEY();
    // The fold line.
    chapter_a_segments({{1, 3}}, 5);

    WAIT_ANY_KEY();
    for (const ChapterAMark& m : kHighlighted) draw_chapter_a_mark(m);

    WAIT_ANY_KEY();
    for (const ChapterAMark& m : kOpposite) draw_chapter_a_mark(m);

    WAIT_ANY_KEY();
    draw_chapter_a_mark(kAtBDash);
    XI1 = 80;
    YI1 = 30;

    WAIT_ANY_KEY();
    // The proof with its blanks.
    CCC1 = 5;
    CCC2 = 3;
    CCC3 = 13;
    HABA = 180;
    TATE = 50;
    chapter_a_text(XI1, YI1 + 70, 0, "平行四辺形の対角は等しいから");
    chapter_a_text(XI1, YI1 + 60, 0, "∠B=");
    chapter_a_blank(1, XI2 + 10, YI1, 72, "ア");
    chapter_a_text(XI2, YI1, 0, "…①");
    chapter_a_text(XI1, YI1 + 60, 0, "点B'は点Bが移動した点だから");
    chapter_a_text(XI1, YI1 + 60, 0, "∠B'=");
    chapter_a_blank(2, XI2 + 10, YI1, 72, "イ");
    chapter_a_text(XI2, YI1, 0, " …②");
    chapter_a_text(XI1, YI1 + 60, 0, "①,②より、∠B'=");
    chapter_a_blank(3, XI2 + 10, YI1, 72, "ウ");
    chapter_a_text(XI1, YI1 + 60, 0, "2点B',Dは");
    chapter_a_blank(4, XI2 + 10, YI1, 144, "エ");
    chapter_a_text(XI2 + 10, YI1, 0, "の同じ側にあって、");
    chapter_a_text(XI1, YI1 + 60, 0, "∠B'=");
    chapter_a_blank(5, XI2 + 10, YI1, 72, "オ");
    chapter_a_text(XI2, YI1, 0, " だから");
    chapter_a_text(XI1, YI1 + 60, 3, "4点A,B',C,Dは1つの円周上にある。");

    WAIT_ANY_KEY();
    chapter_a_answer(1, 72, "∠D");

    WAIT_ANY_KEY();
    chapter_a_answer(2, 72, "∠B");

    WAIT_ANY_KEY();
    chapter_a_answer(3, 72, "∠D");

    WAIT_ANY_KEY();
    chapter_a_answer(4, 144, "直線AC");

    WAIT_ANY_KEY();
    chapter_a_answer(5, 72, "∠D");
}
