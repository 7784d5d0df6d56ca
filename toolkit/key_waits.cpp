// Key waits, message boxes and small screen routines.
#include "toolkit.h"

void Toolkit::CLEAR_MAIN_AREA() { rt.fill_box(0, 54, 1440, 900, 15, 15); }
