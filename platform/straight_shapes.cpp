#include "straight_shapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "canvas.h"

namespace platform {
namespace {

// Wider than any line the lessons stroke, so a cut edge never shows.
constexpr double kMargin = 1024;
constexpr double kLeft = -kMargin, kTop = -kMargin;
constexpr double kRight = kPageWidth + kMargin, kBottom = kPageHeight + kMargin;

struct Point {
    double x, y;
};

bool inside_frame(const Point& p) { return p.x >= kLeft && p.x <= kRight && p.y >= kTop && p.y <= kBottom; }

// The part of the segment a-b inside the frame (Liang-Barsky); false when
// none of it is.
bool clip_segment(Point& a, Point& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t0 = 0, t1 = 1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - kLeft, kRight - a.x, a.y - kTop, kBottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const Point from = a;
    a = {from.x + t0 * dx, from.y + t0 * dy};
    b = {from.x + t1 * dx, from.y + t1 * dy};
    return true;
}

// The polygon cut to the frame (Sutherland-Hodgman), one edge of the frame
// at a time; the new edges run along the frame, off the page.
std::vector<Point> clip_polygon(std::vector<Point> poly) {
    struct Edge {
        bool (*keeps)(const Point&);
        Point (*cross)(const Point&, const Point&);
    };
    const Edge edges[] = {
        {[](const Point& p) { return p.x >= kLeft; },
         [](const Point& a, const Point& b) { return Point{kLeft, a.y + (b.y - a.y) * (kLeft - a.x) / (b.x - a.x)}; }},
        {[](const Point& p) { return p.x <= kRight; },
         [](const Point& a, const Point& b) { return Point{kRight, a.y + (b.y - a.y) * (kRight - a.x) / (b.x - a.x)}; }},
        {[](const Point& p) { return p.y >= kTop; },
         [](const Point& a, const Point& b) { return Point{a.x + (b.x - a.x) * (kTop - a.y) / (b.y - a.y), kTop}; }},
        {[](const Point& p) { return p.y <= kBottom; },
         [](const Point& a, const Point& b) { return Point{a.x + (b.x - a.x) * (kBottom - a.y) / (b.y - a.y), kBottom}; }},
    };
    for (const Edge& e : edges) {
        std::vector<Point> out;
        for (std::size_t i = 0; i < poly.size(); ++i) {
            const Point& a = poly[(i + poly.size() - 1) % poly.size()];
            const Point& b = poly[i];
            if (e.keeps(b)) {
                if (!e.keeps(a)) out.push_back(e.cross(a, b));
                out.push_back(b);
            } else if (e.keeps(a)) {
                out.push_back(e.cross(a, b));
            }
        }
        poly = std::move(out);
    }
    return poly;
}

std::vector<Point> points_of(const DrawOp& op) {
    std::vector<Point> points;
    for (std::size_t i = 0; i + 1 < op.v.size(); i += 2) points.push_back({op.v[i], op.v[i + 1]});
    return points;
}

// An open line: each piece cut to the frame, pieces that still meet joined.
void add_open_path(cairo_t* cr, const std::vector<Point>& points) {
    if (points.size() == 1 && inside_frame(points[0])) cairo_move_to(cr, points[0].x, points[0].y);
    bool joined = false;
    for (std::size_t i = 1; i < points.size(); ++i) {
        Point a = points[i - 1], b = points[i];
        if (!clip_segment(a, b)) {
            joined = false;
            continue;
        }
        if (!joined || a.x != points[i - 1].x || a.y != points[i - 1].y) cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        joined = b.x == points[i].x && b.y == points[i].y;
    }
}

void add_closed_path(cairo_t* cr, const std::vector<Point>& points) {
    const bool all_inside = std::all_of(points.begin(), points.end(), inside_frame);
    const std::vector<Point> poly = all_inside ? points : clip_polygon(points);
    for (std::size_t i = 0; i < poly.size(); ++i) {
        if (i == 0) cairo_move_to(cr, poly[i].x, poly[i].y);
        else cairo_line_to(cr, poly[i].x, poly[i].y);
    }
    if (!poly.empty()) cairo_close_path(cr);
}

}  // namespace

void add_straight_path(cairo_t* cr, const DrawOp& op) {
    const auto& v = op.v;
    switch (op.kind) {
        case OpKind::Segment:
            add_open_path(cr, {{v[0], v[1]}, {v[2], v[3]}});
            return;
        case OpKind::Box:
        case OpKind::FillBox: {
            const double x1 = std::min(v[0], v[2]), x2 = std::max(v[0], v[2]);
            const double y1 = std::min(v[1], v[3]), y2 = std::max(v[1], v[3]);
            add_closed_path(cr, {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}});
            return;
        }
        case OpKind::Polyline:
            add_open_path(cr, points_of(op));
            return;
        case OpKind::Polygon:
            add_closed_path(cr, points_of(op));
            return;
        default:
            return;
    }
}

}  // namespace platform
