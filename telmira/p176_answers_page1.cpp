// Section 7, choice 1: the answers of problems (1) to (6) of page 176 and
// the figure of problem (6), drawn in one pass without a key wait.
#include "telmira.h"

namespace {

struct AnswerLine {
    const char* label;   // colour 0
    const char* answer;  // colour 5, right where the label ends
};

const AnswerLine kAnswers[] = {
    {"(1) ", "∠x=60°"}, {"(2) ", "∠x=38°"}, {"(3) ", "∠x=250°"},
    {"(4) ", "∠x=30°"}, {"(5) ", "∠x=90°"}, {"(6) ", "∠x=47°"},
};

}  // namespace

void Telmira::P176_ANSWERS_PAGE1() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    p176_heading("1"_sj);

    // One line every 60 units below the heading.
    for (const AnswerLine& line : kAnswers) {
        paragraph_text(XI1, YI1 + 60, 0, cp932::from_utf8(line.label));
        paragraph_text(XI2, YI1, 5, cp932::from_utf8(line.answer));
    }
    paragraph_text(XI1, YI1 + 60, 0, "∠x=180°-90°-43°だから"_sj);

    // Problem (6): the circle about O with the diameter 2-4; the chord 2-3
    // cuts off 86 degrees, so the figure is true to its labels.
    GGX = 720;
    GGY = 90;
    YOKO = 16;
    TATE = 16;
    SIZE = 30;
    CCC2 = 15;
    DRAW_GRID();
    X_A(1) = GX0 + 8 * SIZE;
    Y_A(1) = GY0 - 8 * SIZE;

    rt.set_line_width(5);
    R1 = 6 * SIZE;
    DHRA = 180 * PI / 180;
    place_on_circle(2, DHRA);
    DHRB = 266 * PI / 180;
    place_on_circle(3, DHRB);
    DHRP = 0 * PI / 180;
    place_on_circle(4, DHRP);
    DHRK = 120 * PI / 180;
    place_on_circle(5, DHRK);

    rt.disc(X_A(1), Y_A(1), 3, 0, 0);
    CCC1 = 0;
    X = X_A(1) - 14;
    Y = Y_A(1) - 50;
    AA_S = "O"_sj;
    DRAW_TEXT();
    rt.circle(X_A(1), Y_A(1), R1, 0);

    p176_segment(2, 3, 0);
    p176_segment(3, 4, 0);
    p176_segment(2, 4, 0);
    p176_segment(2, 5, 0);
    p176_segment(3, 5, 0);

    // a: 43 degrees at point 5 on the chord 2-3.
    set_angle_points(5, 3, 2);
    NAGASA = 50;
    HONSU = 1;
    ITI = -1;
    CCC1 = 3;
    CCC3 = 3;
    AAA_S = "43°"_sj;
    DRAW_ANGLE_MARK();

    // b: x at point 2, between the chord to 3 and the diameter.
    set_angle_points(2, 3, 4);
    NAGASA = 50;
    HONSU = 1;
    ITI = 1;
    CCC1 = 3;
    CCC3 = 3;
    AAA_S = "x"_sj;
    DRAW_ANGLE_MARK();

    // c: the right angle at point 3 in the semicircle.
    p176_right_angle(3, 2, 4, -1, 5);

    // d: 43 degrees at point 4 on the same chord.
    set_angle_points(4, 3, 2);
    NAGASA = 50;
    HONSU = 1;
    ITI = -1;
    CCC1 = 3;
    CCC3 = 3;
    AAA_S = "43°"_sj;
    DRAW_ANGLE_MARK();
}
