// Section 6, screen ①: the set-square locus again, then ∠APB compared with
// the inscribed angle a for P on, inside and outside the circle.
#include <cmath>

#include "telmira.h"

namespace {

// Figure k's number and the placeholder of its blank.
const char* const kFigureNames[] = {"", "(1)", "(2)", "(3)"};
const char* const kBlankMarks[] = {"", "①", "②", "③"};

}  // namespace

void Telmira::put_text(float x, float y, float c, const std::string& text) {
    CCC1 = c;
    X = x;
    Y = y;
    AA_S = text;
    DRAW_TEXT();
}

void Telmira::mark_angle(float vertex, float first, float second, float label_colour, float fill, float size,
                         float arcs, float side, const std::string& label) {
    set_angle_points(vertex, first, second);
    CCC1 = label_colour;
    CCC2 = 0;
    CCC3 = fill;
    NAGASA = size;
    HONSU = arcs;
    ITI = side;
    AAA_S = label;
    DRAW_ANGLE_MARK();
}

void Telmira::p174q_frame(float k) {
    SIZE = 30;
    GGX = SIZE * (2 + 13 * (k - 1));
    GGY = 220;
    YOKO = 10;
    TATE = 10;
    CCC2 = 15;
    DRAW_GRID();
    T_A(10 + k) = GGX;
}

void Telmira::p174q_figure(float k) {
    const float b = 10 * (k - 1) + 1;
    const float o = b, a = b + 1, bb = b + 2, c = b + 3, q = b + 4;
    // Figure (1) has no second point: its point on the circle is P.
    const float p = k == 1 ? q : (k == 2 ? 16 : 27);

    X_A(o) = GX0 + SIZE * 5;
    Y_A(o) = GY0 - SIZE * 5;
    R1 = SIZE * 5;
    DHRA = 220 * PI / 180;
    DHRB = 320 * PI / 180;
    DHRC = 120 * PI / 180;
    DHRP = 60 * PI / 180;
    place_on_circle(a, DHRA, o);
    place_on_circle(bb, DHRB, o);
    place_on_circle(c, DHRC, o);
    place_on_circle(q, DHRP, o);
    ZX0 = X_A(a);
    ZY0 = Y_A(a);
    ZX1 = X_A(q);
    ZY1 = Y_A(q);
    DIRECTION_ANGLE();
    if (k != 1) {
        // Along the chord AQ (inside) or beyond Q (outside).
        const float d = k == 2 ? 3 * R1 / 2 : 2.5f * R1;
        X_A(p) = X_A(a) + d * std::cos(HHP);
        Y_A(p) = Y_A(a) - d * std::sin(HHP);
    }

    rt.set_line_width(5);
    rt.disc(X_A(o), Y_A(o), 4, 0, 0);
    put_text(X_A(o) - 16, Y_A(o) + 4, 0, "O"_sj);
    rt.segment(GX1, Y_A(a), GX2, Y_A(a), 0);

    put_text(X_A(a) - 40, Y_A(a) + 4, 0, "A"_sj);
    put_text(X_A(bb) + 10, Y_A(bb) + 4, 0, "B"_sj);
    put_text(X_A(c) - 16, Y_A(c) - 45, 0, "C"_sj);
    put_text(X_A(q) - 20, Y_A(q) - 50, 0, k == 1 ? "P"_sj : "Q"_sj);

    auto join = [this](float from, float to) { rt.segment(X_A(from), Y_A(from), X_A(to), Y_A(to), 0); };
    join(a, c);
    join(bb, c);
    if (k == 1) {
        join(a, p);
        join(bb, p);
    } else if (k == 2) {
        join(a, q);
        join(bb, q);
        join(bb, p);
    } else {
        join(a, p);
        join(bb, q);
        join(bb, p);
    }
    if (k == 2) put_text(X_A(p) - 20, Y_A(p) - 50, 0, "P"_sj);
    if (k == 3) put_text(X_A(p) - 20, Y_A(p) - 40, 0, "P"_sj);

    rt.set_line_width(5);
    rt.circle(X_A(o), Y_A(o), R1, 0);

    mark_angle(c, a, bb, 3, 3, 50, 1, 1, "a"_sj);
    mark_angle(p, a, bb, 3, 5, k == 1 ? 50 : 40, 0, 1, "");
}

void Telmira::p174q_heading(float k) {
    paragraph_text(GX1, GY1 - 130, 3, cp932::from_utf8(kFigureNames[static_cast<int>(k)]));
    paragraph_text(XI2, YI1, 0, "∠APB"_sj);

    X = XI2 + 10;
    Y = YI1;
    T_A(k) = X;
    F_A(k) = Y;
    p174q_cell(cp932::from_utf8(kBlankMarks[static_cast<int>(k)]));
    YI1 = Y;
    XI2 = X;

    paragraph_text(XI2 + 10, YI1, 0, "∠a"_sj);
}

void Telmira::p174q_cell(const std::string& text) {
    CCC1 = 5;
    CCC2 = 3;
    CCC3 = 13;
    HABA = 72;
    TATE = 50;
    A_S = text;
    DRAW_CELL_ON_LINE();
}

void Telmira::p174q_answer(float k, const std::string& answer) {
    X = T_A(k);
    Y = F_A(k);
    p174q_cell(answer);
}

void Telmira::CONVERSE_P174Q() {
    // Step 1: the set-square locus, its last page kept until a key.
    SET_SQUARE_LOCUS();
    WAIT_ANY_KEY();

    // Step 2: the question and the three figures.
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    p174q_frame(1);
    XI1 = SIZE;
    YI1 = 20;
    paragraph_text(XI1, YI1, 7, "点Pが直線ABの同じ側のとき、∠APBと∠aの大きさを比べよう。"_sj);
    p174q_figure(1);
    p174q_heading(1);
    p174q_frame(2);
    p174q_figure(2);
    p174q_heading(2);
    p174q_frame(3);
    p174q_figure(3);
    p174q_heading(3);

    WAIT_ANY_KEY();

    // Step 3: P on the circle.
    paragraph_text(T_A(11), GY2 + 30, 3, "円周角の定理より"_sj);

    WAIT_ANY_KEY();

    // Step 4
    p174q_answer(1, "="_sj);

    WAIT_ANY_KEY();

    // Step 5: P inside; Q is P's place on the circle.
    mark_angle(15, 12, 13, 3, 3, 50, 1, 1, "a"_sj);
    mark_angle(13, 15, 16, 5, 5, 70, 1, 1, "b"_sj);

    WAIT_ANY_KEY();

    // Step 6
    paragraph_text(T_A(12), GY2 + 30, 3, "∠APB=∠a+∠b"_sj);

    WAIT_ANY_KEY();

    // Step 7
    p174q_answer(2, ">"_sj);

    WAIT_ANY_KEY();

    // Step 8: P outside; P lies clockwise of Q as seen from B.
    mark_angle(25, 22, 23, 3, 3, 50, 1, 1, "a"_sj);
    mark_angle(23, 25, 27, 5, 5, 70, 1, -1, "b"_sj);

    WAIT_ANY_KEY();

    // Step 9
    paragraph_text(T_A(13), GY2 + 30, 3, "∠a=∠APB+∠b"_sj);

    WAIT_ANY_KEY();

    // Step 10
    p174q_answer(3, "<"_sj);
}
