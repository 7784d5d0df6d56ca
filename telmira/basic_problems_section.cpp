// Section 7, the worked answers of the basic problems of page 176: no aim
// page, only its menu line, and the heading that both answer pages share.
#include "menu_choice.h"
#include "telmira.h"

void Telmira::SECTION7_START() { SECTION7_MENU(); }

// The menu never clears the page: an answer page stays above the menu line.
void Telmira::SECTION7_MENU() {
    const std::string menu_line = "P176(基本の問題)の解答　①,②→問題　 ③→終了"_sj;
    for (;;) {
        switch (ask_menu_choice(*this, menu_line, 3)) {
            case 1: P176_ANSWERS_PAGE1(); break;
            case 2: P176_ANSWERS_PAGE2(); break;
            default: return;  // 3: back to the main menu
        }
    }
}

// Both pages' heading cells are drawn in whatever line width the screen
// before left: the pages set width 5 only for their figures.
void Telmira::p176_heading(const std::string& page_number) {
    XI1 = 72;
    YI1 = 30;
    X = XI1;
    Y = YI1;
    HABA = 360;
    TATE = 48;
    CCC1 = 0;
    CCC2 = 3;
    CCC3 = 13;
    A_S = "P176(基本の問題)"_sj;
    DRAW_CELL();
    XI2 = X;

    X = XI2 + 44;
    Y = YI1;
    HABA = 44;
    TATE = 44;
    CCC1 = 13;
    CCC2 = 4;
    CCC3 = 3;
    A_S = page_number;
    DRAW_CELL();
    XI2 = X;
}

void Telmira::p176_segment(float from, float to, float c) {
    M = from;
    N = to;
    rt.segment(X_A(M), Y_A(M), X_A(N), Y_A(N), colour(c));
}

void Telmira::p176_right_angle(float vertex, float first, float second, float side, float c) {
    N1 = vertex;
    N2 = first;
    N3 = second;
    set_angle_points(N1, N2, N3);
    NAGASA = 30;
    ITI = side;
    CCC2 = c;
    DRAW_RIGHT_ANGLE();
}
