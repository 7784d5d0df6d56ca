#include "menu_choice.h"

int ask_menu_choice(Toolkit& t, const std::string& menu_line, int last) {
    do {
        t.AA_S = menu_line;
        t.ASK_NUMBER_BOTTOM();
        t.SENTAKU = t.AINP;
        t.ERASE_BOTTOM_LINE();
    } while (t.SENTAKU < 1 || t.SENTAKU > static_cast<float>(last));
    return basic::CINT(t.SENTAKU);
}
