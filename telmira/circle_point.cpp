// Points of the lessons' circle: placed on radius R1 about O, and named.
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
