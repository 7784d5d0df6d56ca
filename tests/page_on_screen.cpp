// Test helper: finds the lesson page on the screen of $DISPLAY and compares
// it with a headless run's picture of the same keys.
//   page_on_screen EXPECTED.png [SCREEN.png]
// The window shows the page fitted and centred between margins of grey
// (64, 64, 64); the page is found from the margins to its left and right
// on the screen's middle row, so a page that overflows its window (only its
// middle showing) has no margins there and is not found. Exit status 0 when
// the page is there, whole, and looks like EXPECTED; SCREEN.png, when given,
// receives the screenshot.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Rgb {
    int r, g, b;
};

struct Shot {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool margin(int x, int y) const {
        const Rgb p = at(x, y);
        return p.r == 64 && p.g == 64 && p.b == 64;
    }
};

Shot grab(Display* d) {
    const Window root = DefaultRootWindow(d);
    XWindowAttributes a;
    XGetWindowAttributes(d, root, &a);
    XImage* image = XGetImage(d, root, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    Shot s;
    if (!image) return s;
    s.width = a.width;
    s.height = a.height;
    s.pixels.resize(static_cast<std::size_t>(s.width) * s.height);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            s.pixels[static_cast<std::size_t>(y) * s.width + x] = {static_cast<int>((p >> 16) & 0xFF),
                                                                   static_cast<int>((p >> 8) & 0xFF),
                                                                   static_cast<int>(p & 0xFF)};
        }
    XDestroyImage(image);
    return s;
}

void save(const Shot& s, const char* path) {
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, s.width, s.height);
    unsigned char* data = cairo_image_surface_get_data(out);
    const int stride = cairo_image_surface_get_stride(out);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            const Rgb p = s.at(x, y);
            reinterpret_cast<std::uint32_t*>(data + y * stride)[x] = (p.r << 16) | (p.g << 8) | p.b;
        }
    cairo_surface_mark_dirty(out);
    cairo_surface_write_to_png(out, path);
    cairo_surface_destroy(out);
}

struct Box {
    int x = 0, y = 0, w = 0, h = 0;
};

// A margin is a run of at least this many grey pixels: text on the page
// can have a grey pixel or two of its own.
constexpr int kMarginRun = 6;

bool margin_run(const Shot& s, int x, int y, int step) {
    for (int i = 0; i < kMarginRun; ++i) {
        const int xi = x + i * step;
        if (xi < 0 || xi >= s.width || !s.margin(xi, y)) return false;
    }
    return true;
}

// The page between the left and right margins on the middle row; its top is
// where the left margin's column stops being grey going up.
bool find_page(const Shot& s, Box& page) {
    const int y = s.height / 2;
    int left = -1, right = -1;
    for (int x = 0; x < s.width && left < 0; ++x)
        if (margin_run(s, x, y, 1)) {
            while (x + 1 < s.width && s.margin(x + 1, y)) ++x;
            left = x + 1;
        }
    for (int x = s.width - 1; x >= 0 && right < 0; --x)
        if (margin_run(s, x, y, -1)) {
            while (x - 1 >= 0 && s.margin(x - 1, y)) --x;
            right = x;
        }
    if (left < 0 || right <= left + 100) return false;
    page.x = left;
    page.w = right - left;
    page.h = static_cast<int>(std::lround(page.w * 900.0 / 1440.0));
    int top = y;
    while (top > 0 && s.margin(left - 1, top - 1)) --top;
    page.y = top;
    // The margin runs the page's whole height, and the page lies on the screen.
    for (int yy = page.y; yy < page.y + page.h - 1; ++yy)
        if (yy >= s.height || !s.margin(left - 1, yy)) return false;
    return true;
}

// The worst mean difference per channel (0..255) over the squares of
// kSquare pixels that tile the screen's box, against the expected picture
// scaled to the box: a point moved by one key changes a few squares a lot,
// while scaling blurs every edge a little.
constexpr int kSquare = 16;

double difference(const Shot& s, const Box& page, const char* expected_path) {
    cairo_surface_t* expected = cairo_image_surface_create_from_png(expected_path);
    if (cairo_surface_status(expected) != CAIRO_STATUS_SUCCESS) return 255.0;
    cairo_surface_t* scaled = cairo_image_surface_create(CAIRO_FORMAT_RGB24, page.w, page.h);
    cairo_t* cr = cairo_create(scaled);
    cairo_scale(cr, page.w / static_cast<double>(cairo_image_surface_get_width(expected)),
                page.h / static_cast<double>(cairo_image_surface_get_height(expected)));
    cairo_set_source_surface(cr, expected, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(scaled);
    const unsigned char* data = cairo_image_surface_get_data(scaled);
    const int stride = cairo_image_surface_get_stride(scaled);
    const int across = (page.w + kSquare - 1) / kSquare, down = (page.h + kSquare - 1) / kSquare;
    std::vector<double> sums(static_cast<std::size_t>(across) * down, 0.0);
    for (int y = 0; y < page.h; ++y)
        for (int x = 0; x < page.w; ++x) {
            const std::uint32_t v = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
            const Rgb p = s.at(page.x + x, page.y + y);
            sums[static_cast<std::size_t>(y / kSquare) * across + x / kSquare] +=
                std::abs(p.r - static_cast<int>((v >> 16) & 0xFF)) +
                std::abs(p.g - static_cast<int>((v >> 8) & 0xFF)) + std::abs(p.b - static_cast<int>(v & 0xFF));
        }
    cairo_surface_destroy(scaled);
    cairo_surface_destroy(expected);
    double worst = 0;
    for (double sum : sums) worst = std::max(worst, sum / (3.0 * kSquare * kSquare));
    return worst;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: page_on_screen EXPECTED.png [SCREEN.png]\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "page_on_screen: no display\n");
        return 2;
    }
    const Shot screen = grab(d);
    XCloseDisplay(d);
    if (argc == 3) save(screen, argv[2]);
    Box page;
    if (!find_page(screen, page)) {
        std::printf("page_on_screen: no whole page between grey margins on the screen\n");
        return 1;
    }
    const double diff = difference(screen, page, argv[1]);
    std::printf("page at %d,%d, %d x %d on the screen; worst difference %.1f\n", page.x, page.y, page.w, page.h, diff);
    // The same page differs by up to about 60 (the blinking dot of a
    // number entry); a point moved by one arrow key, by 120 or more.
    return diff < 90 ? 0 : 1;
}
