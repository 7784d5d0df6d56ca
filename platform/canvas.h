// Draws DrawOps into a Cairo image surface of the 1440 x 900 logical page,
// at any scale. Fonts are looked up through fontconfig by family name.
#pragma once

#include <cairo.h>

#include <cstdio>
#include <string>

#include "draw_op.h"

namespace platform {

constexpr float kPageWidth = 1440.0f;
constexpr float kPageHeight = 900.0f;
// The glyph's baseline lies this fraction of its box height below the top:
// the Gothic face's ascent, so that its em square fills the box exactly (a
// kanji's ink runs from 6 % to 95 % of the box height).
constexpr double kBaseline = 0.88;

// Width of one character's box at size 1 and magnification 1: a full-width
// character is a square, a half-width one half as wide.
double char_box_width(char32_t c);

// The page-space bounding box of an op; false when the op draws nothing.
bool op_bounds(const DrawOp& op, float& x1, float& y1, float& x2, float& y2);

class Canvas {
public:
    Canvas(double scale, bool antialias);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void draw(const DrawOp& op);
    // Starts over at a new scale with a white page.
    void resize(double scale);
    // Starts over at a new scale with the present picture scaled onto it.
    void resize_keeping_picture(double scale);
    bool write_png(const std::string& path) const;
    bool write_png(std::FILE* out) const;

    cairo_surface_t* surface() const { return surface_; }
    double scale() const { return scale_; }
    int pixel_width() const;
    int pixel_height() const;

private:
    void make_surface();
    void set_color(int palette_index);
    void stroke_and_fill(const DrawOp& op);
    // `widen`: extra stroke width in page units, for erasing shapes.
    void draw_shape(const DrawOp& op, double widen);
    void draw_round(const DrawOp& op, double line_width);
    void draw_text(const DrawOp& op);

    double scale_;
    bool antialias_;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
};

}  // namespace platform
