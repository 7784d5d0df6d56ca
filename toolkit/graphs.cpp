// Function graphs in the figure frame: y = a/x, y = a·x², y = a·x + b and
// a·x + b·y = c, drawn as a chain of small dots cut off at the frame's top
// and bottom, or as one thick vertical line.
#include "toolkit.h"

void Toolkit::PLOT_GRAPH() {
    LineWidthKeeper keep(rt);
    if (BAIX == 0) BAIX = 1;
    if (BAIY == 0) BAIY = 1;

    bool drawn = true;
    if (IROIRO == 4 && BB == 0) {
        if (AA == 0) {
            // 0·x + 0·y = c is no line: nothing is drawn, not even a label.
            drawn = false;
        } else {
            // The line's x goes to scratch, so CC stays as the caller set it
            // and a second call draws the same line.
            X1 = basic::DIV(CC, AA);
            PLOT_VERTICAL_LINE();
        }
    } else if (IROIRO == 4) {
        AA = basic::DIV(-AA, BB);
        BB = basic::DIV(CC, BB);
        IROIRO = 3;
        PLOT_GRAPH_DOTS();
    } else {
        PLOT_GRAPH_DOTS();
    }

    CCC1 = CCC3;
    if (drawn) {
        X = X + KASANARIX;
        Y = Y + KASANARIY;
        AA_S = AAA_S;
        DRAW_TEXT();
    }
    KASANARIX = 0;
    KASANARIY = 0;
    BAIX = 1;
    BAIY = 1;
}

void Toolkit::PLOT_GRAPH_DOTS() {
    auto f = [this](float x) {
        if (IROIRO == 1) return basic::DIV(AA, x);
        if (IROIRO == 2) return AA * x * x;
        return AA * x + BB;
    };
    // Only the straight line of kind 3 is evaluated at x = 0.
    const bool avoid_zero = IROIRO != 3;

    X1 = AA1;
    HABA = 5000;
    if (avoid_zero && X1 == 0) X1 = 0.002f;
    Y1 = f(X1);
    GX5 = X1;
    GY5 = Y1;
    P1 = basic::DIV(AA2 - AA1, HABA);
    const int c = colour(CCC3);
    II = 0;
    {
        const float last = HABA;
        do {
            GX = GX0 + basic::DIV(SIZE * GX5, BAIX);
            GY = GY0 - basic::DIV(SIZE * GY5, BAIY);
            if (GY1 <= GY && GY <= GY2) {
                X = GX;
                Y = GY;
                rt.disc(GX, GY, 1, c, c);
            }
            GX5 = GX5 + P1;
            if (avoid_zero && GX5 == 0) GX5 = GX5 + P1;
            GY5 = f(GX5);
            II = II + 1;
        } while (II <= last);
    }
}

void Toolkit::PLOT_VERTICAL_LINE() {
    // The line stands at x = X1 (values); 10 units right of its BB2 end is
    // the label's anchor.
    rt.set_line_width(5);
    const float xs = GX0 + basic::DIV(SIZE * X1, BAIX);
    const float y1 = GY0 - basic::DIV(SIZE * BB1, BAIY);
    const float y2 = GY0 - basic::DIV(SIZE * BB2, BAIY);
    rt.segment(xs, y1, xs, y2, colour(CCC3));
    X = xs + 10;
    Y = y2;
}
