// mapwait CMD [ARGS...]: starts CMD in its own process group and prints how long it
// took until its first top-level window was mapped, and until the program first drew
// into it, as "map_ms=123.4 cpu_ms=56.7 frame_ms=130.2 frame_cpu_ms=62.0 pid=4567":
// cpu_ms is the processor time the program had used by then (all its threads), a
// figure that other load on the machine disturbs far less. The first drawing is the
// first damage the X server reports on that window (the DAMAGE extension): a program
// that maps an empty window early does not draw it any sooner. frame_ms is -1 when
// nothing was drawn within a few seconds of the map.
// The wait listens for the server's MapNotify rather than polling, so the figure is as
// sharp as the clock. The program is left running for the caller to measure and end;
// its standard output goes to standard error, so that a caller reading ours is not
// held until the program ends.
// Exits 0 on a map, 3 on a timeout (MAPWAIT_TIMEOUT seconds, 20 by default), 4 when
// the program ends first, 2 when the display or the program cannot be reached.

#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static int childExited[2] = {-1, -1};

static void onChild(int sig)
{
    (void)sig;
    const int saved = errno;
    const char byte = 1;
    // Nothing to do on failure: the pipe is non-blocking and one byte is enough.
    if (write(childExited[1], &byte, 1) < 0) {
    }
    errno = saved;
}

static double now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

// An X error (the window gone before its property was read) is not fatal here.
static int ignoreError(Display* display, XErrorEvent* event)
{
    (void)display;
    (void)event;
    return 0;
}

// The pid the window declares through _NET_WM_PID, or 0 when it declares none.
static pid_t windowPid(Display* display, Window window)
{
    const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", True);
    if (netWmPid == None)
        return 0;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = NULL;
    pid_t pid = 0;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != NULL && format == 32 && count == 1)
        pid = (pid_t)(*(unsigned long*)data);
    if (data != NULL)
        XFree(data);
    return pid;
}

// A window is the program's when it names no pid, or a pid of the program's group
// (the program may have started a helper that owns the window).
static int belongsToChild(Display* display, Window window, pid_t child)
{
    const pid_t pid = windowPid(display, window);
    return pid == 0 || pid == child || getpgid(pid) == child;
}

// Processor time used so far by every thread of pid, in milliseconds; -1 if unknown.
static double cpuMs(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR* tasks = opendir(path);
    if (tasks == NULL)
        return -1;
    unsigned long long total = 0;
    const struct dirent* task;
    while ((task = readdir(tasks)) != NULL) {
        if (task->d_name[0] == '.')
            continue;
        char stat[320];
        snprintf(stat, sizeof stat, "/proc/%d/task/%s/schedstat", (int)pid, task->d_name);
        FILE* f = fopen(stat, "r");
        unsigned long long ns = 0;
        if (f != NULL && fscanf(f, "%llu", &ns) == 1)
            total += ns;
        if (f != NULL)
            fclose(f);
    }
    closedir(tasks);
    return (double)total / 1e6;
}

static void endGroup(pid_t child)
{
    kill(-child, SIGKILL);
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: mapwait CMD [ARGS...]\n");
        return 2;
    }
    double timeout = 20.0;
    if (getenv("MAPWAIT_TIMEOUT") != NULL)
        timeout = atof(getenv("MAPWAIT_TIMEOUT"));

    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "mapwait: cannot open display %s\n", XDisplayName(NULL));
        return 2;
    }
    XSetErrorHandler(ignoreError);
    const int xfd = ConnectionNumber(display);
    fcntl(xfd, F_SETFD, FD_CLOEXEC);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False); // the selection is in force before the program starts

    if (pipe2(childExited, O_CLOEXEC | O_NONBLOCK) != 0) {
        perror("mapwait: pipe");
        return 2;
    }
    struct sigaction action;
    memset(&action, 0, sizeof action);
    action.sa_handler = onChild;
    action.sa_flags = SA_RESTART | SA_NOCLDSTOP;
    sigaction(SIGCHLD, &action, NULL);

    const double start = now();
    const pid_t child = fork();
    if (child < 0) {
        perror("mapwait: fork");
        return 2;
    }
    if (child == 0) {
        setpgid(0, 0);
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[1], argv + 1);
        fprintf(stderr, "mapwait: cannot start %s: %s\n", argv[1], strerror(errno));
        _exit(127);
    }
    // Both sides set the group, so it is in place whichever runs first.
    setpgid(child, child);

    // Every top-level window gets a damage watch as it is created, before the program can
    // draw into it; the one mapped first is the program's window.
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        fprintf(stderr, "mapwait: the X server has no DAMAGE extension\n");
        endGroup(child);
        return 2;
    }
    Window mapped = None;
    double mapMs = 0;
    double mapCpu = 0;
    const double frameTimeout = 5.0;

    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify &&
                event.xcreatewindow.parent == DefaultRootWindow(display) &&
                !event.xcreatewindow.override_redirect) {
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
                continue;
            }
            if (event.type == damageEvent + XDamageNotify) {
                const XDamageNotifyEvent* damage = (const XDamageNotifyEvent*)&event;
                if (mapped == None || damage->drawable != mapped)
                    continue;
                const double elapsed = now() - start;
                printf("map_ms=%.1f cpu_ms=%.1f frame_ms=%.1f frame_cpu_ms=%.1f pid=%d\n", mapMs,
                       mapCpu, elapsed * 1000.0, cpuMs(child), (int)child);
                fflush(stdout);
                return 0;
            }
            if (mapped != None || event.type != MapNotify ||
                event.xmap.event != DefaultRootWindow(display) || event.xmap.override_redirect)
                continue;
            const double elapsed = now() - start;
            const double cpu = cpuMs(child);
            if (!belongsToChild(display, event.xmap.window, child))
                continue;
            mapped = event.xmap.window;
            mapMs = elapsed * 1000.0;
            mapCpu = cpu;
        }
        if (mapped != None && now() - start > mapMs / 1000.0 + frameTimeout) {
            printf("map_ms=%.1f cpu_ms=%.1f frame_ms=-1 frame_cpu_ms=-1 pid=%d\n", mapMs, mapCpu,
                   (int)child);
            fflush(stdout);
            return 0;
        }
        const double left =
            (mapped != None ? mapMs / 1000.0 + frameTimeout : timeout) - (now() - start);
        if (left <= 0) {
            fprintf(stderr, "mapwait: no window mapped within %.0f s\n", timeout);
            endGroup(child);
            return 3;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(xfd, &fds);
        FD_SET(childExited[0], &fds);
        struct timeval wait = {(time_t)left, (suseconds_t)((left - (double)(time_t)left) * 1e6)};
        const int ready =
            select((xfd > childExited[0] ? xfd : childExited[0]) + 1, &fds, NULL, NULL, &wait);
        if (ready < 0 && errno != EINTR) {
            perror("mapwait: select");
            endGroup(child);
            return 2;
        }
        if (ready > 0 && FD_ISSET(childExited[0], &fds)) {
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                fprintf(stderr, "mapwait: %s ended (status %d) before %s\n", argv[1],
                        WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
                        mapped != None ? "drawing its window" : "mapping a window");
                endGroup(child);
                return 4;
            }
        }
    }
}
