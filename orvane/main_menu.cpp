#include "orvane.h"

void Orvane::MAIN_MENU() {
    CLEAR_MAIN_AREA();
    for (;;) rt.poll_key();
}
