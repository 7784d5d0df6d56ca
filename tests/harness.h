// Shared test helpers: a toolkit without lessons, and headless runs of the
// programs driven by key scripts.
#pragma once

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform.h"
#include "toolkit.h"

namespace harness {

// A key script of `keys` `n` times over.
inline std::string repeat(const std::string& keys, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += keys;
    return s;
}

// A toolkit whose main menu does nothing, started up, on a headless page
// that keeps its trace. Keys can be queued with rt.push_keys().
struct Kit : Toolkit {
    using Toolkit::Toolkit;
    void MAIN_MENU() override {}
};

inline platform::Options headless_options(const std::string& keys = {}) {
    platform::Options o;
    o.headless = true;
    o.keep_trace = true;
    o.antialias = false;
    o.keys = keys;
    return o;
}

// A program (the bare toolkit, or a lesson program) started up on a headless
// page, its trace cleared after start-up.
template <class Program>
struct StartedProgram {
    platform::Platform rt{headless_options()};
    Program kit{rt, "Telmira"_sj};
    StartedProgram() {
        rt.clock = [] { return std::string("10:20:30"); };
        kit.START_UP();
        rt.clear_trace();
    }
};

using KitFixture = StartedProgram<Kit>;

// The trace lines whose text (UTF-8) contains `utf8`.
inline std::vector<platform::DrawOp> texts_containing(const std::vector<platform::DrawOp>& trace,
                                                      const std::string& utf8) {
    std::vector<platform::DrawOp> out;
    for (const auto& op : trace)
        if (op.kind == platform::OpKind::Text && op.text.find(utf8) != std::string::npos) out.push_back(op);
    return out;
}

// The trace, one line a call, for comparing line by line.
inline std::vector<std::string> trace_lines(const std::vector<platform::DrawOp>& trace) {
    std::vector<std::string> lines;
    for (const auto& op : trace) lines.push_back(op.str());
    return lines;
}

// The whole trace as text, one call a line, for searching.
inline std::string trace_text(const std::vector<platform::DrawOp>& trace) {
    std::string s;
    for (const auto& op : trace) s += op.str() + "\n";
    return s;
}

// Calls `count` for every count of a counted loop from `first` to `last`
// as single additions of 1 give them, up to where adding 1 no longer
// changes the count; returns where the counter stands afterwards.
template <class Count>
float for_each_count(float first, float last, Count count) {
    float c = first;
    do {
        count(c);
        if (c + 1 == c) return c;
        c = c + 1;
    } while (c <= last);
    return c;
}

// The trace line of a segment.
inline std::string segment_line(float x1, float y1, float x2, float y2, int color, float width) {
    platform::DrawOp op;
    op.kind = platform::OpKind::Segment;
    op.v = {x1, y1, x2, y2};
    op.color = color;
    op.width = width;
    return op.str();
}

// The trace line of a segment, or nothing when it lies wholly off the page
// (with its width) and so never reaches the trace.
inline std::optional<std::string> segment_on_page(float x1, float y1, float x2, float y2, int color, float width) {
    const float pad = width / 2;
    if (std::max(x1, x2) + pad < 0 || std::max(y1, y2) + pad < 0 || std::min(x1, x2) - pad > 1440 ||
        std::min(y1, y2) - pad > 900)
        return std::nullopt;
    return segment_line(x1, y1, x2, y2, color, width);
}

struct RunResult {
    int status = -1;
    int keys_read = 0;
    std::vector<platform::DrawOp> trace;
};

// Runs a program headless on a key script (escapes already resolved) to
// its end: the script running out, or the end entry of its main menu.
template <class Program>
RunResult run_program(const std::string& keys, const std::string& title_utf8) {
    platform::Platform rt{headless_options(keys)};
    rt.clock = [] { return std::string("10:20:30"); };
    Program program(rt, cp932::from_utf8(title_utf8));
    RunResult r;
    r.status = program.run();
    r.keys_read = rt.keys_read();
    r.trace = rt.trace();
    return r;
}

}  // namespace harness
