// Points of the lessons' circle: on radius R1 about O (point 1).
#include <cmath>

#include "telmira.h"

void Telmira::place_on_circle(float point, float radians) {
    X_A(point) = X_A(1) + R1 * std::cos(radians);
    Y_A(point) = Y_A(1) - R1 * std::sin(radians);
}
