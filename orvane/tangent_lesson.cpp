// Screen ②, the tangents from a point A outside the circle O: the reasoning
// page (if AP were a tangent, OP would be perpendicular to it, so P lies on
// the circle with diameter AO), then the compass construction page.
#include <cmath>

#include "orvane.h"

void Orvane::TANGENT_FIGURE() {
    SIZE = 30;
    GGX = 720;
    GGY = 90;
    YOKO = 16;
    TATE = 10;
    CCC2 = 15;
    DRAW_GRID();

    grid_point(0, 6, 5);     // O', the midpoint of AO
    grid_point(1, 12, 5);    // O
    grid_point(2, 0, 5);     // A
    grid_point(11, 6, 8);    // where the compass arcs cross
    grid_point(12, 6, 2);
    grid_point(13, 6, 8.5f);  // the ends of the drawn bisector of AO
    grid_point(14, 6, 1.5f);

    // P and P' are drawn at 110 and 250 degrees on circle O.
    R1 = SIZE * 4;
    DHRP = 110 * PI / 180;
    DHRQ = 250 * PI / 180;
    X_A(3) = X_A(1) + R1 * std::cos(DHRP);
    Y_A(3) = Y_A(1) - R1 * std::sin(DHRP);
    X_A(4) = X_A(1) + R1 * std::cos(DHRQ);
    Y_A(4) = Y_A(1) - R1 * std::sin(DHRQ);

    // The drawn tangents run a fifth of AP beyond P and P'.
    DX = (X_A(3) - X_A(2)) / 5;
    DY = (Y_A(3) - Y_A(2)) / 5;
    X_A(5) = X_A(3) + DX;
    Y_A(5) = Y_A(3) + DY;
    DX = (X_A(4) - X_A(2)) / 5;
    DY = (Y_A(4) - Y_A(2)) / 5;
    X_A(6) = X_A(4) + DX;
    Y_A(6) = Y_A(4) + DY;

    rt.circle(X_A(1), Y_A(1), R1, 0);
    point_dot(1, 4, 0);
    figure_text(X_A(1) + 6, Y_A(1) - 20, 0, "O"_sj);
    point_dot(2, 4, 0);
    figure_text(X_A(2) - 40, Y_A(2) - 20, 0, "A"_sj);
    CCC2 = 15;
}

// The right angle between the radius and the tangent at P (point 3) or P'
// (point 4).
namespace {
void right_angle_at_contact(Orvane& o, float contact) {
    o.set_angle_points(contact, 2, 1);
    o.CCC2 = 5;
    o.NAGASA = 30;
    o.ITI = -1;
    o.DRAW_RIGHT_ANGLE();
}
}  // namespace

void Orvane::TANGENT_LESSON() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI0 = 30;
    XI1 = XI0 + 36;
    YI1 = 20;
    rt.set_line_width(5);
    paragraph_text(XI1, YI1, 3, "点Aから円Oへの接線を作図しよう。"_sj);
    TANGENT_FIGURE();

    WAIT_ANY_KEY();
    paragraph_text(XI0, YI1 + 50, 7, "①"_sj);
    paragraph_text(XI2, YI1, 0, "接線がひけたとすると、"_sj);
    paragraph_text(XI1, YI1 + 50, 0, "OPとAP,OP'とAP'の関係は?"_sj);
    point_segment(2, 5, 3);
    figure_text(X_A(3), Y_A(3) - 45, 0, "P"_sj);
    point_segment(2, 6, 3);
    figure_text(X_A(4), Y_A(4) + 10, 0, "P'"_sj);

    WAIT_ANY_KEY();
    point_segment(1, 3, 0);
    point_segment(1, 4, 0);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 50, 3, " ∠APO=∠AP'O=90°"_sj);
    right_angle_at_contact(*this, 3);
    right_angle_at_contact(*this, 4);

    WAIT_ANY_KEY();
    paragraph_text(XI2, YI1, 0, " なぜ?"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI0, YI1 + 50, 3, "円の接線は、接点を通る半径に垂直だから"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI0, YI1 + 70, 7, "②"_sj);
    paragraph_text(XI2, YI1, 0, "P,P'はどんな図形上にある?"_sj);

    WAIT_ANY_KEY();
    point_segment(2, 1, 0);

    WAIT_ANY_KEY();
    R2 = SIZE * 6;
    rt.circle(X_A(0), Y_A(0), R2, 0);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 50, 3, "P,P'はAOを直径とする円周上にある。"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI0, YI1 + 70, 7, "③"_sj);
    paragraph_text(XI2, YI1, 0, "P,P'を見つける作図は?"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 50, 3, "線分AOを直径とする円をかき"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 50, 3, "円Oとの交点をP,P'とする"_sj);

    WAIT_ANY_KEY();
    TANGENT_CONSTRUCTION_PAGE();
}

