// Points of the lessons' circle: placed on radius R1 about O, and named;
// the circle drawn with its chords and radii.
#include <cmath>

#include "telmira.h"

void Telmira::place_on_circle(float point, float radians, float centre) {
    X_A(point) = X_A(centre) + R1 * std::cos(radians);
    Y_A(point) = Y_A(centre) - R1 * std::sin(radians);
}

void Telmira::label_point(float vertex, float first, float second, const std::string& name, float distance) {
    set_angle_points(vertex, first, second);
    NAGASA = distance;
    ITI = -1;
    CCC1 = 0;
    AAA_S = name;
    LABEL_ANGLE();
}

void Telmira::draw_circle_with_chords(float o, float a, float b, float p) {
    rt.disc(X_A(o), Y_A(o), 3, 0, 0);
    rt.circle(X_A(o), Y_A(o), R1, 0);
    rt.segment(X_A(a), Y_A(a), X_A(p), Y_A(p), 0);
    rt.segment(X_A(b), Y_A(b), X_A(p), Y_A(p), 0);
    rt.segment(X_A(a), Y_A(a), X_A(o), Y_A(o), 0);
    rt.segment(X_A(b), Y_A(b), X_A(o), Y_A(o), 0);

    label_point(a, b, o, "A"_sj);
    label_point(b, o, a, "B"_sj);
}
