// The one question of every section menu: the menu line on the Bottom strip,
// a number in the Number field, asked again while it lies outside the menu.
#pragma once

#include <string>

#include "toolkit.h"

// Writes `menu_line` with ASK_NUMBER_BOTTOM, copies AINP into SENTAKU and
// erases the strip, until SENTAKU lies from 1 to `last`. Returns the entry
// nearest to the choice, so a typed 1.6 or 8/5 is choice 2 in every section
// menu; a half goes to the even entry (2.5 is choice 2, 3.5 choice 4).
int ask_menu_choice(Toolkit& t, const std::string& menu_line, int last);
