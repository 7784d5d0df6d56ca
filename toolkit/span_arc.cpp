// The dotted half ellipse that shows a length between two points, with its
// label at the middle of the arc.
#include "toolkit.h"

#include <cmath>

// The ellipse is built over the segment ZX0,ZY0 - ZX1,ZY1 laid level from the
// first point (half its length RR, centre ZX2,ZY2, the segment's way H), then
// each point is turned about the first point by the segment's way.
void Toolkit::lay_span_arc_level() {
    CX = ZX1 - ZX0;
    CY = ZY1 - ZY0;
    RR = basic::SQR(CX * CX + CY * CY) / 2;
    ZX2 = ZX0 + RR;
    ZY2 = ZY0;
    DIRECTION_ANGLE();
    H = HHP;
}

void Toolkit::span_arc_point_at(float radians) {
    if (RR == 0) {  // no length to span: every place on the arc is the first end
        ZX = ZX0;
        ZY = ZY0;
        return;
    }
    ZX3 = ZX2 + RR * std::cos(radians);
    ZY3 = ZY2 - basic::DIV(TAKASA, RR) * RR * std::sin(radians);
    ZX1 = ZX3;
    ZY1 = ZY3;
    DIRECTION_ANGLE();
    R = basic::SQR((ZX3 - ZX0) * (ZX3 - ZX0) + (ZY3 - ZY0) * (ZY3 - ZY0));
    ZX = ZX0 + R * std::cos(H + HHP);
    ZY = ZY0 - R * std::sin(H + HHP);
}

void Toolkit::DRAW_SPAN_ARC() {
    // A small bulge counts in steps of 16 units.
    if (TAKASA > 0 && TAKASA < 16)
        TAKASA = TAKASA * 16;
    else if (TAKASA < 0)
        TAKASA = std::fabs(TAKASA);
    ZX11 = ZX0;
    ZY11 = ZY0;
    ZX12 = ZX1;
    ZY12 = ZY1;
    lay_span_arc_level();
    if (HOUKOU > 0) {
        D1 = 180;
        D2 = 360;
    } else {
        D1 = 0;
        D2 = 180;
    }
    auto place = [this](float degrees) {
        HH = degrees * PI / 180;
        span_arc_point_at(HH);
    };
    // A step of 0 or less, or no length to span, gives the first dot only
    // instead of a loop that never reaches the end; a step too small to move
    // the angle any further ends the row where it stands.
    const bool one_dot = HABA <= 0 || RR == 0;
    II = D1;
    {
        const float last = D2;
        float before;
        do {
            place(II);
            rt.disc(ZX, ZY, 0.5f, colour(CCC2), colour(CCC2));
            before = II;
            II = II + HABA;
        } while (!one_dot && II != before && II <= last);
    }
    place((D1 + D2) / 2);
    ZX0 = ZX;
    ZY0 = ZY;
    ZX1 = ZX11;
    ZY1 = ZY11;
    ZX2 = ZX12;
    ZY2 = ZY12;
    NAGASA = 0;
    ITI = HOUKOU;
    LABEL_ANGLE();
    AAA_S.clear();
}
