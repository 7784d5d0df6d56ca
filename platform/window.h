// The program's one window (SDL2): shows the canvas scaled to fit with its
// aspect kept, and turns keyboard events into the programs' key codes.
#pragma once

#include <deque>
#include <string>

struct SDL_Window;
union SDL_Event;

namespace platform {

class Canvas;

// Why a window cannot be opened where nothing can show it.
constexpr const char* kNoDisplay = "there is no display to show the window on; --headless runs without one";

class Window {
public:
    // Throws std::runtime_error (kNoDisplay when there is no display).
    explicit Window(const std::string& title);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void maximize();
    // Handles the waiting events, waiting up to wait_ms for the first one.
    // Keys go to the back of `keys`. Returns false once the window is closed.
    bool pump(std::deque<char>& keys, int wait_ms);
    // The scale at which the page fills the window's drawable area.
    double fitting_scale() const;
    // True once after the drawable size changed.
    bool take_resized();
    // Shows the part of the canvas within the page-unit box (x1, y1)-(x2, y2),
    // or all of it after the window was resized or uncovered.
    void present(const Canvas& canvas, float x1, float y1, float x2, float y2);

private:
    bool handle(const ::SDL_Event& e, std::deque<char>& keys);

    SDL_Window* window_ = nullptr;
    bool resized_ = false;
    bool whole_ = true;  // the next present shows the whole canvas
    bool closed_ = false;
};

}  // namespace platform
