#include "number_text.h"

#include "toolkit.h"

std::string number_text(Toolkit& kit, float v) {
    kit.A_S = basic::STR_S(v);
    kit.REMOVE_SPACES();
    return kit.A_S;
}
