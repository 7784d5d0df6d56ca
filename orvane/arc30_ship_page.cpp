// Page 2 of the answer of question 1: the ship problem solved with the
// constructions just taught: circle O for the 30 degrees, circle O' on CD
// as diameter through the perpendicular bisector of CD, and P where they
// meet in the sea.
#include "orvane.h"

namespace {
const float kA = 1, kB = 2, kC = 3, kD = 4, kO = 5, kO2 = 6, kP = 7, kEnd1 = 11, kEnd2 = 12;
}

void Orvane::ARC30_SHIP_PAGE() {
    // 1: the chart.
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI0 = 30;
    XI1 = XI0 + 36;
    YI1 = 20;
    rt.set_line_width(5);
    paragraph_text(XI0, YI1, 3, "<問1 解答>"_sj);
    DRAW_SHIP_FIGURE();
    WAIT_ANY_KEY();

    // 2, 3: circle O.
    paragraph_text(XI0, YI1 + 50, 7, "①"_sj);
    paragraph_text(XI2, YI1, 0, "∠APB=30% となる円O"_sj);
    WAIT_ANY_KEY();

    point_dot(kO, 6, 5);
    figure_text(X_A(kO) - 37, Y_A(kO) - 25, 3, "O"_sj);
    rt.circle(X_A(kO), Y_A(kO), R2, 3);
    WAIT_ANY_KEY();

    // 4, 5: circle O' has CD as diameter; its centre on the bisector of CD.
    paragraph_text(XI0, YI1 + 60, 7, "②"_sj);
    paragraph_text(XI2, YI1, 0, "∠CPD=90% となる円O'の作図"_sj);
    WAIT_ANY_KEY();

    paragraph_text(XI1, YI1 + 50, 3, "CDを直径とする円をかけばよい"_sj);
    direction_between(kO2, kC);
    turned_point(kEnd1, kO2, 1.5f, 90);
    turned_point(kEnd2, kO2, 1.5f, -90);
    WAIT_ANY_KEY();

    // 6 to 9: CD, the compass arcs about D and C, the bisector.
    point_segment(kC, kD, 0);
    WAIT_ANY_KEY();

    R5 = point_distance(kD, kEnd1);
    point_dot(kD, 8, 7);
    set_angle_points(kD, kEnd1, kEnd2);
    ITI = -1;
    ANGLE_ARMS();
    rt.arc(X_A(kD), Y_A(kD), R5, 7, HH2 - 0.05f, HH1 + 0.03f);
    WAIT_ANY_KEY();

    point_dot(kC, 8, 7);
    set_angle_points(kC, kEnd1, kEnd2);
    ITI = 1;
    ANGLE_ARMS();
    rt.arc(X_A(kC), Y_A(kC), R5, 7, HH2 - 0.05f, HH1 + 0.05f);
    WAIT_ANY_KEY();

    point_segment(kEnd1, kEnd2, 0);
    WAIT_ANY_KEY();

    // 10, 11: O' and its circle.
    point_dot(kO2, 6, 7);
    figure_text(X_A(kO2) + 37, Y_A(kO2) - 25, 7, "O'"_sj);
    WAIT_ANY_KEY();

    rt.circle(X_A(kO2), Y_A(kO2), R3, 3);
    WAIT_ANY_KEY();

    // 12 to 18: P, the common point in the sea, and its two angles.
    paragraph_text(XI0, YI1 + 60, 7, "③"_sj);
    paragraph_text(XI2, YI1, 0, "点Pの決定"_sj);
    WAIT_ANY_KEY();

    paragraph_text(XI1, YI1 + 50, 3, "交点で、海にある点をPとする"_sj);
    WAIT_ANY_KEY();

    point_dot(kP, 6, 5);
    figure_text(X_A(kP) - 37, Y_A(kP) - 25, 5, "P"_sj);
    WAIT_ANY_KEY();

    point_segment(kA, kP, 0);
    point_segment(kB, kP, 0);
    WAIT_ANY_KEY();

    set_angle_points(kP, kB, kA);
    CCC1 = 5;
    CCC2 = 0;
    CCC3 = 5;
    NAGASA = 60;
    HONSU = 0;
    ITI = 1;
    AAA_S = "30%"_sj;
    AAAX = 20;
    DRAW_ANGLE_MARK();
    WAIT_ANY_KEY();

    point_segment(kC, kP, 0);
    point_segment(kD, kP, 0);
    WAIT_ANY_KEY();

    set_angle_points(kP, kD, kC);
    CCC2 = 5;
    NAGASA = 50;
    ITI = -1;
    DRAW_RIGHT_ANGLE();
}
