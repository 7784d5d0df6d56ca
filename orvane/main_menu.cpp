// The main menu: the board with the four sections, the number asked for,
// and the way into the chosen section. Every section returns here.
#include "orvane.h"

#include "menu_board.h"

namespace {

const MenuBoardRow kRows[] = {
    {"1　作図", 44, 120, 13},
    {"2　円と相似", 44, 180, 15},
    {"3　P182(章の問題A)", 44, 240, 13},
    {"4　P183(章の問題B)", 44, 300, 15},
    {"5　", 44, 360, 13},
    {"6　終了", 44, 420, 15},
};

}  // namespace

void Orvane::MAIN_MENU() {
    for (;;) {
        draw_menu_board(*this, kRows);
        CCC1 = 0;
        X = KAIX - 240;
        Y = KAIY;
        AA_S = "番号を入力して下さい。"_sj;
        PUT_TEXT();

        ASK_NUMBER();
        ERASE_NUMBER_PROMPT();
        if (AINP == 6) return;
        // Written so that only a value inside 1 to 6 goes on.
        if (!(AINP >= 1 && AINP <= 6)) continue;

        // Every section starts on a blank page.
        rt.fill_box(0, 0, 1760, 1800, 15, 15);
        // The value passed the tests; the entry is the number the typed text
        // starts with ("2/2" is entry 2).
        switch (typed_entry_number()) {
            case 1:  // constructions
                SHOW_AIM_CONSTRUCTIONS();
                CONSTRUCTION_MENU();
                break;
            case 2:  // circles and similar triangles
                SIMILARITY_SECTION();
                break;
            case 3:  // the chapter problems A of page 182
                CHAPTER_A_MENU();
                break;
            case 4:  // the chapter problems B of page 183
                CHAPTER_B_MENU();
                break;
            case 5:
                MAIN_MENU_BLANK_ENTRY();
                break;
            default:  // a leading number that names no entry ("10/2"): the menu again
                break;
        }
    }
}

// Entry 5 has no lesson behind it: the menu is simply drawn again.
void Orvane::MAIN_MENU_BLANK_ENTRY() {}
