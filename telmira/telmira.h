// The theorem lessons: the inscribed angle, its proof and use, arcs, the
// diameter, the converse and the basic problems. Built as Telmira and, with
// another title, as Sundrel.
#pragma once

#include "toolkit.h"

class Telmira : public Toolkit {
public:
    using Toolkit::Toolkit;
    void MAIN_MENU() override;
    void MAIN_MENU_BLANK_ENTRY();
};
