// SPDX-License-Identifier: MIT
/* Measures the timer from outside, the way an audience sees it: through the X server.
 *
 *   probe launch RESULT TITLE CMD [ARG...]
 *       Starts CMD and waits for a top-level window whose name contains TITLE to be mapped,
 *       then writes "PID WINDOW MS" to the file RESULT: MS is the monotonic time from just
 *       before fork to the map. It then waits for CMD to end, so the caller ends it by PID.
 *   probe run PID START_X START_Y GREEN_X GREEN_Y YELLOW_X YELLOW_Y GREEN_S YELLOW_S
 *       Clicks START (root coordinates), then watches the green lamp's pixel until it lights
 *       and then the yellow lamp's, and reads the CPU time of PID from 1 s to 61 s after the
 *       click. Prints key=value lines; times are ms after the click's button release.
 *   probe run ... GREEN_S YELLOW_S blink
 *       The same, but both points are the red lamp, watched from just before each second until
 *       the overtime flash draws it dark (reported under the same keys).
 *
 * Pixels are read with 1x1 XGetImage calls on the root window. Far from an expected change
 * it polls every 20 ms to keep the X server quiet; from 300 ms before it polls back to back.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <signal.h>
#include <sys/wait.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static void sleep_until(double t_ms)
{
    for (;;) {
        double left = t_ms - now_ms();
        if (left <= 0)
            return;
        struct timespec ts = {(time_t)(left / 1e3), (long)(((long long)(left * 1e6)) % 1000000000LL)};
        nanosleep(&ts, NULL);
    }
}

static int usage(void)
{
    fprintf(stderr, "usage: probe launch RESULT TITLE CMD [ARG...]\n"
                    "       probe run PID START_X START_Y GREEN_X GREEN_Y YELLOW_X YELLOW_Y "
                    "GREEN_S YELLOW_S [blink]\n");
    return 2;
}

static int launch(Display *dpy, const char *result, const char *title, char **cmd)
{
    Window root = DefaultRootWindow(dpy);
    /* Without a window manager top-level windows are the root's children: their maps are
     * reported to whoever listens for the root's substructure. */
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);
    double t0 = now_ms();
    pid_t pid = fork();
    if (pid < 0) {
        perror("fork");
        return 1;
    }
    if (pid == 0) {
        close(ConnectionNumber(dpy));
        execvp(cmd[0], cmd);
        perror(cmd[0]);
        _exit(127);
    }
    double deadline = t0 + 30000;
    int found = 0;
    while (!found && now_ms() < deadline) {
        while (!found && XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type != MapNotify)
                continue;
            double t1 = now_ms();
            char *name = NULL;
            if (XFetchName(dpy, ev.xmap.window, &name) && name) {
                found = strstr(name, title) != NULL;
                XFree(name);
            }
            if (found) {
                /* Written whole under another name, so a reader never sees half a line. */
                char tmp[4096];
                snprintf(tmp, sizeof tmp, "%s.tmp", result);
                FILE *f = fopen(tmp, "w");
                if (!f || fprintf(f, "%d %lu %.3f\n", (int)pid, (unsigned long)ev.xmap.window,
                                  t1 - t0) < 0 || fclose(f) != 0 || rename(tmp, result) != 0) {
                    perror(result);
                    kill(pid, SIGTERM);
                    waitpid(pid, NULL, 0);
                    return 1;
                }
            }
        }
        if (!found) {
            int status;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                fprintf(stderr, "probe: %s ended before its window showed\n", cmd[0]);
                return 1;
            }
            struct timespec ts = {0, 200000}; /* 0.2 ms: the resolution of the start-up time */
            nanosleep(&ts, NULL);
        }
    }
    if (!found) {
        fprintf(stderr, "probe: no window named like '%s' within 30 s\n", title);
        kill(pid, SIGTERM);
        waitpid(pid, NULL, 0);
        return 1;
    }
    /* Stay the program's parent until whoever reads the result ends it, so it is reaped. */
    waitpid(pid, NULL, 0);
    return 0;
}

static unsigned long pixel_at(Display *dpy, int x, int y)
{
    XImage *img = XGetImage(dpy, DefaultRootWindow(dpy), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!img) {
        fprintf(stderr, "probe: XGetImage failed at %d,%d\n", x, y);
        exit(1);
    }
    unsigned long p = XGetPixel(img, 0, 0);
    XDestroyImage(img);
    return p;
}

static void rgb(unsigned long p, int *r, int *g, int *b)
{
    *r = (p >> 16) & 0xff;
    *g = (p >> 8) & 0xff;
    *b = p & 0xff;
}

static int green_lit(unsigned long p)
{
    int r, g, b;
    rgb(p, &r, &g, &b);
    return g > 200 && r < 100 && b < 100;
}

static int yellow_lit(unsigned long p)
{
    int r, g, b;
    rgb(p, &r, &g, &b);
    return r > 200 && g > 200 && b < 100;
}

/* The light's grey panel, where a lamp is dark or drawn dark. */
static int dark(unsigned long p)
{
    int r, g, b;
    rgb(p, &r, &g, &b);
    return r == g && g == b && r > 60 && r < 160;
}

