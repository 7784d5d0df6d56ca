// The platform's drawing rules, checked on the trace and on the page's pixels.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cfloat>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "command_line.h"
#include "harness.h"
#include "key_events.h"
#include "palette.h"

namespace {

using platform::OpKind;
using platform::Platform;

bool is_white(Platform::Pixel p) { return p.r == 255 && p.g == 255 && p.b == 255; }
bool is_colour(Platform::Pixel p, int c) {
    const auto& rgb = platform::kPalette[c];
    return p.r == rgb.r && p.g == rgb.g && p.b == rgb.b;
}

// A point of the page and whether something is drawn there.
struct Probe {
    float x, y;
    bool inked;
};

void expect_ink(const Platform& rt, const std::vector<Probe>& probes, const char* what) {
    for (const Probe& p : probes) EXPECT_EQ(!is_white(rt.pixel(p.x, p.y)), p.inked) << what << " at " << p.x << "," << p.y;
}

struct Page {
    Platform rt{harness::headless_options()};
    Page() { rt.set_line_width(3); }
};

// A program of the build run as a shell would run it: its exit status and
// what it printed on both streams.
struct ProgramRun {
    int status = -1;
    std::string output;
};

ProgramRun run_program(const std::string& before, const std::string& program_and_args) {
    ProgramRun r;
    const std::string command = before + " " + std::getenv("LESSONS_BIN") + "/" + program_and_args + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    char buf[256];
    while (std::fgets(buf, sizeof buf, pipe)) r.output += buf;
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

}  // namespace

TEST(Arcs, RangesGrowClockwiseAndRunThroughZeroWhenTheEndIsSmaller) {
    // On screen, clockwise from +x: 0.25 points down, 0.5 left, 0.75 up.
    struct Case {
        float start, end;
        bool right, down, left, up;
    } cases[] = {
        {0.0f, 0.0f, true, true, true, true},      // the whole circle
        {0.9f, 0.1f, true, false, false, false},   // through 0: the right side
        {0.1f, 0.9f, false, true, true, true},     // not through 0
        {0.2f, 0.3f, false, true, false, false},   // around straight down
        {0.7f, 0.8f, false, false, false, true},   // around straight up
        {1.2f, 1.3f, false, true, false, false},   // a turn beyond: modulo 1
        {-0.3f, -0.2f, false, false, false, true}, // below 0: modulo 1
        {0.4f, 0.4f, false, false, false, false},  // an empty range draws nothing
        {1.0f, 1.0f, false, false, false, false},  // equal modulo a turn: empty, not whole
        {1.0f, 0.0f, false, false, false, false},
    };
    for (const Case& c : cases) {
        Page page;
        page.rt.arc(200, 200, 100, 4, c.start, c.end);
        auto ink = [&](float x, float y) { return is_colour(page.rt.pixel(x, y), 4); };
        EXPECT_EQ(ink(300, 200), c.right) << c.start << " " << c.end;
        EXPECT_EQ(ink(200, 300), c.down) << c.start << " " << c.end;
        EXPECT_EQ(ink(100, 200), c.left) << c.start << " " << c.end;
        EXPECT_EQ(ink(200, 100), c.up) << c.start << " " << c.end;
    }
}

TEST(Arcs, TraceKeepsTheRangeTakenModuloOne) {
    Page page;
    page.rt.arc(100, 100, 50, 2, 1.25f, 0.5f);
    page.rt.arc(100, 100, 50, 2, 0, 0);
    page.rt.arc(100, 100, 0, 2, 0.1f, 0.2f);  // no radius: nothing
    ASSERT_EQ(page.rt.trace().size(), 2u);
    EXPECT_EQ(page.rt.trace()[0].str(), "arc 100 100 50 0.25 0.5 c=2 w=3");
    EXPECT_EQ(page.rt.trace()[1].str(), "circle 100 100 50 c=2 w=3");
}

TEST(Sectors, FillTheNarrowSideBetweenTheirEnds) {
    Page page;
    page.rt.sector(300, 300, 100, 0, 12, 0.95f, 0.05f);  // 36 degrees around +x
    EXPECT_TRUE(is_colour(page.rt.pixel(370, 300), 12));
    EXPECT_TRUE(is_white(page.rt.pixel(230, 300)));
    EXPECT_TRUE(is_white(page.rt.pixel(300, 370)));
    page.rt.sector(300, 600, 100, 0, 12, 0.05f, 0.95f);  // all but that wedge
    EXPECT_TRUE(is_white(page.rt.pixel(370, 600)));
    EXPECT_TRUE(is_colour(page.rt.pixel(230, 600), 12));
    EXPECT_EQ(page.rt.trace()[0].str(), "sector 300 300 100 0.95 0.05 c=0 f=12 w=3");
}

TEST(Sectors, HugeRadiiDrawOnlyWhatTheyCoverOnThePage) {
    enum Verb { kSector, kDisc, kCircle, kArc };
    struct Case {
        const char* what;
        Verb verb;
        float cx, cy, r, start, end;
        std::vector<Probe> probes;
    } cases[] = {
        {"narrow sector about +x", kSector, 720, 450, 1e7f, 0.95f, 0.05f,
         {{1400, 450, true}, {1000, 500, true}, {100, 450, false}, {720, 100, false}, {720, 800, false}, {1400, 100, false}}},
        {"the same, radius 3e5", kSector, 720, 450, 3e5f, 0.95f, 0.05f, {{1400, 450, true}, {100, 450, false}}},
        {"the same, the largest radius", kSector, 720, 450, FLT_MAX, 0.95f, 0.05f,
         {{1400, 450, true}, {100, 450, false}, {720, 100, false}}},
        {"disc over the page", kDisc, 720, 450, 1e9f, 0, 0, {{1, 1, true}, {1439, 899, true}}},
        {"circle around the page", kCircle, 720, 450, 1e9f, 0, 0, {{1, 1, false}, {720, 450, false}, {1439, 899, false}}},
        {"arc around the page", kArc, 720, 450, 1e8f, 0.1f, 0.9f, {{1, 1, false}, {1439, 899, false}}},
        {"circle from far below, through the middle", kCircle, 720, 450 + 1e7f, 1e7f, 0, 0,
         {{10, 450, true}, {720, 450, true}, {1430, 450, true}, {720, 440, false}, {720, 460, false}}},
        {"thin sector from far above, 100 units wide at the middle", kSector, 720, 450 - 1e7f, 2e7f, 0.25f - 1.6e-6f,
         0.25f, {{770, 450, true}, {700, 450, false}, {850, 450, false}}},
    };
    for (const Case& c : cases) {
        Page page;
        switch (c.verb) {
            case kSector: page.rt.sector(c.cx, c.cy, c.r, 0, 12, c.start, c.end); break;
            case kDisc: page.rt.disc(c.cx, c.cy, c.r, 0, 12); break;
            case kCircle: page.rt.circle(c.cx, c.cy, c.r, 0); break;
            case kArc: page.rt.arc(c.cx, c.cy, c.r, 0, c.start, c.end); break;
        }
        expect_ink(page.rt, c.probes, c.what);
    }
}

// Graph paper of millions of units hands the page lines whose ends lie far
// off it; what of them crosses the page must show all the same.
TEST(Segments, FarEndsDrawWhatCrossesThePage) {
    enum Verb { kSegment, kBox, kPolyline, kPolygon };
    struct Case {
        const char* what;
        Verb verb;
        std::vector<float> xy;
        std::vector<Probe> probes;
    } const cases[] = {
        {"level line 2^24 units long", kSegment, {0, 450, 16777216 * 20.0f, 450},
         {{10, 450, true}, {1430, 450, true}, {720, 440, false}}},
        {"upright line from far above to far below", kSegment, {720, -1e9f, 720, 1e9f},
         {{720, 10, true}, {720, 890, true}, {730, 450, false}}},
        {"slanting line through the middle", kSegment, {-1e8f, -1e8f, 1e8f, 1e8f},
         {{100, 100, true}, {800, 800, true}, {100, 800, false}}},
        {"box round the page", kBox, {-1e9f, -1e9f, 1e9f, 1e9f}, {{10, 10, false}, {720, 450, false}}},
        {"box from the middle out", kBox, {720, 450, 1e9f, 1e9f}, {{720, 800, true}, {1200, 450, true}, {1200, 800, false}}},
        {"polyline out and back", kPolyline, {100, 450, 1e9f, 450, 1e9f, 600, 100, 600},
         {{1000, 450, true}, {1000, 600, true}, {1000, 520, false}}},
        {"polygon over the lower half", kPolygon, {-1e9f, 450, 1e9f, 450, 0, 1e9f},
         {{720, 700, true}, {720, 400, false}}},
    };
    for (const Case& c : cases) {
        Page page;
        switch (c.verb) {
            case kSegment: page.rt.segment(c.xy[0], c.xy[1], c.xy[2], c.xy[3], 0); break;
            case kBox: page.rt.box(c.xy[0], c.xy[1], c.xy[2], c.xy[3], 0); break;
            case kPolyline: page.rt.polyline(c.xy, 0); break;
            case kPolygon: page.rt.polygon(c.xy, 0, 0); break;
        }
        expect_ink(page.rt, c.probes, c.what);
    }
}

TEST(Discs, DotsSmallerThanTheLineWidthAreSolid) {
    // The dots of dotted arcs and sides: radius 0.5 in width 3 or 5.
    for (bool antialias : {false, true}) {
        for (float width : {3.0f, 5.0f}) {
            for (float centre : {100.0f, 100.5f}) {
                platform::Options o = harness::headless_options();
                o.antialias = antialias;
                Platform rt{o};
                rt.set_line_width(width);
                rt.disc(centre, centre, 0.5f, 4, 4);
                for (float dx : {-0.4f, 0.4f})
                    for (float dy : {-0.4f, 0.4f})
                        EXPECT_TRUE(is_colour(rt.pixel(centre + dx, centre + dy), 4))
                            << "antialias " << antialias << ", width " << width << ", centre " << centre;
            }
        }
    }
}

TEST(Boxes, FillAndBorderColours) {
    Page page;
    page.rt.set_line_width(2);
    page.rt.fill_box(100, 100, 200, 150, 13, 4);
    EXPECT_TRUE(is_colour(page.rt.pixel(150, 125), 4));
    EXPECT_TRUE(is_colour(page.rt.pixel(100, 125), 13));
    EXPECT_TRUE(is_white(page.rt.pixel(150, 160)));
    EXPECT_EQ(page.rt.trace()[0].str(), "fillbox 100 100 200 150 c=13 f=4 w=2");
}

TEST(Text, FillsItsBoxFromTheTopLeftScaledByTheMagnification) {
    // "■" is a plain full-width glyph box: its ink must lie within the
    // character's box (size 40: 40 x 40, magnified 2 x 1: 80 x 40) and
    // reach across most of it.
    struct Case {
        float mag_h, mag_v;
    } cases[] = {{1, 1}, {2, 1}, {1, 2}};
    for (const Case& c : cases) {
        Page page;
        page.rt.set_font_size(40);
        page.rt.text(100, 200, "■"_sj, 0, c.mag_h, c.mag_v);
        const float w = 40 * c.mag_h, h = 40 * c.mag_v;
        float min_x = 1e9f, max_x = -1, min_y = 1e9f, max_y = -1;
        for (int y = 150; y < 350; ++y)
            for (int x = 50; x < 250; ++x)
                if (!is_white(page.rt.pixel(x, y))) {
                    min_x = std::min<float>(min_x, x); max_x = std::max<float>(max_x, x);
                    min_y = std::min<float>(min_y, y); max_y = std::max<float>(max_y, y);
                }
        EXPECT_GE(min_x, 100) << c.mag_h << "x" << c.mag_v;
        EXPECT_LE(max_x, 100 + w);
        EXPECT_GE(min_y, 200);
        EXPECT_LE(max_y, 200 + h);
        EXPECT_GT(max_x - min_x, 0.7f * w);
        EXPECT_GT(max_y - min_y, 0.7f * h);
    }
}

TEST(Text, TraceGivesFontMagnificationAndUtf8Text) {
    Page page;
    page.rt.set_font_name("ゴシック"_sj);
    page.rt.set_font_bold(true);
    page.rt.text(128, 666, "何"_sj, 9, 1, 2);
    page.rt.text(0, 1800, "見えない"_sj, 9);  // below the page: never shown, never traced
    ASSERT_EQ(page.rt.trace().size(), 1u);
    EXPECT_EQ(page.rt.trace()[0].str(),
              "text 128 666 c=9 w=3 font=ゴシック size=16 bold=1 italic=0 mag=1x2 \"何\"");
    EXPECT_TRUE(is_white(page.rt.pixel(10, 899)));
}

TEST(Text, CharactersAFaceLacksAreDrawnAsTheGothicDrawsThemNeverAsEmptyBoxes) {
    // The error line is drawn in whatever face is current, also the italic
    // and the script face, which have no Japanese characters.
    struct Case {
        const char* face;
        bool italic, bold;
    } cases[] = {{"ｺﾞｼｯｸ", false, false}, {"Times New Roman", true, false}, {"Times New Roman", true, true},
                 {"MT Extra", false, false}};
    // The pixels of one character drawn alone at size 32.
    auto picture = [](const char* face, bool italic, bool bold, const std::string& sjis) {
        Page page;
        page.rt.set_font_name(cp932::from_utf8(face));
        page.rt.set_font_size(32);
        page.rt.set_font_italic(italic);
        page.rt.set_font_bold(bold);
        page.rt.text(100, 100, sjis, 0);
        std::vector<int> pixels;
        for (int y = 90; y < 142; ++y)
            for (int x = 90; x < 142; ++x) pixels.push_back(page.rt.pixel(x, y).g);
        return pixels;
    };
    const std::string message = "エラーが発生しました。マウスで×をクリックして下さい。"_sj;
    for (const Case& c : cases) {
        const auto missing = picture(c.face, c.italic, c.bold, "\xF0\x40");  // a character no font has
        for (std::size_t i = 0; i < message.size(); i += cp932::char_bytes(message, i)) {
            const std::string ch = message.substr(i, cp932::char_bytes(message, i));
            const auto drawn = picture(c.face, c.italic, c.bold, ch);
            EXPECT_TRUE(drawn != missing) << c.face << " " << cp932::to_utf8(ch);
            if (cp932::code_point_at(ch, 0) >= 0x3000) {
                EXPECT_TRUE(drawn == picture("ゴシック", c.italic, c.bold, ch)) << c.face << " " << cp932::to_utf8(ch);
            }
        }
    }
}

TEST(Drawing, BadColoursAndNonFiniteCoordinatesAreRunTimeErrors) {
    Page page;
    EXPECT_THROW(page.rt.segment(0, 0, 10, 10, 16), basic::RuntimeError);
    EXPECT_THROW(page.rt.segment(0, 0, 10, 10, -1), basic::RuntimeError);
    EXPECT_THROW(page.rt.segment(0, std::nanf(""), 10, 10, 1), basic::RuntimeError);
    EXPECT_THROW(page.rt.circle(0, 0, INFINITY, 1), basic::RuntimeError);
    EXPECT_THROW(page.rt.text(INFINITY, 0, "a", 1), basic::RuntimeError);
    EXPECT_TRUE(page.rt.trace().empty());
}

TEST(Keys, ComeFromTheScriptInOrderAndItsEndEndsTheProgram) {
    Platform rt{harness::headless_options("1\r\x1c")};
    EXPECT_EQ(rt.poll_key(), "1");
    EXPECT_EQ(rt.poll_key(), "\r");
    EXPECT_EQ(rt.poll_key(), "\x1c");
    EXPECT_EQ(rt.keys_read(), 3);
    EXPECT_THROW(rt.poll_key(), platform::ProgramEnd);
}

// A random run is replayed from its key script and the time its clock read.
TEST(CommandLine, ClockIsAValidTimeOfDayAndTheClockReadsIt) {
    struct Case {
        std::vector<const char*> args;
        bool accepted;
    } const cases[] = {
        {{"--clock", "07:08:09"}, true}, {{"--clock", "23:59:59"}, true}, {{"--clock", "24:00:00"}, false},
        {{"--clock", "7:08:09"}, false}, {{"--clock", "07:60:00"}, false}, {{"--clock", "07-08-09"}, false},
        {{"--clock"}, false},
    };
    for (const Case& c : cases) {
        std::vector<char*> argv = {const_cast<char*>("telmira")};
        for (const char* a : c.args) argv.push_back(const_cast<char*>(a));
        platform::Options o = harness::headless_options();
        const std::string error = platform::parse_command_line(static_cast<int>(argv.size()), argv.data(), o);
        EXPECT_EQ(error.empty(), c.accepted) << (c.args.size() > 1 ? c.args[1] : "no value");
        if (c.accepted) {
            EXPECT_EQ(Platform(o).clock(), c.args[1]);
        }
    }
}

TEST(Keys, WindowEventsGiveEachKeyOnceWhateverAnInputMethodDoes) {
    auto press = [](SDL_Keycode sym, Uint16 mod = KMOD_NUM) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        return e;
    };
    auto text = [](const char* utf8) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        std::snprintf(e.text.text, sizeof e.text.text, "%s", utf8);
        return e;
    };
    struct Case {
        const char* what;
        SDL_Event event;
        bool text_input;
        std::string keys;
    } cases[] = {
        // Text input off, as the window keeps it: every key from its press.
        {"digit", press(SDLK_1), false, "1"},
        {"minus", press(SDLK_MINUS), false, "-"},
        {"point", press(SDLK_PERIOD), false, "."},
        {"slash", press(SDLK_SLASH), false, "/"},
        {"space", press(SDLK_SPACE), false, " "},
        {"letter", press(SDLK_a), false, "a"},
        {"keypad digit", press(SDLK_KP_0), false, "0"},
        {"keypad minus", press(SDLK_KP_MINUS), false, "-"},
        {"Enter", press(SDLK_RETURN), false, "\r"},
        {"keypad Enter", press(SDLK_KP_ENTER), false, "\r"},
        {"Backspace", press(SDLK_BACKSPACE), false, "\b"},
        {"Delete", press(SDLK_DELETE), false, "\f"},
        {"right arrow", press(SDLK_RIGHT), false, "\x1c"},
        {"down arrow", press(SDLK_DOWN), false, "\x1f"},
        {"Shift alone", press(SDLK_LSHIFT), false, ""},
        {"Ctrl alone", press(SDLK_RCTRL), false, ""},
        {"Num Lock alone", press(SDLK_NUMLOCKCLEAR), false, ""},
        {"text, should any come", text("1"), false, ""},
        // Every other key ends a key wait: Tab as itself, the keys without
        // a character (a presentation remote sends Page Down) as one code.
        {"Tab", press(SDLK_TAB), false, "\t"},
        {"F1", press(SDLK_F1), false, "\x7f"},
        {"Page Down", press(SDLK_PAGEDOWN), false, "\x7f"},
        {"Home", press(SDLK_HOME), false, "\x7f"},
        {"a letter outside ASCII", press(0xE4), false, "\x7f"},
        // The keypad without Num Lock: the keys printed on it.
        {"keypad 4 without Num Lock", press(SDLK_KP_4, KMOD_NONE), false, "\x1d"},
        {"keypad 8 without Num Lock", press(SDLK_KP_8, KMOD_NONE), false, "\x1e"},
        {"keypad 9 without Num Lock", press(SDLK_KP_9, KMOD_NONE), false, "\x7f"},
        {"keypad point without Num Lock", press(SDLK_KP_PERIOD, KMOD_NONE), false, "\f"},
        {"keypad slash without Num Lock", press(SDLK_KP_DIVIDE, KMOD_NONE), false, "/"},
        {"keypad 4 with Num Lock", press(SDLK_KP_4), false, "4"},
        // Text input on: printable keys only as text, never twice.
        {"digit press", press(SDLK_1), true, ""},
        {"keypad digit press", press(SDLK_KP_1), true, ""},
        {"digit text", text("1"), true, "1"},
        {"Enter press", press(SDLK_RETURN), true, "\r"},
        {"Tab press", press(SDLK_TAB), true, "\t"},
        {"Page Down press", press(SDLK_PAGEDOWN), true, "\x7f"},
        {"keypad 4 press without Num Lock", press(SDLK_KP_4, KMOD_NONE), true, "\x1d"},
        {"full-width digits", text("１２"), true, "12"},
        {"full-width minus, point and slash", text("－．／"), true, "-./"},
        {"full-width space", text("　"), true, " "},
        {"kana", text("あ"), true, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::keys_from_event(c.event, c.text_input), c.keys) << c.what;
}

