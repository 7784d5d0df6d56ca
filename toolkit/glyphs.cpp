// The character layer of the formula text: every ordinary character of a
// formula text is drawn here, with its substitution, face, size,
// magnification, offset and fixed advance, and with the overbar of an open
// radical. Advances are constants, so widths never depend on the fonts.
#include "toolkit.h"

namespace {

// Where a glyph of a row goes relative to the cursor, how it is magnified
// and how far the cursor moves after it.
struct GlyphRow {
    float dx, dy, mag_h, mag_v, advance;
};

// Rows 12 to 15 are strokes: up to two segments each, offsets from the cursor.
struct Stroke {
    float x1, y1, x2, y2;
};

enum Row {
    kPoint = 1, kPrime, kTallOpen, kTallClose, kEquals, kRaisedSmall, kRaisedInFraction, kRaised,
    kItalicInFraction, kItalic, kScriptL, kMinusInFraction, kPlusInFraction, kMinus, kPlus, kOperator,
    kSpace, kWideInFraction, kWide, kNarrowInFraction, kNarrow
};

constexpr GlyphRow kRows[] = {
    {0, 0, 0, 0, 0},     // (rows count from 1)
    {-3, 14, 3, 2, 8},   // 1  "."
    {0, 0, 3, 3, 12},    // 2  "'" or "°"
    {-4, -6, 3, 4, 27},  // 3  "(" with tall parentheses
    {6, -6, 3, 4, 27},   // 4  ")" with tall parentheses
    {4, 0, 3, 3, 32},    // 5  "="
    {0, -10, 6, 3, 24},  // 6  raised in the second size
    {0, -4, 6, 3, 24},   // 7  raised, in a fraction part
    {0, 0, 3, 2, 24},    // 8  raised
    {4, -16, 12, 5, 32}, // 9  a, x, c in a fraction part
    {4, -22, 10, 7, 27}, // 10 a, x, c
    {0, 0, 6, 3, 32},    // 11 script l
    {0, 0, 0, 0, 32},    // 12 "-" in a fraction part
    {0, 0, 0, 0, 32},    // 13 "+" in a fraction part
    {0, 0, 0, 0, 27},    // 14 "-"
    {0, 0, 0, 0, 27},    // 15 "+"
    {-4, 0, 2, 3, 27},   // 16 times, division, plus-minus
    {0, 0, 0, 0, 27},    // 17 half-width space
    {0, 0, 3, 3, 38},    // 18 double-byte, in a fraction part
    {0, 0, 2, 3, 34},    // 19 double-byte
    {0, 0, 4, 2, 32},    // 20 single-byte, in a fraction part
    {0, 0, 3, 3, 27},    // 21 single-byte
};

struct StrokeRow {
    int count;
    Stroke strokes[2];
};

StrokeRow strokes_of(int row) {
    switch (row) {
        case kMinusInFraction: return {1, {{6, 14, 26, 14}}};
        case kPlusInFraction: return {2, {{6, 14, 26, 14}, {16, 4, 16, 24}}};
        case kMinus: return {1, {{4, 20, 23, 20}}};
        case kPlus: return {2, {{4, 22, 23, 22}, {13, 10, 13, 34}}};
        default: return {0, {}};
    }
}

struct Texts {
    std::string gothic = "ゴシック"_sj, times = "Times New Roman", extra = "MT Extra";
    std::string degree = "°"_sj, times_sign = "×"_sj, division = "÷"_sj, plus_minus = "±"_sj,
                radical = "√"_sj, close_bar = "ﾝ"_sj;
};

const Texts& texts() {
    static const Texts t;
    return t;
}

// The first row of the glyph table that matches the character.
int glyph_row(const std::string& ch, bool double_byte, bool in_fraction, bool raise, bool raise_small,
              bool tall_parens) {
    const Texts& t = texts();
    const bool italic_letter = ch == "a" || ch == "x" || ch == "c";
    const bool operator_sign = ch == t.times_sign || ch == t.division || ch == t.plus_minus;
    if (ch == ".") return kPoint;
    if (ch == "'" || ch == t.degree) return kPrime;
    if (ch == "(" && tall_parens) return kTallOpen;
    if (ch == ")" && tall_parens) return kTallClose;
    if (ch == "=") return kEquals;
    if (raise_small) return kRaisedSmall;
    if (raise && in_fraction) return kRaisedInFraction;
    if (raise) return kRaised;
    if (italic_letter) return in_fraction ? kItalicInFraction : kItalic;
    if (ch == "l") return kScriptL;
    if (ch == "-") return in_fraction ? kMinusInFraction : kMinus;
    if (ch == "+") return in_fraction ? kPlusInFraction : kPlus;
    if (operator_sign && !in_fraction) return kOperator;
    if (ch == " ") return kSpace;
    if (double_byte) return in_fraction ? kWideInFraction : kWide;
    return in_fraction ? kNarrowInFraction : kNarrow;
}

}  // namespace

