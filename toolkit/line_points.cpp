// A point of a line at a given x or y, and one point of a span arc.
#include "toolkit.h"

void Toolkit::POINT_ON_LINE() {
    // A negative CX asks for the point at the height CY, a negative CY for
    // the point at CX. A level or upright line has no slope to go by: the
    // asked coordinate is kept and the other is the line's own, so an
    // upright line asked for a height (or a level one for an x) gives its
    // point rather than the negative marker.
    if (AX == BX || AY == BY) {
        if (CX < 0) {
            X1 = AX;
            Y1 = CY;
        }
        if (CY < 0) {
            X1 = CX;
            Y1 = AY;
        }
        return;
    }
    A = basic::DIV(BY - AY, BX - AX);
    B = AY - A * AX;
    if (CX < 0) {
        X1 = basic::DIV(CY - B, A);
        Y1 = CY;
    }
    if (CY < 0) {
        Y1 = A * CX + B;
        X1 = CX;
    }
}

void Toolkit::SPAN_ARC_POINT() {
    lay_span_arc_level();
    span_arc_point_at(KAKUDO * PI / 180);
}
