// Section 3, using inscribed angles: its aim page and its menu loop.
#include "menu_choice.h"
#include "telmira.h"

void Telmira::USING_ANGLES_SECTION() {
    USING_ANGLES_GOAL();
    USING_ANGLES_MENU();
}

// Written on the page the main menu has just cleared; no key wait follows,
// the aim stays while the menu line is asked below it.
void Telmira::USING_ANGLES_GOAL() {
    XI1 = 44;
    YI1 = 240;

    paragraph_text(XI1, YI1, 3, "<めあて>"_sj);

    paragraph_text(XI1, YI1 + 65, 0, "円周角の定理を使って問題を解こう。"_sj);
}

// Each screen leaves its last page standing above the menu line.
void Telmira::USING_ANGLES_MENU() {
    const std::string menu_line = "①練習　②問１　③例　④終了"_sj;
    for (;;) {
        switch (ask_menu_choice(*this, menu_line, 4)) {
            case 1: PRACTICE_PROBLEMS(); break;
            case 2: TEXTBOOK_ANSWERS(); break;
            case 3: RANDOM_EXAMPLE(); break;
            default: return;  // 4: back to the main menu
        }
    }
}
