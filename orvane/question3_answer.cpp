// Screen ⑤ of section 2, the answer of question 3 (page 181): arcs AB and AC
// are equal, chords AD and BC cross at P; △ABP∽△ADB.
// Points: centre 0, A 1, B 2, C 3, D 4, P 5.
#include <cmath>

#include "orvane.h"

void Orvane::Q3_ANSWER() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    GGX = 828;
    GGY = 100;
    YOKO = 12;
    TATE = 12;
    SIZE = 30;
    CCC2 = 15;
    DRAW_GRID();
    X_A(0) = GX0 + SIZE * 6;
    Y_A(0) = GY0 - SIZE * 6;
    R1 = SIZE * 7;
    DHRA = 210 * PI / 180;
    DHRB = 280 * PI / 180;
    DHRC = 140 * PI / 180;
    DHRD = 10 * PI / 180;
    similarity_on_circle(1, DHRA);
    similarity_on_circle(2, DHRB);
    similarity_on_circle(3, DHRC);
    similarity_on_circle(4, DHRD);
    AX = X_A(1);
    AY = Y_A(1);
    BX = X_A(4);
    BY = Y_A(4);
    CX = X_A(2);
    CY = Y_A(2);
    DX = X_A(3);
    DY = Y_A(3);
    INTERSECT_LINES();
    X_A(5) = AX2;
    Y_A(5) = AY2;

    rt.set_line_width(5);
    rt.circle(X_A(0), Y_A(0), R1, 0);
    similarity_label(X_A(5) - 6, Y_A(5) - 52, "P"_sj);
    rt.disc(X_A(5), Y_A(5), 7, 0, 0);
    similarity_segment(1, 4);
    similarity_segment(1, 3);
    similarity_segment(1, 2);
    similarity_segment(2, 4);
    similarity_segment(2, 3);
    similarity_label(X_A(1) - 26, Y_A(1), "A"_sj);
    similarity_label(X_A(2) - 16, Y_A(2) + 6, "B"_sj);
    similarity_label(X_A(3) - 16, Y_A(3) - 46, "C"_sj);
    similarity_label(X_A(4) + 16, Y_A(4) - 16, "D"_sj);

    // Arc AB = arc AC below the frame, each arc sign before its letters.
    YI1 = GY2 + 60;
    XI2 = GX1;
    rt.set_line_width(3);
    q3_arc_sign();
    paragraph_text(XI2, YI1, 3, "AB="_sj);
    q3_arc_sign();
    paragraph_text(XI2, YI1, 3, "AC"_sj);

    // Ticks across the middles of arcs AB (245°) and AC (175°).
    rt.set_line_width(5);
    for (float degrees : {245.0f, 175.0f}) {
        const float t = degrees * PI / 180;
        rt.segment(X_A(0) + (R1 - 20) * std::cos(t), Y_A(0) - (R1 - 20) * std::sin(t), X_A(0) + (R1 + 20) * std::cos(t),
                   Y_A(0) - (R1 + 20) * std::sin(t), 3);
    }
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 3, "<問3 解答>"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "△ABPと△ADBにおいて"_sj);
    similarity_triangle(1, 2, 5, 13);

    WAIT_ANY_KEY();
    rt.set_line_width(8);
    rt.polyline({X_A(1), Y_A(1), X_A(4), Y_A(4), X_A(2), Y_A(2), X_A(1), Y_A(1)}, 9);
    rt.set_line_width(5);
    Q3_MARKS();

    WAIT_ANY_KEY();
    similarity_cell_style();
    paragraph_text(XI1, YI1 + 60, 0, "∠PAB="_sj);
    similarity_blank(1, 180, "ア"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "…①"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "等しい弧に対する円周角は等しいから"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠ABP="_sj);
    similarity_blank(2, 180, "イ"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "…②"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "①②より"_sj);
    similarity_blank(3, 432, "ウ"_sj);
    paragraph_text(XI2 + 4, YI1, 0, "から"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "△ABP∽△ADB"_sj);

    WAIT_ANY_KEY();
    similarity_answer(1, 180, "∠BAD"_sj);

    WAIT_ANY_KEY();
    similarity_answer(2, 180, "∠ADB"_sj);

    WAIT_ANY_KEY();
    similarity_answer(3, 432, "2組の角がそれぞれ等しい"_sj);

    WAIT_ANY_KEY();
    similarity_label(640, 590, "教科書P181 問4　をやろう。"_sj, 7);
}

void Orvane::Q3_MARKS() {
    WAIT_ANY_KEY();
    // The common angle PAB; its arms exchanged so that the 45° angle is filled.
    similarity_sector(1, 5, 2, 7, 50, -1);

    WAIT_ANY_KEY();
    // ∠ABP and ∠ADB, on the equal arcs.
    similarity_sector(2, 5, 1, 3, 80);

    WAIT_ANY_KEY();
    similarity_sector(4, 1, 2, 3, 80);
}

void Orvane::q3_arc_sign() {
    ZX0 = XI2;
    ZY0 = YI1;
    ZX1 = XI2 + 54;
    ZY1 = YI1;
    HOUKOU = -1;
    HABA = 1;
    TAKASA = -10;
    CCC2 = 3;
    AAA_S = "";
    DRAW_SPAN_ARC();
}
