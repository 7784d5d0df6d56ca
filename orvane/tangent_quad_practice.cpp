// Screen ④, practice: the perimeter of the quadrilateral ABCD whose sides
// touch the circle O, from the equal tangents from each vertex.
#include "orvane.h"

namespace {

// A dotted brace along a side, from figure point `from` to `to`.
struct Brace {
    float from, to;
    const char* label;
    float houkou, haba, takasa, dots, label_colour;
};

const Brace kSideBraces[] = {
    {1, 4, "5cm", -1, 5, 40, 9, 0},  // above AD, outside
    {2, 3, "7cm", 1, 3, 40, 9, 0},   // below BC, outside
};
const Brace kLengthBraces[] = {
    // along AD and BC, inside
    {1, 5, "a", 1, 5, 20, 7, 3},
    {5, 4, "b", 1, 5, 20, 7, 3},
    {2, 7, "c", -1, 5, 20, 7, 3},
    {7, 3, "d", -1, 5, 20, 7, 3},
};
const Brace kEqualBraces[] = {
    // along AB and DC, inside
    {1, 6, "a", -1, 5, 20, 7, 3},
    {6, 2, "c", -1, 5, 20, 7, 3},
    {3, 8, "d", -1, 5, 20, 7, 3},
    {8, 4, "b", -1, 5, 20, 7, 3},
};

template <std::size_t N>
void draw_braces(Orvane& o, const Brace (&braces)[N]) {
    for (const Brace& b : braces) {
        o.ZX0 = o.X_A(b.from);
        o.ZY0 = o.Y_A(b.from);
        o.ZX1 = o.X_A(b.to);
        o.ZY1 = o.Y_A(b.to);
        o.HOUKOU = b.houkou;
        o.HABA = b.haba;
        o.TAKASA = b.takasa;
        o.CCC2 = b.dots;
        o.CCC1 = b.label_colour;
        o.AAA_S = cp932::from_utf8(b.label);
        o.DRAW_SPAN_ARC();
    }
}

}  // namespace

void Orvane::TANGENT_QUAD_FIGURE() {
    SIZE = 45;
    GGX = 780;
    GGY = 120;
    YOKO = 11;
    TATE = 10;
    CCC2 = 15;
    DRAW_GRID();

    grid_point(0, 5, 5);    // O
    grid_point(1, 1.8f, 9);  // A
    grid_point(2, 0, 1);    // B
    grid_point(3, 10, 1);   // C
    grid_point(4, 8.2f, 9);  // D
    grid_point(5, 5, 9);    // S
    grid_point(7, 5, 1);    // Q

    // P and R, where AB and DC touch the circle, before anything is drawn:
    // the feet's background dots then fall on an empty page.
    AX = X_A(1);
    AY = Y_A(1);
    BX = X_A(2);
    BY = Y_A(2);
    CX = X_A(0);
    CY = Y_A(0);
    FOOT_OF_PERPENDICULAR();
    X_A(6) = EX;
    Y_A(6) = EY;
    AX = X_A(4);
    AY = Y_A(4);
    BX = X_A(3);
    BY = Y_A(3);
    CX = X_A(0);
    CY = Y_A(0);
    FOOT_OF_PERPENDICULAR();
    X_A(8) = EX;
    Y_A(8) = EY;

    rt.set_line_width(5);
    R1 = 4 * SIZE;
    rt.circle(X_A(0), Y_A(0), R1, 0);
    point_dot(0, 4, 0);
    figure_text(X_A(0) + 6, Y_A(0) - 20, 0, "O"_sj);

    for (int k = 1; k <= 4; ++k) {
        G_A(k, 1) = X_A(k);
        G_A(k, 2) = Y_A(k);
    }
    SIZE1 = 5;
    CCC2 = 0;
    KAKU = 4;
    NAGASA = 10;
    AAA_S = "A"_sj;
    DRAW_POLYGON();

    point_dot(5, 4, 0);
    figure_text(X_A(5) + 6, Y_A(5) - 40, 0, "S"_sj);
    point_dot(6, 4, 0);
    figure_text(X_A(6) - 43, Y_A(6) - 40, 0, "P"_sj);
    point_dot(7, 4, 0);
    figure_text(X_A(7) - 6, Y_A(7), 0, "Q"_sj);
    point_dot(8, 4, 0);
    figure_text(X_A(8) + 6, Y_A(8) - 40, 0, "R"_sj);

    draw_braces(*this, kSideBraces);
    CCC1 = 0;
}

void Orvane::TANGENT_QUAD_PRACTICE() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 3, "点P,Q,R,Sが接点のとき、四角形ABCDの周の長さを求めなさい。"_sj);
    TANGENT_QUAD_FIGURE();
    WAIT_ANY_KEY();

    paragraph_text(XI1, YI1 + 50, 0, "図のようにa,b,c,dをとると、"_sj);
    draw_braces(*this, kLengthBraces);
    WAIT_ANY_KEY();

    paragraph_text(XI1, YI1 + 60, 0, "円外の1点から、その円にひいた"_sj);
    paragraph_text(XI1, YI1 + 50, 0, "2つの接線の長さは等しいから、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "AP=a,DR=b,BP=c,CR=d"_sj);
    draw_braces(*this, kEqualBraces);
    WAIT_ANY_KEY();

    paragraph_text(XI1, YI1 + 50, 0, "四角形ABCDの周の長さは、"_sj);
    paragraph_text(XI1, YI1 + 60, 0, " AB+BC+CD+DA"_sj);
    WAIT_ANY_KEY();

    paragraph_text(XI1, YI1 + 60, 0, "=(a+c)+(c+d)+(d+b)+(b+a)"_sj);
    WAIT_ANY_KEY();

    paragraph_text(XI1, YI1 + 60, 0, "=2(a+b+c+d)"_sj);
    WAIT_ANY_KEY();

    paragraph_text(XI2, YI1, 0, "=2(AD+BC)"_sj);
    WAIT_ANY_KEY();

    paragraph_text(XI1, YI1 + 60, 0, "=2*(5+7)=2*12="_sj);
    paragraph_text(XI2, YI1, 5, "24(cm)"_sj);
}
