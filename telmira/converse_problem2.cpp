// Section 6, screen ③: problem 2 of page 175, C, D, E and F on one circle,
// with a hint, the proof's five blanks and their answers.
#include "telmira.h"

namespace {

struct ProofBlank {
    float k;           // its element of T() and F()
    float width;
    const char* mark;  // placeholder, drawn in the fill colour
    const char* answer;
};
const ProofBlank kBlanks[] = {
    {1, 180, "ア", "∠ADB"}, {2, 180, "イ", "∠ACB"}, {3, 180, "ウ", "∠EDF"},
    {4, 180, "エ", "∠ECF"}, {5, 108, "オ", "EF"},
};

}  // namespace

void Telmira::label_problem2_point(float point, float c) {
    static const char* const names[] = {"", "O", "A", "B", "C", "D", "E", "F"};
    // Where each letter stands from its point.
    static const float dx[] = {0, -16, -40, 8, -16, 6, 6, -16};
    static const float dy[] = {0, -46, -25, -16, -46, 5, 5, -46};
    const int n = static_cast<int>(point);
    put_text(X_A(point) + dx[n], Y_A(point) + dy[n], c, cp932::from_utf8(names[n]));
}

void Telmira::CONVERSE_PROBLEM2_FIGURE() {
    SIZE = 30;
    GGX = 720;
    GGY = 200;
    YOKO = 10;
    TATE = 10;
    CCC2 = 15;
    DRAW_GRID();

    X_A(1) = GX0 + 5 * SIZE;
    Y_A(1) = GY0 - 5 * SIZE;
    R1 = 5 * SIZE;
    DHRA = 180 * PI / 180;
    DHRB = 0 * PI / 180;
    DHRC = 60 * PI / 180;
    DHRP = -40 * PI / 180;
    place_on_circle(2, DHRA);
    place_on_circle(3, DHRB);
    place_on_circle(4, DHRC);
    place_on_circle(5, DHRP);
    // E: line AD meets line CB; F: line AC meets line DB.
    AX = X_A(2), AY = Y_A(2), BX = X_A(5), BY = Y_A(5);
    CX = X_A(4), CY = Y_A(4), DX = X_A(3), DY = Y_A(3);
    INTERSECT_LINES();
    X_A(6) = AX2;
    Y_A(6) = AY2;
    AX = X_A(2), AY = Y_A(2), BX = X_A(4), BY = Y_A(4);
    CX = X_A(5), CY = Y_A(5), DX = X_A(3), DY = Y_A(3);
    INTERSECT_LINES();
    X_A(7) = AX2;
    Y_A(7) = AY2;

    rt.set_line_width(5);
    rt.circle(X_A(1), Y_A(1), R1, 0);
    rt.disc(X_A(1), Y_A(1), 4, 0, 0);

    for (float point : {1, 2, 3, 4, 5, 7, 6}) label_problem2_point(point, 0);

    join_points(2, 3, 0);
    join_points(2, 7, 0);
    join_points(2, 6, 0);
    join_points(4, 6, 0);
    join_points(7, 5, 0);
}

void Telmira::CONVERSE_PROBLEM2_HINT() {
    for (float point : {4, 5, 7, 6}) label_problem2_point(point, 3);

    WAIT_ANY_KEY();

    paragraph_text(XI2, YI1, 7, "直線をEFと考えると、"_sj);
    join_points(7, 6, 7);

    WAIT_ANY_KEY();

    paragraph_text(XI2, YI1, 7, "∠EDF=∠ECF がいえればよい。"_sj);
    // ∠ECF (B lies on CE), then ∠EDF (B lies on DF).
    A = 4, B = 3, C = 7;
    mark_angle(A, B, C, 3, 7, 50, 2, 1, "");
    A = 5, B = 6, C = 3;
    mark_angle(A, B, C, 3, 7, 50, 2, 1, "");
}

void Telmira::problem2_blank(float k, float width, const std::string& mark) {
    X = XI2 + 10;
    Y = YI1;
    T_A(k) = X;
    F_A(k) = Y;
    HABA = width;
    CCC1 = 13;
    A_S = mark;
    DRAW_CELL_ON_LINE();
    // The text after a blank keeps 4 units off its right edge.
    XI2 = X + 4;
}

void Telmira::CONVERSE_PROBLEM2() {
    // Step 1: the figure and the heading alone.
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    CONVERSE_PROBLEM2_FIGURE();
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 3, "<問2>"_sj);

    WAIT_ANY_KEY();

    // Step 2: the hint (two key waits of its own).
    CONVERSE_PROBLEM2_HINT();

    WAIT_ANY_KEY();

    // Step 3: the proof with its empty boxes.
    CCC2 = 3;
    CCC3 = 13;
    HABA = 180;
    TATE = 50;
    paragraph_text(XI1, 90, 0, "ABは円Oの直径だから、"_sj);
    YI1 = 150;
    XI2 = XI1;
    problem2_blank(kBlanks[0].k, kBlanks[0].width, cp932::from_utf8(kBlanks[0].mark));
    paragraph_text(XI2, YI1, 0, "="_sj);
    problem2_blank(kBlanks[1].k, kBlanks[1].width, cp932::from_utf8(kBlanks[1].mark));
    paragraph_text(XI2, YI1, 0, "=90°"_sj);
    YI1 = 210;
    XI2 = XI1;
    problem2_blank(kBlanks[2].k, kBlanks[2].width, cp932::from_utf8(kBlanks[2].mark));
    paragraph_text(XI2, YI1, 0, "=180°-∠ADB=90°…①"_sj);
    YI1 = 270;
    XI2 = XI1;
    problem2_blank(kBlanks[3].k, kBlanks[3].width, cp932::from_utf8(kBlanks[3].mark));
    paragraph_text(XI2, YI1, 0, "=180°-∠ACB=90°…②"_sj);
    paragraph_text(XI1, 330, 0, "①,②から　∠EDF=∠ECF"_sj);
    paragraph_text(XI1, 390, 0, "また、2点C,Dは"_sj);
    paragraph_text(XI1, 450, 0, "直線"_sj);
    problem2_blank(kBlanks[4].k, kBlanks[4].width, cp932::from_utf8(kBlanks[4].mark));
    paragraph_text(XI2, YI1, 0, "の同じ側にあるから、"_sj);
    paragraph_text(XI1, 510, 0, "4点C,D,E,Fは1つの円周上にある。"_sj);

    WAIT_ANY_KEY();

    // Step 4: the right angles at C and D.
    CCC2 = 5;
    NAGASA = 30;
    N1 = 4, N2 = 2, N3 = 3;
    set_angle_points(N1, N2, N3);
    ITI = -1;
    DRAW_RIGHT_ANGLE();
    N1 = 5, N2 = 2, N3 = 3;
    set_angle_points(N1, N2, N3);
    ITI = 1;
    DRAW_RIGHT_ANGLE();

    WAIT_ANY_KEY();

    // Step 5: the answers, one per key.
    CCC2 = 3;
    CCC3 = 13;
    TATE = 50;
    for (const ProofBlank& blank : kBlanks) {
        X = T_A(blank.k);
        Y = F_A(blank.k);
        HABA = blank.width;
        CCC1 = 5;
        A_S = cp932::from_utf8(blank.answer);
        DRAW_CELL_ON_LINE();

        WAIT_ANY_KEY();
    }

    // Step 6: the next exercise.
    paragraph_text(240, 590, 7, "教科書P176 基本の問題　をしなさい。"_sj);
}
