// The formula-text interpreter: walks a text piece by piece, lays out
// fractions and the large radical, and measures a text by drawing it off the
// page. Every ordinary character goes to the glyph renderer (glyphs.cpp).
#include "toolkit.h"

namespace {

const std::string& fraction_mark() {
    static const std::string s = "ﾀ"_sj;
    return s;
}

const std::string& radical_sign() {
    static const std::string s = "√"_sj;
    return s;
}

}  // namespace

void Toolkit::DRAW_TEXT() {
    LineWidthKeeper keep(rt);
    const float width = rt.line_width();
    for (;;) {
        DR = width;
        const long count = static_cast<long>(cp932::klen(AA_S));
        if (count == 0) return;
        A_S = cp932::kleft(AA_S, 1);
        AA_S = cp932::kright(AA_S, count - 1);

        if (A_S == fraction_mark()) {
            N = static_cast<float>(cp932::kinstr(AA_S, fraction_mark(), 1));
            // An opening mark without a closing one is dropped.
            if (N == 0) continue;
            const long close = static_cast<long>(N);
            A_S = cp932::kleft(AA_S, close - 1);
            AA_A_S = cp932::kmid(AA_S, close + 1);
            DRAW_FRACTION();
            AA_S = AA_A_S;
        } else if (A_S == "#") {
            // The large radical: a tick, the stroke down to 60 below the
            // line's top, the long stroke up to the overbar at 14 above it.
            rt.set_line_width(3);
            rt.polyline({X + 4, Y + 36, X + 8, Y + 24, X + 16, Y + 60, X + 30, Y - 14, X + 38, Y - 14}, colour(CCC1));
            HROOT = 22;
            rt.set_line_width(width);
            X = X + 32;
            TXM = X;
        } else if (A_S == "^") {
            JYOU = 1;
        } else {
            DRAW_TEXT_RUN();
        }
    }
}

void Toolkit::DRAW_FRACTION() {
    const float x0 = X, y0 = Y;
    const float width = rt.line_width();
    const bool content_has_root = cp932::instr(A_S, "!") != 0 || cp932::instr(A_S, radical_sign()) != 0;

    // A content without "/" is all numerator over an empty denominator.
    const long slash = cp932::instr(A_S, "/");
    RTASKAI1_S = slash == 0 ? A_S : cp932::left(A_S, slash - 1);
    RTASKAI2_S = slash == 0 ? std::string() : cp932::mid(A_S, slash + 1);

    // Each part measured from the fraction's place, as a fraction part.
    auto part_width = [&](const std::string& part) {
        X = x0;
        Y = y0;
        A_S = part;
        BUN = 1;
        MEASURE_TEXT();
        return LLT;
    };
    TBSI = part_width(RTASKAI1_S);
    TBBO = part_width(RTASKAI2_S);
    BUN = 0;

    NAGA = TBSI >= TBBO ? TBSI : TBBO;
    const float numerator_offset = basic::DIV(NAGA - TBSI, 2);
    const float denominator_offset = basic::DIV(NAGA - TBBO, 2);

    // A split fraction always gets its bar, even a zero-length one; only
    // an empty pair of marks ("ﾀﾀ") draws none.
    if (slash != 0 || NAGA > 0) {
        rt.set_line_width(4);
        rt.segment(x0, y0 + 25, x0 + NAGA, y0 + 25, colour(CCC1));
        rt.set_line_width(width);
        if (HROOT == 22) {
            rt.set_line_width(3);
            rt.segment(x0, y0 - 14, x0 + NAGA, y0 - 14, colour(CCC1));
            rt.set_line_width(width);
        }
    }

    float denominator_top = y0 + 28;
    if (cp932::instr(RTASKAI2_S, radical_sign()) != 0 || cp932::instr(RTASKAI2_S, "^") != 0)
        denominator_top = y0 + 36;
    if (content_has_root) denominator_top = denominator_top + 8;

    X = x0 + denominator_offset;
    Y = denominator_top;
    BUN = 1;
    A_S = RTASKAI2_S;
    DRAW_TEXT_RUN();

    X = x0 + numerator_offset;
    Y = y0 - 10;
    BUN = 1;
    A_S = RTASKAI1_S;
    DRAW_TEXT_RUN();

    BUN = 0;
    X = x0 + NAGA;
    Y = y0;
}

void Toolkit::MEASURE_TEXT() {
    // Kept per call: a fraction's parts are measured while the text that
    // holds the fraction is itself being measured.
    const float caller_x = X, caller_y = Y;
    const std::string caller_text = A_S;

    X = 0;
    Y = 1800;  // below the page: nothing of the drawing shows
    AA_S = A_S;
    DRAW_TEXT();
    LLT = X;

    X = caller_x;
    Y = caller_y;
    A_S = caller_text;
}
