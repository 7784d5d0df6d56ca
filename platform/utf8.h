// UTF-8 one code point at a time: source literals and drawn glyphs are UTF-8,
// the programs' own texts code page 932.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace utf8 {

// The code point that starts at byte offset i; i moves past it. A sequence
// cut short by the end of the text keeps the bits it has.
char32_t next_code_point(std::string_view s, std::size_t& i);

// Appends c in its UTF-8 form.
void append(std::string& out, char32_t c);

}  // namespace utf8