void Toolkit::DRAW_TEXT_RUN() {
    const Texts& t = texts();
    LineWidthKeeper keep(rt);
    TX = X;
    TY = Y;
    DR = rt.line_width();
    R_S = A_S;
    NAG = static_cast<float>(cp932::klen(R_S));
    rt.set_font_name(t.gothic);
    rt.set_font_size(16);
    rt.set_font_bold(true);

    const int c = colour(CCC1);
    auto bar = [&](float x1, float y1, float x2, float y2) { rt.segment(x1, y1, x2, y2, c); };

    I = 1;
    // An empty run (an empty fraction part) draws nothing and leaves the
    // raise flags for the character they were meant for.
    if (NAG >= 1) {
        const float last = NAG;
        do {
            B_S = cp932::kmid(R_S, static_cast<long>(I), 1);

            // Substitutions.
            if (B_S == "%") B_S = t.degree;
            if (B_S == "*") B_S = t.times_sign;
            if (B_S == "/") B_S = t.division;
            if (B_S == "@") B_S = t.plus_minus;
            if (B_S == "!") B_S = t.radical;

            // Markers and line-drawn signs take no overbar piece of their own.
            bool drawn_as_sign = true;
            if (B_S == "^") {
                JYOU = 1;
            } else if (B_S == "\\") {
                JYOUK = 1;
            } else if (B_S == t.close_bar) {
                HROOT = 0;
            } else if (B_S == t.radical && BUN == 1) {
                rt.set_line_width(3);
                rt.polyline({TX + 4, TY + 24, TX + 8, TY + 13, TX + 16, TY + 29, TX + 24, TY - 6, TX + 26, TY - 6}, c);
                HROOT = 11;
                rt.set_line_width(3);
                TX = TX + 26;
                TXM = TX;
            } else if (B_S == t.radical) {
                rt.set_line_width(3);
                rt.polyline({TX + 4, TY + 36, TX + 8, TY + 24, TX + 16, TY + 40, TX + 24, TY - 4, TX + 32, TY - 4}, c);
                HROOT = 1;
                rt.set_line_width(3);
                TX = TX + 28;
                TXM = TX;
            } else if (B_S == "&") {
                rt.set_line_width(5);
                rt.polyline({TX + 4, TY + 40, TX + 25, TY + 40, TX + 32, TY + 8, TX + 11, TY + 8, TX + 4, TY + 40}, c);
                rt.set_line_width(3);
                TX = TX + 36;
                TXM = TX;
            } else {
                drawn_as_sign = false;
            }

            if (!drawn_as_sign) {
                TA2 = static_cast<float>(B_S.size());
                const int row = glyph_row(B_S, TA2 == 2, BUN == 1, JYOU == 1, JYOUK == 1, KAKKO == 1);

                // The font of the glyph.
                switch (row) {
                    case kEquals: rt.set_font_size(14); rt.set_font_bold(true); break;
                    case kRaisedSmall:
                    case kRaisedInFraction: rt.set_font_size(8); break;
                    case kItalicInFraction:
                    case kItalic:
                        rt.set_font_name(t.times);
                        rt.set_font_size(8);
                        rt.set_font_italic(true);
                        break;
                    case kScriptL:
                        rt.set_font_name(t.extra);
                        rt.set_font_size(16);
                        rt.set_font_bold(true);
                        break;
                    case kWideInFraction: rt.set_font_size(11); break;
                    default: break;
                }

                const GlyphRow& g = kRows[row];
                const StrokeRow s = strokes_of(row);
                if (s.count > 0) {
                    rt.set_line_width(5);
                    for (int k = 0; k < s.count; ++k)
                        bar(TX + s.strokes[k].x1, TY + s.strokes[k].y1, TX + s.strokes[k].x2, TY + s.strokes[k].y2);
                    rt.set_line_width(3);
                } else if (row != kSpace) {
                    rt.text(TX + g.dx, TY + g.dy, B_S, c, g.mag_h, g.mag_v);
                }

                // What the row changes after its glyph.
                switch (row) {
                    case kTallClose: KAKKO = 0; break;
                    case kEquals: rt.set_font_size(16); break;
                    case kRaisedSmall: JYOUK = 0; rt.set_font_size(16); break;
                    case kRaisedInFraction: JYOU = 0; rt.set_font_size(16); break;
                    case kRaised: JYOU = 0; break;
                    case kItalicInFraction:
                    case kItalic:
                        rt.set_font_name(t.gothic);
                        rt.set_font_size(16);
                        rt.set_font_italic(false);
                        break;
                    case kScriptL:
                        rt.set_font_name(t.gothic);
                        rt.set_font_size(16);
                        rt.set_font_bold(false);
                        break;
                    case kWideInFraction: rt.set_font_size(16); break;
                    default: break;
                }
                TX = TX + g.advance;

                // The overbar of an open radical grows from just after its
                // sign to the end of this character.
                if (HROOT == 1 || HROOT == 11 || (HROOT == 22 && BUN != 1)) {
                    const float lift = HROOT == 1 ? 4.0f : HROOT == 11 ? 6.0f : 14.0f;
                    rt.set_line_width(3);
                    bar(TXM, TY - lift, TX, TY - lift);
                    rt.set_line_width(3);
                } else {
                    TXM = TX;
                }
            }
            I = I + 1;
        } while (I <= last);
    }

    X = TX;
    Y = TY;
    rt.set_font_bold(false);
}
