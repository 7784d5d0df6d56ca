#include "telmira.h"

void Telmira::MAIN_MENU() {
    CLEAR_MAIN_AREA();
    for (;;) rt.poll_key();
}
