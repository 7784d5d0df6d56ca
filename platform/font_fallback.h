// Fonts for the characters a face lacks. fontconfig orders the installed
// fonts for the face's family, followed by the Gothic family, and the first
// font of that order that has a character draws it; so a character missing
// from the italic or script face comes from the Gothic face, never as an
// empty box.
#pragma once

#include <cairo.h>

#include <string>

namespace platform {

// True when the font selected on `cr` has the character (UTF-8, one code
// point).
bool has_glyph(cairo_t* cr, const std::string& utf8);

// The first font in the fallback order of `family` (then `fallback_family`)
// that has `c`, in the given slant and at regular weight; nullptr when no
// installed font has it. The faces live as long as the program.
cairo_font_face_t* fallback_face(const std::string& family, const std::string& fallback_family, bool italic,
                                 char32_t c);

}  // namespace platform
