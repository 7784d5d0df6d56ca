// Screens ① and ② of section 2: two chords AB and CD meeting at P inside
// the circle cut the similar pairs △ACP∽△DBP and △ADP∽△CBP; each screen
// proves one pair with five blanks filled one key at a time.
// Points: centre 0, A 1, C 2, B 3, D 4, P 5.
#include "orvane.h"

void Orvane::chords_figure_points() {
    GGX = 720;
    GGY = 100;
    YOKO = 12;
    TATE = 12;
    SIZE = 30;
    CCC2 = 15;
    DRAW_GRID();

    X_A(0) = GX0 + 6 * SIZE;
    Y_A(0) = GY0 - 6 * SIZE;
    R1 = 6 * SIZE;
    DHRA = 140 * PI / 180;
    DHRB = 310 * PI / 180;
    DHRC = 210 * PI / 180;
    DHRD = 50 * PI / 180;
    similarity_on_circle(1, DHRA);
    similarity_on_circle(3, DHRB);
    similarity_on_circle(2, DHRC);
    similarity_on_circle(4, DHRD);

    AX = X_A(1);
    AY = Y_A(1);
    BX = X_A(3);
    BY = Y_A(3);
    CX = X_A(2);
    CY = Y_A(2);
    DX = X_A(4);
    DY = Y_A(4);
    INTERSECT_LINES();
    X_A(5) = AX2;
    Y_A(5) = AY2;
}

void Orvane::draw_chords_with_letters() {
    similarity_segment(1, 3);
    similarity_segment(2, 4);
    similarity_label(X_A(1) - 20, Y_A(1) - 40, "A"_sj);
    similarity_label(X_A(2) - 40, Y_A(2) - 16, "C"_sj);
    similarity_label(X_A(3) + 10, Y_A(3) - 16, "B"_sj);
    similarity_label(X_A(4) + 6, Y_A(4) - 36, "D"_sj);
}

void Orvane::draw_chords_quadrilateral() {
    similarity_segment(1, 2);
    similarity_segment(2, 3);
    similarity_segment(3, 4);
    similarity_segment(4, 1);
}

void Orvane::CHORDS_SIMILAR_PAIRS() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    chords_figure_points();
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 0, "教科書P180Q "_sj);
    paragraph_text(XI2, YI1, 7, "相似な三角形の組は?"_sj);
    rt.set_line_width(5);
    rt.circle(X_A(0), Y_A(0), R1, 0);

    WAIT_ANY_KEY();
    similarity_label(X_A(5) - 6, Y_A(5) - 52, "P"_sj);
    rt.disc(X_A(5), Y_A(5), 7, 0, 0);

    WAIT_ANY_KEY();
    draw_chords_with_letters();

    WAIT_ANY_KEY();
    draw_chords_quadrilateral();

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 3, "△ACP∽△DBP,"_sj);
    similarity_triangle(1, 2, 5);
    similarity_triangle(4, 3, 5);

    WAIT_ANY_KEY();
    paragraph_text(XI2, YI1, 3, "△APD∽△CPB"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 7, "△ACP∽△DBP　を証明しよう。"_sj);

    WAIT_ANY_KEY();
    // Arc BC, through the bottom of the circle, and ∠CAP on it.
    rt.arc(X_A(0), Y_A(0), R1, 3, 0.1388889f, 0.4166667f);
    similarity_sector(1, 2, 3, 3);

    WAIT_ANY_KEY();
    // Arc AD, through the top, and ∠ACP on it.
    rt.arc(X_A(0), Y_A(0), R1, 7, 0.6111111f, 0.8611111f);
    similarity_sector(2, 4, 1, 7);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "△ACPと△DBPにおいて"_sj);
    paragraph_text(XI1, YI1 + 60, 0, ""_sj);
    similarity_blank(1, 396, "ア"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "は等しいから"_sj);
    paragraph_text(XI1, YI1 + 60, 3, "∠CAP="_sj);
    similarity_blank(2, 144, "イ"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "…①"_sj);
    paragraph_text(XI1, YI1 + 60, 0, ""_sj);
    similarity_blank(3, 396, "ウ"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "は等しいから"_sj);
    paragraph_text(XI1, YI1 + 60, 3, "∠ACP="_sj);
    similarity_blank(4, 144, "エ"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "…②"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "①,②より、"_sj);
    similarity_blank(5, 144, "オ"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "がそれぞれ等しいから"_sj);
    paragraph_text(XI1, YI1 + 60, 7, "△ACP∽△DBP"_sj);

    WAIT_ANY_KEY();
    similarity_answer(1, 396, "弧BCに対する円周角"_sj);

    WAIT_ANY_KEY();
    similarity_sector(4, 2, 3, 3);
    similarity_answer(2, 144, "∠BDP"_sj);

    WAIT_ANY_KEY();
    similarity_answer(3, 396, "弧ADに対する円周角"_sj);

    WAIT_ANY_KEY();
    similarity_answer(4, 144, "∠DBP"_sj);
    similarity_sector(3, 4, 1, 7);

    WAIT_ANY_KEY();
    similarity_answer(5, 144, "2組の角"_sj);
}

void Orvane::CHORDS_SECOND_PAIR() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    chords_figure_points();
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 7, "△ADP∽△CBP　を証明しよう。 "_sj);
    rt.set_line_width(5);
    rt.circle(X_A(0), Y_A(0), R1, 0);
    // P stands up and to the left here, clear of the mark at P.
    similarity_label(X_A(5) - 45, Y_A(5) - 25, "P"_sj);
    rt.disc(X_A(5), Y_A(5), 7, 0, 0);
    draw_chords_with_letters();
    draw_chords_quadrilateral();
    similarity_triangle(1, 5, 4);
    similarity_triangle(2, 3, 5);

    WAIT_ANY_KEY();
    // Arc BD, through the right of the circle, and ∠DAP on it.
    rt.arc(X_A(0), Y_A(0), R1, 3, 0.8611111f, 0.1388889f);
    similarity_sector(1, 3, 4, 3);

    WAIT_ANY_KEY();
    similarity_sector(5, 4, 1, 7);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "△ADPと△CBPにおいて"_sj);
    paragraph_text(XI1, YI1 + 60, 0, ""_sj);
    similarity_blank(1, 396, "ア"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "は等しいから"_sj);
    paragraph_text(XI1, YI1 + 60, 3, "∠DAP="_sj);
    similarity_blank(2, 144, "イ"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "…①"_sj);
    paragraph_text(XI1, YI1 + 60, 0, ""_sj);
    similarity_blank(3, 396, "ウ"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "から"_sj);
    paragraph_text(XI1, YI1 + 60, 3, "∠APD="_sj);
    similarity_blank(4, 144, "エ"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "…②"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "①,②より、"_sj);
    similarity_blank(5, 144, "オ"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "がそれぞれ等しいから"_sj);
    paragraph_text(XI1, YI1 + 60, 7, "△ADP∽△CBP"_sj);

    WAIT_ANY_KEY();
    similarity_answer(1, 396, "弧BDに対する円周角"_sj);

    WAIT_ANY_KEY();
    similarity_sector(2, 3, 4, 3);
    similarity_answer(2, 144, "∠BCP"_sj);

    WAIT_ANY_KEY();
    similarity_answer(3, 396, "対頂角は等しい"_sj);

    WAIT_ANY_KEY();
    similarity_answer(4, 144, "∠CPB"_sj);
    similarity_sector(5, 2, 3, 7);

    WAIT_ANY_KEY();
    similarity_answer(5, 144, "2組の角"_sj);
}
