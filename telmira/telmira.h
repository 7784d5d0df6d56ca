// The theorem lessons: the inscribed angle, its proof and use, arcs, the
// diameter, the converse and the basic problems. Built as Telmira and, with
// another title, as Sundrel.
//
// Menus and screens are loops and returns: a section loops on its menu line
// and calls its screens; a screen returns to its section; the section's last
// entry returns to the main menu's loop. The call stack stays flat however
// often the pupil goes round.
#pragma once

#include <initializer_list>
#include <string>

#include "toolkit.h"

class Telmira : public Toolkit {
public:
    using Toolkit::Toolkit;
    void MAIN_MENU() override;
    void MAIN_MENU_BLANK_ENTRY();

    // Reads one choice of a section's menu line (1..last, asked again when
    // outside) and parks AINP at 10, as every Telmira section menu does.
    int ask_section_choice(const std::string& menu_line, int last);

    // ---- Section 1, the inscribed angle
    // Main menu entry 1: the aim page, then the section's menu loop.
    void INSCRIBED_ANGLE_SECTION();
    void INSCRIBED_ANGLE_GOAL();  // inscribed_angle_menu.cpp
    void INSCRIBED_ANGLE_MENU();  // returns on choice 10

    // Screen ①, also called by the converse section (set_square_locus.cpp).
    void SET_SQUARE_LOCUS();
    void DRAW_SET_SQUARE();
    void DRAW_POINTS_AB();

    // Screens ②, ③ and ④ share one page (angle_definition.cpp).
    void INSCRIBED_ANGLE_DEFINITION();
    void CONSTANT_ANGLE_QUESTION();
    void HALF_ANGLE_ANSWER();

    // Screen ⑤ (theorem_summary.cpp).
    void THEOREM_SUMMARY();

    // The section's interactive figure (angle_figure.cpp).
    void SETUP_ANGLE_FIGURE();
    void UPDATE_ANGLE_VALUES();
    void ERASE_ANGLE_FIGURE();
    void REDRAW_ANGLE_FIGURE();

    // Screen ⑥ and the arrow-key loop that every drawing of the figure ends
    // in (move_points.cpp).
    void ANGLE_RELATION_BANNER();
    void MOVE_POINTS();
    void MOVE_POINTS_KEYS();  // draws the figure, moves it until Enter

    // Screens ⑦ and ⑧ (figure_switches.cpp).
    void ANGLE_VALUE_SWITCH();
    void DIAMETER_SWITCH();

    // Screen ⑨ (several_angles.cpp).
    void SEVERAL_ANGLES();

    // ---- Section 2, the proof of the theorem (proof_section.cpp)
    // Main menu entry 2: the aim, then the section's menu loop.
    void PROOF_SECTION();
    void PROOF_GOAL();
    void PROOF_MENU();  // returns on choice 10

    // Each proof is a text page with three answer blanks, figure steps that
    // add marks to its figure, and answer steps that fill the blanks.
    // PB a diameter (proof_diameter.cpp).
    void PROOF_DIAMETER();
    void PROOF_DIAMETER_FIGURE();
    void PROOF_DIAMETER_ANSWERS();
    // O inside the angle APB (proof_inside.cpp).
    void PROOF_INSIDE();
    void PROOF_INSIDE_FIGURE();
    void PROOF_INSIDE_ANSWERS();
    // O outside the angle APB (proof_outside.cpp).
    void PROOF_OUTSIDE();
    void PROOF_OUTSIDE_FIGURE();
    void PROOF_OUTSIDE_ANSWERS();

    // ---- Section 3, using inscribed angles
    // Main menu entry 3: the aim, then the section's menu loop
    // (using_angles_section.cpp).
    void USING_ANGLES_SECTION();
    void USING_ANGLES_GOAL();
    void USING_ANGLES_MENU();  // returns on choice 4

    // Screen ①, one practice problem after another until 1 is typed at the
    // next-step prompt (practice_problems.cpp); the values of one problem of
    // type NO: the angles T(1), T(2), the directions T(11)..T(14), their
    // texts and the labels and answer F$(1)..F$(4).
    void PRACTICE_PROBLEMS();
    void make_practice_problem();

