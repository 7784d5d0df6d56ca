// Section 4, the worked answers of the chapter problems B of page 183: the
// menu line, and what every answer page of the section shares: the page
// frame with its heading and number cells, the figure's frame and points,
// the answer blanks and the arc sign.
#include <cmath>

#include "menu_choice.h"
#include "orvane.h"

void Orvane::CHAPTER_B_MENU() {
    const std::string menu_line = "P183(円 章の問題B)の解答　①→問題1　②→問題2　 ③→問題3　④→問題4　⑤→終了"_sj;
    for (;;) {
        switch (ask_menu_choice(*this, menu_line, 5)) {
            case 1: CHAPTER_B_Q1(); break;
            case 2: CHAPTER_B_Q2(); break;
            case 3: CHAPTER_B_Q3(); break;
            case 4: CHAPTER_B_Q4(); break;
            default: return;  // 5: back to the main menu
        }
    }
}

void Orvane::chapter_b_frame(float margin, const std::string& number, float width, bool level) {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI1 = margin;
    YI1 = 30;

    X = XI1;
    Y = YI1;
    HABA = 396;
    CCC1 = 0;
    CCC2 = 3;
    CCC3 = 13;
    TATE = 50;
    A_S = "P183(円 章の問題B)"_sj;
    DRAW_CELL_ON_LINE();
    XI2 = X;
    YI1 = Y;

    X = XI2 + 44;
    Y = YI1;
    HABA = width;
    CCC1 = 13;
    CCC2 = 4;
    CCC3 = 3;
    TATE = 50;
    A_S = number;
    if (level)
        DRAW_CELL_ON_LINE();
    else
        DRAW_CELL();
    XI2 = X;
    YI1 = Y;
}

void Orvane::chapter_b_figure_frame(float size, float ggx, float ggy, float yoko, float tate) {
    SIZE = size;
    GGX = ggx;
    GGY = ggy;
    YOKO = yoko;
    TATE = tate;
    CCC2 = 15;
    DRAW_GRID();
    X_A(0) = GX0 + SIZE * 7;
    Y_A(0) = GY0 - SIZE * 6;
}

void Orvane::chapter_b_on_circle(float point, float radians) {
    X_A(point) = X_A(0) + R1 * std::cos(radians);
    Y_A(point) = Y_A(0) - R1 * std::sin(radians);
}

void Orvane::chapter_b_segment(float from, float to, float c) {
    rt.segment(X_A(from), Y_A(from), X_A(to), Y_A(to), colour(c));
}

void Orvane::chapter_b_label(float x, float y, float c, const std::string& text) {
    CCC1 = c;
    X = x;
    Y = y;
    AA_S = text;
    DRAW_TEXT();
}

void Orvane::chapter_b_blank(float k, float width, const std::string& placeholder) {
    chapter_cell_style(width);
    answer_blank(k, XI2 + 10, YI1, placeholder);
}

void Orvane::chapter_b_answer(float k, float width, const std::string& answer) {
    chapter_cell_style(width);
    answer_in_blank(k, answer);
}

void Orvane::chapter_b_arc_sign_line(float step, const std::string& text) {
    // An empty text only moves the paragraph cursor to the new line.
    paragraph_text(XI1, YI1 + step, 0, "");
    rt.set_line_width(3);
    ZX0 = XI2;
    ZY0 = YI1;
    ZX1 = XI2 + 54;
    ZY1 = YI1;
    CCC2 = 0;
    HOUKOU = -1;
    HABA = 1;
    TAKASA = -10;
    AAA_S = "";
    DRAW_SPAN_ARC();
    paragraph_text(XI2, YI1, 0, text);
}
