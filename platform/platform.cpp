#include "platform.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <stdexcept>

#include "canvas.h"
#include "cp932.h"
#include "window.h"

namespace platform {
namespace {

// How long an idle poll waits for the window's events: short enough to react
// to a key at once (an event ends the wait), long enough that a program
// polling in a loop uses almost no processor and a flickering mark is seen
// as a steady blink.
constexpr int kIdleWaitMs = 250;

// Drawing calls kept for redrawing the page at a new window size.
constexpr std::size_t kMaxPageOps = 20000;

std::string local_clock() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[16];
    std::strftime(buf, sizeof buf, "%H:%M:%S", &tm);
    return buf;
}

float turn_fraction(float f) { return f - std::floor(f); }

// A picture or trace that cannot be written ends the run with a message: a
// run that lost its output must not look like one that succeeded.
[[noreturn]] void cannot_write(const char* what, const std::string& path) {
    throw std::runtime_error(std::string("cannot write ") + what + " " + path);
}

Platform::File open_output(const char* what, const std::string& path) {
    Platform::File file{std::fopen(path.c_str(), "wb"), &std::fclose};
    if (!file) cannot_write(what, path);
    return file;
}

}  // namespace

Platform::Platform(Options options) : options_(std::move(options)), script_(options_.keys) {
    if (options_.clock.empty()) clock = local_clock;
    else clock = [fixed = options_.clock] { return fixed; };
    canvas_ = std::make_unique<Canvas>(1.0, options_.antialias);
    if (!options_.headless) {
        window_ = std::make_unique<Window>(options_.title);
        canvas_->resize(window_->fitting_scale());
    }
    if (!options_.trace_file.empty()) trace_out_ = open_output("the trace file", options_.trace_file);
    if (!options_.shot.empty()) shot_out_ = open_output("the picture", options_.shot);
}

Platform::~Platform() = default;

int Platform::checked_color(int color, const Where& where) const {
    if (color < 0 || color > 15) basic::fail(basic::kIllegalCall, where);
    return color;
}

void Platform::emit(DrawOp op, const Where& where) {
    for (float f : op.v) basic::finite(f, where);
    op.width = width_;
    float x1, y1, x2, y2;
    if (!op_bounds(op, x1, y1, x2, y2)) return;
    // Whatever lies wholly off the page (texts are measured by drawing them
    // far below it) never shows and is no part of the trace.
    if (x2 < 0 || y2 < 0 || x1 > kPageWidth || y1 > kPageHeight) return;
    canvas_->draw(op);
    if (options_.keep_trace) trace_.push_back(op);
    if (trace_out_) std::fprintf(trace_out_.get(), "%s\n", op.str().c_str());
    if (!window_) return;
    bool covers_page = op.kind == OpKind::Clear ||
                       (op.kind == OpKind::FillBox && x1 <= 0 && y1 <= 0 && x2 >= kPageWidth && y2 >= kPageHeight);
    if (covers_page) {
        page_ops_.clear();
        page_ops_complete_ = true;
    }
    // A page drawn on for a long time without being cleared (the arrow-key
    // figure redrawn again and again) would keep every call: past a limit
    // the list is dropped, and a resize scales the picture instead.
    if (page_ops_.size() >= kMaxPageOps) {
        page_ops_.clear();
        page_ops_complete_ = false;
    }
    if (page_ops_complete_) page_ops_.push_back(std::move(op));
    mark_dirty(x1, y1, x2, y2);
    if (idle_) {
        // A program that draws right after finding no key is animating
        // (the number entry's blinking dot): show this state for a moment.
        idle_ = false;
        present();
        if (!window_->pump(queued_, kIdleWaitMs)) throw ProgramEnd{};
    }
}

void Platform::mark_dirty(float x1, float y1, float x2, float y2) {
    if (!dirty_) {
        dirty_x1_ = x1; dirty_y1_ = y1; dirty_x2_ = x2; dirty_y2_ = y2;
    } else {
        dirty_x1_ = std::min(dirty_x1_, x1); dirty_y1_ = std::min(dirty_y1_, y1);
        dirty_x2_ = std::max(dirty_x2_, x2); dirty_y2_ = std::max(dirty_y2_, y2);
    }
    dirty_ = true;
}

void Platform::present() {
    if (!dirty_) return;
    window_->present(*canvas_, dirty_x1_, dirty_y1_, dirty_x2_, dirty_y2_);
    dirty_ = false;
}

void Platform::clear() {
    DrawOp op;
    op.kind = OpKind::Clear;
    emit(std::move(op), Where::current());
}

void Platform::segment(float x1, float y1, float x2, float y2, int color, const Where& w) {
    DrawOp op;
    op.kind = OpKind::Segment;
    op.v = {x1, y1, x2, y2};
    op.color = checked_color(color, w);
    emit(std::move(op), w);
}

void Platform::box(float x1, float y1, float x2, float y2, int color, const Where& w) {
    DrawOp op;
    op.kind = OpKind::Box;
    op.v = {x1, y1, x2, y2};
    op.color = checked_color(color, w);
    emit(std::move(op), w);
}

void Platform::fill_box(float x1, float y1, float x2, float y2, int border, int fill, const Where& w) {
    DrawOp op;
    op.kind = OpKind::FillBox;
    op.v = {x1, y1, x2, y2};
    op.color = checked_color(border, w);
    op.fill = checked_color(fill, w);
    emit(std::move(op), w);
}

