// Arrows, and the slope triangle of a line in the figure frame: a run arrow
// and a rise arrow with their lengths in grid units.
#include <utility>

#include "number_text.h"
#include "toolkit.h"

void Toolkit::DRAW_ARROW() {
    // From here on (ZX0, ZY0) is the tip and (ZX, ZY) the tail.
    if (MUKI != -1) {
        std::swap(ZX, ZX0);
        std::swap(ZY, ZY0);
    }
    const int c = colour(CCC2);
    for (;;) {
        CX = ZX0 - ZX;
        CY = ZY0 - ZY;
        D = basic::SQR(CX * CX + CY * CY);
        // Ends that coincide give a head no direction: nothing is drawn.
        if (D == 0) {
            if (YA == 2) YA = 0;
            break;
        }
        rt.segment(ZX, ZY, ZX0, ZY0, c);
        DX = basic::DIV(CX, D);
        DY = basic::DIV(CY, D);
        EX = ZX0 - NAGASA * DX;
        EY = ZY0 - NAGASA * DY;
        ZX1 = EX - (NAGASA / 2) * DY;
        ZY1 = EY + (NAGASA / 2) * DX;
        ZX2 = EX + (NAGASA / 2) * DY;
        ZY2 = EY - (NAGASA / 2) * DX;
        rt.segment(ZX1, ZY1, ZX0, ZY0, c);
        rt.segment(ZX2, ZY2, ZX0, ZY0, c);
        if (YA != 2) break;
        // The other end gets its head too; the shaft is drawn again.
        YA = 0;
        std::swap(ZX, ZX0);
        std::swap(ZY, ZY0);
    }
    MUKI = 0;
}

void Toolkit::DRAW_SLOPE_TRIANGLE() {
    if (GX3 > GX4) {
        std::swap(GX3, GX4);
        std::swap(GY3, GY4);
    }
    rt.set_line_width(5);  // left at 5 for the caller

    ZX0 = GX3;
    ZY0 = GY3;
    ZX = GX4;
    ZY = GY3;
    MUKI = 1;
    CCC2 = 7;
    NAGASA = 16;
    DRAW_ARROW();

    ZX0 = GX4;
    ZY0 = GY3;
    ZX = GX4;
    ZY = GY4;
    MUKI = 1;
    CCC2 = 3;
    NAGASA = 16;
    DRAW_ARROW();

    if (SIZE == 0) {
        // Without a grid unit there are no lengths to write.
        X_S.clear();
        Y_S.clear();
    } else {
        X_S = number_text(*this, basic::DIV(GX4 - GX3, SIZE));
        const float rise = basic::DIV(GY3 - GY4, SIZE);  // up on the screen is positive
        Y_S = number_text(*this, rise);
        // The conversion writes no zero before the point: .5 reads 0.5, and
        // -.5 reads -0.5.
        if (rise > 0 && rise < 1) Y_S = "0" + Y_S;
        else if (rise < 0 && rise > -1) Y_S = "-0" + cp932::mid(Y_S, 2);
    }

    if (cp932::kleft(HYOUJI_S, 1) == "y") SLOPE_RUN_LABEL();
    if (cp932::kmid(HYOUJI_S, 2, 1) == "y") SLOPE_RISE_LABEL();
}

void Toolkit::SLOPE_RUN_LABEL() {
    // Above the run when the rise goes up, below it otherwise.
    Y = GY4 < GY3 ? GY3 - 44 : GY3;
    CCC1 = 7;
    X = (GX3 + GX4) / 2 - 14;
    AA_S = X_S;
    DRAW_TEXT();
}

void Toolkit::SLOPE_RISE_LABEL() {
    CCC1 = 3;
    X = GX4;
    Y = (GY3 + GY4) / 2 - 16;
    AA_S = Y_S;
    DRAW_TEXT();
}
