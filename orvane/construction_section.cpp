// Section 1, constructions: its aim and its menu loop.
#include "menu_choice.h"
#include "orvane.h"

// Written on the page the main menu has just cleared; no key wait follows,
// the aim stays while the menu line is asked below it.
void Orvane::SHOW_AIM_CONSTRUCTIONS() {
    XI1 = 44;
    YI1 = 240;

    paragraph_text(XI1, YI1, 3, "<めあて>"_sj);

    paragraph_text(XI1, YI1 + 65, 0, "円周角の定理を利用して、いろいろな作図を考えよう。"_sj);
}

// Each screen leaves its last page standing above the menu line.
void Orvane::CONSTRUCTION_MENU() {
    const std::string menu_line = " ①P177Q　②P178Q　③問１　④練習　⑤終了"_sj;
    for (;;) {
        switch (ask_menu_choice(*this, menu_line, 5)) {
            case 1: SHIP_POSITION(); break;
            case 2: TANGENT_LESSON(); break;
            case 3: ARC30_ANSWER(); break;
            case 4: TANGENT_QUAD_PRACTICE(); break;
            default: return;  // 5: back to the main menu
        }
    }
}
