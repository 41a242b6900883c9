// Times a program from its start to the mapping of its first top-level
// window on the current X display, then ends it.
//   velmora_window_map_timer PROGRAM [ARGS...]
// Prints the wall-clock milliseconds and the milliseconds of processor time
// the program used until then (less disturbed by other load on the machine);
// exits non-zero if no window appears in 30 s.
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    // Map events of every child of the root window are the top-level maps.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    bool mapped = false;
    Clock::time_point mappedAt;
    const Clock::time_point deadline = start + std::chrono::seconds(30);
    while (!mapped && Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                mappedAt = Clock::now();
                mapped = true;
                break;
            }
        }
        if (!mapped) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 100);
        }
    }

    // Stopped at once, the child's processor time is what it used up to the map.
    kill(child, SIGKILL);
    rusage usage{};
    wait4(child, nullptr, 0, &usage);
    const double cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                       (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "no window mapped\n");
        return 1;
    }
    std::printf("%.2f %.2f\n", std::chrono::duration<double, std::milli>(mappedAt - start).count(), cpu);
    return 0;
}
