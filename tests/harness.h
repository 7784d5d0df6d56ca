// Shared test helpers: a toolkit without lessons, and headless runs of the
// programs driven by key scripts.
#pragma once

#include <memory>
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
