// Arrowheads that mark parallel segments and strokes that mark equal ones,
// drawn on a segment AB that the caller has drawn.
#include "toolkit.h"

#include <cmath>

void Toolkit::DRAW_PARALLEL_MARKS() {
    CX = BX - AX;
    CY = BY - AY;
    D = basic::SQR(CX * CX + CY * CY);
    // A segment without length has no way to point along, and a ratio
    // without parts no point to divide at: nothing is marked.
    if (D == 0 || A + B == 0) return;
    DX = basic::DIV(CX, D);
    DY = basic::DIV(CY, D);
    BX1 = AX + basic::DIV(CX * A, A + B);
    BY1 = AY + basic::DIV(CY * A, A + B);
    EX = BX1 - NAGASA * DX;
    EY = BY1 - NAGASA * DY;
    AX1 = EX - (NAGASA / 2) * DY;
    AY1 = EY + (NAGASA / 2) * DX;
    AX2 = EX + (NAGASA / 2) * DY;
    AY2 = EY - (NAGASA / 2) * DX;
    if (HONSU <= 0 || HONSU > 6) HONSU = 1;
    II = 1;
    const float last = HONSU;
    do {
        BX1 = BX1 + 16 * DX;
        BY1 = BY1 + 16 * DY;
        AX1 = AX1 + 16 * DX;
        AY1 = AY1 + 16 * DY;
        AX2 = AX2 + 16 * DX;
        AY2 = AY2 + 16 * DY;
        rt.segment(AX1, AY1, BX1, BY1, colour(CCC2));
        rt.segment(AX2, AY2, BX1, BY1, colour(CCC2));
        II = II + 1;
    } while (II <= last);
}

void Toolkit::DRAW_EQUAL_MARKS() {
    if (AIDA == 0 || AIDA > 30) AIDA = 8;
    CX = BX - AX;
    CY = BY - AY;
    D = basic::SQR(CX * CX + CY * CY);
    if (D == 0) return;  // no length, no way across it: nothing is marked
    DX = basic::DIV(CX, D);
    DY = basic::DIV(CY, D);
    EX = (AX + BX) / 2 + ITI * DX;
    EY = (AY + BY) / 2 + ITI * DY;
    if (HONSU < 0 || HONSU > 6) HONSU = 1;
    AIDA1 = AIDA;
    II = 1;
    const float last = HONSU;
    do {
        const float cx = EX + AIDA * DX, cy = EY + AIDA * DY;
        AX1 = cx + NAGASA * DY;
        AY1 = cy - NAGASA * DX;
        AX2 = cx - NAGASA * DY;
        AY2 = cy + NAGASA * DX;
        rt.segment(AX1, AY1, AX2, AY2, colour(CCC2));
        AIDA = AIDA + AIDA1;
        II = II + 1;
    } while (II <= last);
}
