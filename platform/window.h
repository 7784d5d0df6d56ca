// The program's one window (SDL2): shows the canvas scaled to fit with its
// aspect kept, and turns keyboard events into the programs' key codes.
#pragma once

#include <deque>
#include <string>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace platform {

class Canvas;

class Window {
public:
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
    void present(const Canvas& canvas);

private:
    bool handle(const ::SDL_Event& e, std::deque<char>& keys);

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int texture_w_ = 0, texture_h_ = 0;
    bool resized_ = false;
    bool closed_ = false;
};

}  // namespace platform
