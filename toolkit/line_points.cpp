// A point of a line at a given x or y, and one point of a span arc.
#include "toolkit.h"

#include <cmath>

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
    CX = ZX1 - ZX0;
    CY = ZY1 - ZY0;
    RR = basic::SQR(CX * CX + CY * CY) / 2;
    ZX2 = ZX0 + RR;
    ZY2 = ZY0;
    DIRECTION_ANGLE();
    H = HHP;
    if (RR == 0) {  // no length to span: every place on the arc is the first end
        ZX = ZX0;
        ZY = ZY0;
        return;
    }
    const float t = KAKUDO * PI / 180;
    ZX3 = ZX2 + RR * std::cos(t);
    ZY3 = ZY2 - basic::DIV(TAKASA, RR) * RR * std::sin(t);
    ZX1 = ZX3;
    ZY1 = ZY3;
    DIRECTION_ANGLE();
    R = basic::SQR((ZX3 - ZX0) * (ZX3 - ZX0) + (ZY3 - ZY0) * (ZY3 - ZY0));
    ZX = ZX0 + R * std::cos(H + HHP);
    ZY = ZY0 - R * std::sin(H + HHP);
}
