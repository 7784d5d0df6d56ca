// The counted loops that draw one line of graph paper per count. A count is
// a Number, so past 2^24 adding 1 may no longer change it and such a loop
// would never end; and a frame thousands of units wide has few of its lines
// on the page. These loops therefore take the counts as the single additions
// give them but leap over the counts whose lines cannot show.
#pragma once

#include <functional>

// The counts, as real numbers, whose drawing may reach the page.
struct CountSpan {
    double lo, hi;
};

// The counts whose line, at `origin` + `step`·count along an axis of the page
// `extent` long, may show with its number beside it.
CountSpan counts_near_page(float origin, float step, float extent);

// Runs `pass` for the passes of the counted loop of `counter` from `first`
// to `last` (the body runs at least once, and the counter stands one above
// the last count afterwards) whose counts lie in `shown` or are among the
// loop's last `tail` counts, in the loop's order, with `counter` at the
// pass's count. Where adding 1 no longer changes the counter, the loop ends
// with the counter there.
void run_counted_loop(float& counter, float first, float last, CountSpan shown, int tail,
                      const std::function<void()>& pass);
