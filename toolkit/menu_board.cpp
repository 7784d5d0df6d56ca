#include "menu_board.h"

void draw_menu_board(Toolkit& t, std::span<const MenuBoardRow> rows) {
    t.CLEAR_MAIN_AREA();
    t.rt.fill_box(0, 0, 1760, 1800, 15, 15);
    t.rt.fill_box(22, 10, 22 + 1320, 10 + 600, 15, 10);
    t.CCC1 = 15;
    t.X = 264;
    t.Y = 30;
    t.AA_S = "＜"_sj + t.TITLE_S + "　メニュー＞"_sj;
    t.DRAW_TEXT();
    for (const MenuBoardRow& row : rows) {
        t.CCC1 = row.colour;
        t.X = row.x;
        t.Y = row.y;
        t.AA_S = cp932::from_utf8(row.text);
        t.DRAW_TEXT();
    }
}