void Platform::circle(float cx, float cy, float r, int color, const Where& w) {
    arc(cx, cy, r, color, 0.0f, 0.0f, w);
}

void Platform::arc(float cx, float cy, float r, int color, float start, float end, const Where& w) {
    sector(cx, cy, r, color, -1, start, end, w);
}

void Platform::disc(float cx, float cy, float r, int border, int fill, const Where& w) {
    sector(cx, cy, r, border, fill, 0.0f, 0.0f, w);
}

void Platform::sector(float cx, float cy, float r, int border, int fill, float start, float end, const Where& w) {
    DrawOp op;
    op.color = checked_color(border, w);
    op.fill = fill < 0 ? -1 : checked_color(fill, w);
    basic::finite(start, w);
    basic::finite(end, w);
    if (basic::finite(r, w) <= 0.0f) return;
    // Only a range given as 0 and 0 is the whole circle; any other pair that
    // is equal modulo a turn (1 and 1: two arms pointing the same way) is empty.
    bool whole = start == 0.0f && end == 0.0f;
    start = turn_fraction(start);
    end = turn_fraction(end);
    if (!whole && start == end) return;
    if (whole) {
        op.kind = fill < 0 ? OpKind::Circle : OpKind::Disc;
        op.v = {cx, cy, r};
    } else {
        op.kind = fill < 0 ? OpKind::Arc : OpKind::Sector;
        op.v = {cx, cy, r, start, end};
    }
    emit(std::move(op), w);
}

void Platform::polyline(const std::vector<float>& xy, int color, const Where& w) {
    DrawOp op;
    op.kind = OpKind::Polyline;
    op.v = xy;
    op.color = checked_color(color, w);
    emit(std::move(op), w);
}

void Platform::polygon(const std::vector<float>& xy, int border, int fill, const Where& w) {
    DrawOp op;
    op.kind = OpKind::Polygon;
    op.v = xy;
    op.color = checked_color(border, w);
    op.fill = checked_color(fill, w);
    emit(std::move(op), w);
}

void Platform::text(float x, float y, const std::string& sjis, int color, float mag_h, float mag_v, const Where& w) {
    if (sjis.empty()) return;
    DrawOp op;
    op.kind = OpKind::Text;
    op.v = {x, y};
    op.color = checked_color(color, w);
    op.font = font_;
    op.mag_h = basic::finite(mag_h, w);
    op.mag_v = basic::finite(mag_v, w);
    op.text = cp932::to_utf8(sjis);
    emit(std::move(op), w);
}

void Platform::set_font_name(const std::string& sjis) { font_.face = cp932::to_utf8(sjis); }

void Platform::maximize_window() {
    if (window_) window_->maximize();
}

std::string Platform::poll_key() {
    if (!window_) {
        if (script_pos_ >= script_.size()) throw ProgramEnd{};
        char key = script_[script_pos_++];
        ++keys_read_;
        write_frame();
        return std::string(1, key);
    }
    if (!window_->pump(queued_, 0)) throw ProgramEnd{};
    if (window_->take_resized()) {
        if (page_ops_complete_) {
            canvas_->resize(window_->fitting_scale());
            for (const DrawOp& op : page_ops_) canvas_->draw(op);
        } else {
            canvas_->resize_keeping_picture(window_->fitting_scale());
        }
        mark_dirty(0, 0, kPageWidth, kPageHeight);
    }
    if (queued_.empty()) {
        present();
        if (!window_->pump(queued_, kIdleWaitMs)) throw ProgramEnd{};
    }
    if (queued_.empty()) {
        idle_ = true;
        return {};
    }
    idle_ = false;
    char key = queued_.front();
    queued_.pop_front();
    ++keys_read_;
    write_frame();
    return std::string(1, key);
}

void Platform::write_frame() {
    if (options_.frames_dir.empty()) return;
    char name[32];
    std::snprintf(name, sizeof name, "/%05d.png", ++frame_number_);
    const std::string path = options_.frames_dir + name;
    if (!canvas_->write_png(path)) cannot_write("the picture", path);
}

void Platform::randomize(int seed) { rng_.seed(static_cast<unsigned>(seed)); }

float Platform::rnd() {
    float r = std::generate_canonical<float, 24>(rng_);
    return r < 1.0f ? r : 0.0f;
}

Platform::Pixel Platform::pixel(float x, float y) const {
    cairo_surface_t* s = canvas_->surface();
    cairo_surface_flush(s);
    int px = static_cast<int>(x * canvas_->scale()), py = static_cast<int>(y * canvas_->scale());
    if (px < 0 || py < 0 || px >= canvas_->pixel_width() || py >= canvas_->pixel_height()) return {-1, -1, -1};
    const unsigned char* row = cairo_image_surface_get_data(s) + py * cairo_image_surface_get_stride(s);
    std::uint32_t v;
    std::memcpy(&v, row + px * 4, 4);
    return {static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF)};
}

void Platform::finish() {
    if (window_) present();
    if (shot_out_) {
        if (!canvas_->write_png(shot_out_.get()) || std::fclose(shot_out_.release()) != 0)
            cannot_write("the picture", options_.shot);
    }
    if (trace_out_ && (std::fflush(trace_out_.get()) != 0 || std::ferror(trace_out_.get())))
        cannot_write("the trace file", options_.trace_file);
}

}  // namespace platform
