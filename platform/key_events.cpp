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

// The keypad with Num Lock on: the digits and signs printed on it.
char keypad_character(SDL_Keycode sym) {
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
        default: return 0;
    }
}

// The keypad's signs, which Num Lock does not change.
char keypad_sign(SDL_Keycode sym) {
    switch (sym) {
        case SDLK_KP_MINUS: return '-';
        case SDLK_KP_DIVIDE: return '/';
        case SDLK_KP_PLUS: return '+';
        case SDLK_KP_MULTIPLY: return '*';
        default: return 0;
    }
}

// The keypad with Num Lock off: 4, 6, 8 and 2 are the arrows and "." is
// Delete, as printed on the keys; Home, End, Page Up and Down, Insert and
// the blank 5 are keys of their own.
char keypad_without_num_lock(SDL_Keycode sym) {
    switch (sym) {
        case SDLK_KP_4: return kLeft;
        case SDLK_KP_6: return kRight;
        case SDLK_KP_8: return kUp;
        case SDLK_KP_2: return kDown;
        case SDLK_KP_PERIOD: return kClearKey;
        default: return kOtherKey;
    }
}

// Keys that only change what other keys do, pressed alone.
bool is_modifier(SDL_Keycode sym) {
    switch (sym) {
        case SDLK_LSHIFT: case SDLK_RSHIFT:
        case SDLK_LCTRL: case SDLK_RCTRL:
        case SDLK_LALT: case SDLK_RALT: case SDLK_MODE:
        case SDLK_LGUI: case SDLK_RGUI:
        case SDLK_CAPSLOCK: case SDLK_NUMLOCKCLEAR:
            return true;
        default:
            return false;
    }
}

// The key a press gives, or 0 for none. With text input on, the keys that
// type a character come as text and give nothing here.
char key_of_press(const SDL_Keysym& key, bool text_input) {
    const SDL_Keycode sym = key.sym;
    switch (sym) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return kEnter;
        case SDLK_BACKSPACE: return kBackspace;
        case SDLK_DELETE: return kClearKey;
        case SDLK_TAB: return kTab;
        case SDLK_RIGHT: return kRight;
        case SDLK_LEFT: return kLeft;
        case SDLK_UP: return kUp;
        case SDLK_DOWN: return kDown;
        case SDLK_ESCAPE: return 27;
        default: break;
    }
    if (is_modifier(sym)) return 0;
    if (char c = keypad_character(sym)) {
        if (!(key.mod & KMOD_NUM)) return keypad_without_num_lock(sym);
        return text_input ? 0 : c;
    }
    if (char c = keypad_sign(sym)) return text_input ? 0 : c;
    // A printable key's code is the character it types unshifted.
    if (sym >= 0x20 && sym < 0x7F) return text_input ? 0 : static_cast<char>(sym);
    // A character outside ASCII types nothing the programs read; as text
    // it is dropped, as a press it is a key of its own.
    if (text_input && !(sym & SDLK_SCANCODE_MASK)) return 0;
    return kOtherKey;
}

}  // namespace

std::string keys_from_event(const SDL_Event& event, bool text_input) {
    std::string keys;
    if (event.type == SDL_KEYDOWN) {
        if (char key = key_of_press(event.key.keysym, text_input)) keys += key;
    } else if (event.type == SDL_TEXTINPUT && text_input) {
        const std::string_view text = event.text.text;
        for (std::size_t i = 0; i < text.size();)
            if (char key = key_of_character(utf8::next_code_point(text, i))) keys += key;
    }
    return keys;
}

}  // namespace platform
