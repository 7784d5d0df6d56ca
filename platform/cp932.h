// Code page 932 (Shift-JIS) text: every text of the programs is a byte string
// in this encoding. Character-wise operations count a double-byte character
// as one; byte-wise ones count bytes. Positions are 1-based, as the lessons
// count them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cp932 {

// True when b starts a double-byte character.
bool is_lead_byte(unsigned char b);

// Byte length of the character that starts at byte offset `at`; a lone lead
// byte at the end of the text counts as a one-byte character.
std::size_t char_bytes(std::string_view s, std::size_t at);

// Converts UTF-8 source text to code page 932; a character that has no
// code page 932 form becomes "?".
std::string from_utf8(std::string_view utf8);
// Converts code page 932 to UTF-8 (used only where a glyph is drawn or a
// trace is written).
std::string to_utf8(std::string_view sjis);
// The Unicode code point of the character at byte offset `at`.
char32_t code_point_at(std::string_view sjis, std::size_t at);

// Character-wise operations.
std::size_t klen(std::string_view s);
std::string kmid(std::string_view s, long start, long count = -1);
std::string kleft(std::string_view s, long count);
std::string kright(std::string_view s, long count);
// Character position (from 1) of `needle` in `s`, searching from character
// `start`; 0 when absent.
long kinstr(std::string_view s, std::string_view needle, long start = 1);

// Byte-wise operations.
std::string mid(std::string_view s, long start, long count = -1);
std::string left(std::string_view s, long count);
std::string right(std::string_view s, long count);
long instr(std::string_view s, std::string_view needle, long start = 1);

}  // namespace cp932

// A UTF-8 literal converted to code page 932: "何かキーを押して下さい。"_sj.
std::string operator""_sj(const char* utf8, std::size_t len);