TEST(Erasing, DrawingAShapeAgainInThePageColourLeavesNoFringe) {
    platform::Options o = harness::headless_options();
    o.antialias = true;  // the fringe only arises with antialiasing
    Platform rt{o};
    rt.set_line_width(3);
    rt.disc(100.3f, 100.6f, 4, 5, 5);
    rt.segment(20.2f, 30.7f, 180.4f, 61.1f, 9);
    rt.arc(60.5f, 140.2f, 30, 4, 0.1f, 0.6f);
    rt.disc(100.3f, 100.6f, 4, 15, 15);
    rt.segment(20.2f, 30.7f, 180.4f, 61.1f, 15);
    rt.arc(60.5f, 140.2f, 30, 15, 0.1f, 0.6f);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) ASSERT_TRUE(is_white(rt.pixel(x, y))) << x << "," << y;
}

TEST(Pictures, OneThatCannotBeWrittenEndsTheRunWithAMessageNamingIt) {
    if (!std::getenv("LESSONS_BIN")) GTEST_SKIP() << "LESSONS_BIN names the build directory";
    struct Case {
        const char* args;
        const char* file;
    } cases[] = {
        {"--shot /proc/nope.png", "/proc/nope.png"},  // cannot be made
        {"--frames /proc", "/proc/00001.png"},        // a directory that takes no files
        {"--shot /dev/full", "/dev/full"},            // made, but the writing fails
    };
    for (const Case& c : cases) {
        const ProgramRun r = run_program("", std::string("orvane --headless --keys 1 ") + c.args);
        EXPECT_TRUE(r.status > 0) << c.args;
        EXPECT_NE(r.output.find(c.file), std::string::npos) << c.args << ": " << r.output;
    }
}

