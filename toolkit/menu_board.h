// The main menus' board: a blank page, the green board, the program's title
// and the entries, each row a text at its own place in its own colour.
#pragma once

#include <span>

#include "toolkit.h"

struct MenuBoardRow {
    const char* text;  // UTF-8
    float x, y, colour;
};

// Clears the page, draws the board with "＜title　メニュー＞" and the rows
// with DRAW_TEXT; CCC1, X, Y and AA_S are left as the last row set them.
void draw_menu_board(Toolkit& t, std::span<const MenuBoardRow> rows);
