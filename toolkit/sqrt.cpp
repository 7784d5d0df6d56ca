// Square roots of whole numbers with their square factors taken out in
// front (√72 = 6√2), and the formula texts that show the step.
#include "toolkit.h"
#include "whole32.h"

void Toolkit::SIMPLIFY_SQRT() {
    R1A = 1;
    R1I = 2;
    R1B1 = R1B;
    // Only whole numbers from 1 to 2^31 - 1 are searched: 0 is divisible by
    // every square and would never end, and nothing else has a factor to
    // take out.
    if (!is_whole32(R1B) || R1B < 1) R1I = 201;
    while (R1I != 201) {
        if (whole32_remainder(R1B, R1I * R1I) != 0) {
            R1I = R1I + 1;
            continue;
        }
        R1A = R1A * R1I;
        R1B = basic::DIV(R1B, R1I * R1I);
        R1I = 2;
    }

    static const std::string radical = "!", radical_end = "ﾝ"_sj;
    R1A1_S = R1B == 1 ? "" : radical + basic::STR_S(R1B);
    if (R1A != 1) R1A_S = basic::STR_S(R1A);
    else R1A_S = R1B == 1 ? "1" : "";
    RAB_S = R1A_S + R1A1_S + radical_end;
    RABM_S = R1A == 1 ? "" : radical + basic::STR_S(R1B1) + radical_end + "=";
    R1B_S = R1A1_S + radical_end;

    for (std::string* text : {&R1A_S, &RAB_S, &RABM_S, &R1B_S}) {
        A_S = *text;
        REMOVE_SPACES();
        *text = A_S;
    }
}
