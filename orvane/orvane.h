// The application lessons: constructions, circles and similar triangles,
// and the worked answers of the chapter problems A and B.
#pragma once

#include <string>

#include "toolkit.h"

class Orvane : public Toolkit {
public:
    using Toolkit::Toolkit;
    void MAIN_MENU() override;
    void MAIN_MENU_BLANK_ENTRY();

    // ---- Section 4, the worked answers of the chapter problems B (page 183)
    // Main menu entry 4: the menu line, no aim (chapter_b_menu.cpp).
    void CHAPTER_B_MENU();  // returns on choice 5
    void CHAPTER_B_Q1();    // three parts, a page each (chapter_b_q1.cpp)
    void CHAPTER_B_Q2();    // two proofs with blanks (chapter_b_q2.cpp)
    void CHAPTER_B_Q3();    // the similar triangles (chapter_b_q3.cpp)
    void CHAPTER_B_Q4();    // the construction, a step a key (chapter_b_q4.cpp)

    // ---- Section 4's own variables
    float R1 = 0, R5 = 0, DHRA = 0, DHRB = 0, DHRC = 0, DHRD = 0, M = 0, C1 = 0, C2 = 0, C3 = 0, XI0 = 0;

private:
    // ---- Section 4's helpers (chapter_b_menu.cpp)
    // The first steps of every answer page: the page cleared, the heading
    // cell at `margin` and the number cell 44 units to its right, level with
    // it (`level`) or drawn 3 units lower by DRAW_CELL.
    void chapter_b_frame(float margin, const std::string& number, float width, bool level);
    // The figure frame without grid, and figure point 0 (the centre) at grid
    // point (7, 6).
    void chapter_b_figure_frame(float size, float ggx, float ggy, float yoko, float tate);
    // Figure point `point` on the circle of radius R1 about point 0, at
    // `radians` counter-clockwise on screen from the right.
    void chapter_b_on_circle(float point, float radians);
    // A plain line between two figure points.
    void chapter_b_segment(float from, float to, float c);
    // `text` at (x, y) in colour c, by DRAW_TEXT.
    void chapter_b_label(float x, float y, float c, const std::string& text);
    // Answer blank k: its placeholder in a cell 10 units after the line so
    // far, its place kept in T(k), F(k); the paragraph goes on after it.
    void chapter_b_blank(float k, float width, const std::string& placeholder);
    // The answer of blank k in a cell of the blank's place and size.
    void chapter_b_answer(float k, float width, const std::string& answer);
    // A new proof line `step` lower that starts with the arc sign over its
    // first two letters, then its text; leaves line width 3.
    void chapter_b_arc_sign_line(float step, const std::string& text);
};
