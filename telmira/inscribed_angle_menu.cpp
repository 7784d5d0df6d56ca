// Section 1, the inscribed angle: its aim page and its menu loop.
#include "menu_choice.h"
#include "telmira.h"

int Telmira::ask_section_choice(const std::string& menu_line, int last) {
    int choice = ask_menu_choice(*this, menu_line, last);
    AINP = 10;
    return choice;
}

void Telmira::INSCRIBED_ANGLE_SECTION() {
    INSCRIBED_ANGLE_GOAL();
    INSCRIBED_ANGLE_MENU();
}

void Telmira::INSCRIBED_ANGLE_GOAL() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI1 = 44;
    YI1 = 240;

    paragraph_text(XI1, YI1, 3, "<めあて>"_sj);

    paragraph_text(XI1, YI1 + 65, 0, "円周角と中心角の大きさを調べよう。"_sj);
}

void Telmira::INSCRIBED_ANGLE_MENU() {
    const std::string menu_line =
        " ①P167Q　②円周角説明　③Q　④A　⑤まとめ　⑥操作　⑦角度表示　⑧直径表示　⑨複数表示　⑩終了"_sj;
    // Whether the page shows the arrow-key figure, as screens ⑥ to ⑧ leave
    // it; the aim page and the other screens draw where it stands.
    bool figure_on_page = false;
    for (;;) {
        const int choice = ask_section_choice(menu_line, 10);
        if ((choice == 7 || choice == 8) && !figure_on_page) set_up_figure_for_switch();
        figure_on_page = choice >= 6 && choice <= 8;
        switch (choice) {
            case 1: SET_SQUARE_LOCUS(); break;
            case 2: INSCRIBED_ANGLE_DEFINITION(); break;
            case 3: CONSTANT_ANGLE_QUESTION(); break;
            case 4: HALF_ANGLE_ANSWER(); break;
            case 5: THEOREM_SUMMARY(); break;
            case 6: MOVE_POINTS(); break;
            case 7: ANGLE_VALUE_SWITCH(); break;
            case 8: DIAMETER_SWITCH(); break;
            case 9: SEVERAL_ANGLES(); break;
            default: return;  // 10: back to the main menu
        }
    }
}