struct change {
    double at;         /* first lit sample, ms after the click */
    double resolution; /* from the last unlit sample to the first lit one */
    long samples;
};

/* Watches one pixel until it lights; expected is the change's due time after the click. */
static int watch(Display *dpy, double t0, int x, int y, int (*lit)(unsigned long), double expected,
                 struct change *out)
{
    double last_unlit = now_ms();
    long samples = 0;
    double deadline = t0 + expected + 3000;
    for (;;) {
        unsigned long p = pixel_at(dpy, x, y);
        double t = now_ms();
        ++samples;
        if (lit(p)) {
            out->at = t - t0;
            out->resolution = t - last_unlit;
            out->samples = samples;
            return 0;
        }
        last_unlit = t;
        if (t > deadline)
            return 1;
        if (t < t0 + expected - 300) {
            struct timespec ts = {0, 20000000};
            nanosleep(&ts, NULL);
        }
    }
}

static long long cpu_ticks(int pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/stat", pid);
    FILE *f = fopen(path, "r");
    if (!f)
        return -1;
    char buf[4096];
    size_t n = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    buf[n] = 0;
    /* The command name may hold spaces: the fields after it start past the last ')'. */
    char *p = strrchr(buf, ')');
    if (!p)
        return -1;
    unsigned long long utime = 0, stime = 0;
    /* After ')': state(3) ppid pgrp session tty_nr tpgid flags minflt cminflt majflt cmajflt
     * utime(14) stime(15). */
    if (sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &utime, &stime) != 2)
        return -1;
    return (long long)(utime + stime);
}

static int run(Display *dpy, char **a, int blink)
{
    int pid = atoi(a[0]);
    int sx = atoi(a[1]), sy = atoi(a[2]);
    int gx = atoi(a[3]), gy = atoi(a[4]);
    int yx = atoi(a[5]), yy = atoi(a[6]);
    double green_due = atof(a[7]) * 1e3, yellow_due = atof(a[8]) * 1e3;
    int ev, er, maj, min;
    if (!XTestQueryExtension(dpy, &ev, &er, &maj, &min)) {
        fprintf(stderr, "probe: the X server has no XTEST extension\n");
        return 1;
    }
    /* Coordinates that miss the lamps would make every later number meaningless. */
    int r, g, b;
    rgb(pixel_at(dpy, gx, gy), &r, &g, &b);
    if (green_lit(pixel_at(dpy, gx, gy)) || !(r == g && g == b)) {
        fprintf(stderr, "probe: %d,%d is not a dark lamp before START (%d,%d,%d)\n", gx, gy, r, g,
                b);
        return 1;
    }
    XTestFakeMotionEvent(dpy, -1, sx, sy, CurrentTime);
    XSync(dpy, False);
    struct timespec settle = {0, 100000000};
    nanosleep(&settle, NULL);
    XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
    XSync(dpy, False);
    struct timespec hold = {0, 30000000};
    nanosleep(&hold, NULL);
    XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
    XSync(dpy, False);
    double t0 = now_ms(); /* a button acts on release */

    sleep_until(t0 + 1000);
    long long cpu0 = cpu_ticks(pid);
    struct change green = {0}, yellow = {0};
    /* Lit and dark in turn, the red lamp is watched only from just before its dark second. */
    if (blink)
        sleep_until(t0 + green_due - 300);
    if (watch(dpy, t0, gx, gy, blink ? dark : green_lit, green_due, &green)) {
        fprintf(stderr, "probe: the green lamp did not light by %.0f ms\n", green_due + 3000);
        return 1;
    }
    if (blink)
        sleep_until(t0 + yellow_due - 300);
    if (watch(dpy, t0, yx, yy, blink ? dark : yellow_lit, yellow_due, &yellow)) {
        fprintf(stderr, "probe: the yellow lamp did not light by %.0f ms\n", yellow_due + 3000);
        return 1;
    }
    sleep_until(t0 + 61000);
    long long cpu1 = cpu_ticks(pid);
    if (cpu0 < 0 || cpu1 < 0) {
        fprintf(stderr, "probe: process %d is gone\n", pid);
        return 1;
    }
    printf("green_ms=%.3f\ngreen_resolution_ms=%.3f\ngreen_samples=%ld\n", green.at,
           green.resolution, green.samples);
    printf("yellow_ms=%.3f\nyellow_resolution_ms=%.3f\nyellow_samples=%ld\n", yellow.at,
           yellow.resolution, yellow.samples);
    printf("cpu_ticks=%lld\nclk_tck=%ld\ncpu_window_s=60\n", cpu1 - cpu0, sysconf(_SC_CLK_TCK));
    return 0;
}

int main(int argc, char **argv)
{
    if (argc < 2)
        return usage();
    Display *dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "probe: cannot open display\n");
        return 1;
    }
    setvbuf(stdout, NULL, _IOLBF, 0);
    if (strcmp(argv[1], "launch") == 0 && argc >= 5)
        return launch(dpy, argv[2], argv[3], argv + 4);
    if (strcmp(argv[1], "run") == 0 && argc == 11)
        return run(dpy, argv + 2, 0);
    if (strcmp(argv[1], "run") == 0 && argc == 12 && strcmp(argv[11], "blink") == 0)
        return run(dpy, argv + 2, 1);
    return usage();
}
