// Screen ② of section 3: the answers of question 1 on page 170 of the
// textbook. The question and its figures are in the pupil's book.
#include "telmira.h"

namespace {

struct AnswerLine {
    const char* part;    // colour 0
    const char* answer;  // colour 5, right after the part number
};

const AnswerLine kAnswers[] = {
    {"(1) ", "∠x=50°"},
    {"(2) ", "∠x=40°"},
    {"(3) ", "∠x=240°"},
};

}  // namespace

void Telmira::TEXTBOOK_ANSWERS() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 3, "教科書P170 問1 解答"_sj);

    // One line every 60 units.
    for (const AnswerLine& line : kAnswers) {
        paragraph_text(XI1, YI1 + 60, 0, cp932::from_utf8(line.part));
        paragraph_text(XI2, YI1, 5, cp932::from_utf8(line.answer));
    }
}
