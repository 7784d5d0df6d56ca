// What the frames of sections 4 to 7 share: the aim page written on the page
// the main menu has just cleared, and the menu line asked until a choice of
// the section comes.
#include "menu_choice.h"
#include "telmira.h"

void Telmira::write_aim(std::initializer_list<std::string> lines) {
    XI1 = 44;
    YI1 = 240;
    paragraph_text(XI1, YI1, 3, "<めあて>"_sj);
    for (const std::string& line : lines) paragraph_text(XI1, YI1 + 65, 0, line);
}

// These sections take a value between two choices to the nearer one, so
// 4.6 in a menu of five is the last entry (halves go to the even choice).
int Telmira::ask_frame_choice(const std::string& menu_line, int last) {
    ask_menu_choice(*this, menu_line, last);
    return basic::CINT(SENTAKU);
}
