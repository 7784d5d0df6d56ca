// The body of every program's main(): read the command line, open the
// window or the headless page, run the lessons, report the exit status.
#pragma once

#include <cstdio>
#include <exception>
#include <filesystem>

#include "command_line.h"
#include "toolkit.h"

template <class Program>
int lesson_main(int argc, char** argv, const char* title_utf8) {
    platform::Options options;
    options.title = title_utf8;
    std::string error = platform::parse_command_line(argc, argv, options);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), platform::kUsage);
        return 64;
    }
    try {
        // The window first: a run that cannot show one leaves no files behind.
        platform::Platform runtime(options);
        if (!options.frames_dir.empty()) std::filesystem::create_directories(options.frames_dir);
        Program program(runtime, cp932::from_utf8(title_utf8));
        return program.run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", title_utf8, e.what());
        return 1;
    }
}