// The compass construction, one step per key, on the first page's figure.
void Orvane::TANGENT_CONSTRUCTION() {
    rt.circle(X_A(1), Y_A(1), R1, 0);
    point_dot(1, 4, 0);
    figure_text(X_A(1) + 6, Y_A(1) - 20, 0, "O"_sj);
    point_dot(2, 4, 0);
    figure_text(X_A(2) - 40, Y_A(2) - 20, 0, "A"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "①線分AOを直径とする円をかく。"_sj);

    WAIT_ANY_KEY();
    point_segment(2, 1, 0);

    // The arc about A, on its side towards O, through both crossings.
    WAIT_ANY_KEY();
    R2 = point_distance(2, 11);
    set_angle_points(2, 11, 12);
    ITI = -1;
    ANGLE_ARMS();
    point_dot(2, 8, 7);
    rt.arc(X_A(2), Y_A(2), R2, 7, HH2 - 0.05f, HH1 + 0.05f);

    // The arc about O, on its side towards A.
    WAIT_ANY_KEY();
    R2 = point_distance(1, 11);
    set_angle_points(1, 11, 12);
    ITI = 1;
    ANGLE_ARMS();
    point_dot(1, 8, 7);
    rt.arc(X_A(1), Y_A(1), R2, 7, HH2 - 0.05f, HH1 + 0.05f);

    WAIT_ANY_KEY();
    point_segment(13, 14, 0);

    WAIT_ANY_KEY();
    point_dot(0, 4, 0);
    figure_text(X_A(0) - 46, Y_A(0) + 6, 0, "O'"_sj);

    WAIT_ANY_KEY();
    R2 = SIZE * 6;
    rt.circle(X_A(0), Y_A(0), R2, 0);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "②円Oとの交点をP,P'とする。"_sj);
    figure_text(X_A(3), Y_A(3) - 45, 0, "P"_sj);
    figure_text(X_A(4), Y_A(4) + 10, 0, "P'"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 60, 0, "③直線AP,AP'をひく。"_sj);
    point_segment(2, 5, 3);
    point_segment(2, 6, 3);
    CCC1 = 0;
}

void Orvane::TANGENT_CONSTRUCTION_PAGE() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI0 = 30;
    XI1 = XI0 + 36;
    YI1 = 20;
    rt.set_line_width(5);
    paragraph_text(XI1, YI1, 3, "<Aから円Oへの接線のひき方>"_sj);
    TANGENT_CONSTRUCTION();

    WAIT_ANY_KEY();
    paragraph_text(XI0, YI1 + 60, 3, "点Aから円Oへの接線を作図しよう。"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI1, YI1 + 90, 3, "<円外の1点からの接線>"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "円外の1点から、その円にひいた"_sj);
    paragraph_text(XI1, YI1 + 60, 0, " 2つの接線の長さは等しい。"_sj);
    paragraph_text(XI1, YI1 + 60, 5, "  AP=AP'"_sj);
    point_segment(1, 3, 0);
    right_angle_at_contact(*this, 3);
    point_segment(1, 4, 0);
    right_angle_at_contact(*this, 4);

    WAIT_ANY_KEY();
    figure_text(44, 590, 0, "教科書P179 問1　をやってみよう。"_sj);
}
