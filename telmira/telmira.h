// The theorem lessons: the inscribed angle, its proof and use, arcs, the
// diameter, the converse and the basic problems. Built as Telmira and, with
// another title, as Sundrel.
//
// Menus and screens are loops and returns: a section loops on its menu line
// and calls its screens; a screen returns to its section; the section's last
// entry returns to the main menu's loop. The call stack stays flat however
// often the pupil goes round.
#pragma once

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

    // ---- Telmira's own shared variables
    float R1 = 0, M = 0, IJ = 0, DH = 0, DHB = 0, DHP = 0, DHRA = 0, DHRB = 0, DHRQ = 0, DHRP = 0;
    std::string TKEI_S;

    // ---- Section 3's own variables: the practice problem's type, and the
    // direction of Q in radians.
    float NO = 0, DHRK = 0;

    // Whether the points and frame of section 1's interactive figure are as
    // its set-up left them: other screens place their own points in the same
    // shared arrays, and the switch screens must not draw from those.
    bool angle_figure_ready = false;

private:
    // Puts figure point `point` on the circle of radius R1 about figure
    // point `centre` (O, point 1 unless said) in the direction `radians`,
    // counter-clockwise on screen from the right.
    void place_on_circle(float point, float radians, float centre = 1);
    // Names figure point `vertex` by LABEL_ANGLE in colour 0, `distance`
    // units off, on the far side of its angle towards `first` and `second`
    // (ITI -1).
    void label_point(float vertex, float first, float second, const std::string& name, float distance = 8);

    // The first three steps of screen ⑥: title, set-up, clean figure area.
    void start_angle_figure_screen();
    // What screens ⑦ and ⑧ draw on when no figure is set up.
    void set_up_figure_for_switch();

    // Section 3's circle about O (point 11): A (12), B (13), P (15) and Q
    // (16) placed from the directions T(11)..T(14) in degrees, and the
    // centre dot, the circle, the chords PA, PB, the radii OA, OB and the
    // names A and B drawn (using_angles_figure.cpp).
    void place_using_angles_points();
    void draw_circle_and_chords();
};
