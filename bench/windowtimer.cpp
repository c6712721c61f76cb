// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
// Launches a program on the X display in DISPLAY and reports, as key=value lines:
//   shown_ms   from the launch to the mapping of the program's first top-level window
//   peak_kib   the program's peak resident set (VmHWM), read before it is ended
//   rss_kib    its resident set at that moment
// Usage: windowtimer [--click X,Y] [--settle MS] -- PROGRAM [ARGS...]
//   --click X,Y  once the window is shown, a real left click at X,Y relative to
//                the window's top-left corner (through xdotool)
//   --settle MS  how long to let the program work after the window is shown
//                (and after the click) before its memory is read; default 1000
// Without a window manager the window opens at (0, 0) and is not reparented,
// so its MapNotify arrives on the root window's substructure.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;
constexpr auto mapTimeout = std::chrono::seconds(30);

pid_t spawn(char **argv)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        std::perror(argv[0]);
        _exit(127);
    }
    return pid;
}

std::optional<long> windowPid(Display *display, Window window)
{
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data)
            == Success
        && data && count == 1 && format == 32)
        pid = *reinterpret_cast<long *>(data);
    if (data)
        XFree(data);
    return pid;
}

// The value in KiB of one "Name:   123 kB" line of /proc/PID/status.
long statusKib(pid_t pid, const char *name)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string key = std::string(name) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::strtol(line.c_str() + key.size(), nullptr, 10);
    }
    return -1;
}

void click(int x, int y)
{
    std::string words[] = {"xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "1"};
    char *argv[std::size(words) + 1] = {};
    for (std::size_t i = 0; i < std::size(words); ++i)
        argv[i] = words[i].data();
    const pid_t pid = spawn(argv);
    waitpid(pid, nullptr, 0);
}
} // namespace

int main(int argc, char **argv)
{
    std::optional<std::pair<int, int>> clickAt;
    int settleMs = 1000;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--") {
            ++first;
            break;
        }
        if (arg == "--click" && first + 1 < argc) {
            int x = 0, y = 0;
            if (std::sscanf(argv[++first], "%d,%d", &x, &y) == 2)
                clickAt = std::make_pair(x, y);
        } else if (arg == "--settle" && first + 1 < argc) {
            settleMs = std::atoi(argv[++first]);
        } else {
            std::fprintf(stderr, "usage: windowtimer [--click X,Y] [--settle MS] -- PROGRAM [ARGS...]\n");
            return 2;
        }
    }
    if (first >= argc) {
        std::fprintf(stderr, "windowtimer: no program given\n");
        return 2;
    }

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "windowtimer: cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point launched = Clock::now();
    const pid_t pid = spawn(argv + first);

    std::optional<Clock::time_point> shown;
    Window window = None;
    while (!shown && Clock::now() - launched < mapTimeout) {
        if (!XPending(display)) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect
            && windowPid(display, event.xmap.window) == long(pid)) {
            shown = Clock::now();
            window = event.xmap.window;
        }
    }
    if (!shown) {
        std::fprintf(stderr, "windowtimer: no window shown within %lld s\n",
                     static_cast<long long>(mapTimeout.count()));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }
    std::printf("shown_ms=%.3f\n", std::chrono::duration<double, std::milli>(*shown - launched).count());
    std::fflush(stdout);

    if (clickAt) {
        // Let the program take its first paint before the input arrives.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        Window child = None;
        int x = 0, y = 0;
        XTranslateCoordinates(display, window, root, clickAt->first, clickAt->second, &x, &y, &child);
        click(x, y);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    std::printf("peak_kib=%ld\nrss_kib=%ld\n", statusKib(pid, "VmHWM"), statusKib(pid, "VmRSS"));

    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    XCloseDisplay(display);
    return 0;
}
