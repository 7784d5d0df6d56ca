// Arm directions, ray directions and the size of an angle. Directions are
// measured on the screen, where y grows downwards: 0 points right, PI/2 up.
#include "toolkit.h"

#include <cmath>
#include <utility>

namespace {

// The lessons' PI: 3.14159 in single precision, not a closer value of pi.
constexpr float kPi = 3.14159f;

// The direction of the ray from (x0, y0) to (x1, y1), 0 to 2·PI
// counter-clockwise on screen. A level ray is settled before any division;
// two equal points give PI.
float ray_direction(float x0, float y0, float x1, float y1) {
    // dy is not 0 below. A quotient too large for a number belongs to a ray
    // within a hair of level; its arc tangent is a quarter turn, no error.
    float dx = x1 - x0, dy = y1 - y0;
    if (y1 > y0) return kPi * 3 / 2 + basic::ATN(dx / dy);
    if (y1 < y0) return kPi / 2 + basic::ATN(dx / dy);
    return x1 > x0 ? 0.0f : kPi;
}

}  // namespace

void Toolkit::ANGLE_ARMS() {
    PI = kPi;
    HHP = ray_direction(ZX0, ZY0, ZX1, ZY1);
    HH1 = 1 - HHP / (2 * PI);
    HH3 = HHP;
    HHP = ray_direction(ZX0, ZY0, ZX2, ZY2);
    HH2 = 1 - HHP / (2 * PI);
    HH4 = HHP;
    if (ITI == -1) {
        std::swap(HH1, HH2);
        std::swap(HH3, HH4);
    }
    // The bisector of the counter-clockwise sweep from the first arm to the
    // second; that sweep passes through 0 when the first arm is the larger.
    HH5 = (HH3 + HH4) / 2;
    if (HH3 > HH4) HH5 = HH5 + PI;
}

void Toolkit::DIRECTION_ANGLE() {
    PI = kPi;
    HHP = ray_direction(ZX0, ZY0, ZX1, ZY1);
    HH = HHP * 180 / PI;
}

void Toolkit::ANGLE_SIZE_TEXT() {
    ANGLE_ARMS();
    if (HH3 > HH4) HH4 = HH4 + 2 * PI;
    HH5 = HH4 - HH3;
    HH = HH5 * 180 / PI;
    A_S = basic::STR_S(static_cast<float>(basic::CINT(HH * 10)) / 10);
    REMOVE_SPACES();
    KAKUDO_S = A_S;
}
