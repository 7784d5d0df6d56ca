// The figure frame with its graph paper, and closed polygons with labelled
// vertices.
#include "toolkit.h"

#include <cmath>

#include "canvas.h"
#include "counted_loop.h"

void Toolkit::DRAW_GRID() {
    DR = rt.line_width();
    PI = 3.14159f;
    GX1 = GGX;
    GY1 = GGY;
    GX2 = GX1 + SIZE * YOKO;
    GY2 = GY1 + SIZE * TATE;
    GX0 = GX1;
    GY0 = GY2;
    if (CCC2 != 15) {
        // Every fifth line from the origin is thick; the first line of each
        // direction is drawn whatever the frame's size, if it is on the page.
        CCC3 = 14;
        auto pen = [this](float i) {
            const bool fifth = std::fmod(i, 5.0f) == 0;
            rt.set_line_width(fifth ? 3 : 1);
            return colour(fifth ? CCC3 : CCC2);
        };
        run_counted_loop(II, 0, YOKO, counts_near_page(GX1, SIZE, platform::kPageWidth), 0, [&] {
            const int c = pen(II);
            rt.segment(GX1 + SIZE * II, GY1, GX1 + SIZE * II, GY2, c);
        });
        run_counted_loop(II, 0, TATE, counts_near_page(GY2, -SIZE, platform::kPageHeight), 0, [&] {
            const int c = pen(II);
            rt.segment(GX1, GY2 - SIZE * II, GX2, GY2 - SIZE * II, c);
        });
    }
    rt.set_line_width(DR);
}

void Toolkit::DRAW_POLYGON() {
    // The labels' text drawer keeps its own width in DR, so the caller's
    // width is kept apart from it.
    LineWidthKeeper keep(rt);
    II = 1;
    {
        const float last = KAKU;
        do {
            KJ1 = II == KAKU ? 1 : II + 1;
            rt.set_line_width(static_cast<float>(basic::CINT(SIZE1)));
            rt.segment(G_A(II, 1), G_A(II, 2), G_A(KJ1, 1), G_A(KJ1, 2), colour(CCC2));
            II = II + 1;
        } while (II <= last);
    }
    NAGASA1 = NAGASA;
    if (AAA_S == "1")
        LABEL_POLYGON_NAMES();
    else if (!AAA_S.empty())
        LABEL_POLYGON_LETTERS();
    AAA_S.clear();
}

namespace {

// The vertices after vertex k, going round the polygon.
float next_vertex(float k, float step, float count) {
    float j = k + step;
    return j > count ? j - count : j;
}

}  // namespace

// Each label stands on the far side of the angle at its vertex between the
// rays to the next two vertices: outside a polygon numbered counter-clockwise.
void Toolkit::aim_label_at_vertex(float k) {
    KJ1 = next_vertex(k, 1, KAKU);
    KJ2 = next_vertex(k, 2, KAKU);
    ZX0 = G_A(k, 1);
    ZY0 = G_A(k, 2);
    ZX1 = G_A(KJ1, 1);
    ZY1 = G_A(KJ1, 2);
    ZX2 = G_A(KJ2, 1);
    ZY2 = G_A(KJ2, 2);
    ITI = -1;
    NAGASA = NAGASA1;
}

void Toolkit::LABEL_POLYGON_LETTERS() {
    // The label routine empties AAA$, so the first letter is read once.
    KJ3 = basic::ASC(AAA_S);
    II = 1;
    const float last = KAKU;
    do {
        aim_label_at_vertex(II);
        AAA_S = basic::CHR_S(KJ3 + II - 1);
        LABEL_ANGLE();
        II = II + 1;
    } while (II <= last);
}

void Toolkit::LABEL_POLYGON_NAMES() {
    TII = 1;
    const float last = KAKU;
    do {
        aim_label_at_vertex(TII);
        AAA_S = X_S_A(TII);
        LABEL_ANGLE();
        TII = TII + 1;
    } while (TII <= last);
}
