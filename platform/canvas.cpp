#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "font_fallback.h"
#include "palette.h"
#include "round_shapes.h"
#include "straight_shapes.h"
#include "utf8.h"

namespace platform {
namespace {

constexpr double kTurn = 2.0 * std::numbers::pi;

// How a face fills the box of a glyph: its em is the box scaled by em_x and
// em_y, its baseline lies `baseline` box heights below the top.
struct FaceChoice {
    const char* family;
    bool script_l;  // draws "l" as the script small l
    double em_x, em_y, baseline;
    // The face has no bold of its own: bold strokes the outline, by a share
    // of the box's smaller side so that magnified, narrow glyphs stay clear.
    bool stroked_bold = false;
};

// The Gothic face also draws every character that another face lacks.
constexpr FaceChoice kGothic = {"IPAGothic", false, 1.0, 1.0, kBaseline, true};

FaceChoice choose_face(const std::string& face) {
    // The italic letters come at size 8 with large magnifications and raised
    // well above the line: shrunk into their advance and lowered below their
    // box they sit on the Gothic line (baseline 0.88 of a 48-high box) and
    // on a fraction part's line, with an x-height about 0.6 of the digits'.
    if (face == "Times New Roman") return {"Liberation Serif", false, 0.58, 0.9, 1.125};
    // The script l, narrowed to stay within its 32-unit advance.
    if (face == "MT Extra") return {"DejaVu Sans", true, 0.7, 1.0, kBaseline};
    return kGothic;  // "ゴシック", "ｺﾞｼｯｸ" and anything unknown
}

void set_font_matrix(cairo_t* cr, const FaceChoice& face, double sx, double sy) {
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, sx * face.em_x, sy * face.em_y);
    cairo_set_font_matrix(cr, &m);
}

// The width of the outline stroke that makes the face bold; 0 for none.
double bold_stroke(const FaceChoice& face, const FontState& font, double sx, double sy) {
    return font.bold && face.stroked_bold ? 0.045 * std::min(sx, sy) : 0.0;
}

void show_glyph(cairo_t* cr, const std::string& glyph, double x, double baseline, double stroke) {
    cairo_move_to(cr, x, baseline);
    if (stroke > 0) {
        cairo_set_line_width(cr, stroke);
        cairo_text_path(cr, glyph.c_str());
        cairo_fill_preserve(cr);
        cairo_stroke(cr);
    } else {
        cairo_show_text(cr, glyph.c_str());
    }
}

}  // namespace

double char_box_width(char32_t c) {
    bool half = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
    return half ? 0.5 : 1.0;
}

bool op_bounds(const DrawOp& op, float& x1, float& y1, float& x2, float& y2) {
    const auto& v = op.v;
    float pad = op.width / 2.0f;
    switch (op.kind) {
        case OpKind::Clear: x1 = 0; y1 = 0; x2 = kPageWidth; y2 = kPageHeight; return true;
        case OpKind::Segment:
        case OpKind::Box:
        case OpKind::FillBox:
            x1 = std::min(v[0], v[2]) - pad; x2 = std::max(v[0], v[2]) + pad;
            y1 = std::min(v[1], v[3]) - pad; y2 = std::max(v[1], v[3]) + pad;
            return true;
        case OpKind::Circle:
        case OpKind::Arc:
        case OpKind::Disc:
        case OpKind::Sector:
            x1 = v[0] - v[2] - pad; x2 = v[0] + v[2] + pad;
            y1 = v[1] - v[2] - pad; y2 = v[1] + v[2] + pad;
            return true;
        case OpKind::Polyline:
        case OpKind::Polygon: {
            if (v.size() < 2) return false;
            x1 = x2 = v[0]; y1 = y2 = v[1];
            for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
                x1 = std::min(x1, v[i]); x2 = std::max(x2, v[i]);
                y1 = std::min(y1, v[i + 1]); y2 = std::max(y2, v[i + 1]);
            }
            x1 -= pad; y1 -= pad; x2 += pad; y2 += pad;
            return true;
        }
        case OpKind::Text: {
            double w = 0;
            for (std::size_t i = 0; i < op.text.size();) w += char_box_width(utf8::next_code_point(op.text, i));
            x1 = v[0]; y1 = v[1];
            x2 = v[0] + static_cast<float>(w * op.font.size * op.mag_h);
            y2 = v[1] + op.font.size * op.mag_v;
            return !op.text.empty();
        }
    }
    return false;
}

Canvas::Canvas(double scale, bool antialias) : scale_(scale), antialias_(antialias) { make_surface(); }

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

int Canvas::pixel_width() const { return static_cast<int>(std::lround(kPageWidth * scale_)); }
int Canvas::pixel_height() const { return static_cast<int>(std::lround(kPageHeight * scale_)); }

void Canvas::make_surface() {
    if (cr_) cairo_destroy(cr_);
    if (surface_) cairo_surface_destroy(surface_);
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, pixel_width(), pixel_height());
    cr_ = cairo_create(surface_);
    cairo_scale(cr_, scale_, scale_);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    if (!antialias_) cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_antialias(fo, antialias_ ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr_, fo);
    cairo_font_options_destroy(fo);
    DrawOp clear;
    draw(clear);
}

void Canvas::resize(double scale) {
    scale_ = scale;
    make_surface();
}

