#include "counted_loop.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A line's number reaches at most this far beyond its line: 14 characters
// of the plane's largest font, centred, or the height of one beside it.
constexpr double kNumberReach = 512;

// How many passes after one at x follow by additions of 1 that a Number
// holds exactly: down to zero every step is exact, upwards the steps stay
// exact below the next power of two. The pass after the last of them may
// round, and is made by a real addition.
double exact_steps_after(float x) {
    if (!std::isfinite(x) || std::fabs(x) >= 16777216.0f) return 0;
    if (x < 0) return std::floor(-static_cast<double>(x));
    int exponent = 0;
    std::frexp(x, &exponent);
    return std::ceil(std::ldexp(1.0, exponent) - x) - 1;
}

}  // namespace

CountSpan counts_near_page(float origin, float step, float extent) {
    if (!std::isfinite(origin) || !std::isfinite(step)) return {-kInfinity, kInfinity};
    // The drawing formulas round the line's place as a Number.
    const double reach = kNumberReach + 1e-6 * std::fabs(origin);
    const double from = -reach - origin, to = extent + reach - origin;
    if (step == 0) return from <= 0 && 0 <= to ? CountSpan{-kInfinity, kInfinity} : CountSpan{kInfinity, -kInfinity};
    if (step > 0) return {from / step, to / step};
    return {to / step, from / step};
}

void run_counted_loop(float& counter, float first, float last, CountSpan shown, int tail,
                      const std::function<void()>& pass) {
    // The stretches of passes x, x + 1, ... x + m that additions of 1 reach
    // exactly, in order; returns where the counter stands after the loop.
    auto stretches = [first, last](auto&& stretch) {
        float x = first;
        for (;;) {
            double m = std::min(exact_steps_after(x), std::floor(static_cast<double>(last) - x));
            if (!(m >= 0)) m = 0;
            stretch(static_cast<double>(x), m);
            x = static_cast<float>(x + m);
            const float next = x + 1;
            if (next == x) return x;
            if (!(next <= last)) return next;
            x = next;
        }
    };
    float last_pass = first;
    stretches([&](double x, double m) { last_pass = static_cast<float>(x + m); });
    const double tail_above = tail > 0 ? static_cast<double>(last_pass) - tail : kInfinity;

    auto run = [&](double x, double from, double to) {
        for (double j = from; j <= to; ++j) {
            counter = static_cast<float>(x + j);
            pass();
        }
    };
    counter = stretches([&](double x, double m) {
        const double a1 = std::max(0.0, std::ceil(shown.lo - x)), b1 = std::min(m, std::floor(shown.hi - x));
        const double a2 = std::max(0.0, std::floor(tail_above - x) + 1);
        if (a2 <= a1) {
            run(x, a2, m);
        } else {
            run(x, a1, b1);
            run(x, std::max(a2, b1 + 1), m);
        }
    });
}
