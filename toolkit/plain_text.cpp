// The plain text drawer: a text character by character with fixed advances
// and no markup, and its measurement.
#include "toolkit.h"

void Toolkit::DRAW_PLAIN_TEXT() {
    static const std::string gothic = "ゴシック"_sj;
    LineWidthKeeper keep(rt);
    DR = rt.line_width();
    TX = X;
    TY = Y;
    const int c = colour(CCC1);
    for (;;) {
        LEM = static_cast<float>(cp932::klen(AA_S));
        if (LEM == 0) {
            rt.set_font_bold(false);
            rt.set_font_size(16);
            return;
        }
        A_S = cp932::kleft(AA_S, 1);
        AA_S = cp932::kright(AA_S, static_cast<long>(LEM) - 1);
        rt.set_font_bold(true);
        rt.set_font_size(15);

        R_S = A_S;
        NAG = static_cast<float>(cp932::klen(R_S));
        I = 1;
        {
            const float last = NAG;
            do {
                B_S = cp932::kmid(R_S, static_cast<long>(I), 1);
                TA2 = static_cast<float>(B_S.size());
                if (B_S == "." || B_S == ",") {
                    rt.text(TX, TY, B_S, c, 3, 2);
                    TX = TX + 8;
                } else if (B_S == "(") {
                    rt.text(TX - 8, TY, B_S, c, 3, 2);
                    TX = TX + 12;
                } else if (B_S == ")") {
                    rt.text(TX, TY, B_S, c, 3, 2);
                    TX = TX + 8;
                } else if (B_S == " ") {
                    TX = TX + 20;
                } else if (TA2 == 2) {
                    rt.text(TX, TY, B_S, c, 2, 2);
                    TX = TX + 30;
                } else if (B_S == "a" || B_S == "x" || B_S == "c") {
                    rt.set_font_name("Times New Roman");
                    rt.set_font_size(8);
                    rt.set_font_italic(true);
                    rt.text(TX + 4, TY - 12, B_S, c, 7, 4);
                    rt.set_font_name(gothic);
                    rt.set_font_italic(false);
                    TX = TX + 20;
                } else if (B_S == "y") {
                    rt.text(TX, TY - 6, B_S, c, 3, 2);
                    TX = TX + 20;
                } else {
                    rt.text(TX, TY, B_S, c, 3, 2);
                    TX = TX + 20;
                }
                I = I + 1;
            } while (I <= last);
        }
        X = TX;
        Y = TY;
    }
}

void Toolkit::MEASURE_PLAIN_TEXT() {
    const float caller_x = X, caller_y = Y;
    X = 0;
    Y = 1800;  // below the page: nothing of the drawing shows
    AA_S = A_S;
    DRAW_PLAIN_TEXT();
    LLT = X;
    X = caller_x;
    Y = caller_y;
}

void Toolkit::WRAP_NEGATIVE() {
    TA1 = static_cast<float>(cp932::instr(A_S, "-"));
    if (TA1 != 0) A_S = "(" + A_S + ")";
}
