// The language runtime the lessons are written against: one run-time error
// type that carries the failing source line, checked arithmetic, number and
// text conversions, and bounds-checked arrays indexed from 0 to their bound.
#pragma once

#include <cmath>
#include <source_location>
#include <string>
#include <string_view>
#include <vector>

namespace basic {

using Where = std::source_location;

// Error codes as the error screen shows them.
enum ErrorCode : int {
    kIllegalCall = 5,   // a function given a value outside its domain
    kOverflow = 6,      // a result too large, or not a finite number
    kBadIndex = 9,      // an array index outside 0..bound
    kDivideByZero = 11,
};

// Raised by every failing step; the program's top level shows it on the
// error screen. Nothing is resumed.
struct RuntimeError {
    int code;
    int line;
    std::string file;
};

[[noreturn]] void fail(int code, const Where& where);

// A number that has to be finite, e.g. a coordinate handed to the platform.
float finite(float v, const Where& where = Where::current());

// Checked arithmetic: division by zero and non-finite results are errors.
float DIV(float a, float b, const Where& where = Where::current());
float SQR(float a, const Where& where = Where::current());
float POW(float a, float b, const Where& where = Where::current());
float ATN(float a);
float INT(float a);  // greatest whole number not above a
float FIX(float a);  // whole part, towards zero
// Conversion to a whole 16-bit number, rounding halves to even; used for
// array indices, colours and character codes. Out of range is an overflow.
int CINT(float a, const Where& where = Where::current());

// Number to text: the decimal form with up to 7 significant digits, led by a
// space when not negative (" 12", "-3", " .5", " 1E+07").
std::string STR_S(float v);
// The number at the start of a text (leading spaces skipped; sign, digits,
// point, exponent); 0 when there is none.
float VAL(std::string_view s);
std::string CHR_S(float code, const Where& where = Where::current());
float ASC(std::string_view s, const Where& where = Where::current());

// Truth values of the lessons' comparisons.
constexpr float kTrue = -1.0f;
constexpr float kFalse = 0.0f;

// An array indexed 0..bound in each dimension; a bad index is a run-time
// error at the caller's line.
template <class T>
class Array {
public:
    explicit Array(int bound = 0) : bound1_(bound), bound2_(0), cells_(bound + 1) {}
    Array(int bound1, int bound2) : bound1_(bound1), bound2_(bound2), cells_((bound1 + 1) * (bound2 + 1)) {}

    T& operator()(float i, const Where& where = Where::current()) { return cells_[index(i, bound1_, where)]; }
    const T& operator()(float i, const Where& where = Where::current()) const {
        return cells_[index(i, bound1_, where)];
    }
    T& operator()(float i, float j, const Where& where = Where::current()) {
        return cells_[index(i, bound1_, where) * (bound2_ + 1) + index(j, bound2_, where)];
    }
    const T& operator()(float i, float j, const Where& where = Where::current()) const {
        return cells_[index(i, bound1_, where) * (bound2_ + 1) + index(j, bound2_, where)];
    }
    int bound() const { return bound1_; }
    int bound2() const { return bound2_; }

private:
    static std::size_t index(float i, int bound, const Where& where) {
        if (!std::isfinite(i)) fail(kBadIndex, where);
        int k = CINT(i, where);
        if (k < 0 || k > bound) fail(kBadIndex, where);
        return static_cast<std::size_t>(k);
    }
    int bound1_, bound2_;
    std::vector<T> cells_;
};

using NumArray = Array<float>;
using TextArray = Array<std::string>;

}  // namespace basic
