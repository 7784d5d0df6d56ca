// Number prompts and the number field: the pupil types a number key by key
// and ends it with Enter; the text and its value are left in AINP_S, AINP.
#include <cmath>

#include "toolkit.h"

void Toolkit::ASK_NUMBER() {
    CCC1 = 0;
    X = KAIX - 240;
    Y = KAIY;
    AA_S = "番号を入力して下さい。"_sj;
    PUT_TEXT();
    READ_NUMBER();
    PARSE_NUMBER();
}

void Toolkit::ERASE_NUMBER_PROMPT() { rt.fill_box(KAIX - 240, KAIY - 8, KAIX - 240 + 1056, KAIY - 8 + 50, 15, 15); }

void Toolkit::ASK_NUMBER_BOTTOM() {
    CCC1 = 0;
    X = 16;
    Y = 666;
    PUT_TEXT();
    READ_NUMBER();
    PARSE_NUMBER();
}

void Toolkit::ERASE_BOTTOM_LINE() { rt.fill_box(0, 657, 992, 720, 15, 15); }

void Toolkit::READ_NUMBER() {
    XX = KAIX;
    YY = KAIY;
    X1 = X;
    Y1 = Y;
    AINP_S.clear();
    CCC1 = 0;
    X = XX - 48;
    Y = YY;
    AA_S = "入力"_sj;
    PUT_TEXT();
    EDIT_NUMBER_KEYS();
    rt.fill_box(KAIX - 48, KAIY - 8, KAIX - 48 + 240, KAIY - 8 + 30, 15, 15);
}

void Toolkit::EDIT_NUMBER_KEYS() {
    for (;;) {
        rt.disc(XX + 8, YY + 8, 4, 5, 5);
        I_S = rt.poll_key();
        if (I_S.empty()) {
            // The dot is erased on every empty poll, so it blinks at the poll rate.
            rt.disc(XX + 8, YY + 8, 4, 15, 15);
            continue;
        }
        // Backspace clears the whole entry; so does any key once ten
        // characters stand in the field, Enter included.
        if (I_S[0] == platform::kBackspace || I_S[0] == platform::kClearKey || cp932::klen(AINP_S) > 9) {
            rt.fill_box(KAIX, KAIY - 8, KAIX + 192, KAIY - 8 + 30, 15, 15);
            AINP_S.clear();
            XX = KAIX;
            YY = KAIY;
            I_S.clear();
            continue;
        }
        if (I_S[0] == platform::kEnter) {
            rt.disc(XX + 8, YY + 8, 4, 15, 15);
            return;
        }
        // "-", ".", "/" and the digits: codes 45 to 57.
        if (I_S >= "-" && I_S <= "9") {
            rt.disc(XX + 8, YY + 8, 4, 15, 15);
            CCC1 = 5;
            A_S = I_S;
            X = XX;
            Y = YY;
            PUT_CHARS();
            XX = XT;
            AINP_S += I_S;
        }
    }
}

void Toolkit::PARSE_NUMBER() {
    LEM = static_cast<float>(cp932::klen(AINP_S));
    N = static_cast<float>(cp932::kinstr(AINP_S, "/"));
    if (N == 0) {
        AINP = basic::VAL(AINP_S);
    } else {
        A_S = cp932::kleft(AINP_S, static_cast<long>(N - 1));
        B_S = cp932::kright(AINP_S, static_cast<long>(LEM - N));
        const float denominator = basic::VAL(B_S);
        // A zero denominator ("1/0", "/", "3/") gives 0, which no menu
        // accepts and which is not the next-step answer 1.
        AINP = denominator == 0 ? 0 : basic::VAL(A_S) / denominator;
    }
    if (!std::isfinite(AINP)) AINP = 0;
}

int Toolkit::typed_entry_number() const {
    // The whole-number part, so "2.5" is entry 2 as it reads; a number too
    // large for an entry (it can pass a menu's range test, as "99999/99999"
    // does) names none.
    const float v = basic::FIX(basic::VAL(AINP_S));
    if (!(v >= -100.0f && v <= 100.0f)) return 0;
    return static_cast<int>(v);
}
