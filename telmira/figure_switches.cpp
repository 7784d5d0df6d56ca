// Screens ⑦ and ⑧: switch the angle values and the diameter of the section's
// figure, then hand the figure to the arrow-key loop. Only the exact typed
// texts count, so 01, 1.0 or 2/2 are not "1".
#include "telmira.h"

// When the page shows something else, the figure's area is set up as screen
// ⑥ sets it up, so the figure is never drawn over another screen. The figure
// keeps the state it has (P where the arrow keys or screen ⑨ left it) unless
// another screen put its own points in the shared arrays; the value switches
// stay in force all the same: only screen ⑥ itself turns them off.
void Telmira::set_up_figure_for_switch() {
    const std::string apb = KAKU1_S, aob = KAKU2_S;
    start_angle_figure_screen(!angle_figure_ready);
    KAKU1_S = apb;
    KAKU2_S = aob;
}

void Telmira::ANGLE_VALUE_SWITCH() {
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
