// Screen ⑥ of section 2, the answer of question 4 (page 181): BC a diameter,
// ∠ABC = 60°, its bisector meets AC at D and the circle at E; △ABC∽△EDC.
// Points: O 0, A 1, B 2, C 3, D 4, E 5.
#include "orvane.h"

namespace {

// The point letters' offsets from their points.
struct Letter {
    float point;
    const char* name;  // UTF-8
    float dx, dy;
};
const Letter kLetters[] = {
    {1, "A", -26, -46}, {2, "B", -32, -12}, {3, "C", 4, -6}, {4, "D", -12, -56}, {5, "E", 16, -36},
};

// The blanks ア to キ: width, placeholder, answer (UTF-8).
struct Q4Blank {
    float width;
    const char* placeholder;
    const char* answer;
};
const Q4Blank kBlanks[] = {
    {144, "ア", "∠DEC"}, {108, "イ", "90°"}, {108, "ウ", "60°"},     {108, "エ", "30°"},
    {108, "オ", "30°"},  {108, "カ", "30°"}, {180, "キ", "2組の角"},
};

std::string sj(const char* utf8) {
    return cp932::from_utf8(utf8);
}

}  // namespace

void Orvane::Q4_ANSWER() {
    rt.fill_box(0, 0, 1760, 1800, 15, 15);
    GGX = 828;
    GGY = 200;
    YOKO = 12;
    TATE = 12;
    SIZE = 30;
    CCC2 = 15;
    DRAW_GRID();
    X_A(0) = GX0 + SIZE * 6;
    Y_A(0) = GY0 - SIZE * 6;
    R1 = SIZE * 7;
    DHRA = 120 * PI / 180;
    DHRB = 180 * PI / 180;
    DHRC = 0 * PI / 180;
    DHRD = 60 * PI / 180;
    similarity_on_circle(1, DHRA);
    similarity_on_circle(2, DHRB);
    similarity_on_circle(3, DHRC);
    similarity_on_circle(5, DHRD);
    AX = X_A(1);
    AY = Y_A(1);
    BX = X_A(3);
    BY = Y_A(3);
    CX = X_A(2);
    CY = Y_A(2);
    DX = X_A(5);
    DY = Y_A(5);
    INTERSECT_LINES();
    X_A(4) = AX2;
    Y_A(4) = AY2;

    rt.set_line_width(5);
    rt.circle(X_A(0), Y_A(0), R1, 0);
    similarity_label(X_A(0) - 6, Y_A(0) + 8, "O"_sj);
    rt.disc(X_A(0), Y_A(0), 7, 0, 0);
    similarity_segment(1, 2);
    similarity_segment(1, 3);
    similarity_segment(3, 5);
    similarity_segment(2, 5);
    similarity_segment(2, 3);
    for (const Letter& l : kLetters) similarity_label(X_A(l.point) + l.dx, Y_A(l.point) + l.dy, sj(l.name));
    q4_dots_at_b();
    similarity_label(GX1, GY2 - 120, "∠ABC=60°"_sj, 3);
    XI1 = 36;
    YI1 = 30;
    paragraph_text(XI1, YI1, 3, "<問4 解答>"_sj);

    WAIT_ANY_KEY();
    paragraph_text(XI2 + 20, 30, 0, "△ABCと△EDCにおいて"_sj);
    similarity_triangle(1, 2, 3, 11);
    // BE and the dots again, over the fill.
    similarity_segment(2, 5);
    q4_dots_at_b();

    WAIT_ANY_KEY();
    similarity_triangle(5, 4, 3, 13);
    Q4_MARKS();

    WAIT_ANY_KEY();
    similarity_cell_style();
    HABA = 180;
    auto blank = [&](int k) { similarity_blank(k, kBlanks[k - 1].width, sj(kBlanks[k - 1].placeholder)); };
    paragraph_text(XI1, YI1 + 60, 0, "BCは円Oの直径だから、"_sj);
    paragraph_text(XI2, YI1, 0, "∠BAC="_sj);
    blank(1);
    paragraph_text(XI2 + 10, YI1, 0, "="_sj);
    blank(2);
    paragraph_text(XI2 + 4, YI1, 0, "…①"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠ACB=180°-90°-"_sj);
    blank(3);
    paragraph_text(XI2 + 4, YI1, 0, "="_sj);
    blank(4);
    paragraph_text(XI2 + 4, YI1, 0, "…②"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "BEは∠ABCの二等分線だから"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠ABE=∠CBE="_sj);
    blank(5);
    paragraph_text(XI1, YI1 + 60, 0, "等しい弧に対する円周角は等しいから"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠ACE=∠ABE="_sj);
    blank(6);
    paragraph_text(XI2 + 4, YI1, 0, "…③"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "②,③より、∠ACB=∠ECD…④"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "①,④より"_sj);
    blank(7);
    paragraph_text(XI2 + 4, YI1, 0, "がそれぞれ等しいので"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "△ABC∽△EDC"_sj);

    // One answer a key; the last one goes straight back to the menu.
    for (int k = 1; k <= 7; ++k) {
        WAIT_ANY_KEY();
        similarity_answer(k, kBlanks[k - 1].width, sj(kBlanks[k - 1].answer));
    }
}

void Orvane::Q4_MARKS() {
    WAIT_ANY_KEY();
    // The right angles at A and E, both standing on the diameter BC.
    set_angle_points(1, 2, 3);
    CCC2 = 3;
    NAGASA = 30;
    ITI = -1;
    AAA_S = "";
    DRAW_RIGHT_ANGLE();

    WAIT_ANY_KEY();
    set_angle_points(5, 2, 3);
    CCC2 = 3;
    NAGASA = 30;
    ITI = -1;
    AAA_S = "";
    DRAW_RIGHT_ANGLE();

    WAIT_ANY_KEY();
    q4_label_30(2, 5, 1);
    q4_label_30(2, 3, 5);

    WAIT_ANY_KEY();
    q4_label_30(3, 1, 2);
    similarity_equal_dot();

    WAIT_ANY_KEY();
    // Arc AE, on which ∠ABE and ∠ACE stand.
    rt.arc(X_A(0), Y_A(0), R1, 5, 0.6666667f, 0.8333333f);

    WAIT_ANY_KEY();
    // The arms exchanged, so that the dot lies inside ∠ACE.
    set_angle_points(3, 1, 5);
    ITI = -1;
    ANGLE_ARMS();
    similarity_equal_dot();

    WAIT_ANY_KEY();
    AAAX = -10;
    q4_label_30(3, 5, 1);
}

void Orvane::q4_dots_at_b() {
    set_angle_points(2, 5, 1);
    ITI = 1;
    ANGLE_ARMS();
    similarity_equal_dot();
    set_angle_points(2, 3, 5);
    ITI = 1;
    ANGLE_ARMS();
    similarity_equal_dot();
}

void Orvane::q4_label_30(float vertex, float first, float second) {
    set_angle_points(vertex, first, second);
    CCC1 = 3;
    NAGASA = 70;
    HONSU = 1;
    ITI = 1;
    AAA_S = "30°"_sj;
    LABEL_ANGLE();
}