// An empty name is no name: a usage error, never a run that writes nothing
// and reports success.
TEST(CommandLine, EmptyFileNamesAreUsageErrors) {
    if (!std::getenv("LESSONS_BIN")) GTEST_SKIP() << "LESSONS_BIN names the build directory";
    for (const char* option : {"--shot", "--frames", "--trace"}) {
        const ProgramRun r = run_program("", std::string("telmira --headless --keys 9 ") + option + " ''");
        EXPECT_EQ(r.status, 64) << option;
        EXPECT_NE(r.output.find("usage:"), std::string::npos) << option << ": " << r.output;
    }
}

// Without a display a program must not wait unseen for keys: it ends at once
// and says how to run without one, and writes no picture.
TEST(Window, WithoutADisplayTheProgramEndsAndPointsToHeadless) {
    if (!std::getenv("LESSONS_BIN")) GTEST_SKIP() << "LESSONS_BIN names the build directory";
    const std::string shot = testing::TempDir() + "no_display.png";
    std::remove(shot.c_str());
    const ProgramRun r = run_program("env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u SDL_VIDEODRIVER timeout 10",
                              "telmira --keys 1 --shot " + shot);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.output, "Telmira: there is no display to show the window on; --headless runs without one\n");
    EXPECT_FALSE(std::filesystem::exists(shot));
}
