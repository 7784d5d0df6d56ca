// A walk through every entry of section 1's menu, every key step of its
// screens and the arrow keys past both ends of their ranges. The whole-
// program test checks it; the benchmark times it.
#pragma once

#include <string>
#include <vector>

#include "harness.h"

namespace section1_tour {

inline const std::string kRight = "\x1c", kLeft = "\x1d", kUp = "\x1e", kDown = "\x1f";

using harness::repeat;

// One visit of a screen from the section menu, back to the menu line.
struct Visit {
    const char* what;
    std::string keys;   // the menu choice and every key the screen reads
    int key_waits;      // "何かキーを押して下さい。" boxes
    int message_waits;  // arrow-key prompt boxes
    int menu_lines = 1; // times the menu line is asked
};

// From the set-up (P at 280, B at 70): P down past 0, up past 360; B down
// past 0, up past 360; and one key that is no arrow.
inline const std::string kArrowTour = "x" + repeat(kRight, 30) + repeat(kLeft, 38) + repeat(kUp, 9) +
                                      repeat(kDown, 38) + "\r";

inline std::vector<Visit> visits() {
    return {
        {"① set-square locus", "1\r" + repeat("k", 26), 26, 0},
        {"② definition", "2\r" + repeat("k", 4), 4, 0},
        {"③ question", "3\r", 0, 0},
        {"④ answer", "4\r", 0, 0},
        {"⑤ summary", "5\r", 0, 0},
        {"⑥ arrow keys", "6\r" + kArrowTour, 0, 1 + 30 + 38 + 9 + 38 + 1},
        {"⑦ APB value on", "7\r1\r\r", 0, 1},
        {"⑦ AOB value on, P moved", "7\r2\r" + kLeft + "\r", 0, 2},
        {"⑦ APB value off", "7\r-1\r\r", 0, 1},
        {"⑦ AOB value off", "7\r-2\r\r", 0, 1},
        {"⑦ both off", "7\r-3\r\r", 0, 1},
        {"⑧ diameter on, P moved", "8\r1\r" + kRight + "\r", 0, 2},
        {"⑧ diameter off", "8\r-1\r\r", 0, 1},
        {"⑨ several angles", "9\r", 0, 0},
        {"⑦ after ⑨", "7\r1\r\r", 0, 1},
        {"out of range, then 8.6 taken to ⑨", "0\r11\r8.6\r", 0, 0, 3},
    };
}

// Start-up, main menu entry 1, every visit, back to the main menu, end.
inline std::string whole_script() {
    std::string s = "1\r";
    for (const Visit& v : visits()) s += v.keys;
    return s + "10\r9\r";
}

}  // namespace section1_tour
