// The programs' key codes from the window's keyboard events. The programs
// read single keys, never composed text: the window takes no text input, so
// that no input method holds keys back, and every key comes from its key
// press. Should text input be on all the same, printable keys come as text
// and only the others from key presses, so that no key arrives twice; the
// full-width forms an input method commits count as their one-byte keys.
// Every key of its own gives a key (kOtherKey when it has no code of its
// own); Shift, Ctrl, Alt, Super, Caps Lock and Num Lock pressed alone give
// none. The keypad gives digits with Num Lock on, arrows and Delete with it
// off.
#pragma once

#include <string>

union SDL_Event;

namespace platform {

// The keys one event delivers, in order; empty for any other event.
std::string keys_from_event(const SDL_Event& event, bool text_input);

}  // namespace platform
