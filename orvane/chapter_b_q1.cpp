// Problem B1: three angles x on a circle about O, a page each. (1) the
// central angle of a quadrilateral, (2) the angle beside a diameter, with
// the auxiliary radius AO, (3) the angle found from an exterior angle.
// The figures of pages (1) and (2) are drawn at their own angles; the
// labels carry the problem's values.
#include "orvane.h"

namespace {

// One angle mark of these pages: a single arc and its label.
struct Mark {
    float vertex, first, second, colour, nagasa, iti;
    const char* label;
    float aaay;
};

}  // namespace

static void draw_marks(Orvane& o, std::initializer_list<Mark> marks) {
    for (const Mark& m : marks) {
        o.set_angle_points(m.vertex, m.first, m.second);
        o.CCC1 = m.colour;
        o.CCC2 = 0;
        o.CCC3 = m.colour;
        o.HONSU = 1;
        o.NAGASA = m.nagasa;
        o.ITI = m.iti;
        o.AAA_S = cp932::from_utf8(m.label);
        o.AAAY = m.aaay;
        o.DRAW_ANGLE_MARK();
    }
}

void Orvane::CHAPTER_B_Q1() {
    // ---- Page (1): the quadrilateral O, 1, 3, 2.
    chapter_b_frame(40, "1(1)"_sj, 144, true);
    chapter_b_figure_frame(30, 750, 150, 14, 12);
    R1 = SIZE * 6;
    DHRA = 140 * PI / 180;
    DHRB = 30 * PI / 180;
    DHRC = 80 * PI / 180;
    chapter_b_on_circle(1, DHRA);
    chapter_b_on_circle(2, DHRB);
    chapter_b_on_circle(3, DHRC);

    rt.set_line_width(5);
    rt.circle(X_A(0), Y_A(0), R1, 0);
    chapter_b_label(X_A(0) - 6, Y_A(0) + 4, 0, "O"_sj);
    rt.disc(X_A(0), Y_A(0), 7, 0, 0);
    chapter_b_segment(1, 3, 0);
    chapter_b_segment(2, 3, 0);
    chapter_b_segment(0, 1, 0);
    chapter_b_segment(0, 2, 0);
    draw_marks(*this, {{0, 1, 2, 3, 30, -1, "x", 0}, {1, 0, 3, 3, 30, 1, "56°", 0}, {2, 3, 0, 3, 30, 1, "69°", 0}});

    WAIT_ANY_KEY();
    draw_marks(*this, {{0, 1, 2, 5, 60, 1, "360°-x", 0}, {3, 1, 2, 5, 30, 1, "180°-ﾀx/2ﾀ", -60}});
    XI1 = 80;
    YI1 = 30;

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 70, 0, "四角形の内角の和は360°だから"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "56+x+69+(180-ﾀx/2ﾀ)=360"_sj);
    paragraph_text(XI1, YI1 + 70, 0, "x-ﾀx/2ﾀ=360-180-56-69"_sj);
    paragraph_text(XI1, YI1 + 70, 0, "ﾀx/2ﾀ=55"_sj);
    paragraph_text(XI1, YI1 + 70, 0, "x=110"_sj);
    paragraph_text(XI1, YI1 + 60, 5, "答　110°"_sj);

    // Two waits: the box goes at the first key and comes back at once.
    WAIT_ANY_KEY();
    WAIT_ANY_KEY();

    // ---- Page (2): D on the chord AB and on the diameter through C.
    chapter_b_frame(72, "1(2)"_sj, 144, true);
    chapter_b_figure_frame(30, 750, 150, 14, 12);
    R1 = SIZE * 6;
    DHRA = 200 * PI / 180;
    DHRB = -20 * PI / 180;
    DHRC = 56 * PI / 180;
    DHRD = 236 * PI / 180;
    chapter_b_on_circle(1, DHRA);
    chapter_b_on_circle(2, DHRB);
    chapter_b_on_circle(3, DHRC);
    chapter_b_on_circle(5, DHRD);
    AX = X_A(1);
    AY = Y_A(1);
    BX = X_A(2);
    BY = Y_A(2);
    CX = X_A(3);
    CY = Y_A(3);
    DX = X_A(5);
    DY = Y_A(5);
    INTERSECT_LINES();
    X_A(4) = AX2;
    Y_A(4) = AY2;

    rt.set_line_width(5);
    rt.circle(X_A(0), Y_A(0), R1, 0);
    chapter_b_label(X_A(0) + 6, Y_A(0) - 10, 0, "O"_sj);
    rt.disc(X_A(0), Y_A(0), 7, 0, 0);
    chapter_b_label(X_A(1) - 36, Y_A(1) - 20, 0, "A"_sj);
    chapter_b_label(X_A(2) + 6, Y_A(2) - 20, 0, "B"_sj);
    chapter_b_label(X_A(3) + 10, Y_A(3) - 40, 0, "C"_sj);
    chapter_b_label(X_A(4) + 4, Y_A(4) + 4, 0, "D"_sj);
    chapter_b_segment(1, 2, 0);
    chapter_b_segment(1, 3, 0);
    chapter_b_segment(2, 3, 0);
    chapter_b_segment(3, 4, 0);
    draw_marks(*this, {{3, 1, 4, 3, 60, 1, "x", 0}, {2, 3, 1, 3, 30, 1, "67°", 0}});
    XI1 = 80;
    YI1 = 30;

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 70, 0, "補助線AOをひくと"_sj);
    chapter_b_segment(1, 0, 7);
    draw_marks(*this, {{0, 1, 3, 5, 60, -1, "134°", 0}, {1, 3, 0, 5, 60, -1, "x", 0}});

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 70, 0, "三角形の内角の和は180°だから"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "134+x+x=180"_sj);
    paragraph_text(XI1, YI1 + 70, 0, "x+x=180-134"_sj);
    paragraph_text(XI1, YI1 + 70, 0, "2x=46"_sj);
    paragraph_text(XI1, YI1 + 70, 0, "x=23"_sj);
    paragraph_text(XI1, YI1 + 60, 5, "答　23°"_sj);

    WAIT_ANY_KEY();
    WAIT_ANY_KEY();

    // ---- Page (3): the exterior angle at the crossing of AP and OB.
    chapter_b_frame(72, "1(3)"_sj, 144, true);
    chapter_b_figure_frame(50, 540, 150, 14, 7);
    R1 = SIZE * 6;
    DHRA = 250 * PI / 180;
    DHRB = 314 * PI / 180;
    DHRC = -8 * PI / 180;
    chapter_b_on_circle(1, DHRA);
    chapter_b_on_circle(2, DHRB);
    chapter_b_on_circle(3, DHRC);
    AX = X_A(1);
    AY = Y_A(1);
    BX = X_A(3);
    BY = Y_A(3);
    CX = X_A(0);
    CY = Y_A(0);
    DX = X_A(2);
    DY = Y_A(2);
    INTERSECT_LINES();
    X_A(4) = AX2;
    Y_A(4) = AY2;

    rt.set_line_width(5);
    // Only the lower arc, from 10 to 230 degrees clockwise: the whole circle
    // would run off the top of the page.
    rt.arc(X_A(0), Y_A(0), R1, 0, 0.972222f, 0.361111f);
    chapter_b_label(X_A(0) + 6, Y_A(0) - 30, 0, "O"_sj);
    rt.disc(X_A(0), Y_A(0), 7, 0, 0);
    chapter_b_label(X_A(1) - 36, Y_A(1) - 20, 0, "A"_sj);
    chapter_b_label(X_A(2) + 6, Y_A(2) - 20, 0, "B"_sj);
    chapter_b_label(X_A(3) + 10, Y_A(3) - 40, 0, "P"_sj);
    chapter_b_segment(1, 0, 0);
    chapter_b_segment(1, 3, 0);
    chapter_b_segment(2, 3, 0);
    chapter_b_segment(2, 0, 0);
    draw_marks(*this, {{1, 0, 3, 3, 60, -1, "x", 0}, {3, 1, 2, 3, 40, 1, "32°", 0}, {2, 3, 0, 3, 30, 1, "71°", 0}});
    XI1 = 80;
    YI1 = 30;

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 70, 0, "中心角と三角形の外角を図示すると"_sj);
    draw_marks(*this, {{0, 1, 2, 5, 60, 1, "64°", 0}, {4, 1, 2, 5, 60, 1, "32°+71°", 0}});
    // A second label of the same angle, farther out, with no arc.
    set_angle_points(4, 1, 2);
    CCC1 = 5;
    NAGASA = 100;
    ITI = 1;
    AAA_S = "64°+x"_sj;
    LABEL_ANGLE();

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 70, 0, "三角形の外角から"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "64+x=32+71"_sj);
    paragraph_text(XI1, YI1 + 70, 0, "x=103-64"_sj);
    paragraph_text(XI1, YI1 + 70, 0, "x=39"_sj);
    paragraph_text(XI1, YI1 + 60, 5, "答　39°"_sj);
}