void Canvas::resize_keeping_picture(double scale) {
    cairo_surface_t* old = cairo_surface_reference(surface_);
    const double old_scale = scale_;
    resize(scale);
    cairo_save(cr_);
    cairo_identity_matrix(cr_);
    cairo_scale(cr_, scale_ / old_scale, scale_ / old_scale);
    cairo_set_source_surface(cr_, old, 0, 0);
    cairo_paint(cr_);
    cairo_restore(cr_);
    cairo_surface_destroy(old);
}

void Canvas::set_color(int i) {
    const Rgb& c = kPalette[static_cast<std::size_t>(std::clamp(i, 0, 15))];
    cairo_set_source_rgb(cr_, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void Canvas::stroke_and_fill(const DrawOp& op) {
    if (op.fill >= 0) {
        set_color(op.fill);
        cairo_fill_preserve(cr_);
    }
    set_color(op.color);
    cairo_stroke(cr_);
}

void Canvas::draw(const DrawOp& op) {
    // The lessons erase by drawing the same shape again in the page colour.
    // With antialiasing that would leave a faint fringe, so an erasing shape
    // is drawn without it and one device pixel wider on every side. Texts in
    // the page colour are left alone: they are mostly white writing on a
    // coloured board, which must keep its shape.
    const bool erasing = antialias_ && op.kind != OpKind::Clear && op.kind != OpKind::Text && op.color == 15 &&
                         (op.fill < 0 || op.fill == 15);
    if (erasing) {
        cairo_save(cr_);
        cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    }
    draw_shape(op, erasing ? 2.0 / scale_ : 0.0);
    if (erasing) cairo_restore(cr_);
}

void Canvas::draw_shape(const DrawOp& op, double widen) {
    cairo_new_path(cr_);
    cairo_set_line_width(cr_, std::max(op.width, 0.5f) + widen);
    switch (op.kind) {
        case OpKind::Clear:
            set_color(15);
            cairo_paint(cr_);
            return;
        case OpKind::Segment:
            add_straight_path(cr_, op);
            set_color(op.color);
            cairo_stroke(cr_);
            return;
        case OpKind::Box:
        case OpKind::FillBox:
        case OpKind::Polyline:
        case OpKind::Polygon:
            add_straight_path(cr_, op);
            stroke_and_fill(op);
            return;
        case OpKind::Circle:
        case OpKind::Arc:
        case OpKind::Disc:
        case OpKind::Sector:
            draw_round(op, std::max(op.width, 0.5f) + widen);
            return;
        case OpKind::Text:
            draw_text(op);
            return;
    }
}

void Canvas::draw_round(const DrawOp& op, double line_width) {
    const RoundShape shape = round_shape(op);
    const double half_width = line_width / 2;
    if (!reaches_page(shape, half_width)) return;
    if (shape.whole && shape.r < half_width) {
        // The stroke reaches over the centre, where cairo would leave a hole
        // and draw a ring: the whole circle it covers is drawn solid.
        cairo_arc(cr_, shape.cx, shape.cy, shape.r + half_width, 0, kTurn);
        set_color(op.color);
        cairo_fill(cr_);
        return;
    }
    if (shape.filled) {
        add_fill_path(cr_, shape, half_width);
        set_color(op.fill);
        cairo_fill(cr_);
    }
    add_stroke_path(cr_, shape, half_width);
    set_color(op.color);
    cairo_stroke(cr_);
}

void Canvas::draw_text(const DrawOp& op) {
    const FaceChoice face = choose_face(op.font.face);
    const double sx = op.font.size * op.mag_h, sy = op.font.size * op.mag_v;
    const double stroke = bold_stroke(face, op.font, sx, sy);
    cairo_select_font_face(cr_, face.family, op.font.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           op.font.bold && stroke == 0 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    set_font_matrix(cr_, face, sx, sy);
    set_color(op.color);
    double x = op.v[0];
    for (std::size_t i = 0; i < op.text.size();) {
        char32_t c = utf8::next_code_point(op.text, i);
        char32_t shown = (face.script_l && c == U'l') ? U'\u2113' : c;
        std::string glyph;
        utf8::append(glyph, shown);
        cairo_font_face_t* other =
            has_glyph(cr_, glyph) ? nullptr : fallback_face(face.family, kGothic.family, op.font.italic, shown);
        if (other) {
            // Drawn as the Gothic face draws it, filling its box.
            cairo_save(cr_);
            cairo_set_font_face(cr_, other);
            set_font_matrix(cr_, kGothic, sx, sy);
            show_glyph(cr_, glyph, x, op.v[1] + kGothic.baseline * sy, bold_stroke(kGothic, op.font, sx, sy));
            cairo_restore(cr_);
        } else {
            show_glyph(cr_, glyph, x, op.v[1] + face.baseline * sy, stroke);
        }
        x += char_box_width(c) * sx;
    }
}

bool Canvas::write_png(const std::string& path) const {
    cairo_surface_flush(surface_);
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

bool Canvas::write_png(std::FILE* out) const {
    cairo_surface_flush(surface_);
    auto write = [](void* file, const unsigned char* data, unsigned length) {
        return std::fwrite(data, 1, length, static_cast<std::FILE*>(file)) == length ? CAIRO_STATUS_SUCCESS
                                                                                     : CAIRO_STATUS_WRITE_ERROR;
    };
    return cairo_surface_write_to_png_stream(surface_, write, out) == CAIRO_STATUS_SUCCESS;
}

}  // namespace platform
