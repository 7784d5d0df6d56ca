// Writes a random key script for a headless run, the same for the same seed:
// menu choices (plain, fractions, zero denominators, huge numbers, blanks,
// corrected entries) each followed by any-key padding (letters, arrows,
// Backspace, code 12, odd bytes). The padding never holds a key that types
// into a number entry, so it only steps through key waits and moves the
// arrow-key figure; the menu choices walk into sections and back out.
//
//   random_keys SEED KEYS END
//
// KEYS is the least number of keys; END is the main menu's end entry, which
// no choice amounts to, so a run keeps going until its keys run out (a
// section menu takes END and a bit, as END.2, to its nearest entry).
// The script is printed in the --keys escapes, with no quote character, so
// it can be pasted between single quotes.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "runtime.h"

namespace {

class Keys {
public:
    Keys(std::uint32_t seed, int end) : rng_(seed), end_(end) {}

    // 0 to n-1; the modulo keeps the sequence the same on every standard library.
    int below(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    std::string digits(int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += static_cast<char>('0' + below(10));
        return s;
    }
    std::string number(int from, int to) { return std::to_string(from + below(to - from + 1)); }
    // A menu entry from `from` to `to`; the main menu's end entry is written
    // with a small fraction, which the main menu refuses and a section menu
    // takes to that entry.
    std::string entry(int from, int to) {
        const int n = from + below(to - from + 1);
        return n == end_ ? std::to_string(n) + "." + std::to_string(1 + below(4)) : std::to_string(n);
    }

    // A key that no number entry takes: letters and signs outside "-" to "9",
    // arrows, Backspace, code 12 and odd bytes.
    char padding_key() {
        static const std::string signs = " !\"#$%&'()*+,:;<=>?@[\\]^_`{|}~";
        const int kind = below(100);
        if (kind < 45) return static_cast<char>((chance(50) ? 'a' : 'A') + below(26));
        if (kind < 55) return signs[below(static_cast<int>(signs.size()))];
        if (kind < 80) return static_cast<char>(0x1c + below(4));
        if (kind < 84) return chance(50) ? '\b' : '\f';
        if (kind < 92) {
            char c = static_cast<char>(below(32));
            return c == '\r' ? '\0' : c;
        }
        return static_cast<char>(0x7f + below(129));
    }

    std::string padding() {
        const int kind = below(100);
        const int n = kind < 25 ? below(4) : kind < 85 ? 4 + below(27) : 31 + below(60);
        std::string s;
        for (int i = 0; i < n; ++i) s += padding_key();
        return s;
    }

    // The typed part of a menu choice, without its Enter.
    std::string choice() {
        const int kind = below(100);
        if (kind < 60) return entry(1, 10);
        if (kind < 67) return entry(0, 13);
        if (kind < 73) {  // a fraction, often one that names an entry
            const int b = 1 + below(4);
            return (chance(60) ? std::to_string((1 + below(10)) * b) : number(0, 40)) + "/" + std::to_string(b);
        }
        if (kind < 77) {  // a zero or missing denominator
            static const char* const forms[] = {"/", "/0", "0/0", "3/", "10/0", "//"};
            return below(2) ? forms[below(6)] : number(1, 13) + "/0";
        }
        if (kind < 81) {  // too long or too large for a menu
            static const char* const forms[] = {"99999/99999", "-99999999", "999999999", "9999/.001"};
            return below(2) ? forms[below(4)] : digits(6 + below(8));
        }
        if (kind < 87) {  // decimals and signs
            static const char* const forms[] = {".", "-", "-.", ".5", "-0", "0.0"};
            return below(2) ? forms[below(6)] : number(-3, 12) + "." + digits(1 + below(2));
        }
        if (kind < 92) return "";
        if (kind < 96) {  // a wrong start cleared by Backspace or code 12
            return digits(1 + below(3)) + (chance(50) ? "\b" : "\f") + entry(1, 10);
        }
        // a key that is no digit inside the number
        return entry(1, 9) + padding_key() + std::to_string(below(10));
    }

private:
    std::mt19937 rng_;
    int end_;
};

// The value a number entry makes of the keys from `from` on, as the toolkit
// reads it: Backspace and code 12 clear the entry, so does any key once ten
// characters stand in it (Enter included), only "-" to "9" are typed, and
// "a/b" is a divided by b (0 when b is 0). `open` tells the entry is still
// waiting when the keys run out.
struct Entry {
    float value = 0;
    bool open = true;
};

Entry read_entry(const std::string& keys, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < keys.size(); ++i) {
        const char k = keys[i];
        if (k == '\b' || k == '\f' || text.size() > 9) {
            text.clear();
        } else if (k == '\r') {
            const std::size_t slash = text.find('/');
            if (slash == std::string::npos) return {basic::VAL(text), false};
            const float d = basic::VAL(text.substr(slash + 1));
            const float v = d == 0 ? 0 : basic::VAL(text.substr(0, slash)) / d;
            return {std::isfinite(v) ? v : 0.0f, false};
        } else if (k >= '-' && k <= '9') {
            text += k;
        }
    }
    return {};
}

// A choice with its Enter, such that neither it nor any tail of it (a key
// wait may take its first keys) ends the program or leaves an entry open.
std::string safe_choice(Keys& keys, int end) {
    for (;;) {
        std::string s = keys.choice() + "\r";
        bool safe = true;
        for (std::size_t from = 0; from < s.size() && safe; ++from) {
            Entry e = read_entry(s, from);
            // An Enter that cleared a full entry leaves it waiting: one more closes it empty.
            while (e.open) {
                s += "\r";
                e = read_entry(s, from);
            }
            safe = e.value != static_cast<float>(end);
        }
        if (safe) return s;
    }
}

std::string escaped(const std::string& keys) {
    std::string out;
    for (char k : keys) {
        const unsigned char c = static_cast<unsigned char>(k);
        if (k == '\r') out += "\\r";
        else if (k == '\b') out += "\\b";
        else if (k == '\f') out += "\\f";
        else if (k == '\\') out += "\\\\";
        else if (c >= 0x20 && c < 0x7f && k != '\'') out += k;
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: random_keys SEED KEYS END\n");
        return 64;
    }
    const int end = std::atoi(argv[3]);
    Keys keys(static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)), end);
    const std::size_t least = std::strtoul(argv[2], nullptr, 10);
    std::string script;
    while (script.size() < least) {
        script += safe_choice(keys, end);
        script += keys.padding();
    }
    std::printf("%s\n", escaped(script).c_str());
    return 0;
}
