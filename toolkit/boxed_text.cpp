// Boxed text cells: a filled, bordered box with plain text centred in it,
// on one line or two. A plain text line is taken as 26 units high.
#include "toolkit.h"

// Measures A$ as plain text into LLT and its centring offset in the box into
// LT1; a text wider than the box starts at its left edge.
static void measure_boxed_text(Toolkit& k) {
    k.MEASURE_PLAIN_TEXT();
    k.LT1 = basic::DIV(k.HABA - k.LLT, 2);
    if (k.LT1 < 0) k.LT1 = 0;
}

void Toolkit::DRAW_BOXED_TEXT() {
    X1 = X;
    Y1 = Y;
    MOTOA_S = A_S;
    measure_boxed_text(*this);
    Y2 = Y1 + basic::INT(basic::DIV(TATE - 26, 2));
    Y3 = Y1 + TATE;

    rt.fill_box(X1, Y1, X1 + HABA, Y3, colour(CCC2), colour(CCC3));
    X = X1 + LT1;
    Y = Y2;
    AA_S = MOTOA_S;
    DRAW_PLAIN_TEXT();

    X = X1 + HABA;
    Y = Y1;
}

void Toolkit::DRAW_BOXED_TEXT_TWO_LINES() {
    X1 = X;
    Y1 = Y;
    MOTOA_S = A1_S;
    A_S = A1_S;
    measure_boxed_text(*this);
    Y2 = Y1 + basic::INT(basic::DIV(basic::DIV(TATE, 2) - 26, 2));
    Y3 = Y1 + TATE;

    rt.fill_box(X1, Y1, X1 + HABA, Y3, colour(CCC2), colour(CCC3));
    // A lone first line sits lower, nearer the middle of the box.
    Y22 = A2_S.empty() ? Y2 + 15 : Y2;
    X = X1 + LT1;
    Y = Y22;
    AA_S = MOTOA_S;
    DRAW_PLAIN_TEXT();

    MOTOA_S = A2_S;
    A_S = A2_S;
    measure_boxed_text(*this);
    Y4 = Y2 + 30;
    X = X1 + LT1;
    Y = Y4;
    AA_S = MOTOA_S;
    DRAW_PLAIN_TEXT();

    X = X1 + HABA;
    Y = Y1;
}
