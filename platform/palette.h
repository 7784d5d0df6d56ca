// The 16 palette colours. 0 is black and 15 the white page. The others are
// chosen for the pairs the lessons draw: texts on white (3, 4, 5, 7, 13),
// light text 9 on the key-wait and next-step boxes (fills 4 and 12), text 5
// in cells filled with 13, marks and dots in 9 on white.
#pragma once

#include <array>
#include <cstdint>

namespace platform {

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr std::array<Rgb, 16> kPalette = {{
    {0, 0, 0},        // 0 black
    {0, 0, 160},      // 1 dark blue
    {180, 0, 0},      // 2 dark red
    {0, 115, 140},    // 3 teal: headings, lines
    {20, 60, 160},    // 4 blue: text on white, the key-wait box
    {110, 0, 120},    // 5 purple: typed digits, text in cells
    {150, 90, 0},     // 6 brown
    {90, 90, 90},     // 7 dark grey
    {150, 150, 150},  // 8 grey
    {255, 150, 0},    // 9 orange: dots, highlights, text on dark boxes
    {0, 95, 45},      // 10 dark green: the main menus' board
    {0, 160, 200},    // 11 cyan
    {0, 110, 70},     // 12 dark green: the next-step box
    {245, 135, 205},  // 13 pink: cell fills, box borders
    {200, 230, 205},  // 14 pale green: graph paper
    {255, 255, 255},  // 15 white: the page
}};

}  // namespace platform
