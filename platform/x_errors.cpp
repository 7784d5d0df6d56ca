#include "x_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace platform {
namespace {

// Xlib's handlers get no user data: the one replaced lives here, set once
// per process, as Xlib's own handler slot is.
XErrorHandler replaced_handler = nullptr;

int pass_over_send_to_gone_window(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    return replaced_handler ? replaced_handler(display, error) : 0;
}

}  // namespace

void pass_over_late_wakeups() {
    XErrorHandler previous = XSetErrorHandler(pass_over_send_to_gone_window);
    if (previous != pass_over_send_to_gone_window) replaced_handler = previous;
}

}  // namespace platform
