// SPDX-License-Identifier: MIT
// Start-up as the X server sees it: forks and execs a program, and times each top-level window
// it maps from the fork, by the MapNotify events on the root window, and the first frame that
// the first window shows painted: the first whose pixels hold the given colour, read back on each
// damage the program does to it.
//   mapwatch --subject name --runs n --maps m --colour RRGGBB -- program [arguments…]
// Prints one JSON line: the milliseconds from fork to the first map and from each map to the
// next, and from fork to the first painted frame, one figure per run. One unrecorded run first
// brings the files into the page cache.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xdamage.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/shm.h>
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
    unsigned long colour = 0; // 0xRRGGBB, as a 24-bit TrueColor visual stores it
    char **command = nullptr;
};

constexpr const char *usage =
    "usage: mapwatch --subject name --runs n --maps m --colour RRGGBB -- program [arguments…]";

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
            fail(usage);
        if (argument == "--subject")
            options.subject = argv[++i];
        else if (argument == "--runs")
            options.runs = std::atoi(argv[++i]);
        else if (argument == "--maps")
            options.maps = std::atoi(argv[++i]);
        else if (argument == "--colour")
            options.colour = std::strtoul(argv[++i], nullptr, 16);
    }
    if (!options.command || options.runs < 1 || options.maps < 1)
        fail(usage);
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

// Whether a 32-bit image holds the colour anywhere, read in place: XGetPixel, one call a pixel,
// took the splash 0.16 ms a look.
bool holds(const XImage &image, unsigned long colour)
{
    if (image.bits_per_pixel != 32)
        fail("the X server's pixels are not 32 bits wide");
    for (int y = 0; y < image.height; ++y) {
        const char *row = image.data + std::ptrdiff_t(y) * image.bytes_per_line;
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t pixel = 0;
            std::memcpy(&pixel, row + std::ptrdiff_t(x) * 4, sizeof pixel);
            if ((pixel & 0xFFFFFF) == colour)
                return true;
        }
    }
    return false;
}

// Whether the window's pixels hold the colour anywhere. They come through shared memory: through
// the connection the splash's 250 kB took 0.3 to 0.6 ms a look against the bare label's few
// kilobytes, and each look before the painted frame counted in it.
bool shows(Display *display, Window window, unsigned long colour)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    XShmSegmentInfo segment{};
    XImage *image = XShmCreateImage(display, attributes.visual, unsigned(attributes.depth), ZPixmap,
                                    nullptr, &segment, unsigned(attributes.width),
                                    unsigned(attributes.height));
    if (!image)
        fail("cannot make a shared image");
    segment.shmid = shmget(IPC_PRIVATE, std::size_t(image->bytes_per_line) * unsigned(image->height),
                           IPC_CREAT | 0600);
    segment.shmaddr = image->data = static_cast<char *>(shmat(segment.shmid, nullptr, 0));
    shmctl(segment.shmid, IPC_RMID, nullptr); // gone once both sides let go of it
    if (segment.shmaddr == reinterpret_cast<char *>(-1) || !XShmAttach(display, &segment))
        fail("cannot share memory with the X server");
    const bool found = XShmGetImage(display, window, image, 0, 0, AllPlanes) && holds(*image, colour);
    XShmDetach(display, &segment);
    image->data = nullptr; // the segment's, not the image's to free
    XDestroyImage(image);
    shmdt(segment.shmaddr);
    return found;
}

struct Run {
    std::vector<double> maps; // since the fork, of each top-level window
    double painted = -1;      // since the fork, the first window's first frame in the colour
};

// Follows one start-up until the program has mapped its windows and painted its first one. A
// window of the program's own (menus, tool tips) bypasses the window manager and is not counted.
// The first window may paint before its damage is watched, so it is read once when watching starts.
Run follow(Display *display, const Options &options, Clock::time_point start, int damageEvent)
{
    const Window root = DefaultRootWindow(display);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    Run run;
    Window first = None;
    Damage damage = None;
    const auto lookAtFirst = [&] {
        if (shows(display, first, options.colour)) {
            run.painted = millisecondsSince(start);
            XDamageDestroy(display, damage);
        }
    };
    while (int(run.maps.size()) < options.maps || run.painted < 0) {
        if (millisecondsSince(start) > patienceMilliseconds)
            fail("no window was mapped and painted in time");
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root &&
                !event.xmap.override_redirect) {
                run.maps.push_back(millisecondsSince(start));
                if (first != None)
                    continue;
                first = event.xmap.window;
                damage = XDamageCreate(display, first, XDamageReportNonEmpty);
                lookAtFirst();
            } else if (event.type == damageEvent + XDamageNotify && run.painted < 0) {
                XDamageSubtract(display, damage, None, None);
                lookAtFirst();
            }
        }
        if (poll(&connection, 1, 10) < 0 && errno != EINTR)
            fail("cannot wait for the X server");
    }
    return run;
}

void drain(Display *display)
{
    XSync(display, False);
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
    }
}

// One start-up: the time to the first map, then from each map to the next, and to the first paint.
Run measure(Display *display, const Options &options, int damageEvent)
{
    drain(display);
    const Clock::time_point start = Clock::now();
    const pid_t child = launch(options.command);
    Run run = follow(display, options, start, damageEvent);
    for (std::size_t map = run.maps.size() - 1; map > 0; --map)
        run.maps[map] -= run.maps[map - 1];
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    usleep(pauseBetweenRunsMicroseconds);
    return run;
}

void printRecord(const Options &options, const std::vector<Run> &runs)
{
    std::printf(R"({"kind":"startup","subject":"%s","steps_ms":[)", options.subject.c_str());
    for (int step = 0; step < options.maps; ++step) {
        std::printf("%s[", step ? "," : "");
        for (std::size_t run = 0; run < runs.size(); ++run)
            std::printf("%s%.2f", run ? "," : "", runs[run].maps[std::size_t(step)]);
        std::printf("]");
    }
    std::printf(R"(],"painted_ms":[)");
    for (std::size_t run = 0; run < runs.size(); ++run)
        std::printf("%s%.2f", run ? "," : "", runs[run].painted);
    std::printf("]}\n");
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("cannot open the display");
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError))
        fail("the X server has no DAMAGE extension");
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    measure(display, options, damageEvent);
    std::vector<Run> runs;
    for (int run = 0; run < options.runs; ++run)
        runs.push_back(measure(display, options, damageEvent));
    printRecord(options, runs);
    XCloseDisplay(display);
    return 0;
}
