// Choice ② of section 4: the two theorems of one circle on the task's
// figure, central angles and arcs, then inscribed angles and arcs, stated a
// piece at a time while P, Q and their angles join the figure.
// Points: O 1, A 2, B 3, P 4, C 5, D 6, Q 7.
#include "telmira.h"

void Telmira::ARCS_THEOREM() {
    draw_equal_arcs_circle();

    // Radii only: P and Q come with the second theorem.
    rt.set_line_width(5);
    for (float k : {2.0f, 3.0f, 5.0f, 6.0f}) rt.segment(X_A(1), Y_A(1), X_A(k), Y_A(k), 0);

    label_point(2, 3, 1, "A"_sj);
    label_point(3, 1, 2, "B"_sj);
    label_point(5, 6, 1, "C"_sj);
    label_point(6, 1, 5, "D"_sj);

    // The equal central angles AOB and COD, two arcs each.
    mark_angle(1, 2, 3, 1, 2, 60, 0, 5);
    label_point(1, 2, 3, "O"_sj, 4.8f);
    mark_angle(1, 6, 5, -1, 2, 60, 0, 5);

    mark_equal_arcs();

    XI1 = 108;
    YI1 = 30;
    paragraph_text(XI1 - 72, YI1, 3, "<中心角と弧>"_sj);
    paragraph_text(XI1 - 72, YI1 + 50, 0, "1つの円で　"_sj);
    paragraph_text(XI1 - 72, YI1 + 60, 0, "①"_sj);
    arc_equality(3);
    paragraph_text(XI2, YI1, 0, "　ならば　"_sj);
    paragraph_text(XI2, YI1, 3, "∠AOB=∠COD"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1 - 72, YI1 + 60, 0, "②"_sj);
    paragraph_text(XI2, YI1, 3, "∠AOB=∠COD"_sj);
    paragraph_text(XI2, YI1, 0, "　ならば　"_sj);
    arc_equality(3);

    WAIT_ANY_KEY();
    paragraph_text(XI1 - 72, YI1 + 90, 5, "<円周角と弧>"_sj);
    paragraph_text(XI1 - 72, YI1 + 50, 0, "1つの円で　"_sj);
    paragraph_text(XI1 - 72, YI1 + 60, 0, "①"_sj);
    arc_equality(5);
    paragraph_text(XI2, YI1, 0, "　ならば　"_sj);
    rt.set_line_width(5);
    name_at(4, 2, 3, "P"_sj, 8, -1, 3);
    name_at(7, 5, 6, "Q"_sj, 8, -1, 3);
    rt.segment(X_A(2), Y_A(2), X_A(4), Y_A(4), 0);
    rt.segment(X_A(3), Y_A(3), X_A(4), Y_A(4), 0);
    rt.segment(X_A(5), Y_A(5), X_A(7), Y_A(7), 0);
    rt.segment(X_A(6), Y_A(6), X_A(7), Y_A(7), 0);

    // The equal inscribed angles APB and CQD, one arc each.
    WAIT_ANY_KEY();
    mark_angle(4, 2, 3, 1, 1, 70, 0, 5);
    mark_angle(7, 6, 5, -1, 1, 70, 0, 5);

    WAIT_ANY_KEY();
    paragraph_text(XI2, YI1, 5, "∠APB=∠CQD"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1 - 72, YI1 + 60, 0, "②"_sj);
    paragraph_text(XI2, YI1, 5, "∠APB=∠CQD"_sj);
    paragraph_text(XI2, YI1, 0, "　ならば　"_sj);

    WAIT_ANY_KEY();
    arc_equality(5);

    WAIT_ANY_KEY();
    paragraph_text(44, 590, 0, "教科書P171 問2　をしなさい。"_sj);
}
