// What the frames of sections 4 to 7 share: the aim page written on the page
// the main menu has just cleared.
#include "telmira.h"

void Telmira::write_aim(std::initializer_list<std::string> lines) {
    XI1 = 44;
    YI1 = 240;
    paragraph_text(XI1, YI1, 3, "<めあて>"_sj);
    for (const std::string& line : lines) paragraph_text(XI1, YI1 + 65, 0, line);
}
