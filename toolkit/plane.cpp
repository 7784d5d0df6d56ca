// The coordinate plane: graph paper for a range of values on each axis, the
// axes with their labels, the scaled values beside them, and plotted points.
#include <cmath>

#include "canvas.h"
#include "counted_loop.h"
#include "number_text.h"
#include "toolkit.h"

namespace {

// Every fifth line of the graph paper is thick and numbered. A count that
// is not whole (a range end that is no whole multiple of the scale) is
// taken to the nearest whole number for this test.
bool is_fifth(float count) { return std::fmod(std::nearbyint(count), 5.0f) == 0; }

// Any ten counts in a row hold a numbered fifth line: a loop over the
// numbers runs its last ten counts even off the page, for the texts and
// values that its last numbers leave behind.
constexpr int kLastNumbers = 10;

}  // namespace

void Toolkit::DRAW_AXES() {
    LineWidthKeeper keep(rt);
    DR = rt.line_width();

    if (BAIX == 0) BAIX = 1;
    else if (BAIX < 0) BAIX = std::fabs(BAIX);
    if (BAIY == 0) BAIY = 1;
    else if (BAIY < 0) BAIY = std::fabs(BAIY);
    AA1 = basic::DIV(AA1, BAIX);
    AA2 = basic::DIV(AA2, BAIX);
    BB1 = basic::DIV(BB1, BAIY);
    BB2 = basic::DIV(BB2, BAIY);

    if (GGX == 0 && GGY == 0) {
        GGX = 640;
        GGY = 180;
    }
    GX0 = GGX + SIZE * std::fabs(AA1);
    GY0 = GGY + SIZE * BB2;
    GX1 = GGX;
    GY1 = GGY;
    GX2 = GX0 + SIZE * AA2;
    GY2 = GY0 + SIZE * std::fabs(BB1);

    SIZE1 = SIZE < 40 ? 26 : 30;
    rt.set_font_size(SIZE1);

    if (CCC2 != 0) {
        const CountSpan across = counts_near_page(GX0, SIZE, platform::kPageWidth);
        const CountSpan up = counts_near_page(GY0, -SIZE, platform::kPageHeight);
        // The thin lines of both ways are drawn at width 1, which the first
        // pass across sets whether its line shows or not.
        rt.set_line_width(1);
        run_counted_loop(II, AA1, AA2, across, 0, [&] {
            rt.segment(GX0 + SIZE * II - 0.5f, GY1, GX0 + SIZE * II - 0.5f, GY2, 0);
        });
        run_counted_loop(II, BB1, BB2, up, 0, [&] {
            rt.segment(GX1, GY0 - SIZE * II - 0.5f, GX2, GY0 - SIZE * II - 0.5f, 0);
        });

        // The grid count of the current line, unscaled; none at the origin.
        auto count_text = [this]() -> std::string {
            if (II == 0 || NASI == -1) return {};
            return number_text(*this, II);
        };
        run_counted_loop(II, AA1, AA2, across, kLastNumbers, [&] {
            if (!is_fifth(II)) return;
            rt.set_line_width(3);
            rt.segment(GX0 + SIZE * II, GY1, GX0 + SIZE * II, GY2, 1);
            const std::string t = count_text();
            const float k = static_cast<float>(cp932::klen(t));
            CCC1 = 0;
            X = GX0 + SIZE * II - (k / 2) * SIZE1;
            Y = GY0;
            rt.text(X, Y, t, colour(CCC1), 2, 1);
        });
        run_counted_loop(II, BB1, BB2, up, kLastNumbers, [&] {
            if (!is_fifth(II)) return;
            rt.set_line_width(3);
            rt.segment(GX1, GY0 - SIZE * II, GX2, GY0 - SIZE * II, 1);
            const std::string t = count_text();
            const float k = static_cast<float>(cp932::klen(t));
            CCC1 = 0;
            X = GX0 - SIZE1 * k;
            Y = GY0 - SIZE * II - SIZE1 / 2 - 4;
            rt.text(X, Y, t, colour(CCC1), 2, 1);
        });
    }

    // The axes go over the graph paper and its numbers.
    rt.set_line_width(4);
    rt.segment(GX0, GY1, GX0, GY2, 0);
    rt.set_line_width(4);
    rt.segment(GX1, GY0, GX2, GY0, 0);

    rt.set_font_bold(true);
    rt.set_font_name("Times New Roman");
    rt.set_font_size(0.8f * SIZE1);
    rt.set_font_italic(true);
    CCC1 = 0;
    rt.text(GX2 - 0.8f * SIZE1, GY0 - 1.5f * SIZE1, "x", colour(CCC1), 3, 2);

    rt.set_font_name("ゴシック"_sj);
    rt.set_font_size(SIZE1);
    rt.set_font_italic(false);
    CCC1 = 0;
    AA_S = "0";
    X = GX0 - SIZE1;
    Y = GY0;
    rt.text(X, Y, AA_S, colour(CCC1), 2, 1);
    CCC1 = 0;
    AA_S = "y";
    X = GX0;
    Y = GY1 - SIZE1 / 2;
    rt.text(X, Y, AA_S, colour(CCC1), 2, 1);

    rt.set_font_bold(false);
    rt.set_font_size(16);
    NASI = 0;
}

void Toolkit::PLOT_POINT() {
    // A scale of 0 is drawn and left as 1; any other scale is left as given.
    if (BAIX == 0) BAIX = 1;
    if (BAIY == 0) BAIY = 1;
    GX = GX0 + basic::DIV(SIZE * XG, BAIX);
    GY = GY0 - basic::DIV(SIZE * YG, BAIY);
    rt.disc(GX, GY, R, colour(CCC3), colour(CCC3));

    CCC1 = CCC3;
    X = GX - 20 + KASANARIX;
    Y = GY - 40 + KASANARIY;
    AA_S = AAA_S;
    DRAW_TEXT();
    KASANARIX = 0;
    KASANARIY = 0;
}

void Toolkit::DRAW_TICK_NUMBERS() {
    // The value at the current count: P1 signed, P2 its size; the
    // conversion writes one half as .5, which is to read 0.5.
    auto value_texts = [this](float scale) {
        P1 = II * scale;
        P2 = std::fabs(P1);
        P2_S = number_text(*this, P2);
        if (P2 > 0 && P2 < 1) P2_S = "0" + P2_S;
        P1_S = P1 < 0 ? "-" + P2_S : P2_S;
    };

    // Centred under the line, 4 below the x axis.
    run_counted_loop(II, AA1, AA2, counts_near_page(GX0, SIZE, platform::kPageWidth), kLastNumbers, [&] {
        value_texts(BAIX);
        if (II == 0 || !is_fifth(II)) return;
        A_S = P1_S;
        MEASURE_PLAIN_TEXT();
        X = GX0 + SIZE * II - LLT / 2;
        CCC1 = 0;
        Y = GY0 + 4;
        AA_S = P1_S;
        DRAW_PLAIN_TEXT();
    });
    // Ending 10 left of the y axis, level with the line.
    run_counted_loop(II, BB1, BB2, counts_near_page(GY0, -SIZE, platform::kPageHeight), kLastNumbers, [&] {
        value_texts(BAIY);
        if (II == 0 || !is_fifth(II)) return;
        A_S = P1_S;
        MEASURE_PLAIN_TEXT();
        X = GX0 - LLT - 10;
        CCC1 = 0;
        Y = GY0 - SIZE * II - SIZE1 / 2;
        AA_S = P1_S;
        DRAW_PLAIN_TEXT();
    });
}
