// The application lessons: constructions, circles and similar triangles,
// and the worked answers of the chapter problems A and B.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "toolkit.h"

class Orvane : public Toolkit {
public:
    using Toolkit::Toolkit;
    void MAIN_MENU() override;
    void MAIN_MENU_BLANK_ENTRY();

    // ---- Section 3, the worked answers of the chapter problems A (page 182)
    // Main menu entry 3: the menu line, no aim page (chapter_a_menu.cpp).
    void CHAPTER_A_MENU();  // returns on choice 6
    void CHAPTER_A_Q1();    // chapter_a_q1.cpp
    void CHAPTER_A_Q2();    // chapter_a_q2.cpp, three pages
    void CHAPTER_A_Q3();    // chapter_a_q3.cpp
    void CHAPTER_A_Q4();    // chapter_a_q4.cpp
    void CHAPTER_A_Q5();    // chapter_a_q5.cpp

    // Section 3's variables: the circle's radius and the directions of its
    // points in radians.
    float R1 = 0, DHRA = 0, DHRB = 0, DHRC = 0, DHRD = 0, DHRE = 0;

    // One angle mark of a worked answer, as the answers' mark tables give it.
    // A colour of -1 is left as it stands (a plain arc ignores CCC2).
    struct ChapterAMark {
        float vertex, first, second;
        float honsu, nagasa, iti;
        float border, fill;
        const char* label;  // UTF-8; empty for none
        float label_colour;
        float label_dx = 0;
    };
private:
    void draw_chapter_a_mark(const ChapterAMark& m);
    // The first steps of every answer page: the cleared page and the
    // paragraph cursor at the margin, line 30.
    void start_chapter_a_page(float margin);
    // The heading cell and the number cell with the problem's number.
    void chapter_a_heading(const std::string& number, float number_colour);
    // The centre O (point 0) at grid point (7, 6) of the frame just set up,
    // and R1 six grid units.
    void place_chapter_a_centre();
    // Figure point k on the circle about O at `radians`.
    void place_on_chapter_a_circle(float k, float radians);
    // The point labels: DRAW_TEXT at an offset from each point, colour 0.
    struct PointLabel {
        float point;
        const char* name;  // UTF-8
        float dx, dy;
    };
    void label_chapter_a_points(const std::vector<PointLabel>& labels);
    // Segments between figure points in one colour.
    void chapter_a_segments(const std::vector<std::pair<float, float>>& ends, float c);
    // A text of the page at (x, y); the paragraph goes on after it.
    void chapter_a_text(float x, float y, float c, const char* utf8);
    // Answer blank k at (x, y): its place kept in T(k), F(k), the
    // placeholder in a cell `width` wide; the paragraph goes on after it.
    void chapter_a_blank(float k, float x, float y, float width, const char* placeholder);
    // The answer of blank k drawn over it in a cell of the same place.
    void chapter_a_answer(float k, float width, const char* answer);

public:
    // ---- Section 2, circles and similar triangles
    void SIMILARITY_SECTION();
    void SHOW_AIM_SIMILARITY();
    void SIMILARITY_MENU();
    void CHORDS_SIMILAR_PAIRS();
    void CHORDS_SECOND_PAIR();
    void SECANTS_OUTSIDE();
    void SECANTS_OUTSIDE_MARKS();
    void Q2_ANSWER();
    void Q3_ANSWER();
    void Q3_MARKS();
    void Q4_ANSWER();
    void Q4_MARKS();

    // Section 2's figures use section 3's R1 and DHRA to DHRD as well.

private:
    // Section 2's figures are drawn about point 0: puts `point` on the
    // circle of radius R1 about it, `radians` counter-clockwise on screen.
    void similarity_on_circle(float point, float radians);
    void similarity_segment(float from, float to, float c = 0);
    // A triangle of a proof, filled inside an outline in colour 0.
    void similarity_triangle(float a, float b, float c, float fill = 13);
    // A filled sector in the angle at `vertex` from the arm towards `first`
    // counter-clockwise to the arm towards `second`, bordered in colour 0.
    void similarity_sector(float vertex, float first, float second, float fill, float radius = 50, float side = 1);
    // Draws `text` at (x, y) in colour 0 without moving the paragraph cursor.
    void similarity_label(float x, float y, const std::string& text);
    // The answer blanks' cells: border 3, fill 13, 50 high, text colour 5.
    void similarity_cell_style();
    // Blank k after the line's last piece, its place kept in T(k), F(k).
    void similarity_blank(float k, float width, const std::string& placeholder, float text_colour = 5);
    // Answer k over blank k.
    void similarity_answer(float k, float width, const std::string& answer);
    // Screens ① and ②: the frame and the points 0 (centre), 1 A, 2 C, 3 B,
    // 4 D and 5 P where the chords AB and CD meet.
    void chords_figure_points();
    // Screens ① and ②: the chords AB and CD with the four letters; the
    // quadrilateral's sides AC, CB, BD and DA.
    void draw_chords_with_letters();
    void draw_chords_quadrilateral();
};
