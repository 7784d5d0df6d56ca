// The application lessons: constructions, circles and similar triangles,
// and the worked answers of the chapter problems A and B.
#pragma once

#include "toolkit.h"

class Orvane : public Toolkit {
public:
    using Toolkit::Toolkit;
    void MAIN_MENU() override;
    void MAIN_MENU_BLANK_ENTRY();
};
