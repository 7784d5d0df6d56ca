// The application lessons: constructions, circles and similar triangles,
// and the worked answers of the chapter problems A and B.
#pragma once

#include "toolkit.h"

class Orvane : public Toolkit {
public:
    using Toolkit::Toolkit;
    void MAIN_MENU() override;
    void MAIN_MENU_BLANK_ENTRY();

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

    // Section 2's own variables: the circle's radius and the directions of
    // the figure's points on it, in radians.
    float R1 = 0, DHRA = 0, DHRB = 0, DHRC = 0, DHRD = 0;

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
