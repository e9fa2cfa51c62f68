// Measures start-up as a person sees it: from exec to the program's first
// top-level window being mapped on the X display, for a reference program and
// a program under test, started alternately so that both meet the same machine
// state. Prints both medians and their ratio.
//   startup_timer [--runs N] [--max-ratio R] <reference> <program>
// Exits 1 if the ratio exceeds R. Each start is ended with SIGTERM once its
// window is up, and reaped before the next start.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long WindowPid(Display* display, Window window) {
    static const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr && count == 1 && format == 32)
        pid = *reinterpret_cast<long*>(data);
    if (data) XFree(data);
    return pid;
}

// Starts program and returns the seconds until a window of its process is
// mapped, or a negative value if it ended or took longer than 30 s.
double TimeToWindow(Display* display, const char* program) {
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    double seconds = -1;
    const int fd = ConnectionNumber(display);
    while (seconds < 0 && Clock::now() - start < std::chrono::seconds(30)) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && WindowPid(display, event.xmap.window) == pid) {
                seconds = std::chrono::duration<double>(Clock::now() - start).count();
                break;
            }
        }
        if (seconds >= 0 || waitpid(pid, nullptr, WNOHANG) == pid) break;
        pollfd waitForX{fd, POLLIN, 0};
        poll(&waitForX, 1, 50);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return seconds;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 11;
    double maxRatio = 0;
    int arg = 1;
    for (; arg + 1 < argc && argv[arg][0] == '-'; arg += 2) {
        if (std::strcmp(argv[arg], "--runs") == 0) runs = std::atoi(argv[arg + 1]);
        else if (std::strcmp(argv[arg], "--max-ratio") == 0) maxRatio = std::atof(argv[arg + 1]);
    }
    if (argc - arg != 2 || runs < 1) {
        std::fprintf(stderr, "usage: %s [--runs N] [--max-ratio R] <reference> <program>\n", argv[0]);
        return 2;
    }
    const char* programs[2] = {argv[arg], argv[arg + 1]};
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 2;
    }
    // Without a window manager a top-level map shows up on the root window.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    std::vector<double> times[2];
    for (int round = -1; round < runs; ++round) {  // round -1 warms the caches
        for (int k = 0; k < 2; ++k) {
            const int which = (round + k) % 2 == 0 ? 0 : 1;  // alternate who goes first
            const double seconds = TimeToWindow(display, programs[which]);
            if (seconds < 0) {
                std::fprintf(stderr, "%s: no window from %s\n", argv[0], programs[which]);
                return 2;
            }
            if (round >= 0) times[which].push_back(seconds);
        }
    }
    const double reference = Median(times[0]), program = Median(times[1]);
    const double ratio = program / reference;
    std::printf("runs %d, exec to window mapped, median: reference %.1f ms, program %.1f ms, ratio %.2f\n",
                runs, reference * 1e3, program * 1e3, ratio);
    XCloseDisplay(display);
    return maxRatio > 0 && ratio > maxRatio ? 1 : 0;
}
