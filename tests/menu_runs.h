// Reading a whole-program trace by section menu: the key-wait boxes, the
// section's menu line, and the drawing of each menu choice.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness.h"
#include "platform.h"

namespace menu_runs {

using platform::DrawOp;
using platform::OpKind;

inline bool is_box(const DrawOp& op, float x1, float y1, float x2, float y2) {
    return op.kind == OpKind::FillBox && op.v == std::vector<float>{x1, y1, x2, y2} && op.color == 13 && op.fill == 4;
}
// "何かキーを押して下さい。"
inline bool is_key_wait(const DrawOp& op) { return is_box(op, 96, 657, 400, 693); }

// The page cleared white before a screen draws.
inline bool is_page_clear(const DrawOp& op) {
    return op.kind == OpKind::FillBox && op.v == std::vector<float>{0, 0, 1760, 1800} && op.fill == 15;
}
// An answer blank: a cell bordered in colour 3, filled with 13.
inline bool is_blank_cell(const DrawOp& op) { return op.kind == OpKind::FillBox && op.color == 3 && op.fill == 13; }

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

// A run that ended well, having read `keys_read` keys, cut at each asking
// of the section's menu line.
inline std::vector<std::vector<DrawOp>> choices_of_run(const harness::RunResult& r, int keys_read) {
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.keys_read, keys_read);
    return per_menu_choice(r.trace);
}

// Whether a drawing starts inside a box given as {x1, y1, x2, y2}.
inline bool starts_inside(const DrawOp& op, const std::vector<float>& box) {
    return op.v[0] >= box[0] && op.v[0] < box[2] && op.v[1] >= box[1] && op.v[1] < box[3];
}

inline int count_if(const std::vector<DrawOp>& ops, bool (*pred)(const DrawOp&)) {
    int n = 0;
    for (const DrawOp& op : ops) n += pred(op);
    return n;
}

// Walks a tour of visits over the per-menu-choice chunks of its run: each
// visit's screen is drawn in the chunk of its last asking (a visit that is
// asked again after answers out of range spans `menu_lines` askings). Checks
// the key waits of each, hands the visit and its asking count to `check` for
// what else the caller asserts, and returns the askings the tour used.
template <class Visit, class Check>
std::size_t check_tour(const std::vector<std::vector<DrawOp>>& chunks, const std::vector<Visit>& visits,
                       Check check) {
    std::size_t k = 0;
    for (const Visit& visit : visits) {
        SCOPED_TRACE(visit.what);
        k += visit.menu_lines;
        if (k > chunks.size()) {
            ADD_FAILURE() << "the run asked the menu line only " << chunks.size() << " times";
            return k;
        }
        EXPECT_EQ(count_if(chunks[k - 1], is_key_wait), visit.key_waits);
        check(visit, k);
    }
    return k;
}

}  // namespace menu_runs
