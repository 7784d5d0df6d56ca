#include "key_script.h"

#include <stdexcept>

namespace platform {
namespace {

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string parse_key_script(std::string_view s) {
    std::string keys;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 >= s.size()) {
            keys += s[i];
            continue;
        }
        char e = s[++i];
        switch (e) {
            case 'r':
            case 'n': keys += '\r'; break;
            case 'b': keys += '\b'; break;
            case 'f': keys += '\f'; break;
            case '\\': keys += '\\'; break;
            case 'x': {
                int hi = i + 1 < s.size() ? hex_digit(s[i + 1]) : -1;
                int lo = i + 2 < s.size() ? hex_digit(s[i + 2]) : -1;
                if (hi < 0 || lo < 0) throw std::invalid_argument("key script: \\x needs two hex digits");
                keys += static_cast<char>(hi * 16 + lo);
                i += 2;
                break;
            }
            default: keys += '\\'; keys += e; break;
        }
    }
    return keys;
}

}  // namespace platform
