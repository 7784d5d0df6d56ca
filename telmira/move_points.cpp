// Screen ⑥: the pupil moves P and B of the section's figure with the arrow
// keys; every drawing of the figure, also from the switch screens, ends in
// this key loop, which Enter leaves.
#include "telmira.h"

void Telmira::ANGLE_RELATION_BANNER() {
    XI1 = 640;
    YI1 = 30;
    rt.fill_box(XI1 - 120, YI1 - 9, XI1 - 120 + 1200, YI1 - 9 + 70, 15, 15);
    X = XI1;
    Y = YI1;
    CCC1 = 5;
    CCC2 = 3;
    CCC3 = 13;
    HABA = 432;
    TATE = 50;
    A_S = "円周角と中心角の関係"_sj;
    DRAW_CELL();
    KAKU1_S = "";
    KAKU2_S = "";
}

void Telmira::start_angle_figure_screen(bool set_up) {
    ANGLE_RELATION_BANNER();
    // The set-square screen's labels reach above the title cell.
    rt.fill_box(520, 0, 1720, 21, 15, 15);
    if (set_up) SETUP_ANGLE_FIGURE();
    ERASE_ANGLE_FIGURE();
}

void Telmira::MOVE_POINTS() {
    start_angle_figure_screen(true);
    MOVE_POINTS_KEYS();
}

void Telmira::MOVE_POINTS_KEYS() {
    const std::string enter = basic::CHR_S(13), right = basic::CHR_S(28), left = basic::CHR_S(29),
                      up = basic::CHR_S(30), down = basic::CHR_S(31);
    for (;;) {
        REDRAW_ANGLE_FIGURE();

        // Only Enter and the arrow keys count; any other key shows the prompt again.
        do {
            CCC1 = 0;
            AA_S = "←→（P),↑↓(B)で点を動かす。Enterキーで決定"_sj;
            SHOW_MESSAGE_WAIT();
        } while (I_S != enter && I_S != up && I_S != down && I_S != right && I_S != left);
        if (I_S == enter) {
            CLOSE_MESSAGE();
            return;
        }

        if (I_S == right) DHP = DHP - DH;
        else if (I_S == left) DHP = DHP + DH;
        else if (I_S == down) DHB = DHB + DH;
        else if (I_S == up) DHB = DHB - DH;
        UPDATE_ANGLE_VALUES();
        ERASE_ANGLE_FIGURE();
    }
}
