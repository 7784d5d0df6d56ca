// Problem B3: A, B, C, D on a circle, the line through C parallel to AB
// meets the chord BD at E; △ACD ∽ △BEC. The figure is built up a key at a
// time, the equal angles highlighted, then the proof's blanks filled.
// Points: centre 0, A 1, B 2, C 3, D 4, E 5.
#include "orvane.h"

namespace {

// One arrowhead near the middle of the segment, pointing from `from` on.
void parallel_mark(Orvane& o, float from, float to) {
    o.AX = o.X_A(from);
    o.AY = o.Y_A(from);
    o.BX = o.X_A(to);
    o.BY = o.Y_A(to);
    o.CCC2 = 3;
    o.NAGASA = 20;
    o.HONSU = 1;
    o.A = 1;
    o.B = 1;
    o.DRAW_PARALLEL_MARKS();
}

// A filled sector in the triangle's inner angle at `vertex`.
void angle_sector(Orvane& o, float vertex, float first, float second, float nagasa, float iti, float fill) {
    o.set_angle_points(vertex, first, second);
    o.HONSU = 0;
    o.NAGASA = nagasa;
    o.ITI = iti;
    o.CCC2 = 0;
    o.CCC3 = fill;
    o.AAA_S = "";
    o.DRAW_ANGLE_MARK();
}

}  // namespace

void Orvane::CHAPTER_B_Q3() {
    chapter_b_frame(72, "3"_sj, 108, false);
    chapter_b_figure_frame(30, 750, 150, 14, 12);
    R1 = SIZE * 6;
    DHRA = 220 * PI / 180;
    DHRB = 320 * PI / 180;
    DHRC = 30 * PI / 180;
    DHRD = 100 * PI / 180;
    chapter_b_on_circle(1, DHRA);
    chapter_b_on_circle(2, DHRB);
    chapter_b_on_circle(3, DHRC);
    chapter_b_on_circle(4, DHRD);
    // E: the horizontal line through C crossed with the line DB.
    AX = X_A(4);
    AY = Y_A(3);
    BX = X_A(3);
    BY = Y_A(3);
    CX = X_A(4);
    CY = Y_A(4);
    DX = X_A(2);
    DY = Y_A(2);
    INTERSECT_LINES();
    X_A(5) = AX2;
    Y_A(5) = AY2;

    rt.set_line_width(5);
    rt.circle(X_A(0), Y_A(0), R1, 0);
    chapter_b_label(X_A(1) - 40, Y_A(1) + 4, 0, "A"_sj);
    chapter_b_label(X_A(2) + 4, Y_A(2) + 4, 0, "B"_sj);
    chapter_b_label(X_A(3) + 10, Y_A(3) - 20, 0, "C"_sj);
    chapter_b_label(X_A(4) - 20, Y_A(4) - 40, 0, "D"_sj);
    rt.polyline({X_A(1), Y_A(1), X_A(2), Y_A(2), X_A(3), Y_A(3), X_A(4), Y_A(4), X_A(1), Y_A(1)}, 0);

    WAIT_ANY_KEY();
    chapter_b_segment(2, 4, 0);

    WAIT_ANY_KEY();
    chapter_b_segment(5, 3, 0);
    chapter_b_label(X_A(5) - 40, Y_A(5) - 20, 0, "E"_sj);
    parallel_mark(*this, 1, 2);
    parallel_mark(*this, 5, 3);

    WAIT_ANY_KEY();
    rt.polygon({X_A(1), Y_A(1), X_A(3), Y_A(3), X_A(4), Y_A(4), X_A(1), Y_A(1)}, 0, 13);
    // The fill covers part of what lies inside the triangle: drawn again.
    chapter_b_label(X_A(5) - 40, Y_A(5) - 20, 0, "E"_sj);
    chapter_b_segment(2, 4, 0);
    chapter_b_segment(5, 3, 0);
    parallel_mark(*this, 5, 3);

    WAIT_ANY_KEY();
    rt.set_line_width(8);
    rt.polyline({X_A(2), Y_A(2), X_A(5), Y_A(5), X_A(3), Y_A(3), X_A(2), Y_A(2)}, 9);
    rt.set_line_width(5);
    parallel_mark(*this, 5, 3);

    WAIT_ANY_KEY();
    XI1 = 80;
    YI1 = 30;
    paragraph_text(XI1, YI1 + 50, 0, "△ACDと△BECにおいて"_sj);

    WAIT_ANY_KEY();
    rt.arc(X_A(0), Y_A(0), R1, 3, 0.7222222f, 0.9166667f);
    angle_sector(*this, 1, 3, 4, 50, 1, 3);
    angle_sector(*this, 2, 3, 5, 50, 1, 3);

    WAIT_ANY_KEY();
    rt.arc(X_A(0), Y_A(0), R1, 7, 0.3888889f, 0.7222222f);
    angle_sector(*this, 3, 1, 4, 40, -1, 7);
    angle_sector(*this, 2, 1, 4, 40, -1, 7);

    WAIT_ANY_KEY();
    angle_sector(*this, 5, 2, 3, 40, 1, 7);

    WAIT_ANY_KEY();
    chapter_b_arc_sign_line(60, "DCに対する円周角は等しいので"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠CAD="_sj);
    chapter_b_blank(1, 180, "ア"_sj);
    paragraph_text(XI2, YI1, 0, "…①"_sj);
    chapter_b_arc_sign_line(60, "ADに対する円周角は等しいので"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠ACD="_sj);
    chapter_b_blank(2, 180, "イ"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "AB∥ECで、平行線の錯角は等しいから"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠ABD="_sj);
    chapter_b_blank(3, 180, "ウ"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "よって、"_sj);
    chapter_b_blank(4, 324, "エ"_sj);
    paragraph_text(XI2, YI1, 0, "…②"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "①,②より "_sj);
    chapter_b_blank(5, 180, "オ"_sj);
    paragraph_text(XI2 + 10, YI1, 0, "がそれぞれ等しいので"_sj);
    paragraph_text(XI2 + 72, YI1, 0, "△ACD∽△BEC"_sj);

    WAIT_ANY_KEY();
    chapter_b_answer(1, 180, "∠EBC"_sj);

    WAIT_ANY_KEY();
    chapter_b_answer(2, 180, "∠ABD"_sj);

    WAIT_ANY_KEY();
    chapter_b_answer(3, 180, "∠BEC"_sj);

    WAIT_ANY_KEY();
    chapter_b_answer(4, 324, "∠ACD=∠BEC"_sj);

    WAIT_ANY_KEY();
    chapter_b_answer(5, 180, "2組の角"_sj);
}
