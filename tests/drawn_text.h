// What the formula-text renderer (or the plain text drawer) draws for a text at a place, taken from a
// toolkit of its own: routines that place formula texts are checked by
// comparing their trace with these lines, so the checks hold whatever the
// renderer's glyph advances are.
#pragma once

#include <string>
#include <vector>

#include "harness.h"

namespace harness {

// The trace lines of DRAW_TEXT for `sjis` with its top left at (x, y) in
// colour c and line width w.
inline std::vector<std::string> drawn_text(float x, float y, const std::string& sjis, float c, float w = 3) {
    KitFixture ref;
    ref.rt.set_line_width(w);
    ref.kit.X = x;
    ref.kit.Y = y;
    ref.kit.CCC1 = c;
    ref.kit.AA_S = sjis;
    ref.kit.DRAW_TEXT();
    return trace_lines(ref.rt.trace());
}

// The same for the plain text drawer, from a font face (UTF-8).
inline std::vector<std::string> drawn_plain_text(float x, float y, const std::string& sjis, float c,
                                                 const std::string& face = "ｺﾞｼｯｸ", float w = 3) {
    KitFixture ref;
    ref.rt.set_line_width(w);
    ref.rt.set_font_name(cp932::from_utf8(face));
    ref.kit.X = x;
    ref.kit.Y = y;
    ref.kit.CCC1 = c;
    ref.kit.AA_S = sjis;
    ref.kit.DRAW_PLAIN_TEXT();
    return trace_lines(ref.rt.trace());
}

inline void append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

}  // namespace harness
