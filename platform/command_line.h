// The programs' command line: nothing for a window; for a headless run
//   --headless --keys TEXT --shot FILE --frames DIR --trace FILE
#pragma once

#include <string>

#include "platform.h"

namespace platform {

// Fills `options` from the arguments; returns an error text, empty when the
// command line is fine.
std::string parse_command_line(int argc, char** argv, Options& options);

extern const char* const kUsage;

}  // namespace platform
