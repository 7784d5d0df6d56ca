// Screen ⑨: six inscribed angles on the same arc AB of the section's circle.
#include "telmira.h"

void Telmira::SEVERAL_ANGLES() {
    SETUP_ANGLE_FIGURE();
    rt.fill_box(GX1, GY1 - 60, GX2 + 200, GY2 + 60, 15, 15);
    DHRB = (230 + DHB) * PI / 180;
    place_on_circle(3, DHRB);
    rt.disc(X_A(1), Y_A(1), 3, 0, 0);
    rt.circle(X_A(1), Y_A(1), R1, 0);
    rt.segment(X_A(2), Y_A(2), X_A(1), Y_A(1), 3);
    rt.segment(X_A(3), Y_A(3), X_A(1), Y_A(1), 3);

    label_point(2, 3, 4, "A"_sj);
    label_point(3, 4, 2, "B"_sj);

    // P at six places on the longer arc, 40 degrees apart.
    for (IJ = 1; IJ <= 6; IJ = IJ + 1) {
        DHP = DHB + 4 * IJ * DH;
        DHRP = (230 + DHP) * PI / 180;
        place_on_circle(5, DHRP);
        rt.segment(X_A(2), Y_A(2), X_A(5), Y_A(5), 0);
        rt.segment(X_A(3), Y_A(3), X_A(5), Y_A(5), 0);
    }
}
