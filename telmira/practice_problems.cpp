// Screen ① of section 3: practice problems on circle O, one after another
// in a cycle of eight types, each with a random inscribed angle. The pupil
// works the angle x out, sees it in the blank after a key, and types 1 at
// the next-step prompt to stop.
#include "telmira.h"

void Telmira::make_practice_problem() {
    // A whole number from 40 to 69.
    T_A(1) = basic::INT(rt.rnd() * 30 + 40);
    T_A(2) = 2 * T_A(1);
    T_A(11) = 200;
    T_A(12) = T_A(11) + T_A(2);

    // Where P (and Q) go: the angle APB is T(1) in every type.
    if (NO == 1 || NO == 2) {
        // the middle of the arc from B round to A: O inside the angle
        T_A(13) = 180 + T_A(11) + T_A(2) / 2;
    } else if (NO == 3 || NO == 4) {
        T_A(13) = T_A(11) - T_A(2) / 2;
        T_A(14) = T_A(12) + T_A(2) / 2;
    } else if (NO == 5 || NO == 6) {
        // close to A: O outside the angle
        T_A(13) = T_A(11) - T_A(2) / 4;
    } else if (NO == 7 || NO == 8) {
        // an obtuse inscribed angle on a reflex central angle; P in the
        // middle of the short arc from B to A
        T_A(1) = T_A(1) + 90;
        T_A(2) = 2 * T_A(1);
        T_A(12) = T_A(11) + T_A(2);
        T_A(13) = T_A(11) + T_A(2) / 2 - 180;
    }

    VALUES_TO_TEXTS();
    T_S_A(2) = T_S_A(2) + "°"_sj;
    T_S_A(1) = T_S_A(1) + "°"_sj;

    // The labels at P, O (and Q), and the answer: odd types ask for the
    // inscribed angle, even ones give it; 3 and 4 ask for one inscribed angle
    // from the other on the same arc.
    const std::string x = "x"_sj;
    auto labels = [this](const std::string& at_p, const std::string& at_o, const std::string& answer) {
        F_S_A(1) = at_p;
        F_S_A(2) = at_o;
        F_S_A(4) = answer;
    };
    if (NO == 1 || NO == 5 || NO == 7) {
        labels(x, T_S_A(2), T_S_A(1));
    } else if (NO == 2 || NO == 6 || NO == 8) {
        labels(T_S_A(1), x, T_S_A(2));
    } else if (NO == 3) {
        labels(x, "", T_S_A(1));
        F_S_A(3) = T_S_A(1);
    } else if (NO == 4) {
        labels(T_S_A(1), "", T_S_A(1));
        F_S_A(3) = x;
    }
}

void Telmira::PRACTICE_PROBLEMS() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    AINP = 3;  // anything but 1: the first problem always comes
    NO = 1;

    while (AINP != 1) {
        rt.fill_box(0, 0, 1760, 1800, 15, 15);
        if (NO == 9) NO = 1;
        make_practice_problem();

        start_using_angles_figure(432);
        place_using_angles_points();
        draw_circle_with_chords(11, 12, 13, 15);

        // The angle at P and its name on the other side of the vertex; the
        // label's colour is left from the names before.
        set_angle_points(15, 13, 12);
        CCC2 = 0;
        CCC3 = 5;
        NAGASA = 50;
        HONSU = 0;
        ITI = -1;
        AAA_S = F_S_A(1);
        AAAY = 10;
        DRAW_ANGLE_MARK();
        CCC1 = 0;
        NAGASA = 8;
        ITI = 1;
        AAA_S = "P"_sj;
        LABEL_ANGLE();

        // The central angle on the side away from P, and O's name.
        set_angle_points(11, 12, 13);
        CCC2 = 0;
        CCC3 = 3;
        NAGASA = 50;
        HONSU = 0;
        ITI = 1;
        AAA_S = F_S_A(2);
        DRAW_ANGLE_MARK();
        label_point(11, 12, 15, "O"_sj);

        if (NO == 3 || NO == 4) {
            rt.segment(X_A(12), Y_A(12), X_A(16), Y_A(16), 0);
            rt.segment(X_A(13), Y_A(13), X_A(16), Y_A(16), 0);
            set_angle_points(16, 13, 12);
            CCC2 = 0;
            CCC3 = 7;
            NAGASA = 50;
            HONSU = 0;
            ITI = -1;
            AAA_S = F_S_A(3);
            AAAY = 10;
            DRAW_ANGLE_MARK();
            CCC1 = 0;
            NAGASA = 8;
            ITI = 1;
            AAA_S = "Q"_sj;
            LABEL_ANGLE();
        }

        XI1 = 72;
        YI1 = 60;
        paragraph_text(XI1, YI1, 0, "問　∠xの大きさを求めなさい。"_sj);
        set_using_angles_cells();
        paragraph_text(XI1, YI1 + 90, 0, "∠x="_sj);
        X = XI2 + 10;
        Y = YI1;
        R_A(1) = X;
        H_A(1) = Y;
        CCC1 = 5;
        HABA = 180;
        A_S = "①"_sj;
        DRAW_CELL_ON_LINE();

        WAIT_ANY_KEY();
        // The answer drawn over the blank.
        set_using_angles_cells();
        X = R_A(1);
        Y = H_A(1);
        A_S = F_S_A(4);
        DRAW_CELL_ON_LINE();

        // Only 1 ends the series; any other number brings the next type.
        ASK_NEXT_STEP();
        NO = NO + 1;
    }

    WAIT_ANY_KEY();
    paragraph_text(44, 590, 7, "教科書P170 問1　をしなさい。"_sj);
}
