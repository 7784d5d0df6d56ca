// Screens ②, ③ and ④: the definition of the inscribed angle on circle O,
// then the question and the answer written above the same figure.
#include "telmira.h"

// The arc sign over the next two characters at the paragraph cursor (XI2,
// YI1): a dotted arc 54 units long bulging 10 units upwards, no label.
static void arc_sign_at_cursor(Telmira& t) {
    t.ZX0 = t.XI2;
    t.ZY0 = t.YI1;
    t.ZX1 = t.XI2 + 54;
    t.ZY1 = t.YI1;
    t.HOUKOU = -1;
    t.TAKASA = -10;
    t.HABA = 1;
    t.CCC2 = 0;
    t.AAA_S = "";
    t.DRAW_SPAN_ARC();
}

void Telmira::INSCRIBED_ANGLE_DEFINITION() {
    angle_figure_ready = false;  // the points and the frame become this screen's

    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    GGX = 48;
    GGY = 300;
    YOKO = 12;
    TATE = 11;
    CCC2 = 15;
    SIZE = 30;
    DRAW_GRID();
    rt.set_line_width(5);

    // O in grid units; all ten points are taken to the screen in place. The
    // points this screen does not set start from 0 on every visit: taken to
    // the screen again and again they would grow until they overflow.
    for (float i = 2; i <= 10; i = i + 1) {
        X_A(i) = 0;
        Y_A(i) = 0;
    }
    X_A(1) = 6;
    Y_A(1) = 5;
    for (float i = 1; i <= 10; i = i + 1) {
        X_A(i) = GX0 + SIZE * X_A(i);
        Y_A(i) = GY0 - SIZE * Y_A(i);
    }
    R1 = SIZE * 5;
    HH1 = 1.0f / 12;
    HH2 = 5.0f / 12;
    place_on_circle(2, PI + PI / 6);
    place_on_circle(3, -PI / 6);
    place_on_circle(4, 4 * PI / 6);

    // Circle O.
    rt.disc(X_A(1), Y_A(1), 3, 0, 0);
    rt.circle(X_A(1), Y_A(1), R1, 0);
    CCC1 = 0;
    X = X_A(1) - 36;
    Y = Y_A(1) - 45;
    AA_S = "O"_sj;
    DRAW_TEXT();

    WAIT_ANY_KEY();
    // The arc AB away from P, with A and B.
    rt.arc(X_A(1), Y_A(1), R1, 3, HH1, HH2);
    rt.disc(X_A(2), Y_A(2), 3, 0, 0);
    rt.disc(X_A(3), Y_A(3), 3, 0, 0);
    label_point(2, 3, 4, "A"_sj);
    label_point(3, 4, 2, "B"_sj);

    WAIT_ANY_KEY();
    // P on the other arc.
    rt.disc(X_A(4), Y_A(4), 3, 3, 3);
    set_angle_points(4, 3, 2);
    NAGASA = 10;
    ITI = 1;
    CCC1 = 3;
    AAA_S = "P"_sj;
    LABEL_ANGLE();

    WAIT_ANY_KEY();
    // The chords, the inscribed angle and its definition.
    rt.segment(X_A(2), Y_A(2), X_A(4), Y_A(4), 0);
    rt.segment(X_A(4), Y_A(4), X_A(3), Y_A(3), 0);
    set_angle_points(4, 3, 2);
    HONSU = 0;
    NAGASA = 50;
    ITI = -1;
    CCC2 = 0;
    CCC3 = 5;
    AAA_S = "";
    DRAW_ANGLE_MARK();

    XI1 = 40;
    YI1 = 20;
    paragraph_text(XI1, YI1, 0, "円Oで、"_sj);
    // The arc sign over "AB".
    rt.set_line_width(3);
    arc_sign_at_cursor(*this);
    paragraph_text(XI2, YI1, 0, "ABを除いた円周上に"_sj);
    paragraph_text(XI1, YI1 + 50, 0, "点Pをとるとき、"_sj);
    paragraph_text(XI2, YI1, 3, "∠APBを"_sj);
    // An empty text, in the colour as it stands, moves the cursor to the third line.
    paragraph_text(XI1, YI1 + 60, CCC1, "");
    arc_sign_at_cursor(*this);
    paragraph_text(XI2, YI1, 0, "ABに対する"_sj);
    CCC1 = 5;
    AA_S = "円周角"_sj;
    DRAW_TEXT();
    CCC1 = 0;
    AA_S = "という。"_sj;
    DRAW_TEXT();

    WAIT_ANY_KEY();
    // The radii and the central angle.
    rt.set_line_width(5);
    rt.segment(X_A(2), Y_A(2), X_A(1), Y_A(1), 0);
    rt.segment(X_A(1), Y_A(1), X_A(3), Y_A(3), 0);
    set_angle_points(1, 3, 2);
    HONSU = 0;
    NAGASA = 50;
    ITI = -1;
    CCC2 = 0;
    CCC3 = 3;
    AAA_S = "";
    DRAW_ANGLE_MARK();
}

void Telmira::CONSTANT_ANGLE_QUESTION() {
    rt.fill_box(0, 0, 544, 300, 15, 15);  // the text area; the figure below stays
    XI1 = 40;
    YI1 = 20;
    paragraph_text(XI1, YI1, 3, "∠APBの大きさが一定"_sj);
    paragraph_text(XI1, YI1 + 50, 3, "であるわけを考えよう。"_sj);
    paragraph_text(XI1, YI1 + 50, 0, "∠APBと∠AOBの関係は?"_sj);
}

void Telmira::HALF_ANGLE_ANSWER() {
    XI1 = 40;
    YI1 = 120;  // under the question's last line
    paragraph_text(XI1, YI1 + 50, 5, "∠APBは∠AOBの半分"_sj);
    paragraph_text(XI1, YI1 + 50, 3, "理由は?"_sj);
}
