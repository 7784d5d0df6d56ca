// Screens ⑦ and ⑧: switch the angle values and the diameter of the section's
// figure, then hand the figure to the arrow-key loop. Only the exact typed
// texts count, so 01, 1.0 or 2/2 are not "1".
#include "telmira.h"

// A fresh start or another screen's points would be drawn as they are, so
// the figure is set up as screen ⑥ starts it; the value switches chosen
// before stay in force all the same: only screen ⑥ itself turns them off.
void Telmira::set_up_figure_for_switch() {
    if (angle_figure_ready) return;
    const std::string apb = KAKU1_S, aob = KAKU2_S;
    start_angle_figure_screen();
    KAKU1_S = apb;
    KAKU2_S = aob;
}

void Telmira::ANGLE_VALUE_SWITCH() {
    set_up_figure_for_switch();
    CCC1 = 0;
    AA_S = "表示(P…1,O…2) 消す(P…-1,O…-2,両方…-3) Enterキーで決定"_sj;
    ASK_NUMBER_BOTTOM();
    if (AINP_S == "1") KAKU1_S = "on";
    else if (AINP_S == "2") KAKU2_S = "on";
    else if (AINP_S == "-1") KAKU1_S = "";
    else if (AINP_S == "-2") KAKU2_S = "";
    else {
        KAKU1_S = "";
        KAKU2_S = "";
    }
    ERASE_BOTTOM_LINE();
    MOVE_POINTS_KEYS();
}

void Telmira::DIAMETER_SWITCH() {
    set_up_figure_for_switch();
    CCC1 = 0;
    AA_S = "表示…1, 非表示…-1  Enterキーで決定"_sj;
    ASK_NUMBER_BOTTOM();
    if (AINP_S == "1") TKEI_S = "on";
    else TKEI_S = "";
    ERASE_BOTTOM_LINE();
    // Without the diameter the figure is drawn on a clean area.
    if (TKEI_S.empty()) ERASE_ANGLE_FIGURE();
    MOVE_POINTS_KEYS();
}
