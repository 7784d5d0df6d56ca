// One piece of a lesson page's text, laid out by the paragraph cursor.
#include "toolkit.h"

void Toolkit::paragraph_text(float x, float y, float c, const std::string& text) {
    CCC1 = c;
    X = x;
    Y = y;
    AA_S = text;
    DRAW_TEXT();
    YI1 = Y;
    XI2 = X;
}
