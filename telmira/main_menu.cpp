#include "telmira.h"

// Stand-in until the real main menu lands: 1 opens section 1, 9 ends.
void Telmira::MAIN_MENU() {
    for (;;) {
        CLEAR_MAIN_AREA();
        ASK_NUMBER();
        ERASE_NUMBER_PROMPT();
        if (AINP == 9) return;
        rt.fill_box(0, 0, 1760, 1800, 15, 15);
        if (AINP == 1) INSCRIBED_ANGLE_SECTION();
    }
}
