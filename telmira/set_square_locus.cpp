// Screen ①: the set square of textbook page 167 laid at ten points P, the
// points alone, ten more between them, and the circle through them all.
// A subroutine: the converse section calls it too.
#include <cmath>

#include "telmira.h"

void Telmira::DRAW_SET_SQUARE() {
    place_on_circle(4, DHRP);

    // The side through A, twice the radius long.
    ZX0 = X_A(4);
    ZY0 = Y_A(4);
    ZX1 = X_A(2);
    ZY1 = Y_A(2);
    DIRECTION_ANGLE();
    X_A(5) = X_A(4) + 2 * R1 * std::cos(HHP);
    Y_A(5) = Y_A(4) - 2 * R1 * std::sin(HHP);

    // The side through B, the hypotenuse of the right isosceles set square.
    ZX0 = X_A(4);
    ZY0 = Y_A(4);
    ZX1 = X_A(3);
    ZY1 = Y_A(3);
    DIRECTION_ANGLE();
    X_A(6) = X_A(4) + 2 * basic::SQR(2) * R1 * std::cos(HHP);
    Y_A(6) = Y_A(4) - 2 * basic::SQR(2) * R1 * std::sin(HHP);

    rt.polygon({X_A(4), Y_A(4), X_A(5), Y_A(5), X_A(6), Y_A(6), X_A(4), Y_A(4)}, 0, 13);

    // The hole about the centroid.
    A = (X_A(5) + X_A(6)) / 2;
    B = (Y_A(5) + Y_A(6)) / 2;
    X_A(7) = (X_A(4) + 2 * A) / 3;
    Y_A(7) = (Y_A(4) + 2 * B) / 3;
    rt.disc(X_A(7), Y_A(7), 30, 15, 15);
}

void Telmira::DRAW_POINTS_AB() {
    rt.disc(X_A(2), Y_A(2), 4, 0, 0);
    rt.disc(X_A(3), Y_A(3), 4, 0, 0);
    CCC1 = 3;
    X = X_A(2) - 40;
    Y = Y_A(2) - 25;
    AA_S = "A"_sj;
    DRAW_TEXT();
    X = X_A(3) + 20;
    Y = Y_A(3) - 25;
    AA_S = "B"_sj;
    DRAW_TEXT();
}

// The label "P" above the example set square's corner, point 11.
static void label_example_p(Telmira& t) {
    t.CCC1 = 3;
    t.X = t.X_A(11) - 14;
    t.Y = t.Y_A(11) - 50;
    t.AA_S = "P"_sj;
    t.DRAW_TEXT();
}

void Telmira::SET_SQUARE_LOCUS() {
    angle_figure_ready = false;  // the points and the frame become this screen's

    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    GGX = 600;
    GGY = 30;
    YOKO = 20;
    TATE = 19;
    CCC2 = 15;
    SIZE = 30;
    DRAW_GRID();
    XI1 = 36;
    YI1 = 30;
    rt.set_line_width(5);

    // The question.
    paragraph_text(XI1, YI1, 7, "教科書P167 Q"_sj);
    paragraph_text(XI1, YI1 + 50, 3, "∠APB=45%"_sj);
    paragraph_text(XI2, YI1, 0, "となるような点Pを"_sj);
    paragraph_text(XI1, YI1 + 50, 0, "三角定規を使って10個とろう。"_sj);
    paragraph_text(XI1, YI1 + 50, 0, "点Pはどんな図形の上にあるだろう。"_sj);

    // O, A and B; A and B stand 100 degrees apart.
    X_A(1) = 8;
    Y_A(1) = 12;
    X_A(1) = GX0 + SIZE * X_A(1);
    Y_A(1) = GY0 - SIZE * Y_A(1);
    R1 = SIZE * 6;
    DHRA = 220 * PI / 180;
    DHRB = 320 * PI / 180;
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    DRAW_POINTS_AB();

    WAIT_ANY_KEY();
    // The example set square at 95 degrees.
    DHRP = 95 * PI / 180;
    DRAW_SET_SQUARE();
    X_A(11) = X_A(4);
    Y_A(11) = Y_A(4);
    rt.disc(X_A(4), Y_A(4), 4, 0, 0);
    label_example_p(*this);

    WAIT_ANY_KEY();
    // Ten set squares from next to A over the top to next to B, each
    // painted over the ones before.
    for (float i = 1; i <= 10; i = i + 1) {
        DHRP = (220 - 25 * i) * PI / 180;
        DRAW_SET_SQUARE();
        DRAW_POINTS_AB();

        WAIT_ANY_KEY();
        rt.disc(X_A(4), Y_A(4), 4, 0, 0);

        WAIT_ANY_KEY();
    }

    WAIT_ANY_KEY();
    // The ten points alone, each joined to A and B.
    rt.fill_box(GX1, 0, GX1 + 1760, 1800, 15, 15);
    DRAW_POINTS_AB();
    for (float i = 1; i <= 10; i = i + 1) {
        DHRP = (220 - 25 * i) * PI / 180;
        place_on_circle(4, DHRP);
        rt.set_line_width(2);
        N = 4;
        M = 2;
        rt.segment(X_A(M), Y_A(M), X_A(N), Y_A(N), 0);
        M = 3;
        rt.segment(X_A(M), Y_A(M), X_A(N), Y_A(N), 0);
        rt.set_line_width(5);
        rt.disc(X_A(4), Y_A(4), 4, 0, 0);
        if (i == 5) {
            label_example_p(*this);
        }
    }

    WAIT_ANY_KEY();
    // Twenty points, every other one between the ten.
    for (float i = 1; i <= 20; i = i + 1) {
        DHRP = (220 - 12.5f * i) * PI / 180;
        place_on_circle(4, DHRP);
        rt.set_line_width(5);
        rt.disc(X_A(4), Y_A(4), 4, 0, 0);
    }

    WAIT_ANY_KEY();
    // The circle through all of them.
    rt.set_line_width(5);
    rt.circle(X_A(1), Y_A(1), R1, 0);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 70, 5, "円周上にありそうだ！"_sj);
}
