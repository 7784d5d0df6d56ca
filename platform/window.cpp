#include "window.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <stdexcept>

#include "canvas.h"
#include "platform.h"

namespace platform {

Window::Window(const std::string& title) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1440, 900,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) throw std::runtime_error(std::string("cannot draw in the window: ") + SDL_GetError());
    SDL_StartTextInput();
}

Window::~Window() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    SDL_Quit();
}

void Window::maximize() { SDL_MaximizeWindow(window_); }

double Window::fitting_scale() const {
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
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
            if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) resized_ = true;
            break;
        case SDL_TEXTINPUT:
            // Printable keys arrive as text; only one-byte characters exist
            // for the programs.
            for (const char* p = e.text.text; *p; ++p)
                if (static_cast<unsigned char>(*p) >= 32 && static_cast<unsigned char>(*p) < 127) keys.push_back(*p);
            break;
        case SDL_KEYDOWN:
            switch (e.key.keysym.sym) {
                case SDLK_RETURN:
                case SDLK_KP_ENTER: keys.push_back(kEnter); break;
                case SDLK_BACKSPACE: keys.push_back(kBackspace); break;
                case SDLK_DELETE: keys.push_back(kClearKey); break;
                case SDLK_RIGHT: keys.push_back(kRight); break;
                case SDLK_LEFT: keys.push_back(kLeft); break;
                case SDLK_UP: keys.push_back(kUp); break;
                case SDLK_DOWN: keys.push_back(kDown); break;
                case SDLK_ESCAPE: keys.push_back(27); break;
                default: break;
            }
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

void Window::present(const Canvas& canvas) {
    int cw = canvas.pixel_width(), ch = canvas.pixel_height();
    if (!texture_ || cw != texture_w_ || ch != texture_h_) {
        if (texture_) SDL_DestroyTexture(texture_);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, cw, ch);
        texture_w_ = cw;
        texture_h_ = ch;
    }
    cairo_surface_t* s = canvas.surface();
    cairo_surface_flush(s);
    SDL_UpdateTexture(texture_, nullptr, cairo_image_surface_get_data(s), cairo_image_surface_get_stride(s));
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    SDL_Rect dst{(w - cw) / 2, (h - ch) / 2, cw, ch};
    SDL_SetRenderDrawColor(renderer_, 64, 64, 64, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
    SDL_RenderPresent(renderer_);
}

}  // namespace platform
