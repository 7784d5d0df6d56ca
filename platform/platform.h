// The graphics, text and keyboard runtime that the toolkit draws with: plain
// drawing verbs on the 1440 x 900 page, the font state, a queue of keys, the
// clock and a random generator. It shows the page in a window, or runs
// headless with keys from a script; every drawing call can be traced.
#pragma once

#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "draw_op.h"
#include "runtime.h"

namespace platform {

using basic::Where;

// Key codes as the keyboard delivers them.
constexpr char kEnter = 13;
constexpr char kBackspace = 8;
constexpr char kClearKey = 12;   // the Delete key: clears a number entry
constexpr char kRight = 28;
constexpr char kLeft = 29;
constexpr char kUp = 30;
constexpr char kDown = 31;
constexpr char kTab = 9;
// Every other key that types no character (function keys, Home, End, Page
// Up and Down, Insert ...): it ends a key wait, and the number entry and the
// arrow-key figure pass it over.
constexpr char kOtherKey = 127;

// Thrown when the window is closed or the key script has run out: the
// program ends at once, wherever it is waiting.
struct ProgramEnd {};

struct Options {
    std::string title;
    bool headless = false;
    std::string keys;        // the key script, escapes already resolved
    std::string shot;        // PNG of the page when the program ends
    std::string frames_dir;  // a numbered PNG each time a key is read
    std::string trace_file;  // every drawing call, one line each
    bool keep_trace = false; // keep the trace in memory for tests
    bool antialias = true;
    std::string clock;       // "HH:MM:SS" the clock reads, for a run that can be replayed; empty: the real time
};

class Window;
class Canvas;

class Platform {
public:
    using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

    explicit Platform(Options options);
    ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // Drawing. Colours are palette numbers 0..15; arc ranges are fractions
    // of a turn growing clockwise on screen from +x, through 0 when the end
    // is smaller; 0 and 0 is the whole circle.
    void clear();
    void segment(float x1, float y1, float x2, float y2, int color, const Where& w = Where::current());
    void box(float x1, float y1, float x2, float y2, int color, const Where& w = Where::current());
    void fill_box(float x1, float y1, float x2, float y2, int border, int fill, const Where& w = Where::current());
    void circle(float cx, float cy, float r, int color, const Where& w = Where::current());
    void arc(float cx, float cy, float r, int color, float start, float end, const Where& w = Where::current());
    void disc(float cx, float cy, float r, int border, int fill, const Where& w = Where::current());
    void sector(float cx, float cy, float r, int border, int fill, float start, float end,
                const Where& w = Where::current());
    // Points as x, y pairs. A closed outline repeats its first point.
    void polyline(const std::vector<float>& xy, int color, const Where& w = Where::current());
    void polygon(const std::vector<float>& xy, int border, int fill, const Where& w = Where::current());
    // A code page 932 text with its top left at (x, y), in the current font.
    void text(float x, float y, const std::string& sjis, int color, float mag_h = 1.0f, float mag_v = 1.0f,
              const Where& w = Where::current());

    void set_line_width(float width) { width_ = width; }
    float line_width() const { return width_; }

    // The font of later texts; the face by its code page 932 name.
    void set_font_name(const std::string& sjis);
    void set_font_size(float size) { font_.size = size; }
    void set_font_bold(bool on) { font_.bold = on; }
    void set_font_italic(bool on) { font_.italic = on; }
    const FontState& font() const { return font_; }

    void set_map_mode(int mode) { map_mode_ = mode; }
    void maximize_window();

    // The next waiting key as a one-character text, or empty. Never blocks
    // the program for long; throws ProgramEnd when the window was closed or
    // the script has run out.
    std::string poll_key();
    int keys_read() const { return keys_read_; }
    // Headless: appends keys to the script, as if typed ahead.
    void push_keys(const std::string& keys) { script_ += keys; }

    // "HH:MM:SS" of the local time, and the random generator. Tests replace
    // the clock by assigning it.
    std::function<std::string()> clock;
    void randomize(int seed);
    float rnd();

    // The trace kept in memory (Options::keep_trace).
    const std::vector<DrawOp>& trace() const { return trace_; }
    void clear_trace() { trace_.clear(); }

    // The colour of the page at a point (tests look at pixels with it).
    struct Pixel {
        int r, g, b;
    };
    Pixel pixel(float x, float y) const;

    // Writes the final PNG (Options::shot), if one was asked for. Throws
    // std::runtime_error naming the file when a picture or the trace cannot
    // be written; so do the constructor and poll_key (Options::frames_dir).
    void finish();
    bool headless() const { return options_.headless; }
    const Options& options() const { return options_; }

private:
    void emit(DrawOp op, const Where& where);
    int checked_color(int color, const Where& where) const;
    void write_frame();
    // Window mode: what changed since the page was last shown, in page units.
    void mark_dirty(float x1, float y1, float x2, float y2);
    void present();

    Options options_;
    std::unique_ptr<Canvas> canvas_;
    std::unique_ptr<Window> window_;
    FontState font_;
    float width_ = 1.0f;
    int map_mode_ = 0;
    std::string script_;
    std::deque<char> queued_;  // keys the window delivered, not yet read
    bool dirty_ = false;       // drawn since the window last showed the page
    float dirty_x1_ = 0, dirty_y1_ = 0, dirty_x2_ = 0, dirty_y2_ = 0;
    std::size_t script_pos_ = 0;
    int keys_read_ = 0;
    int frame_number_ = 0;
    bool idle_ = false;  // the last poll found no key
    std::vector<DrawOp> trace_;
    std::vector<DrawOp> page_ops_;  // what is on the page since the last clear
    bool page_ops_complete_ = true; // page_ops_ holds every call since then
    File trace_out_{nullptr, &std::fclose};
    File shot_out_{nullptr, &std::fclose};  // opened at the start, so that a bad name fails at once
    std::mt19937 rng_;
};

}  // namespace platform
