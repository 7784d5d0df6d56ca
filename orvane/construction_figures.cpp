// Small figure helpers that the construction screens share.
#include <cmath>

#include "orvane.h"

void Orvane::grid_point(float k, float gx, float gy) {
    X_A(k) = GX0 + SIZE * gx;
    Y_A(k) = GY0 - SIZE * gy;
}

void Orvane::turned_point(float k, float from, float units, float degrees) {
    const float direction = degrees * PI / 180 + HHP;
    X_A(k) = X_A(from) + SIZE * units * std::cos(direction);
    Y_A(k) = Y_A(from) - SIZE * units * std::sin(direction);
}

void Orvane::direction_between(float from, float to) {
    ZX0 = X_A(from);
    ZY0 = Y_A(from);
    ZX1 = X_A(to);
    ZY1 = Y_A(to);
    DIRECTION_ANGLE();
}

float Orvane::point_distance(float p, float q) {
    const float dx = X_A(q) - X_A(p);
    const float dy = Y_A(q) - Y_A(p);
    return basic::SQR(dx * dx + dy * dy);
}

void Orvane::figure_text(float x, float y, float c, const std::string& text) {
    CCC1 = c;
    X = x;
    Y = y;
    AA_S = text;
    DRAW_TEXT();
}

void Orvane::point_dot(float k, float r, float c) { rt.disc(X_A(k), Y_A(k), r, colour(c), colour(c)); }

void Orvane::point_segment(float p, float q, float c) { rt.segment(X_A(p), Y_A(p), X_A(q), Y_A(q), colour(c)); }
