// Choice ① of section 4: the task on two equal arcs AB and CD of circle O,
// with ∠AOB = 40°, and its answers ∠COD, ∠APB and ∠CQD one key at a time.
// Points: O 1, A 2, B 3, P 4, C 5, D 6, Q 7.
#include "telmira.h"

void Telmira::ARCS_INTRO_TASK() {
    draw_equal_arcs_circle();

    rt.set_line_width(5);
    for (float k : {2.0f, 3.0f, 5.0f, 6.0f}) rt.segment(X_A(1), Y_A(1), X_A(k), Y_A(k), 0);
    rt.segment(X_A(2), Y_A(2), X_A(4), Y_A(4), 0);
    rt.segment(X_A(3), Y_A(3), X_A(4), Y_A(4), 0);
    rt.segment(X_A(5), Y_A(5), X_A(7), Y_A(7), 0);
    rt.segment(X_A(6), Y_A(6), X_A(7), Y_A(7), 0);

    label_point(2, 3, 1, "A"_sj);
    label_point(3, 1, 2, "B"_sj);
    label_point(4, 2, 3, "P"_sj);
    label_point(5, 6, 1, "C"_sj);
    label_point(6, 1, 5, "D"_sj);
    label_point(7, 5, 6, "Q"_sj);

    // The central angle AOB filled, O named away from it, its size beyond it.
    mark_angle(1, 2, 3, 1, 0, 32, 0, 3);
    label_point(1, 2, 3, "O"_sj, 4.8f);
    name_at(1, 2, 3, "40°"_sj, 50, 1, 5);

    mark_equal_arcs();

    // The task: arc AB = arc CD and ∠AOB = 40°.
    XI1 = 108;
    YI1 = 30;
    paragraph_text(XI1 - 72, YI1, 0, "課　"_sj);
    rt.set_line_width(3);
    CCC1 = 5;
    arc_sign(0);
    paragraph_text(XI2, YI1, 0, "AB="_sj);
    CCC1 = 5;
    arc_sign(0);
    paragraph_text(XI2, YI1, 0, "CDで、∠AOB=40°のとき、"_sj);
    paragraph_text(XI1 - 72, YI1 + 50, 0, "(1)∠CODの大きさを求めなさい。"_sj);
    paragraph_text(XI1 - 72, YI1 + 50, 0, "(2)∠APBの大きさを求めなさい。"_sj);
    paragraph_text(XI1 - 72, YI1 + 50, 0, "(3)∠CQDの大きさを求めなさい。"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1 - 72, YI1 + 60, 3, "(1)おうぎ形の弧の長さが等しければ、"_sj);
    paragraph_text(XI1, YI1 + 60, 3, "中心角の大きさも等しいので、"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 50, 0, "∠COD=∠AOB="_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI2, YI1, 3, "40°"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1 - 72, YI1 + 60, 3, "(2)"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI2, YI1, 0, "∠APB=ﾀ1/2ﾀ∠AOB="_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI2, YI1, 3, "20°"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1 - 72, YI1 + 80, 3, "(3)"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI2, YI1, 0, "∠CQD=ﾀ1/2ﾀ∠COD="_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI2, YI1, 3, "20°"_sj);
}
