#include "command_line.h"

#include <stdexcept>

#include "key_script.h"

namespace platform {

const char* const kUsage =
    "usage: PROGRAM [--headless] [--keys TEXT] [--shot FILE] [--frames DIR] [--trace FILE] [--no-antialias]\n"
    "  --headless      no window; keys come from --keys, and the program ends when they run out\n"
    "  --keys TEXT     key script: \\r or \\n Enter, \\b Backspace, \\f code 12, \\xHH any code\n"
    "                  (arrows \\x1c right, \\x1d left, \\x1e up, \\x1f down), \\\\ a backslash\n"
    "  --shot FILE     write a PNG of the page when the program ends\n"
    "  --frames DIR    write DIR/00001.png ... each time a key is read\n"
    "  --trace FILE    write every drawing call, one line each\n";

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
            if (!value(options.shot)) return a + " needs a value";
        } else if (a == "--frames") {
            if (!value(options.frames_dir)) return a + " needs a value";
        } else if (a == "--trace") {
            if (!value(options.trace_file)) return a + " needs a value";
        } else {
            return "unknown argument " + a;
        }
    }
    return {};
}

}  // namespace platform
