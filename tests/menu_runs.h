// Reading a whole-program trace by section menu: the key-wait boxes, the
// section's menu line, and the drawing of each menu choice.
#pragma once

#include <string>
#include <vector>

#include "platform.h"

namespace menu_runs {

using platform::DrawOp;
using platform::OpKind;

inline bool is_box(const DrawOp& op, float x1, float y1, float x2, float y2) {
    return op.kind == OpKind::FillBox && op.v == std::vector<float>{x1, y1, x2, y2} && op.color == 13 && op.fill == 4;
}
// "何かキーを押して下さい。"
inline bool is_key_wait(const DrawOp& op) { return is_box(op, 96, 657, 400, 693); }

// A section's menu line starts with "①" at the left of the Bottom strip
// (after the 16-unit blank of a leading space where it has one).
inline bool is_menu_line(const DrawOp& op) {
    return op.kind == OpKind::Text && (op.v[0] == 16 || op.v[0] == 32) && op.v[1] == 666 &&
           op.text.rfind("①", 0) == 0;
}

// Every text of the trace in drawing order, run together, so that a text
// drawn a piece at a time can be found whole.
inline std::string page_texts(const std::vector<DrawOp>& trace) {
    std::string s;
    for (const DrawOp& op : trace)
        if (op.kind == OpKind::Text) s += op.text;
    return s;
}

// The trace cut at each asking of the section's menu line: chunk k holds what
// the choice made at the k-th asking drew.
inline std::vector<std::vector<DrawOp>> per_menu_choice(const std::vector<DrawOp>& trace) {
    std::vector<std::vector<DrawOp>> chunks;
    for (const DrawOp& op : trace) {
        if (is_menu_line(op)) chunks.emplace_back();
        if (!chunks.empty()) chunks.back().push_back(op);
    }
    return chunks;
}

inline int count_if(const std::vector<DrawOp>& ops, bool (*pred)(const DrawOp&)) {
    int n = 0;
    for (const DrawOp& op : ops) n += pred(op);
    return n;
}

}  // namespace menu_runs
