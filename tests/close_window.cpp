// Test helper: finds the top-level window with the given title on $DISPLAY
// and asks it to close, as a click on its close box does (WM_DELETE_WINDOW).
// Exit status 0 when the request was sent, 1 when no such window appeared.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// Windows come and go while the tree is walked (the program creates helper
// windows as it starts): a window that vanished is simply skipped.
int ignore_x_errors(Display*, XErrorEvent*) { return 0; }

Window find(Display* d, Window w, const char* title) {
    char* name = nullptr;
    if (XFetchName(d, w, &name) && name) {
        bool match = std::strcmp(name, title) == 0;
        XFree(name);
        if (match) return w;
    }
    Window root, parent, *children = nullptr;
    unsigned n = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &n)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < n && !found; ++i) found = find(d, children[i], title);
    if (children) XFree(children);
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: close_window TITLE\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "close_window: no display\n");
        return 2;
    }
    XSetErrorHandler(ignore_x_errors);
    Window w = 0;
    for (int i = 0; i < 100 && !w; ++i) {
        w = find(d, DefaultRootWindow(d), argv[1]);
        if (!w) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (!w) {
        std::fprintf(stderr, "close_window: no window titled %s\n", argv[1]);
        return 1;
    }
    // The program may replace its first window by another of the same title
    // while it sets up drawing: let it settle, then look again.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    if (Window again = find(d, DefaultRootWindow(d), argv[1])) w = again;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
    XFlush(d);
    XCloseDisplay(d);
    std::printf("closed window 0x%lx titled %s\n", static_cast<unsigned long>(w), argv[1]);
    return 0;
}
