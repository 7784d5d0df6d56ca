// Section 3, the worked answers of the chapter problems A of page 182: its
// menu line, and what every answer page shares: the page frame, the figure's
// centre, marks, labels, blanks and answers.
#include <cmath>

#include "menu_choice.h"
#include "orvane.h"

// No aim page: the menu line stands alone on the page the main menu cleared,
// and later under the answer page last drawn.
void Orvane::CHAPTER_A_MENU() {
    const std::string menu_line = "P182(円 章の問題A)の解答　①～⑤問題　⑥→終了"_sj;
    for (;;) {
        switch (ask_menu_choice(*this, menu_line, 6)) {
            case 1: CHAPTER_A_Q1(); break;
            case 2: CHAPTER_A_Q2(); break;
            case 3: CHAPTER_A_Q3(); break;
            case 4: CHAPTER_A_Q4(); break;
            case 5: CHAPTER_A_Q5(); break;
            default: return;  // 6: back to the main menu
        }
    }
}

void Orvane::start_chapter_a_page(float margin) {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI1 = margin;
    YI1 = 30;
}

// The cells take the line width in force: the page before may have left one.
void Orvane::chapter_a_heading(const std::string& number, float number_colour) {
    X = XI1;
    Y = YI1;
    HABA = 440;
    CCC1 = 0;
    CCC2 = 3;
    CCC3 = 13;
    TATE = 48;
    A_S = "P182(円 章の問題A)"_sj;
    DRAW_CELL();
    XI2 = X;
    YI1 = Y;

    X = XI2 + 44;
    Y = YI1;
    HABA = 44;
    CCC1 = number_colour;
    CCC2 = 4;
    CCC3 = 3;
    TATE = 44;
    A_S = number;
    DRAW_CELL();
    XI2 = X;
    YI1 = Y;
}

void Orvane::place_chapter_a_centre() {
    X_A(0) = GX0 + SIZE * 7;
    Y_A(0) = GY0 - SIZE * 6;
    R1 = SIZE * 6;
}

void Orvane::place_on_chapter_a_circle(float k, float radians) {
    X_A(k) = X_A(0) + R1 * std::cos(radians);
    Y_A(k) = Y_A(0) - R1 * std::sin(radians);
}

void Orvane::label_chapter_a_points(const std::vector<PointLabel>& labels) {
    for (const PointLabel& l : labels) {
        CCC1 = 0;
        X = X_A(l.point) + l.dx;
        Y = Y_A(l.point) + l.dy;
        AA_S = cp932::from_utf8(l.name);
        DRAW_TEXT();
    }
}

void Orvane::chapter_a_segments(const std::vector<std::pair<float, float>>& ends, float c) {
    for (const auto& [p, q] : ends) rt.segment(X_A(p), Y_A(p), X_A(q), Y_A(q), colour(c));
}

void Orvane::draw_chapter_a_mark(const ChapterAMark& m) {
    set_angle_points(m.vertex, m.first, m.second);
    HONSU = m.honsu;
    NAGASA = m.nagasa;
    ITI = m.iti;
    if (m.border >= 0) CCC2 = m.border;
    CCC3 = m.fill;
    AAA_S = cp932::from_utf8(m.label);
    if (m.label_colour >= 0) CCC1 = m.label_colour;
    AAAX = m.label_dx;
    DRAW_ANGLE_MARK();
}

void Orvane::chapter_a_text(float x, float y, float c, const char* utf8) {
    paragraph_text(x, y, c, cp932::from_utf8(utf8));
}

// The answer cells of the chapter problems: text 5 in a cell bordered 3,
// filled 13, 50 high.
void Orvane::chapter_cell_style(float width) {
    CCC1 = 5;
    CCC2 = 3;
    CCC3 = 13;
    HABA = width;
    TATE = 50;
}

void Orvane::chapter_a_blank(float k, float x, float y, float width, const char* placeholder) {
    chapter_cell_style(width);
    answer_blank(k, x, y, cp932::from_utf8(placeholder));
}

void Orvane::chapter_a_answer(float k, float width, const char* answer) {
    chapter_cell_style(width);
    answer_in_blank(k, cp932::from_utf8(answer));
}
