// Screen ③, page 1 of the answer of question 1: the points P that see AB
// under "30 degrees" lie on an arc of the circle O with AOB "60 degrees",
// and O is found as the third vertex of the equilateral triangle on AB.
// Page 2 (arc30_ship_page.cpp) follows at once.
#include <cmath>

#include "orvane.h"

namespace {
const float kA = 1, kB = 2, kO = 5, kP = 8, kMovingP = 31;
}

void Orvane::arc30_dot_and_name(float k) {
    if (k == kO) {
        point_dot(k, 6, 3);
        figure_text(X_A(k), Y_A(k), 0, "O"_sj);
    } else if (k == kP) {
        point_dot(k, 6, 0);
        figure_text(X_A(k) + 10, Y_A(k) - 25, 0, "P"_sj);
    } else {
        point_dot(k, 6, 0);
        figure_text(X_A(k) - 14, Y_A(k) - 50, 0, k == kA ? "A"_sj : "B"_sj);
    }
}

// The filled sector of the angle at P or O between the arms towards B and A.
void Orvane::arc30_mark(float vertex, const std::string& label) {
    set_angle_points(vertex, kB, kA);
    CCC1 = 3;
    CCC2 = 0;
    CCC3 = 3;
    NAGASA = 60;
    HONSU = 0;
    ITI = 1;
    AAA_S = label;
    DRAW_ANGLE_MARK();
}

// A compass arc of 0.06 of a turn centred on the direction h (an arc range
// fraction); its ends are wrapped into 0..1 one at a time.
void Orvane::arc30_compass_arc(float centre, float radius, float h) {
    HHP1 = h + 0.03f;
    if (HHP1 > 1) HHP1 = HHP1 - 1;
    HHP2 = h - 0.03f;
    if (HHP2 < 0) HHP2 = HHP2 + 1;
    rt.arc(X_A(centre), Y_A(centre), radius, 7, HHP2, HHP1);
}

// The figure once the locus is erased: O and its circle, A, B and P, both
// angles and their marks.
void Orvane::arc30_full_figure() {
    arc30_dot_and_name(kO);
    rt.circle(X_A(kO), Y_A(kO), R1, 0);
    arc30_dot_and_name(kA);
    arc30_dot_and_name(kB);
    arc30_dot_and_name(kP);
    point_segment(kA, kP, 0);
    point_segment(kB, kP, 0);
    arc30_mark(kP, "30%"_sj);
    point_segment(kA, kO, 0);
    point_segment(kB, kO, 0);
    arc30_mark(kO, "60%"_sj);
}

