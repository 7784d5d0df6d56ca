#include "cp932.h"

#include <iconv.h>

#include <array>
#include <stdexcept>
#include <unordered_map>

#include "utf8.h"

namespace cp932 {
namespace {

// Both directions of the double-byte table, built once from the C library's
// converter so that no table has to be carried in the sources.
struct Tables {
    std::array<char32_t, 65536> to_unicode{};
    std::unordered_map<char32_t, unsigned> from_unicode;

    Tables() {
        iconv_t cd = iconv_open("UTF-32LE", "CP932");
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("the C library has no CP932 converter");
        for (unsigned code = 0; code < 65536; ++code) {
            char in[2];
            std::size_t in_len;
            if (code < 256) {
                in[0] = static_cast<char>(code);
                in_len = 1;
                if (is_lead_byte(static_cast<unsigned char>(code))) continue;
            } else {
                if (!is_lead_byte(static_cast<unsigned char>(code >> 8))) continue;
                in[0] = static_cast<char>(code >> 8);
                in[1] = static_cast<char>(code & 0xFF);
                in_len = 2;
            }
            char32_t out = 0;
            char* ip = in;
            char* op = reinterpret_cast<char*>(&out);
            std::size_t il = in_len, ol = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &ip, &il, &op, &ol) == static_cast<std::size_t>(-1) || ol != 0) continue;
            to_unicode[code] = out;
            from_unicode.emplace(out, code);  // the first code wins over later duplicates
        }
        iconv_close(cd);
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

// Byte offset of character number `index` (0-based), or s.size().
std::size_t offset_of_char(std::string_view s, long index) {
    std::size_t at = 0;
    for (long i = 0; i < index && at < s.size(); ++i) at += char_bytes(s, at);
    return at;
}

}  // namespace

bool is_lead_byte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

std::size_t char_bytes(std::string_view s, std::size_t at) {
    if (at + 1 < s.size() && is_lead_byte(static_cast<unsigned char>(s[at]))) return 2;
    return 1;
}

std::string from_utf8(std::string_view u) {
    const Tables& t = tables();
    std::string out;
    for (std::size_t i = 0; i < u.size();) {
        char32_t c = utf8::next_code_point(u, i);
        if (c < 0x80) { out += static_cast<char>(c); continue; }
        auto it = t.from_unicode.find(c);
        if (it == t.from_unicode.end()) { out += '?'; continue; }
        if (it->second > 0xFF) out += static_cast<char>(it->second >> 8);
        out += static_cast<char>(it->second & 0xFF);
    }
    return out;
}

char32_t code_point_at(std::string_view s, std::size_t at) {
    unsigned char b = static_cast<unsigned char>(s[at]);
    unsigned code = b;
    if (char_bytes(s, at) == 2) code = (b << 8) | static_cast<unsigned char>(s[at + 1]);
    char32_t c = tables().to_unicode[code];
    if (c == 0 && code != 0) c = U'?';
    return c;
}

std::string to_utf8(std::string_view s) {
    std::string out;
    for (std::size_t at = 0; at < s.size(); at += char_bytes(s, at)) utf8::append(out, code_point_at(s, at));
    return out;
}

std::size_t klen(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t at = 0; at < s.size(); at += char_bytes(s, at)) ++n;
    return n;
}

std::string kmid(std::string_view s, long start, long count) {
    if (start < 1) start = 1;
    std::size_t from = offset_of_char(s, start - 1);
    if (count < 0) return std::string(s.substr(from));
    std::size_t to = from + offset_of_char(s.substr(from), count);
    return std::string(s.substr(from, to - from));
}

std::string kleft(std::string_view s, long count) { return count <= 0 ? std::string() : kmid(s, 1, count); }

std::string kright(std::string_view s, long count) {
    long n = static_cast<long>(klen(s));
    if (count <= 0) return {};
    if (count >= n) return std::string(s);
    return kmid(s, n - count + 1);
}

long kinstr(std::string_view s, std::string_view needle, long start) {
    if (start < 1) start = 1;
    long index = 1;
    for (std::size_t at = 0; at < s.size(); at += char_bytes(s, at), ++index) {
        if (index < start) continue;
        if (s.substr(at, needle.size()) == needle) return index;
    }
    return 0;
}

std::string mid(std::string_view s, long start, long count) {
    if (start < 1) start = 1;
    if (static_cast<std::size_t>(start - 1) >= s.size()) return {};
    if (count < 0) return std::string(s.substr(start - 1));
    return std::string(s.substr(start - 1, count));
}

std::string left(std::string_view s, long count) { return count <= 0 ? std::string() : std::string(s.substr(0, count)); }

std::string right(std::string_view s, long count) {
    if (count <= 0) return {};
    if (static_cast<std::size_t>(count) >= s.size()) return std::string(s);
    return std::string(s.substr(s.size() - count));
}

long instr(std::string_view s, std::string_view needle, long start) {
    if (start < 1) start = 1;
    if (static_cast<std::size_t>(start - 1) > s.size()) return 0;
    std::size_t p = s.find(needle, start - 1);
    return p == std::string_view::npos ? 0 : static_cast<long>(p) + 1;
}

}  // namespace cp932

std::string operator""_sj(const char* utf8, std::size_t len) { return cp932::from_utf8(std::string_view(utf8, len)); }
