// Paths of circles, arcs, discs and sectors on the canvas, held to what can
// show on the page: cairo keeps path coordinates in fixed point and loses its
// way with radii or centres a few hundred thousand pixels out, so a radius is
// cut down to what covers the page, and a shape whose centre lies far off the
// page is built from points of its part near the page.
#pragma once

#include <cairo.h>

#include "draw_op.h"

namespace platform {

struct RoundShape {
    double cx, cy, r;
    // Radians, clockwise on screen from +x; the arc runs from a1 up to a2,
    // through 0 when a2 is smaller. Unused for the whole circle.
    double a1 = 0, a2 = 0;
    bool whole = true;
    bool filled = false;
    bool to_centre = false;  // a sector: its straight edges run to the centre
};

// The shape of a Circle, Arc, Disc or Sector op.
RoundShape round_shape(const DrawOp& op);

// False when nothing of the shape, stroked `half_width` to either side,
// can show on the page.
bool reaches_page(const RoundShape& shape, double half_width);

// The region to fill, and the outline to stroke, of a shape that reaches
// the page; they agree with the whole shape everywhere on the page.
void add_fill_path(cairo_t* cr, const RoundShape& shape, double half_width);
void add_stroke_path(cairo_t* cr, const RoundShape& shape, double half_width);

}  // namespace platform
