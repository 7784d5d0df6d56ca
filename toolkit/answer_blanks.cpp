// Answer blanks of the proof pages: drawn first with a placeholder, later
// filled one key at a time with the answer in the same place.
#include "toolkit.h"

void Toolkit::answer_blank(float k, float x, float y, const std::string& placeholder) {
    X = x;
    Y = y;
    T_A(k) = X;
    F_A(k) = Y;
    A_S = placeholder;
    DRAW_CELL_ON_LINE();
    YI1 = Y;
    XI2 = X;
}

void Toolkit::answer_in_blank(float k, const std::string& answer) {
    X = T_A(k);
    Y = F_A(k);
    A_S = answer;
    DRAW_CELL_ON_LINE();
}