void Orvane::ARC30_ANSWER() {
    // 1: the question, one P and its angle.
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI0 = 40;
    XI1 = XI0;
    YI1 = 30;
    rt.set_line_width(5);
    paragraph_text(XI1, YI1, 7, "問1 解答"_sj);
    paragraph_text(XI1, YI1 + 50, 3, "∠APB=30% となる点Pをさがそう。"_sj);
    GGX = 720;
    GGY = 50;
    YOKO = 7;
    TATE = 7;
    SIZE = 70;
    CCC2 = 15;
    DRAW_GRID();
    ARC30_POINTS();
    arc30_dot_and_name(kA);
    arc30_dot_and_name(kB);
    arc30_dot_and_name(kP);
    point_segment(kA, kP, 0);
    point_segment(kB, kP, 0);
    arc30_mark(kP, "30%"_sj);
    WAIT_ANY_KEY();

    // 2: the circle through A, B and P.
    paragraph_text(XI1, YI1 + 50, 0, "3点ABPを通る円Oをかくと"_sj);
    arc30_dot_and_name(kO);
    R1 = point_distance(kO, kA);
    rt.circle(X_A(kO), Y_A(kO), R1, 0);
    WAIT_ANY_KEY();

    // 3, 4: the central angle, then its size.
    paragraph_text(XI1, YI1 + 50, 3, "∠AOB="_sj);
    point_segment(kA, kO, 0);
    point_segment(kB, kO, 0);
    arc30_mark(kO, "");
    WAIT_ANY_KEY();

    paragraph_text(XI2, YI1, 3, "60%"_sj);
    arc30_mark(kO, "60%"_sj);
    WAIT_ANY_KEY();

    // 5.
    paragraph_text(XI2, YI1, 0, " だから"_sj);
    paragraph_text(XI2, YI1, 7, "点Pの位置は、"_sj);
    WAIT_ANY_KEY();

    // 6: P at eight places along the arc AB on O's side, 40 degrees apart.
    paragraph_text(XI1, YI1 + 50, 3, "直線ABについて点Oと同じ側の"_sj);
    paragraph_text(XI2, YI1, 5, "弧AB上"_sj);
    II = 1;
    {
        const float last = 8;
        do {
            C = 430 - 40 * (II - 1);
            X_A(kMovingP) = X_A(kO) + R1 * std::cos(C * PI / 180);
            Y_A(kMovingP) = Y_A(kO) - R1 * std::sin(C * PI / 180);
            point_segment(kA, kMovingP, 7);
            point_segment(kB, kMovingP, 7);
            II = II + 1;
        } while (II <= last);
    }
    WAIT_ANY_KEY();

    // 7: the locus erased, the figure drawn again.
    paragraph_text(XI1, YI1 + 70, 7, "円Oを作図しよう。"_sj);
    rt.fill_box(GX1, GY1, GX2, GY2, 15, 15);
    arc30_full_figure();
    WAIT_ANY_KEY();

    // 8, 9: the triangle OAB is equilateral.
    paragraph_text(XI1, YI1 + 50, 0, "△OABは"_sj);
    point_segment(kA, kB, 0);
    WAIT_ANY_KEY();

    paragraph_text(XI2, YI1, 3, "正三角形"_sj);
    paragraph_text(XI2, YI1, 0, " だから"_sj);
    WAIT_ANY_KEY();

    // 10 to 12: the construction's steps.
    paragraph_text(XI1, YI1 + 50, 0, "①ABを1辺とする正三角形をかく。"_sj);
    WAIT_ANY_KEY();

    paragraph_text(XI1, YI1 + 50, 0, "②A,B以外の頂点をOとする。"_sj);
    WAIT_ANY_KEY();

    paragraph_text(XI1, YI1 + 50, 0, "③中心O、半径OAの円をかく。"_sj);
    WAIT_ANY_KEY();

    // 13: the figure erased but for A and B.
    rt.fill_box(GX1, GY1, GX2, GY2, 15, 15);
    arc30_dot_and_name(kA);
    arc30_dot_and_name(kB);
    WAIT_ANY_KEY();

    // 14, 15: the compass on A, through B and through the place of O.
    point_dot(kA, 6, 7);
    R2 = point_distance(kA, kB);
    set_angle_points(kA, kO, kB);
    ITI = 1;
    ANGLE_ARMS();
    arc30_compass_arc(kA, R2, HH2);
    WAIT_ANY_KEY();

    arc30_compass_arc(kA, R1, HH1);
    WAIT_ANY_KEY();

    // 16: the compass on B, crossing the last arc at O.
    point_dot(kB, 6, 7);
    set_angle_points(kB, kA, kO);
    ITI = 1;
    ANGLE_ARMS();
    arc30_compass_arc(kB, R1, HH2);
    WAIT_ANY_KEY();

    // 17 to 19: O, its circle, and P with its angle.
    arc30_dot_and_name(kO);
    WAIT_ANY_KEY();

    rt.circle(X_A(kO), Y_A(kO), R1, 0);
    WAIT_ANY_KEY();

    arc30_dot_and_name(kP);
    point_segment(kA, kP, 0);
    point_segment(kB, kP, 0);
    arc30_mark(kP, "30%"_sj);
    WAIT_ANY_KEY();

    ARC30_SHIP_PAGE();
}
