// Screen ③ of section 3: a worked example from one random inscribed angle
// APB. The pupil names the central angle x on Q's side, the reflex angle y,
// the angle z at Q and the sum of the opposite angles P and Q; the answers
// fill the blanks one key at a time.
#include "telmira.h"

namespace {

struct QuestionLine {
    const char* text;         // colour 0
    const char* placeholder;  // in the blank, colour 5
};

const QuestionLine kQuestions[] = {
    {"∠x=", "①"},
    {"∠y=", "②"},
    {"∠z=", "③"},
    {"∠P+∠Q=", "④"},
};

}  // namespace

void Telmira::make_random_example() {
    T_A(1) = basic::INT(30 * rt.rnd() + 40);
    T_A(2) = 2 * T_A(1);
    T_A(3) = 360 - T_A(2);
    T_A(4) = T_A(3) / 2;
    T_A(11) = 200;
    T_A(12) = T_A(11) + T_A(2);
    T_A(13) = 180 + T_A(11) + T_A(2) / 2;
    T_A(14) = T_A(2) / 2 + T_A(11);

    VALUES_TO_TEXTS();
    for (float k = 1; k <= 4; k = k + 1) T_S_A(k) = T_S_A(k) + "°"_sj;
}

void Telmira::RANDOM_EXAMPLE() {
    AINP = 3;  // anything but 1: the first example always comes

    while (AINP != 1) {
        rt.fill_box(0, 0, 1760, 1800, 15, 15);
        make_random_example();

        start_using_angles_figure(540);
        // The figures of section 1 share these step and angle values.
        DH = 10;
        DHP = 290;
        DHB = 110;
        place_using_angles_points();
        draw_circle_with_chords(11, 12, 13, 15);

        // The given angle at P, and P's name beyond it.
        set_angle_points(15, 13, 12);
        NAGASA = 50;
        HONSU = 0;
        ITI = -1;
        CCC1 = 5;
        CCC2 = 0;
        CCC3 = 7;
        AAA_S = T_S_A(1);
        AAAY = 10;
        DRAW_ANGLE_MARK();
        NAGASA = 8;
        ITI = 1;
        CCC1 = 0;
        AAA_S = "P"_sj;
        LABEL_ANGLE();

        // x on Q's side of the centre, y on P's, and O's name.
        set_angle_points(11, 12, 13);
        NAGASA = 50;
        HONSU = 0;
        ITI = 1;
        CCC1 = 5;
        CCC2 = 0;
        CCC3 = 3;
        AAA_S = "x"_sj;
        DRAW_ANGLE_MARK();
        NAGASA = 50;
        HONSU = 0;
        ITI = -1;
        CCC1 = 5;
        CCC2 = 0;
        CCC3 = 9;
        AAA_S = "y"_sj;
        AAAY = -10;
        DRAW_ANGLE_MARK();
        label_point(11, 12, 15, "O"_sj);

        // The chords to Q, the angle z and Q's name.
        rt.segment(X_A(16), Y_A(16), X_A(12), Y_A(12), 0);
        rt.segment(X_A(16), Y_A(16), X_A(13), Y_A(13), 0);
        set_angle_points(16, 13, 12);
        NAGASA = 50;
        HONSU = 0;
        ITI = 1;
        CCC1 = 5;
        CCC2 = 0;
        CCC3 = 7;
        AAA_S = "z"_sj;
        AAAY = -10;
        DRAW_ANGLE_MARK();
        label_point(16, 13, 12, "Q"_sj);

        // The question and its four blanks, 90 units apart.
        XI1 = 72;
        YI1 = 60;
        paragraph_text(XI1, YI1, 0, "問　①～④をいいなさい。"_sj);
        set_using_angles_cells();
        float k = 1;
        for (const QuestionLine& line : kQuestions) {
            paragraph_text(XI1, YI1 + 90, 0, cp932::from_utf8(line.text));
            X = X + 10;
            R_A(k) = X;
            H_A(k) = Y;
            CCC1 = 5;
            HABA = 180;
            A_S = cp932::from_utf8(line.placeholder);
            DRAW_CELL_ON_LINE();
            YI1 = Y;
            XI2 = X;
            k = k + 1;
        }

        WAIT_ANY_KEY();
        // The answers, one blank at a time.
        set_using_angles_cells();
        auto answer = [this](float blank, const std::string& text) {
            X = R_A(blank);
            Y = H_A(blank);
            CCC1 = 5;
            HABA = 180;
            A_S = text;
            DRAW_CELL_ON_LINE();
        };
        answer(1, T_S_A(2));

        WAIT_ANY_KEY();
        answer(2, T_S_A(3));

        WAIT_ANY_KEY();
        answer(3, T_S_A(4));

        WAIT_ANY_KEY();
        answer(4, "180°"_sj);

        // Only 1 goes back to the menu; any other number, a new example.
        ASK_NEXT_STEP();
    }
}