    // Screen ②, the answers of the textbook's question 1 on page 170
    // (p170_answers.cpp).
    void TEXTBOOK_ANSWERS();

    // Screen ③, worked examples until 1 is typed at the next-step prompt
    // (random_example.cpp); the values of one example: T(1)..T(4), the
    // directions T(11)..T(14) and the texts T$(1)..T$(4).
    void RANDOM_EXAMPLE();
    void make_random_example();

    // ---- Section 6, the converse of the theorem
    // Main menu entry 6: the aim, then the section's menu loop
    // (converse_section.cpp).
    void SECTION6_START();
    void CONVERSE_AIM();
    void SECTION6_MENU();  // returns on choice 4
    // Screen ①: the set-square locus, then P on, inside and outside the
    // circle (converse_p174q.cpp).
    void CONVERSE_P174Q();
    // Screen ②: the converse stated, and problem 1 of page 175
    // (converse_theorem.cpp).
    void CONVERSE_THEOREM();
    void CONVERSE_FIGURE_ABPQ();
    void CONVERSE_FIGURE_P175Q1();
    // Screen ③: problem 2 of page 175 (converse_problem2.cpp).
    void CONVERSE_PROBLEM2();
    void CONVERSE_PROBLEM2_FIGURE();
    void CONVERSE_PROBLEM2_HINT();
    // ---- Frames of sections 4 to 7 (section_frames.cpp)
    // The aim page: "<めあて>" at (44, 240) in colour 3, then each line (code
    // page 932) 65 units below the one before in colour 0, by the paragraph
    // cursor. Clears nothing, waits for nothing.
    void write_aim(std::initializer_list<std::string> lines);

    // ---- Section 5, the diameter and the inscribed angle
    // Main menu entry 5: the aim, then the section's menu loop
    // (diameter_section.cpp).
    void SECTION5_START();
    void DIAMETER_AIM();
    void SECTION5_MENU();  // returns on choice 5
    // Screen ①, the theorem and its converse (diameter_theorem.cpp).
    void DIAMETER_THEOREM();
    // Screen ②, the three answers of problem 5 on two pages
    // (diameter_problem5.cpp).
    void DIAMETER_PROBLEM5_ANSWERS();
    // Screen ③, AD perpendicular to BC (diameter_problem6.cpp).
    void DIAMETER_PROBLEM6_ANSWER();
    // Screen ④, the centre found with a set square (diameter_problem7.cpp).
    void DIAMETER_PROBLEM7_SET_SQUARE();

    // ---- Section 7, the worked answers of the basic problems of page 176
    // Main menu entry 7: straight into the menu loop, no aim page
    // (basic_problems_section.cpp).
    void SECTION7_START();
    void SECTION7_MENU();  // returns on choice 3
    // Choice 1: problems (1) to (6) and the figure of (6) (p176_answers_page1.cpp).
    void P176_ANSWERS_PAGE1();
    // Choice 2: the two circles through A, E, F, D and B, C, D, E
    // (p176_answers_page2.cpp).
    void P176_ANSWERS_PAGE2();

    // ---- Telmira's own shared variables
    float R1 = 0, M = 0, IJ = 0, DH = 0, DHB = 0, DHP = 0, DHRA = 0, DHRB = 0, DHRQ = 0, DHRP = 0;
    std::string TKEI_S;

    // ---- Section 3's own variables: the practice problem's type, 1 to 8.
    float NO = 0;

    // Whether the points and frame of section 1's interactive figure are as
    // its set-up left them: other screens place their own points in the same
    // shared arrays, and the switch screens must not draw from those.
    bool angle_figure_ready = false;

    // ---- Section 2's own variables
    // Direction of K, the far end of the diameter through P (also of Q in
    // section 3's figures).
    float DHRK = 0;
    // Which proof's text page is on the screen (1 to 3), 0 for none: its
    // figure and answer steps draw only onto their own page.
    int proof_page_on_screen = 0;

