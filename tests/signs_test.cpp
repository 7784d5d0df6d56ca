// Sign operations on the front of a text.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

struct Signs : harness::KitFixture, ::testing::Test {};

TEST_F(Signs, EachOperationLooksAtTheFirstCharacterOnly) {
    using Op = void (Toolkit::*)();
    struct Case {
        Op op;
        const char *in, *out;
    } cases[] = {
        {&Toolkit::NEGATE_TEXT, "3", "-3"},
        {&Toolkit::NEGATE_TEXT, "-3", "+3"},
        {&Toolkit::NEGATE_TEXT, "+3", "-3"},
        {&Toolkit::NEGATE_TEXT, "", ""},
        {&Toolkit::NEGATE_TEXT, "-", "+"},
        {&Toolkit::NEGATE_TEXT, "x", "-x"},
        {&Toolkit::NEGATE_TEXT, "--3", "+-3"},
        {&Toolkit::NEGATE_TEXT, "－３", "-－３"},  // a full-width minus is no sign
        {&Toolkit::NEGATE_TEXT, "-３ｃｍ", "+３ｃｍ"},
        {&Toolkit::STRIP_PLUS, "+3", "3"},
        {&Toolkit::STRIP_PLUS, "+", ""},
        {&Toolkit::STRIP_PLUS, "-3", "-3"},
        {&Toolkit::STRIP_PLUS, "", ""},
        {&Toolkit::STRIP_PLUS, "+１２個", "１２個"},
        {&Toolkit::STRIP_SIGN, "+3", "3"},
        {&Toolkit::STRIP_SIGN, "-3", "3"},
        {&Toolkit::STRIP_SIGN, "-", ""},
        {&Toolkit::STRIP_SIGN, "3", "3"},
        {&Toolkit::STRIP_SIGN, "", ""},
        {&Toolkit::STRIP_SIGN, "＋3", "＋3"},
        {&Toolkit::STRIP_SIGN, "-タ度", "タ度"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        kit.A_S = cp932::from_utf8(c.in);
        (kit.*c.op)();
        EXPECT_EQ(kit.A_S, cp932::from_utf8(c.out));
        EXPECT_EQ(kit.LE, cp932::klen(cp932::from_utf8(c.in)));
    }
}

}  // namespace
