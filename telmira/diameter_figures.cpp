// What the figures of section 5 share: the frame with the circle about O,
// the triangles, and the angle and right-angle marks.
#include "telmira.h"

void Telmira::diameter_frame(float ggx) {
    GGX = ggx;
    GGY = 90;
    YOKO = 16;
    TATE = 16;
    SIZE = 30;
    CCC2 = 15;
    DRAW_GRID();
    X_A(1) = GX0 + 8 * SIZE;
    Y_A(1) = GY0 - 8 * SIZE;
    R1 = SIZE * 7;
}

void Telmira::diameter_circle_base() {
    rt.set_line_width(5);
    rt.disc(X_A(1), Y_A(1), 3, 0, 0);
    rt.circle(X_A(1), Y_A(1), R1, 0);
    label_point(1, 2, 3, "O"_sj, 10);
}

void Telmira::diameter_triangle(float p1, float p2, float p3, const std::string& n1, const std::string& n2,
                                const std::string& n3) {
    const float points[] = {p1, p2, p3};
    const std::string* names[] = {&n1, &n2, &n3};
    for (int k = 1; k <= 3; ++k) {
        G_A(k, 1) = X_A(points[k - 1]);
        G_A(k, 2) = Y_A(points[k - 1]);
        X_S_A(k) = *names[k - 1];
    }
    KAKU = 3;
    SIZE1 = 5;
    CCC2 = 0;
    CCC1 = 0;
    NAGASA = 8;
    AAA_S = "1"_sj;
    DRAW_POLYGON();
}

void Telmira::diameter_angle_mark(float vertex, float first, float second, float iti, float size, float c,
                                  const std::string& label) {
    set_angle_points(vertex, first, second);
    ITI = iti;
    NAGASA = size;
    HONSU = 1;
    CCC1 = c;
    CCC2 = 0;
    CCC3 = c;
    AAA_S = label;
    DRAW_ANGLE_MARK();
}

void Telmira::diameter_right_angle(float vertex, float first, float second, float size) {
    set_angle_points(vertex, first, second);
    NAGASA = size;
    ITI = 1;
    CCC1 = 0;
    CCC2 = 5;
    DRAW_RIGHT_ANGLE();
}
