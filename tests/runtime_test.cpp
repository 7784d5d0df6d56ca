// The language runtime: code page 932 text operations, number texts, checked
// arithmetic and arrays.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cp932.h"
#include "key_script.h"
#include "runtime.h"

using namespace cp932;

TEST(Cp932, LiteralsConvertToShiftJisBytes) {
    EXPECT_EQ("■"_sj, "\x81\xA1");
    EXPECT_EQ("ﾀ"_sj, "\xC0");  // half-width katakana are one byte
    EXPECT_EQ("タ"_sj, "\x83\x5E");
    EXPECT_EQ("－"_sj, "\x81\x7C");
    EXPECT_EQ("―"_sj, "\x81\x5C");
    EXPECT_EQ("A1"_sj, "A1");
    EXPECT_EQ(to_utf8("ｺﾞｼｯｸと漢字"_sj), "ｺﾞｼｯｸと漢字");
}

TEST(Cp932, CharacterWiseOperationsCountADoubleByteCharacterAsOne) {
    const std::string s = "aタbﾀ漢"_sj;  // 5 characters, 7 bytes
    EXPECT_EQ(s.size(), 7u);
    EXPECT_EQ(klen(s), 5u);
    EXPECT_EQ(kmid(s, 2, 1), "タ"_sj);
    EXPECT_EQ(kmid(s, 4), "ﾀ漢"_sj);
    EXPECT_EQ(kmid(s, 9, 2), "");
    EXPECT_EQ(kleft(s, 2), "aタ"_sj);
    EXPECT_EQ(kleft(s, 0), "");
    EXPECT_EQ(kright(s, 2), "ﾀ漢"_sj);
    EXPECT_EQ(kright(s, 10), s);
    EXPECT_EQ(kinstr(s, "b"), 3);
    EXPECT_EQ(kinstr(s, "漢"_sj), 5);
    EXPECT_EQ(kinstr(s, "z"), 0);
    // "^" is 5E, the second byte of "タ": a character-wise search never
    // finds it inside the double-byte character, a byte-wise one does.
    EXPECT_EQ(kinstr("タ^"_sj, "^"), 2);
    EXPECT_EQ(instr("タ^"_sj, "^"), 2);
}

TEST(Cp932, ALoneLeadByteAtTheEndIsOneCharacter) {
    const std::string s = std::string("a") + "\x83";
    EXPECT_EQ(klen(s), 2u);
    EXPECT_EQ(kmid(s, 2, 5), "\x83");
    EXPECT_EQ(kright(s, 1), "\x83");
    EXPECT_EQ(kinstr(s, "\x83"), 2);
    EXPECT_NO_THROW(to_utf8(s));
}

TEST(Cp932, ByteWiseOperations) {
    const std::string s = "abcdef";
    EXPECT_EQ(mid(s, 2, 3), "bcd");
    EXPECT_EQ(mid(s, 5), "ef");
    EXPECT_EQ(mid(s, 7), "");
    EXPECT_EQ(left(s, 2), "ab");
    EXPECT_EQ(right(s, 2), "ef");
    EXPECT_EQ(right(s, 9), s);
    EXPECT_EQ(instr(s, "cd"), 3);
    EXPECT_EQ(instr(s, "cd", 4), 0);
    EXPECT_EQ(instr(s, "x"), 0);
}

TEST(Runtime, NumberTexts) {
    struct Case {
        float v;
        const char* text;
    } cases[] = {
        {0, " 0"},       {12, " 12"},        {-3, "-3"},           {0.5f, " .5"},    {-0.5f, "-.5"},
        {1.5f, " 1.5"},  {3.14159f, " 3.14159"}, {141, " 141"},    {1e7f, " 1E+07"}, {-1234567, "-1234567"},
        {0.75f, " .75"}, {2.0f / 3.0f, " .6666667"}, {-0.0f, " 0"},
    };
    for (const Case& c : cases) EXPECT_EQ(basic::STR_S(c.v), c.text) << c.v;
}

TEST(Runtime, TextToNumberReadsTheNumberAtTheStart) {
    struct Case {
        const char* text;
        float v;
    } cases[] = {
        {"12", 12}, {" 12", 12}, {"-5", -5}, {"1.5", 1.5f}, {".5", 0.5f}, {"", 0}, {"-", 0}, {"abc", 0},
        {"2/4", 2}, {"1-2", 1}, {"1..2", 1}, {"--5", 0}, {"3e2", 300}, {"0030", 30},
    };
    for (const Case& c : cases) EXPECT_FLOAT_EQ(basic::VAL(c.text), c.v) << c.text;
}

TEST(Runtime, CheckedArithmeticRaisesAtTheCallersLine) {
    const int line = __LINE__ + 1;
    try { basic::DIV(1, 0); FAIL(); } catch (const basic::RuntimeError& e) {
        EXPECT_EQ(e.code, basic::kDivideByZero);
        EXPECT_EQ(e.line, line);
    }
    EXPECT_THROW(basic::SQR(-1), basic::RuntimeError);
    EXPECT_THROW(basic::DIV(std::numeric_limits<float>::max(), 0.5f), basic::RuntimeError);
    EXPECT_THROW(basic::CINT(40000), basic::RuntimeError);
    EXPECT_THROW(basic::CINT(std::nanf("")), basic::RuntimeError);
    EXPECT_FLOAT_EQ(basic::DIV(3, 4), 0.75f);
    EXPECT_EQ(basic::CINT(2.5f), 2);   // halves to even
    EXPECT_EQ(basic::CINT(3.5f), 4);
    EXPECT_EQ(basic::CINT(-1.6f), -2);
    EXPECT_FLOAT_EQ(basic::INT(-1.5f), -2);
    EXPECT_FLOAT_EQ(basic::FIX(-1.5f), -1);
}

TEST(Runtime, ArraysRunFromZeroToTheirBound) {
    basic::NumArray a(40);
    a(0) = 1;
    a(40) = 2;
    EXPECT_FLOAT_EQ(a(40), 2);
    EXPECT_FLOAT_EQ(a(39.6f), 2);  // an index is rounded
    const int line = __LINE__ + 1;
    try { a(41) = 3; FAIL(); } catch (const basic::RuntimeError& e) {
        EXPECT_EQ(e.code, basic::kBadIndex);
        EXPECT_EQ(e.line, line);
    }
    EXPECT_THROW(a(-1), basic::RuntimeError);
    basic::NumArray g(10, 2);
    g(10, 2) = 5;
    EXPECT_FLOAT_EQ(g(10, 2), 5);
    EXPECT_FLOAT_EQ(g(9, 2), 0);
    EXPECT_THROW(g(10, 3), basic::RuntimeError);
}

TEST(KeyScript, Escapes) {
    struct Case {
        const char* script;
        std::string keys;
    } cases[] = {
        {"12\\r", "12\r"},
        {"\\n", "\r"},
        {"\\b\\f", std::string("\b\f")},
        {"\\x1c\\x1D\\x1e\\x1f", "\x1c\x1d\x1e\x1f"},
        {"a\\\\b", "a\\b"},
        {"\\q", "\\q"},
        {"3/4\\r", "3/4\r"},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::parse_key_script(c.script), c.keys) << c.script;
    EXPECT_THROW(platform::parse_key_script("\\x1"), std::invalid_argument);
}
