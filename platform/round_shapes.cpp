#include "round_shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "canvas.h"

namespace platform {
namespace {

constexpr double kTurn = 2.0 * std::numbers::pi;
// Nearer than this to the page, a centre and a radius cut down to cover the
// page stay well inside cairo's range at any window scale.
constexpr double kFarCentre = 1e4;
// The largest gap between an arc and the chords that stand for it.
constexpr double kTolerance = 0.01;
// More chords than any arc across the page needs.
constexpr double kMaxChords = 4096;

double distance_to_page(double x, double y) {
    return std::hypot(std::max({-x, 0.0, x - kPageWidth}), std::max({-y, 0.0, y - kPageHeight}));
}

double distance_to_farthest_corner(double x, double y) {
    return std::hypot(std::max(x, kPageWidth - x), std::max(y, kPageHeight - y));
}

bool far_centre(const RoundShape& s) { return distance_to_page(s.cx, s.cy) > kFarCentre; }

// A filled shape of any larger radius covers the page as this one does, and
// its rim lies off the page.
double covering_radius(const RoundShape& s, double half_width) {
    return std::min(s.r, distance_to_farthest_corner(s.cx, s.cy) + half_width + 1.0);
}

void add_arc_path(cairo_t* cr, const RoundShape& s, double radius) {
    if (s.to_centre) cairo_move_to(cr, s.cx, s.cy);
    cairo_arc(cr, s.cx, s.cy, radius, s.whole ? 0.0 : s.a1, s.whole ? kTurn : s.a2);
    if (s.whole || s.to_centre) cairo_close_path(cr);
}

// A far centre sees the page, with the stroke around it, within a circle of
// radius `reach` about the page's middle, under the angles phi - beta to
// phi + beta. Points are reckoned from the page's middle, so that they stay
// exact however far off the centre is.
struct FarView {
    double ux, uy;  // unit vector from the centre towards the page's middle
    double d, reach, beta, phi;

    FarView(const RoundShape& s, double half_width) {
        const double mx = kPageWidth / 2, my = kPageHeight / 2;
        d = std::hypot(mx - s.cx, my - s.cy);
        ux = (mx - s.cx) / d;
        uy = (my - s.cy) / d;
        reach = std::hypot(mx, my) + half_width + 2.0;
        beta = std::asin(std::min(1.0, reach / d));
        phi = std::atan2(uy, ux);
    }

    // The point at `radius` from the centre, `s` radians past phi.
    void point(double radius, double s, double& x, double& y) const {
        const double half = std::sin(s / 2);
        const double along = (radius - d) - 2.0 * radius * half * half;
        const double across = radius * std::sin(s);
        x = kPageWidth / 2 + along * ux - across * uy;
        y = kPageHeight / 2 + along * uy + across * ux;
    }

    // The radii between which the page lies.
    double inner() const { return std::max(d - reach, 0.0); }
    double outer() const { return d + reach; }
};

// A part of the shape's angular range within the view, in radians past phi;
// `end1`, `end2`: the part ends where the shape ends, not where the view does.
struct Span {
    double s1, s2;
    bool end1, end2;
};

std::vector<Span> spans_in_view(const RoundShape& s, const FarView& v) {
    if (s.whole) return {{-v.beta, v.beta, false, false}};
    const double sweep = s.a2 < s.a1 ? s.a2 + kTurn - s.a1 : s.a2 - s.a1;
    const double r1 = std::remainder(s.a1 - v.phi, kTurn), r2 = r1 + sweep;
    std::vector<Span> spans;
    for (double turn : {0.0, kTurn}) {
        const double lo = std::max(r1, turn - v.beta), hi = std::min(r2, turn + v.beta);
        if (lo < hi) spans.push_back({lo - turn, hi - turn, lo == r1, hi == r2});
    }
    return spans;
}

void add_point(cairo_t* cr, const FarView& v, double radius, double s, bool move) {
    double x, y;
    v.point(radius, s, x, y);
    if (move) cairo_move_to(cr, x, y);
    else cairo_line_to(cr, x, y);
}

// Chords along the arc at `radius` from s1 to s2, starting with a move when
// `move` is set, else joined to the path so far.
void add_chords(cairo_t* cr, const FarView& v, double radius, double s1, double s2, bool move) {
    const double step = std::sqrt(8.0 * kTolerance / radius);
    const int n = static_cast<int>(std::clamp(std::ceil(std::abs(s2 - s1) / step), 1.0, kMaxChords));
    for (int i = 0; i <= n; ++i) add_point(cr, v, radius, s1 + (s2 - s1) * i / n, i == 0 && move);
}

}  // namespace

RoundShape round_shape(const DrawOp& op) {
    RoundShape s{op.v[0], op.v[1], op.v[2]};
    s.filled = op.fill >= 0;
    if ((op.kind == OpKind::Arc || op.kind == OpKind::Sector) && (op.v[3] != 0.0f || op.v[4] != 0.0f)) {
        s.whole = false;
        s.a1 = op.v[3] * kTurn;
        s.a2 = op.v[4] * kTurn;
        s.to_centre = op.kind == OpKind::Sector;
    }
    return s;
}

bool reaches_page(const RoundShape& s, double half_width) {
    if (s.r + half_width < distance_to_page(s.cx, s.cy)) return false;
    return s.filled || s.r - half_width <= distance_to_farthest_corner(s.cx, s.cy);
}

void add_fill_path(cairo_t* cr, const RoundShape& s, double half_width) {
    if (!far_centre(s)) {
        add_arc_path(cr, s, covering_radius(s, half_width));
        return;
    }
    const FarView v(s, half_width);
    const double rim = std::min(s.r, v.outer());
    for (const Span& span : spans_in_view(s, v)) {
        add_chords(cr, v, rim, span.s1, span.s2, true);
        add_chords(cr, v, v.inner(), span.s2, span.s1, false);
        cairo_close_path(cr);
    }
}

void add_stroke_path(cairo_t* cr, const RoundShape& s, double half_width) {
    if (!far_centre(s)) {
        add_arc_path(cr, s, s.filled ? covering_radius(s, half_width) : s.r);
        return;
    }
    // Only the shape's own edges are stroked, never where the view cuts it.
    const FarView v(s, half_width);
    const double rim = s.filled ? std::min(s.r, v.outer()) : s.r;
    for (const Span& span : spans_in_view(s, v)) {
        const bool edge1 = s.to_centre && span.end1, edge2 = s.to_centre && span.end2;
        if (edge1) add_point(cr, v, v.inner(), span.s1, true);
        add_chords(cr, v, rim, span.s1, span.s2, !edge1);
        if (edge2) add_point(cr, v, v.inner(), span.s2, false);
    }
}

}  // namespace platform