    // ---- Section 7's own variables: the directions of C, D and E on page
    // 2's circle, and the two arm points of a right-angle mark (N1 its vertex).
    // Section 6 uses DHRC, N2 and N3 too.
    float DHRC = 0, DHRD = 0, DHRE = 0, N2 = 0, N3 = 0;

private:
    // Puts figure point `point` on the circle of radius R1 about O (point 1)
    // in the direction `radians`, counter-clockwise on screen from the right.
    // (The proofs and section 3 put O at point 11 and give it as `centre`.)
    void place_on_circle(float point, float radians, float centre = 1);
    // Names figure point `vertex` by LABEL_ANGLE in colour 0, `distance`
    // units off, on the far side of its angle towards `first` and `second`
    // (ITI -1).
    void label_point(float vertex, float first, float second, const std::string& name, float distance = 8);
    // The centre dot and the circle about O (point `o`), the chords PA, PB,
    // the radii OA, OB, and the names A and B outside the circle.
    void draw_circle_with_chords(float o, float a, float b, float p);

    // The first steps of screen ⑥: title, the figure's set-up when `set_up`,
    // a clean figure area.
    void start_angle_figure_screen(bool set_up);
    // What screens ⑦ and ⑧ draw on when the page does not show the figure.
    void set_up_figure_for_switch();

    // The proof pages (proof_section.cpp). The first steps of a text page: a
    // clean page, the frame without grid, line width 5, O at grid point
    // (8, 8) as figure point `o`, R1 and the section-1 figure's start values.
    void begin_proof_page(float o);
    // The figure every proof starts from: circle O through A, B and P, the
    // chords PA, PB and radii OA, OB, the names, and the sectors of the
    // angles APB and AOB (`mark_radius` wide). "O" is named on the far side
    // of the angle between OA and O's `o_arm`.
    void draw_proof_figure(float o, float a, float b, float p, float mark_radius, float o_arm);
    // The blanks' cell: border 3, fill 13, 50 high, text colour 5.
    void proof_cell_style();
    // Answer blank k with its placeholder, 10 units after the line so far;
    // its place is kept in T(k), F(k) and the paragraph goes on after it.
    void proof_blank(float k, float width, const std::string& placeholder);
    // The answer of blank k drawn over it, in a cell of the same place.
    void proof_answer(float k, float width, const std::string& answer);
    // Where the dots of an equal angle go: the place in X and Y that
    // LABEL_ANGLE finds for an empty label 60 units out on the bisector of
    // the angle at `vertex` from arm `first` to arm `second`.
    void dot_place(float vertex, float first, float second);
    // The disc of radius 7 that marks an equal angle, filled in its colour.
    void angle_dot(float x, float y, float c);

    // Section 3's circle about O (point 11): A (12), B (13), P (15) and Q
    // (16) placed from the directions T(11)..T(14) in degrees
    // (using_angles_figure.cpp).
    void place_using_angles_points();
    // The grid of a section-3 problem with its left edge at `grid_left`, O
    // (point 11) at its middle, the radius R1, and the pen left at width 5.
    void start_using_angles_figure(float grid_left);
    // The colours and size the answer cells of section 3's problems share.
    void set_using_angles_cells();

