#include "key_events.h"

#include <SDL2/SDL.h>

#include <string_view>

#include "platform.h"
#include "utf8.h"

namespace platform {
namespace {

// A typed character as its one-byte key, or 0 for none.
char key_of_character(char32_t c) {
    if (c >= 0x20 && c < 0x7F) return static_cast<char>(c);
    // The full-width forms of the printable one-byte characters (０ to ９,
    // －, ．, ／ ...), in their order, and the full-width space.
    if (c >= 0xFF01 && c <= 0xFF5E) return static_cast<char>(c - 0xFF01 + 0x21);
    if (c == 0x3000) return ' ';
    return 0;
}

char key_of_keypad(SDL_Keycode sym) {
    switch (sym) {
        case SDLK_KP_0: return '0';
        case SDLK_KP_1: return '1';
        case SDLK_KP_2: return '2';
        case SDLK_KP_3: return '3';
        case SDLK_KP_4: return '4';
        case SDLK_KP_5: return '5';
        case SDLK_KP_6: return '6';
        case SDLK_KP_7: return '7';
        case SDLK_KP_8: return '8';
        case SDLK_KP_9: return '9';
        case SDLK_KP_PERIOD: return '.';
        case SDLK_KP_MINUS: return '-';
        case SDLK_KP_DIVIDE: return '/';
        case SDLK_KP_PLUS: return '+';
        case SDLK_KP_MULTIPLY: return '*';
        default: return 0;
    }
}

char key_of_press(SDL_Keycode sym, bool text_input) {
    switch (sym) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return kEnter;
        case SDLK_BACKSPACE: return kBackspace;
        case SDLK_DELETE: return kClearKey;
        case SDLK_RIGHT: return kRight;
        case SDLK_LEFT: return kLeft;
        case SDLK_UP: return kUp;
        case SDLK_DOWN: return kDown;
        case SDLK_ESCAPE: return 27;
        default: break;
    }
    if (text_input) return 0;
    if (char key = key_of_keypad(sym)) return key;
    // A printable key's code is the character it types unshifted.
    return sym >= 0x20 && sym < 0x7F ? static_cast<char>(sym) : 0;
}

}  // namespace

std::string keys_from_event(const SDL_Event& event, bool text_input) {
    std::string keys;
    if (event.type == SDL_KEYDOWN) {
        if (char key = key_of_press(event.key.keysym.sym, text_input)) keys += key;
    } else if (event.type == SDL_TEXTINPUT && text_input) {
        const std::string_view text = event.text.text;
        for (std::size_t i = 0; i < text.size();)
            if (char key = key_of_character(utf8::next_code_point(text, i))) keys += key;
    }
    return keys;
}

}  // namespace platform
