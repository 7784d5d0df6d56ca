// Screen ③ of section 2: two secants from P outside the circle, A and B on
// one, C and D on the other; △APD∽△CPB by the common angle at P and the
// inscribed angles on arc BD, then PA:PC=PD:PB.
// Points: centre 0, A 1, C 2, B 3, D 4, P 5.
#include "orvane.h"

void Orvane::SECANTS_OUTSIDE() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI1 = 36;
    YI1 = 20;
    paragraph_text(XI1, YI1, 0, "点Pが円の外部のとき、"_sj);
    paragraph_text(XI2, YI1, 7, "△APD∽△CPB　を証明しよう。 "_sj);

    GGX = 720;
    GGY = 100;
    YOKO = 12;
    TATE = 12;
    SIZE = 30;
    CCC2 = 15;
    DRAW_GRID();
    X_A(0) = 6;
    Y_A(0) = 6;
    X_A(0) = GX0 + SIZE * 6;
    Y_A(0) = GY0 - SIZE * 6;
    R1 = SIZE * 6;
    DHRA = 110 * PI / 180;
    DHRB = 10 * PI / 180;
    DHRC = 210 * PI / 180;
    DHRD = -20 * PI / 180;
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

    rt.set_line_width(5);
    rt.circle(X_A(0), Y_A(0), R1, 0);
    similarity_label(X_A(5) - 6, Y_A(5) - 52, "P"_sj);
    rt.disc(X_A(5), Y_A(5), 7, 0, 0);
    similarity_segment(1, 5);
    similarity_segment(2, 5);
    similarity_label(X_A(1) - 20, Y_A(1) - 40, "A"_sj);
    similarity_label(X_A(2) - 40, Y_A(2) - 16, "C"_sj);
    similarity_label(X_A(3) + 10, Y_A(3) - 46, "B"_sj);
    similarity_label(X_A(4) + 6, Y_A(4) + 16, "D"_sj);

    WAIT_ANY_KEY();
    similarity_segment(1, 4);
    similarity_segment(2, 3);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 50, 7, "<証明>"_sj);
    similarity_triangle(1, 4, 5);
    // The circle and the two segments again, over the fill.
    rt.circle(X_A(0), Y_A(0), R1, 0);
    similarity_segment(1, 4);
    similarity_segment(2, 3);

    WAIT_ANY_KEY();
    // Triangle CPB, outlined only.
    rt.set_line_width(8);
    rt.polyline({X_A(2), Y_A(2), X_A(3), Y_A(3), X_A(5), Y_A(5), X_A(2), Y_A(2)}, 9);
    rt.set_line_width(5);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "△APDと△CPBにおいて"_sj);
    SECANTS_OUTSIDE_MARKS();

    WAIT_ANY_KEY();
    similarity_cell_style();
    paragraph_text(XI1, YI1 + 60, 0, ""_sj);
    // ア, ウ and エ show as empty boxes: their letters are in the fill's colour.
    similarity_blank(1, 108, "ア"_sj, 13);
    paragraph_text(XI2 + 4, YI1, 0, "は共通　…①"_sj);
    paragraph_text(XI1, YI1 + 60, 0, ""_sj);
    similarity_blank(2, 396, "イ"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "は等しいから"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠DAP="_sj);
    similarity_blank(3, 180, "ウ"_sj, 13);
    paragraph_text(XI2 + 4, YI1, 0, "…②"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "①②より"_sj);
    paragraph_text(XI1, YI1 + 60, 0, ""_sj);
    similarity_blank(4, 432, "エ"_sj, 13);
    paragraph_text(XI2 + 4, YI1, 0, "から"_sj);
    paragraph_text(XI1, YI1 + 60, 7, "△APD∽△CPB"_sj);
    V_A(1) = Y;

    WAIT_ANY_KEY();
    similarity_answer(1, 108, "∠P"_sj);

    WAIT_ANY_KEY();
    similarity_answer(2, 396, "弧BDに対する円周角"_sj);

    WAIT_ANY_KEY();
    similarity_answer(3, 180, "∠BCP"_sj);

    WAIT_ANY_KEY();
    similarity_answer(4, 432, "2組の角がそれぞれ等しい"_sj);

    WAIT_ANY_KEY();
    YI1 = V_A(1);
    paragraph_text(XI1, YI1 + 60, 0, "対応する辺の比は等しいから "_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI2, YI1, 3, "PA:PC=PD:PB"_sj);

    WAIT_ANY_KEY();
    CCC1 = 7;
    X = 640;
    Y = 590;
    AA_S = "教科書P181 問2　をやろう。"_sj;
    DRAW_TEXT();
}

void Orvane::SECANTS_OUTSIDE_MARKS() {
    WAIT_ANY_KEY();
    // The angle at P, common to both triangles.
    similarity_sector(5, 4, 3, 7, 50, -1);

    WAIT_ANY_KEY();
    // Arc BD, from B at 10 degrees through 0 to D at -20.
    HH1 = 0.9722222f;
    HH2 = 0.0555556f;
    rt.arc(X_A(0), Y_A(0), R1, 3, HH1, HH2);

    WAIT_ANY_KEY();
    // ∠DAP and ∠BCP on it.
    similarity_sector(1, 4, 3, 3, 80);
    similarity_sector(2, 4, 3, 3, 80);
}
