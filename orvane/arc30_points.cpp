// The points of the question 1 answer's figure: A and B, the centre O of
// the circle on whose arc AB is seen under "30 degrees", and one P on it
// where an auxiliary circle crosses it.
#include "orvane.h"

void Orvane::ARC30_POINTS() {
    grid_point(1, 1, 5.5f);
    grid_point(2, 1 + 3, 5.5f + 1);
    grid_point(3, 6.5f, 3);
    grid_point(4, 6.5f + 2, 3 + 0.666667f);

    // O: the height of an equilateral triangle of side 3 from the midpoint
    // of AB, below AB on screen.
    X_A(0) = (X_A(1) + X_A(2)) / 2;
    Y_A(0) = (Y_A(1) + Y_A(2)) / 2;
    direction_between(0, 1);
    B = 3 * basic::SQR(3) / 2;
    C = 90;
    turned_point(5, 0, B, C);

    // The auxiliary circle has the diameter from point 3 to point 12 and
    // passes through point 4.
    direction_between(3, 4);
    turned_point(12, 4, 2.1f, 90);
    X_A(6) = (X_A(3) + X_A(12)) / 2;
    Y_A(6) = (Y_A(3) + Y_A(12)) / 2;

    X1 = X_A(5);
    Y1 = Y_A(5);
    RR1 = 3 * SIZE;
    X2 = X_A(6);
    Y2 = Y_A(6);
    RR2 = point_distance(6, 12);
    RADICAL_AXIS();
    CIRCLE_LINE_POINTS();
    X_A(8) = X4;
    Y_A(8) = Y4;
}
