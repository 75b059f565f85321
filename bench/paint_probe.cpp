// Watches a private X display for the first top-level window to be mapped
// and then painted, and prints when, on the monotonic clock in seconds:
//   ready <t>            listening; start the program under test now
//   map <t> <window>     the first top-level window was mapped
//   paint <t> <window>   the first drawing into it after the map
// "Painted" is the first DAMAGE report on that window: the server tells us
// as soon as the client has drawn into it, whatever way it drew. Every new
// top-level window gets a damage object when it is created, before it can
// be mapped or drawn. With TITLE, only a window mapped with that title
// (_NET_WM_NAME, else WM_NAME) counts. Gives up after DEADLINE seconds
// (status 2).
//   paint_probe DEADLINE [TITLE]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

double now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// A window may be input-only (no contents to damage) or gone again before
// we ask: such a window is never the one painted, so its error is ignored.
int ignoreError(Display*, XErrorEvent*) { return 0; }

std::string title(Display* display, Window window) {
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &left, &data) ==
            Success &&
        data != nullptr) {
        name.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    char* plain = nullptr;
    if (name.empty() && XFetchName(display, window, &plain) != 0 && plain != nullptr) {
        name = plain;
        XFree(plain);
    }
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    const double deadline = now() + (argc > 1 ? std::atof(argv[1]) : 30.0);
    const char* wanted = argc > 2 ? argv[2] : nullptr;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "paint_probe: cannot open the display\n");
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "paint_probe: the X server has no DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(ignoreError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    std::printf("ready %.6f\n", now());
    std::fflush(stdout);

    std::set<Window> watched;
    Window mapped = None;
    while (now() < deadline) {
        if (XPending(display) == 0) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 50);
            continue;
        }
        XEvent e;
        XNextEvent(display, &e);
        const double t = now();
        if (e.type == CreateNotify && !e.xcreatewindow.override_redirect) {
            XDamageCreate(display, e.xcreatewindow.window, XDamageReportNonEmpty);
            watched.insert(e.xcreatewindow.window);
            XFlush(display);
        } else if (e.type == MapNotify && mapped == None && watched.count(e.xmap.window) != 0 &&
                   (wanted == nullptr || title(display, e.xmap.window) == wanted)) {
            mapped = e.xmap.window;
            std::printf("map %.6f 0x%lx\n", t, mapped);
            std::fflush(stdout);
        } else if (e.type == damageEvent + XDamageNotify) {
            const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
            if (mapped != None && d.drawable == mapped) {
                std::printf("paint %.6f 0x%lx\n", t, mapped);
                std::fflush(stdout);
                XCloseDisplay(display);
                return 0;
            }
            XDamageSubtract(display, d.damage, None, None);
        }
    }
    std::fprintf(stderr, "paint_probe: no window was mapped and painted in time\n");
    return 2;
}
