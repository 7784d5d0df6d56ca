// One drawing call as the platform received it. The same record is drawn on
// the canvas, kept for redrawing at another window size, and written to the
// trace that tests read.
#pragma once

#include <string>
#include <vector>

namespace platform {

enum class OpKind { Clear, Segment, Box, FillBox, Circle, Arc, Disc, Sector, Polyline, Polygon, Text };

const char* op_name(OpKind kind);

struct FontState {
    std::string face = "ｺﾞｼｯｸ";  // as the program named it, UTF-8
    float size = 16.0f;
    bool bold = false;
    bool italic = false;
};

struct DrawOp {
    OpKind kind = OpKind::Clear;
    // Segment, Box, FillBox: x1 y1 x2 y2. Circle, Disc: cx cy r.
    // Arc, Sector: cx cy r start end (fractions of a turn).
    // Polyline, Polygon: x y pairs. Text: x y (top left).
    std::vector<float> v;
    int color = 0;   // line, border or text colour
    int fill = -1;   // fill colour of FillBox, Disc, Sector, Polygon
    float width = 1.0f;
    // Text only.
    FontState font;
    float mag_h = 1.0f, mag_v = 1.0f;
    std::string text;  // UTF-8

    // One line of the trace, e.g.
    //   segment 10 20 30 40 c=4 w=3
    //   fillbox 0 657 400 693 c=13 f=4 w=3
    //   text 128 666 c=9 w=3 font=ゴシック size=16 bold=1 italic=0 mag=1x1 "何"
    std::string str() const;
};

}  // namespace platform
