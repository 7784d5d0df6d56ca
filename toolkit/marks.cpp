// Angle marks, right-angle marks and angle labels at a vertex (ZX0, ZY0)
// with arms towards (ZX1, ZY1) and (ZX2, ZY2).
#include "toolkit.h"

#include <cmath>

void Toolkit::set_angle_points(float vertex, float first, float second) {
    ZX0 = X_A(vertex);
    ZY0 = Y_A(vertex);
    ZX1 = X_A(first);
    ZY1 = Y_A(first);
    ZX2 = X_A(second);
    ZY2 = Y_A(second);
}

void Toolkit::DRAW_ANGLE_MARK() {
    ANGLE_ARMS();
    if (HONSU > 6) HONSU = 1;
    // From the second arm's fraction to the first's is the counter-clockwise
    // sweep from the first arm to the second, where the label goes too. The
    // platform skips radii of 0 or less and draws nothing for an empty range.
    if (HONSU > 0) {
        NAGASA1 = NAGASA;
        II = 1;
        const float last = HONSU;
        do {
            NAGASA1 = NAGASA1 - 8;
            rt.arc(ZX0, ZY0, NAGASA1, colour(CCC3), HH2, HH1);
            II = II + 1;
        } while (II <= last);
    } else {
        rt.sector(ZX0, ZY0, NAGASA, colour(CCC2), colour(CCC3), HH2, HH1);
    }
    LABEL_ANGLE();
    ITI = 0;
    AAA_S.clear();
}

void Toolkit::DRAW_RIGHT_ANGLE() {
    ANGLE_ARMS();
    ZX3 = ZX0 + NAGASA * std::cos(HH3);
    ZY3 = ZY0 - NAGASA * std::sin(HH3);
    ZX4 = ZX0 + NAGASA * std::cos(HH4);
    ZY4 = ZY0 - NAGASA * std::sin(HH4);
    ZX5 = ZX3 + NAGASA * std::cos(HH4);
    ZY5 = ZY3 - NAGASA * std::sin(HH4);
    rt.polyline({ZX3, ZY3, ZX5, ZY5, ZX4, ZY4}, colour(CCC2));
}

void Toolkit::LABEL_ANGLE() {
    // The measurement must not use up a pending tall parenthesis.
    const float kakko = KAKKO;
    A_S = AAA_S;
    MEASURE_TEXT();
    KAKKO = kakko;
    ANGLE_ARMS();
    // The label is a box LLT wide and 2·DY high (a fraction is taller),
    // pushed out along the bisector until its edge is NAGASA from the vertex.
    N1 = static_cast<float>(cp932::kinstr(AAA_S, "ﾀ"_sj));
    DY = N1 > 0 ? 40 : 22;
    const float c = std::cos(HH5), s = std::sin(HH5);
    X = ZX0 + NAGASA * c + LLT * (c / 2 - 0.5f) + AAAX;
    Y = ZY0 - NAGASA * s - 2 * DY * (s / 2 + 0.5f) + AAAY;
    AA_S = AAA_S;
    if (MU_DO == 1)
        DRAW_PLAIN_TEXT();
    else
        DRAW_TEXT();
    ITI = 0;
    AAA_S.clear();
    AAAX = 0;
    AAAY = 0;
    NAGASA = 0;
    MU_DO = 0;
}
