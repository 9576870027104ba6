// Times the start of a window program under an X server, from exec to the window mapped and to
// its pixels settled, alternating between the program and its peer, and prints the medians and
// their ratios with the peak memory and CPU time of each.
//
//   startup_probe [--runs N] [--settle MS] [--timeout MS] [--before CMD]
//                 -- PROGRAM ARGS... -- PEER ARGS...
//
// The peer's arguments %W and %H become the width and height of the program's window. --before
// runs CMD through the shell before every start of the program (to empty a cache, say).
// "Settled" is the first moment from which the window's pixels no longer change for --settle
// milliseconds; both are read the same way, by polling the window's pixels.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include <sys/ipc.h>
#include <sys/resource.h>
#include <sys/shm.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double mappedMs = -1;
    double settledMs = -1;
    double cpuMs = 0;
    long maxRssKb = 0;
    int width = 0;
    int height = 0;
};

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::uint64_t hashBytes(const char *data, size_t length)
{
    std::uint64_t h = 1469598103934665603ull;
    for (size_t i = 0; i < length; ++i)
        h = (h ^ static_cast<unsigned char>(data[i])) * 1099511628211ull;
    return h;
}

// Grabs a window's pixels through shared memory, so that polling costs the program little.
class Grabber {
public:
    Grabber(Display *display, Window window, int width, int height)
        : m_display(display), m_window(window)
    {
        const int screen = DefaultScreen(display);
        m_image =
            XShmCreateImage(display, DefaultVisual(display, screen),
                            static_cast<unsigned>(DefaultDepth(display, screen)), ZPixmap, nullptr,
                            &m_shm, static_cast<unsigned>(width), static_cast<unsigned>(height));
        m_shm.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(m_image->bytes_per_line) * height,
                             IPC_CREAT | 0600);
        m_shm.shmaddr = m_image->data = static_cast<char *>(shmat(m_shm.shmid, nullptr, 0));
        m_shm.readOnly = False;
        XShmAttach(display, &m_shm);
        shmctl(m_shm.shmid, IPC_RMID, nullptr);
    }
    ~Grabber()
    {
        XShmDetach(m_display, &m_shm);
        XDestroyImage(m_image);
        shmdt(m_shm.shmaddr);
    }
    // 0 when the window is gone or cannot be read.
    std::uint64_t hash()
    {
        if (!XShmGetImage(m_display, m_window, m_image, 0, 0, AllPlanes))
            return 0;
        return hashBytes(m_image->data,
                         static_cast<size_t>(m_image->bytes_per_line) * m_image->height);
    }

private:
    Display *m_display;
    Window m_window;
    XShmSegmentInfo m_shm{};
    XImage *m_image = nullptr;
};

bool windowGone = false;
int ignoreErrors(Display *, XErrorEvent *)
{
    windowGone = true;
    return 0;
}

std::vector<std::string> substituted(const std::vector<std::string> &args, int width, int height)
{
    std::vector<std::string> out;
    for (const std::string &arg : args)
        out.push_back(arg == "%W"   ? std::to_string(width)
                      : arg == "%H" ? std::to_string(height)
                                    : arg);
    return out;
}

