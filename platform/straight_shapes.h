// Paths of segments, boxes, polylines and polygons on the canvas, held to
// what can show on the page: cairo keeps path coordinates in fixed point, and
// a point some millions of units out wraps round and takes its line with it.
// Each shape is cut to a frame round the page, wide enough that its cut edges
// and their strokes stay off the page.
#pragma once

#include <cairo.h>

#include "draw_op.h"

namespace platform {

// Adds the path of a Segment, Box, FillBox, Polyline or Polygon op.
void add_straight_path(cairo_t* cr, const DrawOp& op);

}  // namespace platform
