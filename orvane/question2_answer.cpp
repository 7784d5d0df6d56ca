// Screen ④ of section 2, the answer of question 2 (page 181): chords AB and
// CD cross at P with PA 4, PC 5, PB 7 cm; PD = x from PA:PC=PD:PB. The
// figure keeps the chords' angles; its labels carry the question's lengths.
// Points: centre 0, A 1, C 2, B 3, D 4, P 5.
#include "orvane.h"

void Orvane::Q2_ANSWER() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 3, "<問2 解答>"_sj);
    chords_figure_points();

    rt.set_line_width(5);
    rt.circle(X_A(0), Y_A(0), R1, 0);
    similarity_segment(1, 3);
    similarity_segment(2, 4);
    similarity_label(X_A(1) - 20, Y_A(1) - 40, "A"_sj, 3);
    similarity_label(X_A(2) - 40, Y_A(2) - 16, "C"_sj, 7);
    similarity_label(X_A(3) + 10, Y_A(3) - 16, "B"_sj, 7);
    similarity_label(X_A(4) + 6, Y_A(4) - 36, "D"_sj, 3);

    CCC1 = 3;
    CCC2 = 3;
    similarity_length(1, 5, 1, 10, "4cm"_sj);
    similarity_length(2, 5, -1, 9, "5cm"_sj);
    similarity_length(3, 5, 1, 8, "7cm"_sj);
    // The similar triangles PAD and PCB.
    similarity_triangle(1, 5, 4, 13);
    similarity_triangle(2, 3, 5, 11);
    similarity_label(X_A(5) + 6, Y_A(5) - 52, "P"_sj);
    rt.disc(X_A(5), Y_A(5), 7, 0, 0);

    WAIT_ANY_KEY();
    CCC1 = 5;
    similarity_length(4, 5, -1, 8, "xcm"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "PD=xcm とすると"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "PA:PC=PD:PB だから"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "4:5=x:7"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, " 5x=28"_sj);
    paragraph_text(XI1, YI1 + 80, 0, "  x="_sj);
    paragraph_text(XI2, YI1, 5, "ﾀ28/5ﾀ"_sj);
    paragraph_text(XI1, YI1 + 80, 5, "答 PD=ﾀ28/5ﾀcm"_sj);

    WAIT_ANY_KEY();
    similarity_label(44, 590, "教科書P181 問3　をやってみよう。"_sj);
}
