// A tall left brace, and a written calculation laid out in columns.
#include "toolkit.h"

void Toolkit::DRAW_BRACE() {
    LineWidthKeeper keep(rt);
    DR = rt.line_width();
    rt.set_line_width(5);
    const float top = Y + 5, bottom = Y + HABA - 10, middle = (top + bottom) / 2;
    rt.polyline({X + 35, top, X + 23, top + 3, X + 23, middle - 7, X + 8, middle, X + 23, middle + 7, X + 23,
                 bottom - 3, X + 35, bottom},
                colour(CCC1));
}

void Toolkit::DRAW_COLUMN_CALC() {
    const float x0 = X, y0 = Y;
    LineWidthKeeper keep(rt);
    DR = rt.line_width();

    A_S = A1_S;
    MEASURE_TEXT();
    LT1 = LLT;
    A_S = A2_S;
    MEASURE_TEXT();
    LT2 = LLT;
    LT = LT1 > LT2 ? LT1 : LT2;

    X = x0 + 54;
    Y = y0;
    AA_S = A1_S;
    DRAW_TEXT();
    // The sign and its parenthesis stand 6 lower than the second operand.
    X = x0;
    Y = y0 + TAKASA + 6;
    AA_S = ENZAN_S;
    DRAW_TEXT();
    AA_S = std::string(1, ')');  // not the literal: GCC 12 warns falsely on it
    DRAW_TEXT();
    X = x0 + 54;
    Y = y0 + TAKASA;
    AA_S = A2_S;
    DRAW_TEXT();

    rt.set_line_width(3);
    rt.segment(x0 + 27, y0 + 2 * TAKASA, x0 + 57 + LT, y0 + 2 * TAKASA, colour(CCC2));
    rt.set_line_width(DR);

    YI1 = y0 + TAKASA;
    XI3 = x0 + 54;
    // The paragraph goes on just right of the rule, the layout's right end.
    XI2 = x0 + 57 + LT;
}
