#include "draw_op.h"

#include <cstdio>

namespace platform {

const char* op_name(OpKind kind) {
    switch (kind) {
        case OpKind::Clear: return "clear";
        case OpKind::Segment: return "segment";
        case OpKind::Box: return "box";
        case OpKind::FillBox: return "fillbox";
        case OpKind::Circle: return "circle";
        case OpKind::Arc: return "arc";
        case OpKind::Disc: return "disc";
        case OpKind::Sector: return "sector";
        case OpKind::Polyline: return "polyline";
        case OpKind::Polygon: return "polygon";
        case OpKind::Text: return "text";
    }
    return "?";
}

namespace {

std::string num(float f) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(f));
    return buf;
}

}  // namespace

std::string DrawOp::str() const {
    std::string s = op_name(kind);
    if (kind == OpKind::Clear) return s;
    for (float f : v) s += " " + num(f);
    s += " c=" + std::to_string(color);
    if (fill >= 0) s += " f=" + std::to_string(fill);
    s += " w=" + num(width);
    if (kind == OpKind::Text) {
        s += " font=" + font.face + " size=" + num(font.size) + " bold=" + (font.bold ? "1" : "0") +
             " italic=" + (font.italic ? "1" : "0") + " mag=" + num(mag_h) + "x" + num(mag_v) + " \"" + text + "\"";
    }
    return s;
}

}  // namespace platform
