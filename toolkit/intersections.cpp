// Points of the figures found by computation: the foot of a perpendicular,
// the crossing of two lines and the common points of two circles. Lines are
// held as y = slope·x + intercept in screen units.
#include <cfloat>
#include <cmath>

#include "toolkit.h"

void Toolkit::FOOT_OF_PERPENDICULAR() {
    if (BX == AX) {
        EX = AX;
        EY = CY;
    } else if (BY == AY) {
        EX = CX;
        EY = AY;
    } else {
        AA1 = basic::DIV(BY - AY, BX - AX);
        BB1 = AY - AA1 * AX;
        AA2 = basic::DIV(-1, AA1);
        BB2 = CY - AA2 * CX;
        EX = basic::DIV(BB2 - BB1, AA1 - AA2);
        EY = basic::DIV(AA1 * BB2 - AA2 * BB1, AA1 - AA2);
    }
    rt.disc(EX, EY, 2, 15, 15);
}

bool Toolkit::INTERSECT_LINES() {
    // A vertical line has no slope: its slope variable holds the marker 1000
    // for the lessons, but it is told apart by its own flag, so that a line
    // whose slope happens to be 1000 is not taken for a vertical one.
    // The line through (px, py) and (qx, qy); a vertical one leaves its
    // intercept as it was and its x in AX2.
    auto line_through = [this](float px, float py, float qx, float qy, float& slope, float& intercept) {
        if (py == qy) {
            slope = 0;
            intercept = py;
            return false;
        }
        if (px == qx) {
            slope = 1000;
            AX2 = px;
            return true;
        }
        slope = basic::DIV(qy - py, qx - px);
        intercept = py - slope * px;
        return false;
    };
    const bool ab_vertical = line_through(AX, AY, BX, BY, A1, B1);
    const bool cd_vertical = line_through(CX, CY, DX, DY, A2, B2);
    // Parallel lines: the earlier results stay.
    if (ab_vertical && cd_vertical) return false;
    if (!ab_vertical && !cd_vertical && A1 == A2) return false;
    if (ab_vertical) {
        AY2 = A2 * AX2 + B2;
        return true;
    }
    if (cd_vertical) {
        AY2 = A1 * AX2 + B1;
        return true;
    }
    AX2 = basic::DIV(B1 - B2, A2 - A1);
    AY2 = basic::DIV(B1 * (A2 - A1) - A1 * (B2 - B1), A2 - A1);
    return true;
}

void Toolkit::RADICAL_AXIS() {
    // The difference of the two circles' equations: A·x + B·y + C = 0.
    A = 2 * (X2 - X1);
    B = 2 * (Y2 - Y1);
    C = (X1 + X2) * (X1 - X2) + (Y1 + Y2) * (Y1 - Y2) + (RR1 + RR2) * (RR2 - RR1);
}

void Toolkit::CIRCLE_LINE_POINTS() {
    D = A * X1 + B * Y1 + C;
    const float n = A * A + B * B;
    const float under_root = RR1 * RR1 * n - D * D;
    // Rounding: D sums terms as large as |A·X1| + |B·Y1| + |C| + n, so D² errs by ulps of |D| times that.
    const float rounding = 8 * FLT_EPSILON *
                           (RR1 * RR1 * n + std::fabs(D) * (std::fabs(A * X1) + std::fabs(B * Y1) + std::fabs(C) + n));
    // Concentric circles give no line, and a line that clearly misses the
    // circle no points: the earlier points stay. Short of zero only by
    // rounding, the line touches the circle in one point.
    if (n == 0 || under_root < -rounding) return;
    const float s = under_root > 0 ? basic::SQR(under_root) : 0;
    X3 = X1 + basic::DIV(-A * D + B * s, n);
    Y3 = Y1 + basic::DIV(-B * D - A * s, n);
    X4 = X1 + basic::DIV(-A * D - B * s, n);
    Y4 = Y1 + basic::DIV(-B * D + A * s, n);
}
