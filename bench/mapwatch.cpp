// SPDX-License-Identifier: MIT
// Start-up as the X server sees it: forks and execs a program, and times each top-level window
// it maps from the fork, by the MapNotify events on the root window.
//   mapwatch --subject name --runs n --maps m -- program [arguments…]
// Prints one JSON line: the milliseconds from fork to the first map and from each map to the
// next, one figure per run. One unrecorded run first brings the files into the page cache.
#include <X11/Xlib.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int patienceMilliseconds = 10000;
constexpr int pauseBetweenRunsMicroseconds = 300000;

struct Options {
    std::string subject;
    int runs = 7;
    int maps = 1;
    char **command = nullptr;
};

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "mapwatch: %s\n", what);
    std::exit(EXIT_FAILURE);
}

Options parse(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--" && i + 1 < argc) {
            options.command = argv + i + 1;
            break;
        }
        if (i + 1 >= argc)
            fail("usage: mapwatch --subject name --runs n --maps m -- program [arguments…]");
        if (argument == "--subject")
            options.subject = argv[++i];
        else if (argument == "--runs")
            options.runs = std::atoi(argv[++i]);
        else if (argument == "--maps")
            options.maps = std::atoi(argv[++i]);
    }
    if (!options.command || options.runs < 1 || options.maps < 1)
        fail("usage: mapwatch --subject name --runs n --maps m -- program [arguments…]");
    return options;
}

pid_t launch(char **command)
{
    const pid_t child = fork();
    if (child < 0)
        fail("cannot fork");
    if (child == 0) {
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }
    return child;
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The next top-level window mapped, in milliseconds since start; a window of the program's
// own (menus, tool tips) bypasses the window manager and is not counted.
double nextMap(Display *display, Clock::time_point start)
{
    const Window root = DefaultRootWindow(display);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (millisecondsSince(start) < patienceMilliseconds) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root &&
                !event.xmap.override_redirect)
                return millisecondsSince(start);
        }
        if (poll(&connection, 1, 10) < 0 && errno != EINTR)
            fail("cannot wait for the X server");
    }
    fail("no window was mapped in time");
}

void drain(Display *display)
{
    XSync(display, False);
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
    }
}

// One start-up: the time to the first map, then from each map to the next.
std::vector<double> measure(Display *display, const Options &options)
{
    drain(display);
    const Clock::time_point start = Clock::now();
    const pid_t child = launch(options.command);
    std::vector<double> steps;
    double previous = 0;
    for (int map = 0; map < options.maps; ++map) {
        const double at = nextMap(display, start);
        steps.push_back(at - previous);
        previous = at;
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    usleep(pauseBetweenRunsMicroseconds);
    return steps;
}

void printRecord(const Options &options, const std::vector<std::vector<double>> &runs)
{
    std::printf(R"({"kind":"startup","subject":"%s","steps_ms":[)", options.subject.c_str());
    for (int step = 0; step < options.maps; ++step) {
        std::printf("%s[", step ? "," : "");
        for (std::size_t run = 0; run < runs.size(); ++run)
            std::printf("%s%.2f", run ? "," : "", runs[run][std::size_t(step)]);
        std::printf("]");
    }
    std::printf("]}\n");
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("cannot open the display");
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    measure(display, options);
    std::vector<std::vector<double>> runs;
    for (int run = 0; run < options.runs; ++run)
        runs.push_back(measure(display, options));
    printRecord(options, runs);
    XCloseDisplay(display);
    return 0;
}
