// Prompt text: the toolkit's short plain texts, one character every 16
// units, half-width characters drawn in their full-width forms.
#include "toolkit.h"

namespace {

// The conversion tables: the k-th key is drawn as the k-th replacement. The
// space stands in both key texts; the first pair's entry is the one used.
const std::string kKeys1 = " XYABCDEFGHIJKLMNOPQRSTUVWZ"_sj;
const std::string kWide1 = "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ"_sj;
const std::string kKeys2 = " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:"_sj;
const std::string kWide2 =
    "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△："_sj;

const std::string kFullStop = "．"_sj;

}  // namespace

void Toolkit::TO_FULL_WIDTH() {
    HENK1_S = kKeys1;
    HENK2_S = kWide1;
    HENK_S = kKeys2;
    HENK3_S = kWide2;
    // An empty character is in no table (a byte search would find it at 1).
    N1 = B_S.empty() ? 0 : static_cast<float>(cp932::instr(HENK1_S, B_S));
    if (N1 != 0) B_S = cp932::kmid(HENK2_S, static_cast<long>(N1), 1);
    N = B_S.empty() ? 0 : static_cast<float>(cp932::instr(HENK_S, B_S));
    if (N != 0) B_S = cp932::kmid(HENK3_S, static_cast<long>(N), 1);
}

void Toolkit::REMOVE_SPACES() {
    KB8 = static_cast<float>(A_S.size());
    X9_S.clear();
    IB8 = 1;
    {
        const float last = KB8;
        do {
            X8_S = cp932::mid(A_S, static_cast<long>(IB8), 1);
            if (X8_S != " ") X9_S += X8_S;
            IB8 = IB8 + 1;
        } while (IB8 <= last);
    }
    A_S = X9_S;
}

void Toolkit::PUT_CHARS() {
    REMOVE_SPACES();
    LE = static_cast<float>(cp932::klen(A_S));
    XT = X;
    rt.set_font_bold(true);
    I = 1;
    {
        const float last = LE;
        do {
            B_S = cp932::kmid(A_S, static_cast<long>(I), 1);
            if (B_S == "^") {
                JYOU = 1;
            } else {
                if (JYOU != 1) {
                    TO_FULL_WIDTH();
                } else {
                    JYOU = 0;
                }
                // What stays one byte wide sits lower in its cell: lift it.
                L = B_S.size() == 1 ? 4 : 0;
                // The full stop is drawn in the gap before its place and
                // takes no width of its own.
                if (B_S == kFullStop) XT = XT - 4;
                rt.text(XT, Y - L, B_S, colour(CCC1), 1, 1);
                if (B_S == kFullStop) XT = XT - 12;
                XT = XT + 16;
            }
            I = I + 1;
        } while (I <= last);
    }
}

void Toolkit::PUT_TEXT() {
    // One character at a time, so that a half-width space reaches PUT_CHARS
    // alone and leaves its 16-unit blank instead of being dropped.
    for (;;) {
        LEM = static_cast<float>(cp932::klen(AA_S));
        if (LEM == 0) return;
        A_S = cp932::kleft(AA_S, 1);
        AA_S = cp932::kmid(AA_S, 2);
        if (A_S == "^") {
            JYOU = 1;
        } else {
            PUT_CHARS();
            X = XT;
        }
    }
}
