// Problem B2: right angles at A and D over BC, and BD halving the angle at
// B. Page 1 proves that A, B, C, D lie on one circle; page 2 draws it and
// proves the triangle DAC isosceles. Points: O 0, A 1, B 2, C 3, D 4.
#include <cmath>

#include "orvane.h"

namespace {

// An equal-angle dot: 50 units out on the bisector of the angle swept
// counter-clockwise from the first arm to the second.
void equal_angle_dot(Orvane& o, float vertex, float first, float second) {
    o.set_angle_points(vertex, first, second);
    o.CCC2 = 0;
    o.CCC3 = 3;
    o.NAGASA = 30;
    o.HONSU = 0;
    o.ITI = 1;
    o.AAA_S = "";
    o.LABEL_ANGLE();  // draws nothing; leaves the bisector in HH5
    o.rt.disc(o.ZX0 + 50 * std::cos(o.HH5), o.ZY0 - 50 * std::sin(o.HH5), 7, 3, 3);
}

void right_angle(Orvane& o, float vertex, float first, float second) {
    o.set_angle_points(vertex, first, second);
    o.NAGASA = 30;
    o.CCC2 = 3;
    o.ITI = -1;
    o.DRAW_RIGHT_ANGLE();
}

// What both pages show of the given figure: names, sides, right angles and
// the two dots of the halved angle at B.
void given_figure(Orvane& o) {
    auto label = [&o](float x, float y, const char* name) {
        o.CCC1 = 0;
        o.X = x;
        o.Y = y;
        o.AA_S = cp932::from_utf8(name);
        o.DRAW_TEXT();
    };
    label(o.X_A(1) - 16, o.Y_A(1) - 46, "A");
    label(o.X_A(2) - 40, o.Y_A(2) + 4, "B");
    label(o.X_A(3) + 10, o.Y_A(3) + 4, "C");
    label(o.X_A(4) + 4, o.Y_A(4) - 40, "D");
    const float sides[][2] = {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};
    for (const auto& s : sides) o.rt.segment(o.X_A(s[0]), o.Y_A(s[0]), o.X_A(s[1]), o.Y_A(s[1]), 0);
    right_angle(o, 1, 2, 3);
    right_angle(o, 4, 2, 3);
    equal_angle_dot(o, 2, 4, 1);
    equal_angle_dot(o, 2, 3, 4);
}

}  // namespace

void Orvane::CHAPTER_B_Q2() {
    // ---- Page 1, part (1): A, B, C, D on one circle.
    chapter_b_frame(40, "2(1)"_sj, 108, false);
    chapter_b_figure_frame(35, 720, 150, 14, 12);
    R1 = SIZE * 6;
    DHRA = 130 * PI / 180;
    DHRB = 180 * PI / 180;
    DHRC = 0 * PI / 180;
    DHRD = 65 * PI / 180;
    chapter_b_on_circle(1, DHRA);
    chapter_b_on_circle(2, DHRB);
    chapter_b_on_circle(3, DHRC);
    chapter_b_on_circle(4, DHRD);
    rt.set_line_width(5);
    given_figure(*this);

    WAIT_ANY_KEY();
    chapter_b_segment(2, 3, 5);

    WAIT_ANY_KEY();
    XI1 = 40;
    YI1 = 30;
    paragraph_text(XI1, YI1 + 80, 0, "仮定から　"_sj);
    paragraph_text(XI2, YI1, 0, "∠BAC="_sj);
    chapter_b_blank(1, 180, "ア"_sj);
    paragraph_text(XI1, YI1 + 80, 0, "2点A,Dが直線"_sj);
    chapter_b_blank(2, 108, "イ"_sj);
    paragraph_text(XI2 + 10, YI1, 0, "の同じ側にあって、"_sj);
    paragraph_text(XI1, YI1 + 80, 0, "");
    chapter_b_blank(3, 324, "ウ"_sj);
    paragraph_text(XI2 + 10, YI1, 0, "だから"_sj);
    paragraph_text(XI1, YI1 + 80, 0, "4点A,B,C,Dは1つの円周上にある。"_sj);

    WAIT_ANY_KEY();
    chapter_b_answer(1, 180, "∠CDB"_sj);

    WAIT_ANY_KEY();
    chapter_b_answer(2, 108, "BC"_sj);

    WAIT_ANY_KEY();
    chapter_b_answer(3, 324, "∠BAC=∠CDB"_sj);

    // Two waits: the box goes at the first key and comes back at once.
    WAIT_ANY_KEY();
    WAIT_ANY_KEY();

    // ---- Page 2, part (2): the circle, and DAC isosceles. The points stay
    // as page 1 computed them.
    chapter_b_frame(40, "2(2)"_sj, 108, false);
    rt.set_line_width(5);
    rt.circle(X_A(0), Y_A(0), R1, 0);
    rt.polygon({X_A(4), Y_A(4), X_A(1), Y_A(1), X_A(3), Y_A(3), X_A(4), Y_A(4)}, 0, 13);
    given_figure(*this);

    WAIT_ANY_KEY();
    rt.arc(X_A(0), Y_A(0), R1, 3, 0.638889f, 0.819444f);
    equal_angle_dot(*this, 3, 4, 1);

    WAIT_ANY_KEY();
    rt.arc(X_A(0), Y_A(0), R1, 7, 0.819444f, 0);
    equal_angle_dot(*this, 1, 3, 4);

    WAIT_ANY_KEY();
    XI1 = 80;
    YI1 = 30;
    paragraph_text(XI1, YI1 + 80, 0, "仮定から　"_sj);
    paragraph_text(XI2, YI1, 0, "∠ABD="_sj);
    chapter_b_blank(1, 180, "ア"_sj);
    paragraph_text(XI2, YI1, 0, "…①"_sj);
    chapter_b_arc_sign_line(60, "ADに対する円周角は等しいので"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠ABD="_sj);
    chapter_b_blank(2, 180, "イ"_sj);
    paragraph_text(XI2, YI1, 0, "…②"_sj);
    chapter_b_arc_sign_line(60, "DCに対する円周角は等しいので"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "∠CBD="_sj);
    chapter_b_blank(3, 180, "ウ"_sj);
    paragraph_text(XI2, YI1, 0, "…③"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "①,②,③より "_sj);
    chapter_b_blank(4, 324, "エ"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "");
    chapter_b_blank(5, 180, "オ"_sj);
    paragraph_text(XI2 + 10, YI1, 0, "が等しいので"_sj);
    paragraph_text(XI1, YI1 + 60, 0, "△DACは二等辺三角形である。"_sj);

    WAIT_ANY_KEY();
    chapter_b_answer(1, 180, "∠CBD"_sj);

    WAIT_ANY_KEY();
    chapter_b_answer(2, 180, "∠ACD"_sj);

    WAIT_ANY_KEY();
    chapter_b_answer(3, 180, "∠CAD"_sj);

    WAIT_ANY_KEY();
    chapter_b_answer(4, 324, "∠ACD=∠CAD"_sj);

    WAIT_ANY_KEY();
    chapter_b_answer(5, 180, "2つの角"_sj);
}
