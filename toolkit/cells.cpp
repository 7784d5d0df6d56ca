// Table cells: a filled, bordered box with a formula text centred in it.
// Headings, emphasised terms and the answer blanks of proofs are cells.
#include "toolkit.h"

namespace {

const std::string& fraction_mark() {
    static const std::string s = "ﾀ"_sj;
    return s;
}

}  // namespace

// Measures A$ as the cells do: the fraction test into N1, the width into
// LLT and the centring offset into LT1. Measuring would use up the tall
// parenthesis flag that the drawing needs, so the caller's value is kept.
static void measure_cell_text(Toolkit& k) {
    k.N1 = static_cast<float>(cp932::kinstr(k.A_S, fraction_mark(), 1));
    k.MEASURE_TEXT();
    k.KAKKO = k.KAKKO1;
    k.LT1 = basic::DIV(k.HABA - k.LLT, 2);
    if (k.LT1 < 0) k.LT1 = 0;
}

void Toolkit::DRAW_CELL() {
    X1 = X;
    Y1 = Y;
    MOTOA_S = A_S;
    KAKKO1 = KAKKO;
    measure_cell_text(*this);
    const float line_height = N1 == 0 ? 44.0f : 50.0f;
    Y2 = Y1 + basic::INT(basic::DIV(TATE - line_height, 2));
    Y3 = Y1 + TATE;

    rt.fill_box(X1, Y1, X1 + HABA, Y3, colour(CCC2), colour(CCC3));
    X = X1 + LT1 + AAAX;
    Y = Y2 + AAAY;
    AA_S = MOTOA_S;
    DRAW_TEXT();

    AAAX = 0;
    AAAY = 0;
    X = X1 + HABA;
    Y = Y1;
}

void Toolkit::DRAW_CELL_ON_LINE() {
    X1 = X;
    Y1 = Y;
    MOTOA_S = A_S;
    KAKKO1 = KAKKO;
    measure_cell_text(*this);
    // The 44-unit text line is centred in the box, whatever the text holds.
    const float d = basic::INT(basic::DIV(TATE - 44, 2));
    Y2 = Y1 - d;
    Y3 = Y1 + TATE - d;

    rt.fill_box(X1, Y2, X1 + HABA, Y3, colour(CCC2), colour(CCC3));
    X = X1 + LT1;
    Y = Y1;
    AA_S = MOTOA_S;
    DRAW_TEXT();

    X = X1 + HABA;
    Y = Y1;
}

void Toolkit::DRAW_CELL_TWO_LINES() {
    X1 = X;
    Y1 = Y;
    KAKKO1 = KAKKO;

    A_S = A1_S;
    MOTOA_S = A_S;
    measure_cell_text(*this);
    const float upper_height = N1 == 0 ? 44.0f : 50.0f;
    Y2 = Y1 + basic::INT(basic::DIV(basic::DIV(TATE, 2) - upper_height, 2));
    Y22 = A2_S.empty() ? Y2 + 25 : Y2;
    Y3 = Y1 + TATE;
    rt.fill_box(X1, Y1, X1 + HABA, Y3, colour(CCC2), colour(CCC3));
    X = X1 + LT1;
    Y = Y22;
    AA_S = MOTOA_S;
    DRAW_TEXT();

    A_S = A2_S;
    MOTOA_S = A_S;
    measure_cell_text(*this);
    const float lower_height = N1 == 0 ? 44.0f : 50.0f;
    Y4 = Y1 + lower_height + basic::INT(basic::DIV(basic::DIV(TATE, 2) - lower_height, 2));
    X = X1 + LT1;
    Y = Y4;
    AA_S = MOTOA_S;
    DRAW_TEXT();

    X = X1 + HABA;
    Y = Y1;
}
