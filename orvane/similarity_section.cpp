// Section 2, circles and similar triangles: its aim, its menu line, and what
// its proof screens share: points on the circle, triangles, sectors and the
// answer blanks.
#include <cmath>

#include "menu_choice.h"
#include "orvane.h"

void Orvane::SIMILARITY_SECTION() {
    SHOW_AIM_SIMILARITY();
    SIMILARITY_MENU();
}

void Orvane::SHOW_AIM_SIMILARITY() {
    XI1 = 44;
    YI1 = 240;
    paragraph_text(XI1, YI1, 3, "<めあて>"_sj);
    paragraph_text(XI1, YI1 + 65, 0, "円と交わる直線でできる図形について考えよう。"_sj);
}

void Orvane::SIMILARITY_MENU() {
    const std::string menu_line = " ①Q△ACP　②△ADP　③外部　④問2　⑤問3　⑥問4　⑦終了"_sj;
    for (;;) {
        switch (ask_menu_choice(*this, menu_line, 7)) {
            case 1: CHORDS_SIMILAR_PAIRS(); break;
            case 2: CHORDS_SECOND_PAIR(); break;
            case 3: SECANTS_OUTSIDE(); break;
            case 4: Q2_ANSWER(); break;
            case 5: Q3_ANSWER(); break;
            case 6: Q4_ANSWER(); break;
            default: return;  // 7: back to the main menu
        }
    }
}

void Orvane::similarity_on_circle(float point, float radians) {
    X_A(point) = X_A(0) + R1 * std::cos(radians);
    Y_A(point) = Y_A(0) - R1 * std::sin(radians);
}

void Orvane::similarity_segment(float from, float to, float c) {
    rt.segment(X_A(from), Y_A(from), X_A(to), Y_A(to), colour(c));
}

void Orvane::similarity_triangle(float a, float b, float c, float fill) {
    rt.polygon({X_A(a), Y_A(a), X_A(b), Y_A(b), X_A(c), Y_A(c), X_A(a), Y_A(a)}, 0, colour(fill));
}

void Orvane::similarity_sector(float vertex, float first, float second, float fill, float radius, float side) {
    set_angle_points(vertex, first, second);
    CCC2 = 0;
    CCC3 = fill;
    NAGASA = radius;
    HONSU = 0;
    ITI = side;
    AAA_S = "";
    DRAW_ANGLE_MARK();
}

void Orvane::similarity_label(float x, float y, const std::string& text, float c) {
    CCC1 = c;
    X = x;
    Y = y;
    AA_S = text;
    DRAW_TEXT();
}

void Orvane::similarity_cell_style() {
    CCC1 = 5;
    CCC2 = 3;
    CCC3 = 13;
    TATE = 50;
}

void Orvane::similarity_blank(float k, float width, const std::string& placeholder, float text_colour) {
    similarity_cell_style();
    CCC1 = text_colour;
    HABA = width;
    answer_blank(k, XI2 + 10, YI1, placeholder);
}

void Orvane::similarity_answer(float k, float width, const std::string& answer) {
    similarity_cell_style();
    HABA = width;
    answer_in_blank(k, answer);
}

void Orvane::similarity_length(float from, float to, float side, float step, const std::string& label) {
    ZX0 = X_A(from);
    ZY0 = Y_A(from);
    ZX1 = X_A(to);
    ZY1 = Y_A(to);
    HOUKOU = side;
    HABA = step;
    TAKASA = 20;
    AAA_S = label;
    DRAW_SPAN_ARC();
}

void Orvane::similarity_equal_dot() {
    rt.disc(ZX0 + 50 * std::cos(HH5), ZY0 - 50 * std::sin(HH5), 7, 3, 3);
}
