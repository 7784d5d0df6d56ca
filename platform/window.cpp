#include "window.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "canvas.h"
#include "key_events.h"
#include "platform.h"
#include "x_errors.h"

namespace platform {
namespace {

// Drivers that "show" a window nobody can see: a program on one would wait
// for keys that can never come.
bool is_windowless(std::string_view driver) {
    return driver == "offscreen" || driver == "dummy" || driver == "evdev";
}

// The video drivers to try, in SDL's order, leaving out the windowless ones
// and Wayland where it cannot be reached (its library would print a
// complaint of its own). SDL_VIDEODRIVER, when set, still decides.
std::string display_drivers() {
    const bool wayland = std::getenv("WAYLAND_DISPLAY") || std::getenv("XDG_RUNTIME_DIR");
    std::string list;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const std::string_view driver = SDL_GetVideoDriver(i);
        if (is_windowless(driver) || (driver == "wayland" && !wayland)) continue;
        if (!list.empty()) list += ',';
        list += driver;
    }
    return list;
}

// SDL's reason for the last failure, never empty: a message that ends in
// nothing tells the user nothing.
std::string sdl_reason() {
    const std::string reason = SDL_GetError();
    if (!reason.empty()) return reason;
    return std::string("the ") + (SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "video") +
           " driver gave no reason";
}

}  // namespace

Window::Window(const std::string& title) {
    // No X input method server for this window: the programs read single
    // keys, and an input method that is on would hold them back.
    setenv("XMODIFIERS", "@im=none", 1);
    pass_over_late_wakeups();
    SDL_SetHint(SDL_HINT_VIDEODRIVER, display_drivers().c_str());
    const bool shown = SDL_Init(SDL_INIT_VIDEO) == 0;
    if (!shown || is_windowless(SDL_GetCurrentVideoDriver())) {
        if (shown) SDL_Quit();
        throw std::runtime_error(kNoDisplay);
    }
    // The page is copied into the window as a plain picture: on X the
    // window's own framebuffer does that with no graphics acceleration (and
    // none of its libraries). Wayland has no such framebuffer: there SDL
    // copies through a texture, which this hint would forbid.
    if (std::string_view(SDL_GetCurrentVideoDriver()) == "x11") SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Start as large as the desktop allows, so that the page fits also
    // where no window manager maximises the window.
    SDL_Rect area{0, 0, 1440, 900};
    if (SDL_GetDisplayUsableBounds(0, &area) != 0) area = SDL_Rect{0, 0, 1440, 900};
    window_ = SDL_CreateWindow(title.c_str(), area.x, area.y, area.w, area.h,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) throw std::runtime_error("cannot open a window: " + sdl_reason());
    // Maximised only once it exists: a window created maximised at the
    // desktop's size shows its first picture at that size, and a Wayland
    // compositor that gave it a smaller one (its panel takes the rest)
    // ends the connection for it.
    maximize();
    if (!SDL_GetWindowSurface(window_)) throw std::runtime_error("cannot draw in the window: " + sdl_reason());
    // Text input is on by default; off, no input method sees the keys.
    SDL_StopTextInput();
}

Window::~Window() {
    if (window_) SDL_DestroyWindow(window_);
    SDL_Quit();
}

void Window::maximize() { SDL_MaximizeWindow(window_); }

double Window::fitting_scale() const {
    // The surface the page is copied into, not the window's pixels: on a
    // Wayland output at scale 2 that surface is in points, half as large.
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    const int w = target ? target->w : 0, h = target ? target->h : 0;
    double s = std::min(w / static_cast<double>(kPageWidth), h / static_cast<double>(kPageHeight));
    return s > 0.05 ? s : 0.05;
}

bool Window::take_resized() {
    bool r = resized_;
    resized_ = false;
    return r;
}

bool Window::handle(const SDL_Event& e, std::deque<char>& keys) {
    switch (e.type) {
        case SDL_QUIT: closed_ = true; break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) closed_ = true;
            if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) resized_ = whole_ = true;
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED) whole_ = true;
            break;
        case SDL_KEYDOWN:
        case SDL_TEXTINPUT:
            for (char key : keys_from_event(e, SDL_IsTextInputActive())) keys.push_back(key);
            break;
        default: break;
    }
    return !closed_;
}

bool Window::pump(std::deque<char>& keys, int wait_ms) {
    SDL_Event e;
    if (wait_ms > 0 && SDL_WaitEventTimeout(&e, wait_ms)) handle(e, keys);
    while (SDL_PollEvent(&e)) handle(e, keys);
    return !closed_;
}

void Window::present(const Canvas& canvas, float x1, float y1, float x2, float y2) {
    // Only the changed part is copied, so that a blinking dot costs little.
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target) return;
    cairo_surface_t* s = canvas.surface();
    cairo_surface_flush(s);
    const int cw = canvas.pixel_width(), ch = canvas.pixel_height();
    SDL_Surface* page = SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(s), cw, ch, 32,
                                                           cairo_image_surface_get_stride(s), SDL_PIXELFORMAT_RGB888);
    if (!page) return;
    const int ox = (target->w - cw) / 2, oy = (target->h - ch) / 2;
    if (whole_) {
        SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 64, 64, 64));
        SDL_Rect dst{ox, oy, cw, ch};
        SDL_BlitSurface(page, nullptr, target, &dst);
        SDL_UpdateWindowSurface(window_);
        whole_ = false;
    } else {
        const double k = canvas.scale();
        const int px1 = std::clamp(static_cast<int>(std::floor(x1 * k)) - 2, 0, cw);
        const int py1 = std::clamp(static_cast<int>(std::floor(y1 * k)) - 2, 0, ch);
        const int px2 = std::clamp(static_cast<int>(std::ceil(x2 * k)) + 2, 0, cw);
        const int py2 = std::clamp(static_cast<int>(std::ceil(y2 * k)) + 2, 0, ch);
        if (px2 > px1 && py2 > py1) {
            SDL_Rect src{px1, py1, px2 - px1, py2 - py1};
            SDL_Rect dst{px1 + ox, py1 + oy, src.w, src.h};
            SDL_BlitSurface(page, &src, target, &dst);
            SDL_UpdateWindowSurfaceRects(window_, &dst, 1);
        }
    }
    SDL_FreeSurface(page);
}

}  // namespace platform
