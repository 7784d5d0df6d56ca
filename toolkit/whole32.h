// Whole 32-bit numbers, as the divisibility tests of the fraction, root and
// factor routines take their operands.
#pragma once

#include <cmath>
#include <cstdint>

#include "runtime.h"

// True for a whole number from -2^31 to 2^31 - 1.
inline bool is_whole32(float v) {
    return std::isfinite(v) && v == std::floor(v) && v >= -2147483648.0f && v < 2147483648.0f;
}

// The nearest whole 32-bit number (halves to even); out of range is an overflow.
inline std::int64_t whole32(float v, const basic::Where& where = basic::Where::current()) {
    if (!std::isfinite(v) || std::nearbyint(v) < -2147483648.0f || std::nearbyint(v) >= 2147483648.0f) basic::fail(basic::kOverflow, where);
    return static_cast<std::int64_t>(std::nearbyint(v));
}

// The remainder of two whole 32-bit numbers; a divisor of 0 is a division by zero.
inline std::int64_t whole32_remainder(float a, float b, const basic::Where& where = basic::Where::current()) {
    const std::int64_t d = whole32(b, where);
    if (d == 0) basic::fail(basic::kDivideByZero, where);
    return whole32(a, where) % d;
}
