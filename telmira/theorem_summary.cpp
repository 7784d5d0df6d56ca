// Screen ⑤: the inscribed angle theorem and its semicircle case, written
// over the right-hand part of the page.
#include "telmira.h"

namespace {

struct SummaryLine {
    const char* text;
    float indent;  // 0 for a heading, 16 for a statement
    float gap;     // down from the line before
    float colour;
};

const SummaryLine kSummary[] = {
    {"1 円周角の定理", 0, 0, 5},
    {"①１つの弧に対する円周角の大きさは、", 16, 50, 0},
    {"　その弧に対する中心角の半分である。", 16, 50, 0},
    {"②同じ弧に対する円周角の大きさは等しい。", 16, 70, 0},
    {"2　半円の弧に対する円周角", 0, 60, 5},
    {"①半円の弧に対する円周角は、直角である。", 16, 50, 0},
};

}  // namespace

void Telmira::THEOREM_SUMMARY() {
    SETUP_ANGLE_FIGURE();  // only its frame is used here
    rt.fill_box(GX1, GY1 - 150, GX2 + 300, GY2 + 50, 15, 15);
    XI1 = 560;
    YI1 = 30;
    for (const SummaryLine& line : kSummary) {
        paragraph_text(XI1 + line.indent, YI1 + line.gap, line.colour, cp932::from_utf8(line.text));
    }
}
