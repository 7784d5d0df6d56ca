// Problem B4: the point P on the ray BD with ∠APB = ∠ACB, constructed one
// step a key: the given triangle, the three reasons, then the compass arcs,
// the perpendicular bisector of AC, its midpoint O, the circle on AC, the
// ray BD and P. Points: centre 0, A 1, B 2, C 3, D 4, P 5, O 6, the arcs'
// crossings 11 and 12.
#include <cmath>

#include "orvane.h"

void Orvane::CHAPTER_B_Q4() {
    chapter_b_frame(72, "4"_sj, 50, false);
    chapter_b_figure_frame(35, 660, 20, 14, 17);
    R1 = SIZE * 6;
    DHRA = 145 * PI / 180;
    DHRB = 215 * PI / 180;
    DHRC = 325 * PI / 180;
    DHRD = 100 * PI / 180;
    chapter_b_on_circle(1, DHRA);
    chapter_b_on_circle(2, DHRB);
    chapter_b_on_circle(3, DHRC);
    chapter_b_on_circle(5, DHRD);
    // D on the ray from B through P, at 7/5 of BP from B.
    M = 4;
    A = 2;
    B = 5;
    C1 = 5;
    C2 = 2;
    C3 = C1 + C2;
    X_A(M) = basic::DIV(C3 * X_A(B) - C2 * X_A(A), C1);
    Y_A(M) = basic::DIV(C3 * Y_A(B) - C2 * Y_A(A), C1);
    // O, the midpoint of A and C.
    M = 6;
    A = 1;
    B = 3;
    X_A(M) = (X_A(A) + X_A(B)) / 2;
    Y_A(M) = (Y_A(A) + Y_A(B)) / 2;

    rt.set_line_width(5);
    chapter_b_label(X_A(1) - 45, Y_A(1) - 25, 0, "A"_sj);
    chapter_b_label(X_A(2) - 40, Y_A(2) - 20, 0, "B"_sj);
    chapter_b_label(X_A(3) + 10, Y_A(3) - 20, 0, "C"_sj);
    rt.disc(X_A(4), Y_A(4), 6, 0, 0);
    chapter_b_label(X_A(4) + 8, Y_A(4) - 30, 0, "D"_sj);
    rt.polyline({X_A(1), Y_A(1), X_A(2), Y_A(2), X_A(3), Y_A(3), X_A(1), Y_A(1)}, 0);
    set_angle_points(2, 1, 3);
    CCC2 = 3;
    NAGASA = 40;
    ITI = -1;
    DRAW_RIGHT_ANGLE();

    // ---- The reasons: the number in its column, the sentences beside it.
    WAIT_ANY_KEY();
    XI0 = 30;
    XI1 = XI0 + 36;
    YI1 = 30;
    paragraph_text(XI0, YI1 + 50, 7, "①"_sj);
    paragraph_text(XI1, YI1, 0, "∠APB=∠ACB だから"_sj);
    paragraph_text(XI1, YI1 + 50, 3, "点Pは3点A,B,Cを通る円周上にある。"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI0, YI1 + 50, 7, "②"_sj);
    paragraph_text(XI1, YI1, 0, "∠B=90% だから"_sj);
    paragraph_text(XI1, YI1 + 50, 3, "ACを直径とする円である。"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI0, YI1 + 50, 7, "③"_sj);
    paragraph_text(XI1, YI1, 0, "点Pは半直線BD上にあるから"_sj);
    paragraph_text(XI1, YI1 + 50, 3, "ACを直径とする円と"_sj);
    paragraph_text(XI1, YI1 + 50, 3, "BDとの交点をPとすればよい。"_sj);

    // ---- The construction. The compass arc about A, through both points
    // that lie 2.5 grid units from O on the perpendicular to AC.
    WAIT_ANY_KEY();
    ZX0 = X_A(1);
    ZY0 = Y_A(1);
    ZX1 = X_A(3);
    ZY1 = Y_A(3);
    DIRECTION_ANGLE();
    M = 11;
    A = 6;
    B = 2.5f;
    C = 90;
    X_A(M) = X_A(A) + SIZE * B * std::cos(C * PI / 180 + HHP);
    Y_A(M) = Y_A(A) - SIZE * B * std::sin(C * PI / 180 + HHP);
    M = 12;
    C = -90;
    X_A(M) = X_A(A) + SIZE * B * std::cos(C * PI / 180 + HHP);
    Y_A(M) = Y_A(A) - SIZE * B * std::sin(C * PI / 180 + HHP);
    R5 = basic::SQR((X_A(11) - X_A(1)) * (X_A(11) - X_A(1)) + (Y_A(11) - Y_A(1)) * (Y_A(11) - Y_A(1)));
    set_angle_points(1, 11, 12);
    ITI = -1;
    ANGLE_ARMS();
    rt.disc(X_A(1), Y_A(1), 8, 7, 7);
    rt.arc(X_A(1), Y_A(1), R5, 7, HH2 - 0.03f, HH1 + 0.03f);

    // The compass arc about C, with the same radius.
    WAIT_ANY_KEY();
    set_angle_points(3, 11, 12);
    ITI = 1;
    ANGLE_ARMS();
    rt.disc(X_A(3), Y_A(3), 8, 7, 7);
    rt.arc(X_A(3), Y_A(3), R5, 7, HH2 - 0.05f, HH1 + 0.05f);

    // The perpendicular bisector through the arcs' crossings.
    WAIT_ANY_KEY();
    chapter_b_segment(11, 12, 0);

    // Its midpoint O.
    WAIT_ANY_KEY();
    rt.disc(X_A(6), Y_A(6), 6, 7, 7);
    chapter_b_label(X_A(6) + 37, Y_A(6) - 25, 7, "O"_sj);

    // The circle with diameter AC.
    WAIT_ANY_KEY();
    rt.circle(X_A(0), Y_A(0), R1, 0);

    // The ray BD.
    WAIT_ANY_KEY();
    chapter_b_segment(2, 4, 0);

    // P, where they meet.
    WAIT_ANY_KEY();
    rt.disc(X_A(5), Y_A(5), 6, 5, 5);
    chapter_b_label(X_A(5) - 30, Y_A(5) - 40, 5, "P"_sj);
}
