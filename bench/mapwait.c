// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

/* Starts a program and measures the time until its window named NAME is
 * mapped on the X display (the window is shown):
 *
 *   mapwait NAME PROGRAM [ARGS...]
 *
 * Prints the milliseconds from just before the program is started to the
 * MapNotify of its window, then ends the program. Run it on a display
 * without a window manager (Xvfb), where top-level windows are children of
 * the root window. */

#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <sys/select.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

/* The window's title as UTF-8 (_NET_WM_NAME), or its plain WM_NAME where it
 * has none: a title with characters beyond Latin-1 ("Veltrin's Test –
 * Practice") is only in the former. The caller frees what it gets. */
static char* window_title(Display* display, Window window)
{
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom net_name = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* value = NULL;
    if (XGetWindowProperty(display, window, net_name, 0, 1024, False, utf8, &type, &format, &items, &after, &value)
            == Success
        && value) {
        if (type == utf8 && items > 0)
            return (char*)value;
        XFree(value);
    }
    char* name = NULL;
    return XFetchName(display, window, &name) ? name : NULL;
}

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: mapwait NAME PROGRAM [ARGS...]\n");
        return 64;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "mapwait: cannot open the display\n");
        return 1;
    }
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = now_ms();
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    for (;;) {
        if (!XPending(display)) {
            /* Wait a little for the display, and give up if the program has
             * ended without showing its window. */
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(ConnectionNumber(display), &fds);
            struct timeval tick = {0, 100000};
            select(ConnectionNumber(display) + 1, &fds, NULL, NULL, &tick);
            if (waitpid(child, NULL, WNOHANG) == child) {
                fprintf(stderr, "mapwait: %s ended without showing \"%s\"\n", argv[2], argv[1]);
                return 1;
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify)
            continue;
        char* name = window_title(display, event.xmap.window);
        if (name) {
            const int match = strcmp(name, argv[1]) == 0;
            XFree(name);
            if (match)
                break;
        }
    }
    printf("%.1f\n", now_ms() - start);
    fflush(stdout);
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    return 0;
}