    // Section 6 (converse_*.cpp). DRAW_TEXT of `text` at (x, y) in colour c,
    // the paragraph cursor left alone (point labels).
    void put_text(float x, float y, float c, const std::string& text);
    // DRAW_ANGLE_MARK at figure point `vertex` from arm `first` to arm
    // `second`, border colour 0.
    void mark_angle(float vertex, float first, float second, float label_colour, float fill, float size, float arcs,
                    float side, const std::string& label);
    // Screen ①: frame k (1 to 3) of the three side by side, figure k drawn
    // in it, and the heading line above it with the blank k.
    void p174q_frame(float k);
    void p174q_figure(float k);
    void p174q_heading(float k);
    void p174q_cell(const std::string& text);
    void p174q_answer(float k, const std::string& answer);
    // Screen ②: the figure frame's centre as point 1 and points 2 to 5 on
    // its circle at the given degrees.
    void place_converse_points(float a, float b, float c, float p);
    // The segment between figure points `from` and `to` (through M and N).
    void join_points(float from, float to, float c);
    // Screen ③: a figure point's letter, and a proof blank left empty.
    void label_problem2_point(float point, float c);
    void problem2_blank(float k, float width, const std::string& mark);
    // Section 5's figures (diameter_figures.cpp). The frame at (ggx, 90),
    // 16 by 16 units of 30 without grid, O at grid point (8, 8) as point 1,
    // R1 seven units.
    void diameter_frame(float ggx);
    // Line width 5, the centre dot of radius 3, the circle, and "O" named
    // away from the angle between points 2 and 3.
    void diameter_circle_base();
    // The triangle of figure points p1, p2, p3 by DRAW_POLYGON, its corners
    // named n1, n2, n3 in colour 0, 8 units out.
    void diameter_triangle(float p1, float p2, float p3, const std::string& n1, const std::string& n2,
                           const std::string& n3);
    // One arc (HONSU 1) over the angle at `vertex` from arm `first` to arm
    // `second`, in colour `c`, its label in the same colour.
    void diameter_angle_mark(float vertex, float first, float second, float iti, float size, float c,
                             const std::string& label);
    // The right-angle mark in colour 5, `size` a side.
    void diameter_right_angle(float vertex, float first, float second, float size);
    // Problem 7's set square (diameter_problem7.cpp): the far corners
    // vertex + 1 and vertex + 2 on the legs towards `first` and `second`.
    void set_square_corners(float vertex, float first, float second);
    // The set square with right angle at `vertex` and its far corners, and
    // its centroid as point vertex + 3.
    void draw_right_set_square(float vertex);
    // A name by LABEL_ANGLE 10 units out, in colour c, raised by `raise`.
    void name_set_square_point(float vertex, float first, float second, const std::string& name, float c,
                               float raise);

    // Section 7's answer pages: the heading cell and the page-number cell
    // beside it; a segment between figure points (M, N); a right-angle mark
    // 30 units at vertex N1 with arms towards N2 and N3.
    void p176_heading(const std::string& page_number);
    void p176_segment(float from, float to, float c);
    void p176_right_angle(float vertex, float first, float second, float side, float c);

public:
    // ---- Section 4, inscribed angles and arcs
    // Main menu entry 4: the aim, then the section's menu loop
    // (arcs_section.cpp).
    void SECTION4_START();
    void ARCS_AIM();
    void SECTION4_MENU();  // returns on choice 6
    // Its screens: the task on two equal arcs (arcs_intro_task.cpp), the
    // theorems on arcs and angles (arcs_theorem.cpp), equal arcs give equal
    // chords (arcs_equal_chords.cpp), parallel chords cut equal arcs
    // (arcs_parallel_chords.cpp), the regular pentagon (arcs_pentagon.cpp).
    void ARCS_INTRO_TASK();
    void ARCS_THEOREM();
    void ARCS_PROBLEM2_PROOF();
    void ARCS_PROBLEM3_PROOF();
    void ARCS_PROBLEM4_PENTAGON();

    // Section 4's own variable: the pentagon's step between vertices in
    // degrees (the directions DHRC, DHRD, DHRE are shared with section 7).
    float R2 = 0;

private:
    // Section 4's figures (arcs_figure.cpp). The frame 16 by 16 units of 30
    // at (ggx, ggy) without grid, O at grid point (8, 8) as point 1, R1 = 210.
    void arcs_frame(float ggx, float ggy);
    // The figure of the task and the theorem: a clean page, the frame at
    // (720, 90), O (1), A (2), B (3), P (4), C (5), D (6), Q (7), the circle
    // with its centre dot and the equal arcs AB and CD again in colour 5.
    void draw_equal_arcs_circle();
    // Two strokes of colour 5 across each of those arcs, near its middle.
    void mark_equal_arcs();
    // The dotted arc over the next two letters at the paragraph cursor.
    void arc_sign(float c);
    // Arc AB = arc CD in colour c, at line width 3, after the line so far.
    void arc_equality(float c);
    // `name` by LABEL_ANGLE at `vertex` on the side `side` of the angle from
    // arm `first` to arm `second`, `distance` units out, in colour c.
    void name_at(float vertex, float first, float second, const std::string& name, float distance, float side,
                 float c);
    // DRAW_ANGLE_MARK at `vertex` from arm `first` to arm `second` without
    // label: `honsu` arcs (0: a sector) of size `nagasa`, border c2, fill c3.
    void mark_angle(float vertex, float first, float second, float side, float honsu, float nagasa, float c2,
                    float c3);
};
