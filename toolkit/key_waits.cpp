// Key waits, message boxes and small screen routines.
#include "toolkit.h"

// The message box of the key waits, from x `left` to `right`: the caller's
// colour kept in CCC0 and its width in DR, the text's place left in X, Y.
void Toolkit::open_message_box(float left, float right) {
    CCC0 = CCC1;
    DR = rt.line_width();
    rt.set_line_width(3);
    rt.fill_box(left, 657, right, 693, 13, 4);
    CCC1 = 9;
    X = left + 32;
    Y = 666;
}

// Nothing is flushed first: a key typed ahead ends the wait at once.
void Toolkit::wait_for_key() {
    do {
        I_S = rt.poll_key();
    } while (I_S.empty());
}

void Toolkit::WAIT_ANY_KEY() {
    LineWidthKeeper keep(rt);
    open_message_box(96, 400);
    AA_S = "何かキーを押して下さい。"_sj;
    PUT_TEXT();
    wait_for_key();
    rt.fill_box(0, 657, 400, 693, 15, 15);
    CCC1 = CCC0;
}

void Toolkit::SHOW_MESSAGE_WAIT() {
    LineWidthKeeper keep(rt);
    open_message_box(16, 496);
    PUT_TEXT();
    wait_for_key();
    CLOSE_MESSAGE();
}

void Toolkit::CLOSE_MESSAGE() {
    rt.fill_box(0, 657, 992, 720, 15, 15);
    CCC1 = CCC0;
    rt.set_line_width(DR);
}

void Toolkit::ASK_NEXT_STEP() {
    DR = rt.line_width();
    LineWidthKeeper keep(rt);
    rt.set_line_width(2);
    rt.fill_box(96, 639, 400, 675, 13, 12);
    CCC1 = 9;
    X = 128;
    Y = 648;
    AA_S = "次のステップは１を入力。"_sj;
    PUT_TEXT();
    READ_NUMBER();
    PARSE_NUMBER();
    rt.fill_box(96, 639, 400, 675, 15, 15);
}

void Toolkit::CLEAR_MAIN_AREA() { rt.fill_box(0, 54, 1440, 900, 15, 15); }

void Toolkit::CLEAR_STRIP() {
    X = KAIX + 80;
    Y = KAIY - 72;
    rt.fill_box(X, Y, X + 1440, Y + 90, 15, 15);
}

void Toolkit::VALUES_TO_TEXTS() {
    auto to_texts = [this](basic::NumArray& values, basic::TextArray& texts, float last) {
        I = 1;
        do {
            A_S = basic::STR_S(values(I));
            REMOVE_SPACES();
            texts(I) = A_S;
            I = I + 1;
        } while (I <= last);
    };
    to_texts(T_A, T_S_A, 80);
    to_texts(F_A, F_S_A, 40);
}

void Toolkit::KEY_TO_INDEX() {
    static const char* const keys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
    for (int k = 0; k < 10; ++k) {
        if (I_S == keys[k]) {
            FKIG = 1;
            HHKIG = static_cast<float>(k + 1);
            return;
        }
    }
    FKIG = 0;
}

void Toolkit::FLUSH_KEYS() {
    do {
        I_S = rt.poll_key();
    } while (!I_S.empty());
}
