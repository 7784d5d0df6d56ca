// The key script of headless runs: a text where "\r" and "\n" are Enter,
// "\b" Backspace, "\f" code 12, "\xHH" any code (the arrows are \x1c right,
// \x1d left, \x1e up, \x1f down), "\\" a backslash and every other byte
// itself. Each resulting byte is one key press.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::string parse_key_script(std::string_view script);

}  // namespace platform
