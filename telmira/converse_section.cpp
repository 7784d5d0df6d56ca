// Section 6, the converse of the inscribed angle theorem: its aim page and
// its menu line.
#include "menu_choice.h"
#include "telmira.h"

void Telmira::SECTION6_START() {
    CONVERSE_AIM();
    SECTION6_MENU();
}

void Telmira::CONVERSE_AIM() {
    write_aim({"1　円周角の定理の逆を考えよう。"_sj, "2　円周角の定理の逆を使って問題を解こう。"_sj});
}

void Telmira::SECTION6_MENU() {
    const std::string menu_line = " ①P174Q　②定理の逆　③問2　④終了"_sj;
    for (;;) {
        switch (ask_menu_choice(*this, menu_line, 4)) {
            case 1: CONVERSE_P174Q(); break;
            case 2: CONVERSE_THEOREM(); break;
            case 3: CONVERSE_PROBLEM2(); break;
            default: return;  // 4: back to the main menu
        }
    }
}
