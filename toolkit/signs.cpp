// Sign operations on the front of the text in A$. A sign is only the
// half-width "-" or "+"; the rest of the text is kept whole, double-byte
// characters included.
#include "toolkit.h"

void Toolkit::NEGATE_TEXT() {
    LE = static_cast<float>(cp932::klen(A_S));
    if (A_S.empty()) return;
    const std::string first = cp932::kleft(A_S, 1);
    if (first == "-") A_S = "+" + cp932::kmid(A_S, 2);
    else if (first == "+") A_S = "-" + cp932::kmid(A_S, 2);
    else A_S = "-" + A_S;
}

void Toolkit::STRIP_PLUS() {
    LE = static_cast<float>(cp932::klen(A_S));
    if (cp932::kleft(A_S, 1) == "+") A_S = cp932::kmid(A_S, 2);
}

void Toolkit::STRIP_SIGN() {
    LE = static_cast<float>(cp932::klen(A_S));
    const std::string first = cp932::kleft(A_S, 1);
    if (first == "+" || first == "-") A_S = cp932::kmid(A_S, 2);
}