Run measure(Display *display, const std::vector<std::string> &command, int settleMs, int timeoutMs)
{
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);

    std::vector<char *> argv;
    for (const std::string &arg : command)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);

    Run run;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[0], argv.data());
        _exit(127);
    }

    Window window = 0;
    while (window == 0 && msSince(start) < timeoutMs) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.override_redirect)
                continue;
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, event.xmap.window, &attributes) &&
                attributes.width >= 200 && attributes.height >= 200) {
                run.mappedMs = msSince(start);
                window = event.xmap.window;
                run.width = attributes.width;
                run.height = attributes.height;
                break;
            }
        }
        if (window == 0)
            std::this_thread::sleep_for(std::chrono::microseconds(500));
    }

    if (window != 0) {
        Grabber grabber(display, window, run.width, run.height);
        std::uint64_t last = 0;
        double changedAt = run.mappedMs;
        while (msSince(start) < timeoutMs && !windowGone) {
            const std::uint64_t h = grabber.hash();
            const double now = msSince(start);
            if (h != last) {
                last = h;
                changedAt = now;
            } else if (now - changedAt >= settleMs) {
                run.settledMs = changedAt;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    XSelectInput(display, root, NoEventMask);

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.cpuMs = usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 +
                usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3;
    run.maxRssKb = usage.ru_maxrss;
    windowGone = false;
    return run;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Summary {
    double mapped, settled, cpu, rssMb;
};

Summary summarize(const std::vector<Run> &runs)
{
    std::vector<double> mapped, settled, cpu, rss;
    for (const Run &r : runs) {
        mapped.push_back(r.mappedMs);
        settled.push_back(r.settledMs);
        cpu.push_back(r.cpuMs);
        rss.push_back(r.maxRssKb / 1024.0);
    }
    return {median(mapped), median(settled), median(cpu), median(rss)};
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 5;
    int settleMs = 1500;
    int timeoutMs = 60000;
    std::string before;
    std::vector<std::string> program, peer;
    int i = 1;
    for (; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        const std::string_view arg = argv[i];
        if (i + 1 >= argc)
            break;
        if (arg == "--runs")
            runs = std::atoi(argv[++i]);
        else if (arg == "--settle")
            settleMs = std::atoi(argv[++i]);
        else if (arg == "--timeout")
            timeoutMs = std::atoi(argv[++i]);
        else if (arg == "--before")
            before = argv[++i];
    }
    for (++i; i < argc && std::string_view(argv[i]) != "--"; ++i)
        program.emplace_back(argv[i]);
    for (++i; i < argc; ++i)
        peer.emplace_back(argv[i]);
    if (program.empty() || runs < 1) {
        std::fprintf(stderr, "usage: startup_probe [--runs N] [--settle MS] [--timeout MS] "
                             "[--before CMD] -- PROGRAM ARGS... [-- PEER ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display || !XShmQueryExtension(display)) {
        std::fprintf(stderr, "startup_probe: needs an X display with MIT-SHM\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);

    std::vector<Run> ours, theirs;
    for (int r = 0; r < runs; ++r) {
        if (!before.empty() && std::system(before.c_str()) != 0)
            std::fprintf(stderr, "startup_probe: --before failed\n");
        const Run a = measure(display, program, settleMs, timeoutMs);
        ours.push_back(a);
        std::printf("program run %d: mapped %.0f ms, settled %.0f ms, CPU %.0f ms, peak RSS %.1f MB"
                    " (%dx%d)\n",
                    r + 1, a.mappedMs, a.settledMs, a.cpuMs, a.maxRssKb / 1024.0, a.width,
                    a.height);
        if (!peer.empty()) {
            const Run b =
                measure(display, substituted(peer, a.width, a.height), settleMs, timeoutMs);
            theirs.push_back(b);
            std::printf("peer    run %d: mapped %.0f ms, settled %.0f ms, CPU %.0f ms, peak RSS "
                        "%.1f MB (%dx%d)\n",
                        r + 1, b.mappedMs, b.settledMs, b.cpuMs, b.maxRssKb / 1024.0, b.width,
                        b.height);
        }
        std::fflush(stdout);
    }
    const Summary a = summarize(ours);
    std::printf("program median: mapped %.0f ms, settled %.0f ms, CPU %.0f ms, peak RSS %.1f MB\n",
                a.mapped, a.settled, a.cpu, a.rssMb);
    if (!theirs.empty()) {
        const Summary b = summarize(theirs);
        std::printf(
            "peer    median: mapped %.0f ms, settled %.0f ms, CPU %.0f ms, peak RSS %.1f MB\n",
            b.mapped, b.settled, b.cpu, b.rssMb);
        std::printf("ratio program / peer: mapped %.2f, settled %.2f, CPU %.2f, peak RSS %.2f\n",
                    a.mapped / b.mapped, a.settled / b.settled, a.cpu / b.cpu, a.rssMb / b.rssMb);
    }
    XCloseDisplay(display);
    return 0;
}
