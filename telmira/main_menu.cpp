// The main menu: the board with the seven sections, the number asked for,
// and the way into the chosen section. Every section returns here.
#include "telmira.h"

#include "menu_board.h"

namespace {

// Entries 1 to 8 in one column, odd ones in colour 13; the end entry alone
// at the top of a second column.
const MenuBoardRow kRows[] = {
    {"1　円周角", 44, 120, 13},
    {"2　円周角の定理証明", 44, 180, 15},
    {"3　円周角を使って", 44, 240, 13},
    {"4　円周角と弧", 44, 300, 15},
    {"5　直径と円周角", 44, 360, 13},
    {"6　円周角の定理の逆", 44, 420, 15},
    {"7　P176 基本の問題", 44, 480, 13},
    {"8　", 44, 540, 15},
    {" 9　 終了", 660, 120, 13},
};

}  // namespace

void Telmira::MAIN_MENU() {
    for (;;) {
        draw_menu_board(*this, kRows);

        ASK_NUMBER();
        ERASE_NUMBER_PROMPT();
        if (AINP == 9) return;
        // Written so that only a value inside 1 to 9 goes on.
        if (!(AINP >= 1 && AINP <= 9)) continue;

        // Every section starts on a blank page.
        rt.fill_box(0, 0, 1760, 1800, 15, 15);
        // The value passed the tests; the entry is the number the typed text
        // starts with ("2/2" is entry 2).
        const int entry = typed_entry_number();
        // The other sections place their own points in the shared arrays:
        // after one of them the interactive figure is set up again before a
        // switch of section 1 draws it.
        if (entry >= 2 && entry <= 7) angle_figure_ready = false;
        switch (entry) {
            case 1:  // the inscribed angle: INSCRIBED_ANGLE_GOAL, then INSCRIBED_ANGLE_MENU
                INSCRIBED_ANGLE_SECTION();
                break;
            case 2:  // the proof of the theorem
                PROOF_SECTION();
                break;
            case 3:  // using inscribed angles: USING_ANGLES_SECTION
                USING_ANGLES_SECTION();
                break;
            case 4:  // inscribed angles and arcs: SECTION4_START
                SECTION4_START();
                break;
            case 5:  // the diameter and the inscribed angle: SECTION5_START
                SECTION5_START();
                break;
            case 6:  // the converse of the theorem: SECTION6_START
                break;
            case 7:  // the basic problems of page 176: SECTION7_START
                SECTION7_START();
                break;
            case 8:
                MAIN_MENU_BLANK_ENTRY();
                break;
            default:  // a leading number that names no entry ("20/4"): the menu again
                break;
        }
    }
}

// Entry 8 has no lesson behind it: the menu is simply drawn again.
void Telmira::MAIN_MENU_BLANK_ENTRY() {}
