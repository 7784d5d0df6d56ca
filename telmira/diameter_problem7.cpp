// Screen ④ of section 5: problem 7 on page 173, the centre of a circle found
// with a set square laid twice with its right angle at P.
#include <cmath>

#include "telmira.h"

void Telmira::set_square_corners(float vertex, float first, float second) {
    // Legs of 3·R1/√2: the hypotenuse is one and a half diameters, so both
    // legs reach past the circle.
    const float leg = 3 * R1 / basic::SQR(2);
    const float towards[] = {first, second};
    for (int k = 0; k < 2; ++k) {
        ZX0 = X_A(vertex);
        ZY0 = Y_A(vertex);
        ZX1 = X_A(towards[k]);
        ZY1 = Y_A(towards[k]);
        DIRECTION_ANGLE();
        X_A(vertex + 1 + k) = X_A(vertex) + leg * std::cos(HHP);
        Y_A(vertex + 1 + k) = Y_A(vertex) - leg * std::sin(HHP);
    }
}

void Telmira::draw_right_set_square(float vertex) {
    const float p = vertex, a = vertex + 1, b = vertex + 2, c = vertex + 3;
    rt.polygon({X_A(p), Y_A(p), X_A(a), Y_A(a), X_A(b), Y_A(b), X_A(p), Y_A(p)}, 0, 13);
    const float mx = (X_A(a) + X_A(b)) / 2;
    const float my = (Y_A(a) + Y_A(b)) / 2;
    X_A(c) = (X_A(p) + 2 * mx) / 3;
    Y_A(c) = (Y_A(p) + 2 * my) / 3;
}

void Telmira::name_set_square_point(float vertex, float first, float second, const std::string& name, float c,
                                    float raise) {
    set_angle_points(vertex, first, second);
    NAGASA = 10;
    ITI = -1;
    CCC1 = c;
    AAAY = raise;
    AAA_S = name;
    LABEL_ANGLE();
}

void Telmira::DIAMETER_PROBLEM7_SET_SQUARE() {
    // P, A and B of the first set square, A and B raised clear of the circle.
    auto name_p_a_b = [this] {
        name_set_square_point(4, 2, 3, "P"_sj, 0, 0);
        name_set_square_point(2, 3, 4, "A"_sj, 0, -30);
        name_set_square_point(3, 4, 2, "B"_sj, 0, -30);
    };

    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI1 = 36;
    YI1 = 30;
    rt.set_line_width(5);
    paragraph_text(XI1, YI1, 3, "<問7 説明>"_sj);

    GGX = 648;
    GGY = 150;
    YOKO = 16;
    TATE = 16;
    SIZE = 30;
    CCC2 = 15;
    DRAW_GRID();
    X_A(1) = GX0 + 8 * SIZE;
    Y_A(1) = GY0 - 8 * SIZE;
    R1 = SIZE * 5;
    // The first placing: legs through A and B.
    DHRA = 200 * PI / 180;
    DHRB = 20 * PI / 180;
    DHRP = 100 * PI / 180;
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    place_on_circle(4, DHRP);
    set_square_corners(4, 2, 3);
    // The second placing at the same P: legs through C and D.
    DHRA = 170 * PI / 180;
    DHRB = 350 * PI / 180;
    DHRP = 100 * PI / 180;
    place_on_circle(12, DHRA);
    place_on_circle(13, DHRB);
    place_on_circle(14, DHRP);
    set_square_corners(14, 12, 13);

    draw_right_set_square(4);
    rt.circle(X_A(1), Y_A(1), R1, 0);
    rt.disc(X_A(7), Y_A(7), 15, 15, 15);

    WAIT_ANY_KEY();
    name_p_a_b();

    WAIT_ANY_KEY();
    rt.segment(X_A(2), Y_A(2), X_A(3), Y_A(3), 0);

    WAIT_ANY_KEY();
    // The set square taken away; the heading stays.
    rt.fill_box(0, 150, 1760, 1800, 15, 15);
    rt.circle(X_A(1), Y_A(1), R1, 0);
    rt.disc(X_A(4), Y_A(4), 4, 0, 0);
    name_p_a_b();
    rt.segment(X_A(2), Y_A(2), X_A(3), Y_A(3), 0);

    WAIT_ANY_KEY();
    // The second set square, with AB drawn again across it.
    draw_right_set_square(14);
    rt.circle(X_A(1), Y_A(1), R1, 0);
    rt.disc(X_A(17), Y_A(17) + 10, 15, 15, 15);
    rt.disc(X_A(14), Y_A(14), 4, 0, 0);
    name_set_square_point(2, 3, 4, "A"_sj, 0, -30);
    name_set_square_point(3, 4, 2, "B"_sj, 0, -30);
    rt.segment(X_A(2), Y_A(2), X_A(3), Y_A(3), 0);

    WAIT_ANY_KEY();
    name_set_square_point(12, 13, 14, "C"_sj, 3, -30);
    name_set_square_point(13, 14, 12, "D"_sj, 3, -30);

    WAIT_ANY_KEY();
    rt.segment(X_A(12), Y_A(12), X_A(13), Y_A(13), 3);

    WAIT_ANY_KEY();
    name_set_square_point(1, 2, 3, "O"_sj, 5, 0);
    rt.disc(X_A(1), Y_A(1), 5, 5, 5);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 50, 0, "三角定規の直角の頂点Pを円周上におき、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "直角をはさむ2辺と円との交点をA,Bとすると、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "ABは直径となり、円の中心OはAB上にある。"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "同様にして、ABとは異なる直径CDをかけば、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "ABとCDの交点が、中心Oである。"_sj);
}
