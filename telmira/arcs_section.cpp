// Section 4, inscribed angles and arcs: its aim page and its menu loop.
#include "menu_choice.h"
#include "telmira.h"

void Telmira::SECTION4_START() {
    ARCS_AIM();
    SECTION4_MENU();
}

// Written on the page the main menu has just cleared; no key wait follows,
// the aim stays while the menu line is asked below it.
void Telmira::ARCS_AIM() { write_aim({"円周角と弧の関係を調べ、結果を使って問題解決しよう。"_sj}); }

// Each screen leaves its last page standing above the menu line. A choice
// between two entries (2.6) goes to the nearer one (③), as in the other
// sections' frames.
void Telmira::SECTION4_MENU() {
    const std::string menu_line = " ①導入課題　②定理　③問2　④問3　⑤問4　⑥終了"_sj;
    for (;;) {
        switch (ask_menu_choice(*this, menu_line, 6)) {
            case 1: ARCS_INTRO_TASK(); break;
            case 2: ARCS_THEOREM(); break;
            case 3: ARCS_PROBLEM2_PROOF(); break;
            case 4: ARCS_PROBLEM3_PROOF(); break;
            case 5: ARCS_PROBLEM4_PENTAGON(); break;
            default: return;  // 6: back to the main menu
        }
    }
}
