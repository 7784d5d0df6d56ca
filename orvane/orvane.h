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

    // ---- Section 1, constructions
    // Main menu entry 1: the aim on the cleared page, then the menu loop
    // (construction_section.cpp); the menu returns on choice 5.
    void SHOW_AIM_CONSTRUCTIONS();
    void CONSTRUCTION_MENU();

    // Screen ①, where the ship is (ship_position.cpp), and the chart of the
    // bay it shares with page 2 of the question 1 answer (ship_figure.cpp).
    void SHIP_POSITION();
    void DRAW_SHIP_FIGURE();
    void SHIP_FIGURE_POINTS();

    // Screen ②, the tangents from a point outside a circle: the reasoning
    // page, then the construction page (tangent_lesson.cpp).
    void TANGENT_LESSON();
    void TANGENT_FIGURE();
    void TANGENT_CONSTRUCTION_PAGE();
    void TANGENT_CONSTRUCTION();

    // Screen ③, the answer of question 1: the points seeing AB under 30
    // degrees (arc30_answer.cpp, its points in arc30_points.cpp), then the
    // ship problem solved with that construction (arc30_ship_page.cpp).
    void ARC30_ANSWER();
    void ARC30_POINTS();
    void ARC30_SHIP_PAGE();

    // Screen ④, the quadrilateral circumscribed about a circle
    // (tangent_quad_practice.cpp).
    void TANGENT_QUAD_PRACTICE();
    void TANGENT_QUAD_FIGURE();

    // ---- Section 1's own variables
    float XI0 = 0, M = 0, R5 = 0, R2 = 0, R3 = 0, DHRP = 0, DHRQ = 0, HHP1 = 0, HHP2 = 0;

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
    // A colour of -1 is left as it stands (a plain arc ignores CCC2, a mark
    // without a label CCC1).
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
    void chapter_cell_style(float width);  // the answer cells of problems A and B
    // Problem A2's page up to its figure: the frame, the part's number with
    // its answer and the reason, the figure frame, O and R1.
    void chapter_a_q2_page(const char* part, const char* answer, const char* reason);
    // Problem A5's equal-length stroke on the side from point p to point q.
    void chapter_a_q5_equal_mark(float p, float q);

    // Section 1's figure helpers (construction_figures.cpp).
    // Figure point k at grid point (gx, gy) of the current frame.
    void grid_point(float k, float gx, float gy);
    // Figure point k `units` grid units from point `from`, `degrees` turned
    // counter-clockwise (on screen) from the direction HHP.
    void turned_point(float k, float from, float units, float degrees);
    // HHP (and HH): the direction from figure point `from` towards `to`.
    void direction_between(float from, float to);
    // The distance between figure points p and q.
    float point_distance(float p, float q);
    // A name or other text at (x, y) that leaves the paragraph cursor alone.
    void figure_text(float x, float y, float c, const std::string& text);
    // A filled dot of radius r in colour c at figure point k.
    void point_dot(float k, float r, float c);
    // A segment between figure points p and q in colour c.
    void point_segment(float p, float q, float c);

    // Page 1 of the question 1 answer (arc30_answer.cpp): dots and names
    // of its points, its two marks and its compass arcs.
    void arc30_dot_and_name(float k);
    void arc30_mark(float vertex, const std::string& label);
    void arc30_compass_arc(float centre, float radius, float h);
    void arc30_full_figure();

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
    // Draws `text` at (x, y) in colour c without moving the paragraph cursor.
    void similarity_label(float x, float y, const std::string& text, float c = 0);
    // A dotted length arc from point `from` to point `to`, labelled.
    void similarity_length(float from, float to, float side, float step, const std::string& label);
    // A filled dot of radius 7 in colour 3, 50 units from the vertex along
    // the bisector HH5 that ANGLE_ARMS or LABEL_ANGLE left.
    void similarity_equal_dot();
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
    // Screen ⑤: the dotted arc sign over the next two letters at (XI2, YI1).
    void q3_arc_sign();
    // Screen ⑥: the equal-angle dots in ∠ABE and ∠CBE; "30°" in the angle
    // at `vertex` from the arm towards `first` to the arm towards `second`
    // (AAAX as the caller set it).
    void q4_dots_at_b();
    void q4_label_30(float vertex, float first, float second);

public:
    // ---- Section 4, the worked answers of the chapter problems B (page 183)
    // Main menu entry 4: the menu line, no aim (chapter_b_menu.cpp).
    void CHAPTER_B_MENU();  // returns on choice 5
    void CHAPTER_B_Q1();    // three parts, a page each (chapter_b_q1.cpp)
    void CHAPTER_B_Q2();    // two proofs with blanks (chapter_b_q2.cpp)
    void CHAPTER_B_Q3();    // the similar triangles (chapter_b_q3.cpp)
    void CHAPTER_B_Q4();    // the construction, a step a key (chapter_b_q4.cpp)

    // ---- Section 4's own variables
    // (R1 and DHRA to DHRD are section 3's; XI0, M and R5 section 1's.)
    float C1 = 0, C2 = 0, C3 = 0;

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
