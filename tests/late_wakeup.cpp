// Test helper, run on an X display: the error that SDL's late wake-up of a
// destroyed window draws at a program's end (BadWindow from SendEvent) must
// be passed over while the window is open and after it is closed, and every
// other X error must still reach the handler that was there before.
// Exit status 0 when both hold; Xlib's default handler would exit with 1.
#include <X11/Xlib.h>

#include <cstdio>

#include "window.h"

namespace {

int errors_seen = 0;

int count_error(Display*, XErrorEvent*) {
    ++errors_seen;
    return 0;
}

::Window gone_window(Display* d) {
    const ::Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    XDestroyWindow(d, w);
    return w;
}

// What SDL's second connection does when it wakes a window that is gone.
void wake_gone_window(Display* d) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = gone_window(d);
    e.xclient.format = 32;
    XSendEvent(d, e.xclient.window, False, NoEventMask, &e);
    XSync(d, False);
}

// Any other failure.
void map_gone_window(Display* d) {
    XMapWindow(d, gone_window(d));
    XSync(d, False);
}

bool check(const char* when, Display* d, int errors_before) {
    wake_gone_window(d);
    map_gone_window(d);
    if (errors_seen == errors_before + 1) return true;
    std::printf("late_wakeup: %s, %d errors reached the handler instead of 1\n", when, errors_seen - errors_before);
    return false;
}

}  // namespace

int main() {
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::printf("late_wakeup: no display\n");
        return 2;
    }
    XSetErrorHandler(count_error);
    bool ok = true;
    {
        platform::Window window("late wakeup");
        ok = check("with the window open", d, 0) && ok;
    }
    ok = check("after the window closed", d, errors_seen) && ok;
    XCloseDisplay(d);
    if (ok) std::printf("late_wakeup: passed over, other errors handed on\n");
    return ok ? 0 : 1;
}
