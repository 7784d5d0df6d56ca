// Screen ①, the textbook's question of page 177: where is the ship that
// sees A and B 30 degrees apart and C and D 90 degrees apart?
#include "orvane.h"

void Orvane::SHIP_POSITION() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI0 = 30;
    XI1 = XI0 + 36;
    YI1 = 20;
    rt.set_line_width(5);

    // The question, at once.
    paragraph_text(XI0, YI1, 7, "P177"_sj);
    paragraph_text(XI2, YI1, 3, "船の位置はどこ？"_sj);
    paragraph_text(XI0, YI1 + 50, 7, "①"_sj);
    paragraph_text(XI2, YI1, 0, "船の位置PからAを正面に見て、"_sj);
    paragraph_text(XI1, YI1 + 50, 0, "30%右を向くと、Bが正面"_sj);
    paragraph_text(XI0, YI1 + 50, 7, "②"_sj);
    paragraph_text(XI2, YI1, 0, "船の位置PからCを正面に見て、"_sj);
    paragraph_text(XI1, YI1 + 50, 0, "90%右を向くと、Dが正面"_sj);
    DRAW_SHIP_FIGURE();

    WAIT_ANY_KEY();
    paragraph_text(XI0, YI1 + 70, 3, "船の位置をPとすると"_sj);
    point_dot(7, 6, 5);
    figure_text(X_A(7) - 37, Y_A(7) - 25, 5, "P"_sj);

    WAIT_ANY_KEY();
    point_segment(1, 7, 0);
    point_segment(2, 7, 0);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 50, 3, "∠APB=30%"_sj);
    set_angle_points(7, 2, 1);
    ITI = 1;
    HONSU = 0;
    NAGASA = 60;
    CCC2 = 0;
    CCC3 = 5;
    CCC1 = 5;
    AAA_S = "30%"_sj;
    AAAX = 20;
    DRAW_ANGLE_MARK();

    WAIT_ANY_KEY();
    point_segment(3, 7, 0);
    point_segment(4, 7, 0);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 50, 3, "∠CPD=90%"_sj);
    set_angle_points(7, 4, 3);
    ITI = -1;
    NAGASA = 50;
    CCC2 = 5;
    DRAW_RIGHT_ANGLE();
}
