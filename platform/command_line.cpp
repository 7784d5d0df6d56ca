#include "command_line.h"

#include <stdexcept>

#include "key_script.h"

namespace platform {

const char* const kUsage =
    "usage: PROGRAM [--headless] [--keys TEXT] [--shot FILE] [--frames DIR] [--trace FILE] [--no-antialias]\n"
    "               [--clock HH:MM:SS]\n"
    "  --headless      no window; keys come from --keys, and the program ends when they run out\n"
    "  --keys TEXT     key script: \\r or \\n Enter, \\b Backspace, \\f code 12, \\xHH any code\n"
    "                  (arrows \\x1c right, \\x1d left, \\x1e up, \\x1f down), \\\\ a backslash\n"
    "  --shot FILE     write a PNG of the page when the program ends\n"
    "  --frames DIR    write DIR/00001.png ... each time a key is read\n"
    "  --trace FILE    write every drawing call, one line each\n"
    "  --clock HH:MM:SS  the time the clock reads (the random problems are seeded from it)\n";

namespace {

// Two digits each, as the clock gives them: 00:00:00 to 23:59:59.
bool is_clock_text(const std::string& t) {
    if (t.size() != 8 || t[2] != ':' || t[5] != ':') return false;
    for (int i : {0, 1, 3, 4, 6, 7})
        if (t[i] < '0' || t[i] > '9') return false;
    return t.substr(0, 2) <= "23" && t[3] <= '5' && t[6] <= '5';
}

}  // namespace

std::string parse_command_line(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string& out) -> bool {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string v;
        if (a == "--headless") options.headless = true;
        else if (a == "--no-antialias") options.antialias = false;
        else if (a == "--keys") {
            if (!value(v)) return a + " needs a value";
            try {
                options.keys = parse_key_script(v);
            } catch (const std::invalid_argument& e) {
                return e.what();
            }
        } else if (a == "--shot") {
            if (!value(options.shot) || options.shot.empty()) return a + " needs a file name";
        } else if (a == "--frames") {
            if (!value(options.frames_dir) || options.frames_dir.empty()) return a + " needs a directory name";
        } else if (a == "--clock") {
            if (!value(options.clock) || !is_clock_text(options.clock)) return a + " needs a time HH:MM:SS";
        } else if (a == "--trace") {
            if (!value(options.trace_file) || options.trace_file.empty()) return a + " needs a file name";
        } else {
            return "unknown argument " + a;
        }
    }
    return {};
}

}  // namespace platform
