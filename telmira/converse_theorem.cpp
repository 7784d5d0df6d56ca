// Section 6, screen ②: the converse of the theorem stated a piece at a time
// over four points without their circle, then problem 1 of page 175.
#include "telmira.h"

void Telmira::place_converse_points(float a, float b, float c, float p) {
    DRAW_GRID();
    X_A(1) = GX0 + 5 * SIZE;
    Y_A(1) = GY0 - 5 * SIZE;
    R1 = 5 * SIZE;
    DHRA = a * PI / 180;
    DHRB = b * PI / 180;
    DHRC = c * PI / 180;
    DHRP = p * PI / 180;
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    place_on_circle(4, DHRC);
    place_on_circle(5, DHRP);
}

void Telmira::join_points(float from, float to, float c) {
    M = from;
    N = to;
    rt.segment(X_A(M), Y_A(M), X_A(N), Y_A(N), colour(c));
}

void Telmira::CONVERSE_FIGURE_ABPQ() {
    GGX = 600;
    GGY = 50;
    YOKO = 10;
    TATE = 10;
    SIZE = 30;
    CCC2 = 15;
    place_converse_points(220, 320, 120, 60);
    rt.set_line_width(5);

    rt.segment(GX1, Y_A(2), GX2, Y_A(2), 0);

    put_text(X_A(2) - 40, Y_A(2) + 4, 0, "A"_sj);
    put_text(X_A(3) + 10, Y_A(3) + 4, 0, "B"_sj);
    put_text(X_A(4) - 16, Y_A(4) - 45, 0, "P"_sj);
    put_text(X_A(5) - 20, Y_A(5) - 50, 0, "Q"_sj);

    join_points(2, 4, 0);
    join_points(3, 4, 0);
    join_points(2, 5, 0);
    join_points(3, 5, 0);
}

void Telmira::CONVERSE_FIGURE_P175Q1() {
    GGX = 60;
    GGY = 350;
    YOKO = 10;
    TATE = 10;
    SIZE = 30;
    CCC2 = 15;
    place_converse_points(130, 200, 340, 40);
    rt.set_line_width(5);

    put_text(X_A(2) - 40, Y_A(2) - 25, 0, "A"_sj);
    put_text(X_A(3) - 20, Y_A(3) + 4, 0, "B"_sj);
    put_text(X_A(4) - 16, Y_A(4) + 5, 0, "C"_sj);
    put_text(X_A(5) + 6, Y_A(5) - 25, 0, "D"_sj);

    join_points(2, 3, 0);
    join_points(2, 4, 0);
    join_points(3, 4, 0);
    join_points(3, 5, 0);
    join_points(4, 5, 0);
    join_points(2, 5, 0);

    mark_angle(2, 4, 5, 3, 3, 50, 1, 1, "x"_sj);
    mark_angle(3, 4, 5, 3, 3, 50, 1, 1, "35°"_sj);
    mark_angle(4, 2, 3, 3, 3, 50, 1, 1, "40°"_sj);
}

void Telmira::CONVERSE_THEOREM() {
    // Step 1: the four points, the statement's first condition.
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    CONVERSE_FIGURE_ABPQ();
    XI1 = 108;
    YI1 = 30;
    paragraph_text(XI1 - 72, YI1, 3, "<円周角の定理の逆>"_sj);
    paragraph_text(XI1 - 72, YI1 + 60, 0, "4点A,B,P,Qについて"_sj);
    paragraph_text(XI1 - 72, YI1 + 60, 0, "①"_sj);
    paragraph_text(XI2, YI1, 3, "P,Qが直線ABの同じ側にあって"_sj);

    WAIT_ANY_KEY();

    // Step 2: the equal angles, shaded.
    paragraph_text(XI1 - 72, YI1 + 60, 0, "②"_sj);
    paragraph_text(XI2, YI1, 3, "∠APB=∠AQB"_sj);
    mark_angle(4, 2, 3, 3, 3, 50, 0, 1, "");
    mark_angle(5, 2, 3, 3, 3, 50, 0, 1, "");

    WAIT_ANY_KEY();

    // Step 3
    paragraph_text(XI2, YI1, 0, "　ならば　"_sj);

    WAIT_ANY_KEY();

    // Step 4: only now the circle through the four points.
    rt.set_line_width(5);
    rt.circle(X_A(1), Y_A(1), R1, 0);
    paragraph_text(XI1 - 72, YI1 + 60, 5, "この4点は1つの円周上にある。"_sj);

    WAIT_ANY_KEY();

    // Step 5: problem 1 of page 175.
    CONVERSE_FIGURE_P175Q1();
    paragraph_text(450, YI1 + 100, 7, "教科書P175 問1　をしなさい。"_sj);

    WAIT_ANY_KEY();

    // Step 6
    paragraph_text(450, YI1 + 60, 5, "答　∠x=35°のとき"_sj);

    WAIT_ANY_KEY();

    // Step 7
    paragraph_text(450, YI1 + 60, 0, "教科書P175 問2　をしなさい。"_sj);
}
