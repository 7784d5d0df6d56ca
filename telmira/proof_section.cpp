// Section 2, the proof of the inscribed angle theorem: its aim, its menu
// line, and what the three proofs' pages share: the figure's start, the
// answer blanks and their answers.
#include "telmira.h"

void Telmira::PROOF_SECTION() {
    proof_page_on_screen = 0;  // the main menu has just cleared the page
    PROOF_GOAL();
    PROOF_MENU();
}

void Telmira::PROOF_GOAL() {
    XI1 = 44;
    YI1 = 240;
    paragraph_text(XI1, YI1, 3, "<めあて>"_sj);
    paragraph_text(XI1, YI1 + 65, 0, "円周角の定理を証明しよう。"_sj);
}

void Telmira::PROOF_MENU() {
    const std::string menu_line = " ①直径問　②図１　③答　④内部問　⑤図２　⑥答　⑦外部問　⑧図３　⑨答　⑩終了"_sj;
    for (;;) {
        switch (ask_section_choice(menu_line, 10)) {
            case 1: PROOF_DIAMETER(); break;
            case 2: PROOF_DIAMETER_FIGURE(); break;
            case 3: PROOF_DIAMETER_ANSWERS(); break;
            case 4: PROOF_INSIDE(); break;
            case 5: PROOF_INSIDE_FIGURE(); break;
            case 6: PROOF_INSIDE_ANSWERS(); break;
            case 7: PROOF_OUTSIDE(); break;
            case 8: PROOF_OUTSIDE_FIGURE(); break;
            case 9: PROOF_OUTSIDE_ANSWERS(); break;
            default: return;  // 10: back to the main menu
        }
    }
}

void Telmira::begin_proof_page(float o) {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    GGX = 720;
    GGY = 130;
    YOKO = 16;
    TATE = 16;
    CCC2 = 15;
    SIZE = 30;
    DRAW_GRID();
    rt.set_line_width(5);

    X_A(o) = GX0 + 8 * SIZE;
    Y_A(o) = GY0 - 8 * SIZE;
    R1 = SIZE * 7;
    // Where section 1's movable figure starts.
    DH = 10;
    DHP = 290;
    DHB = 110;
}

void Telmira::draw_proof_figure(float o, float a, float b, float p, float mark_radius, float o_arm) {
    draw_circle_with_chords(o, a, b, p);

    // The inscribed angle APB, then P named on the other side of it.
    set_angle_points(p, b, a);
    CCC2 = 0;
    CCC3 = 5;
    NAGASA = mark_radius;
    HONSU = 0;
    ITI = -1;
    AAA_S = "";
    DRAW_ANGLE_MARK();
    CCC1 = 0;
    NAGASA = 8;
    ITI = 1;
    AAA_S = "P"_sj;
    LABEL_ANGLE();

    // The central angle AOB, then O named away from it.
    set_angle_points(o, a, b);
    CCC2 = 0;
    CCC3 = 3;
    NAGASA = mark_radius;
    HONSU = 0;
    ITI = 1;
    AAA_S = "";
    DRAW_ANGLE_MARK();
    label_point(o, a, o_arm, "O"_sj);
}

void Telmira::proof_cell_style() {
    CCC1 = 5;
    CCC2 = 3;
    CCC3 = 13;
    HABA = 180;
    TATE = 50;
}

void Telmira::proof_blank(float k, float width, const std::string& placeholder) {
    proof_cell_style();
    HABA = width;
    answer_blank(k, XI2 + 10, YI1, placeholder);
}

void Telmira::proof_answer(float k, float width, const std::string& answer) {
    proof_cell_style();
    HABA = width;
    answer_in_blank(k, answer);
}

void Telmira::dot_place(float vertex, float first, float second) {
    set_angle_points(vertex, first, second);
    CCC1 = 9;
    NAGASA = 60;
    ITI = 1;
    AAA_S = "";
    LABEL_ANGLE();
}

void Telmira::angle_dot(float x, float y, float c) { rt.disc(x, y, 7, colour(c), colour(c)); }
