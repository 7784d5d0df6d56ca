// Section 5, the diameter and the inscribed angle: its aim page and its menu
// loop.
#include "menu_choice.h"
#include "telmira.h"

void Telmira::SECTION5_START() {
    DIAMETER_AIM();
    SECTION5_MENU();
}

void Telmira::DIAMETER_AIM() { write_aim({"直径と円周角の定理を使って問題解決しよう。"_sj}); }

// Each screen leaves its last page standing above the menu line.
void Telmira::SECTION5_MENU() {
    const std::string menu_line = " ①定理　②問5　③問6　④問7　⑤終了"_sj;
    for (;;) {
        switch (ask_menu_choice(*this, menu_line, 5)) {
            case 1: DIAMETER_THEOREM(); break;
            case 2: DIAMETER_PROBLEM5_ANSWERS(); break;
            case 3: DIAMETER_PROBLEM6_ANSWER(); break;
            case 4: DIAMETER_PROBLEM7_SET_SQUARE(); break;
            default: return;  // 5: back to the main menu
        }
    }
}
