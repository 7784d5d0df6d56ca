// The 16 palette colours. 0 is black and 15 the white page; the others are
// chosen to read well on white.
#pragma once

#include <array>
#include <cstdint>

namespace platform {

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr std::array<Rgb, 16> kPalette = {{
    {0, 0, 0},        // 0 black
    {0, 0, 170},      // 1 blue
    {0, 128, 0},      // 2 green
    {0, 128, 160},    // 3 teal
    {200, 0, 0},      // 4 red
    {150, 0, 150},    // 5 purple
    {150, 90, 0},     // 6 brown
    {110, 110, 110},  // 7 grey
    {170, 170, 170},  // 8 light grey
    {40, 80, 255},    // 9 bright blue
    {0, 170, 0},      // 10 bright green
    {0, 170, 200},    // 11 cyan
    {255, 60, 60},    // 12 bright red
    {220, 0, 200},    // 13 magenta
    {230, 200, 0},    // 14 yellow
    {255, 255, 255},  // 15 white: the page
}};

}  // namespace platform
