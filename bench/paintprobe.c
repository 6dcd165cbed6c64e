// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

/* Starts a program under the current X display and reports, in milliseconds since the
 * start, when its first top-level window was mapped and when the program first drew into it
 * (X Damage). The program's window is told from a window manager's frames by _NET_WM_PID:
 * a frame is mapped and drawn by the window manager, often before the program paints. Each
 * window's damage is watched from its creation: a damage object made for a window that is
 * already shown reports the whole window at once, whether anything was drawn or not.
 * Usage: paintprobe [-r COUNT WIDTHxHEIGHT] program [args...]
 * Prints "map_ms paint_ms pid cpu_ms" and leaves the program running; the caller ends it.
 * cpu_ms is the CPU time the program had used when its first drawing arrived: steadier than
 * the wall-clock times on a busy machine.
 * With -r it then brings the window to WIDTHxHEIGHT, resizes it COUNT times, alternating the
 * width by one pixel, and prints on a second line how long each resize took until the program
 * drew into the window at its new size. */

#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

/* CPU time of all threads of a process so far, in milliseconds. */
static double cpu_ms(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR *tasks = opendir(path);
    double total = 0;
    for (struct dirent *t; tasks && (t = readdir(tasks));) {
        if (t->d_name[0] == '.')
            continue;
        char stat[300];
        snprintf(stat, sizeof stat, "/proc/%d/task/%s/schedstat", (int)pid, t->d_name);
        FILE *f = fopen(stat, "r");
        unsigned long long ns = 0;
        if (f && fscanf(f, "%llu", &ns) == 1)
            total += ns / 1e6;
        if (f)
            fclose(f);
    }
    if (tasks)
        closedir(tasks);
    return total;
}

/* The pid a window says it belongs to, or -1. */
static long window_pid(xcb_connection_t *c, xcb_atom_t pidAtom, xcb_window_t window)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), NULL);
    long pid = -1;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
        pid = *(const uint32_t *)xcb_get_property_value(reply);
    free(reply);
    return pid;
}

int main(int argc, char **argv)
{
    int resizes = 0, resizeWidth = 0, resizeHeight = 0;
    if (argc > 3 && strcmp(argv[1], "-r") == 0) {
        resizes = atoi(argv[2]);
        sscanf(argv[3], "%dx%d", &resizeWidth, &resizeHeight);
        argv += 3;
        argc -= 3;
    }
    if (argc < 2) {
        fprintf(stderr, "usage: paintprobe [-r COUNT WIDTHxHEIGHT] program [args...]\n");
        return 2;
    }
    xcb_connection_t *c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "paintprobe: no X display\n");
        return 1;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) {
        fprintf(stderr, "paintprobe: no Damage extension\n");
        return 1;
    }
    xcb_damage_query_version_reply_t *v
        = xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), NULL);
    free(v);
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_intern_atom_reply_t *atom
        = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 11, "_NET_WM_PID"), NULL);
    const xcb_atom_t pidAtom = atom ? atom->atom : XCB_NONE;
    free(atom);
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_flush(c);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    double mapped = -1, painted = -1, paintedCpu = -1;
    xcb_window_t client = XCB_NONE;
    const double deadline = start + 20000;
    while ((mapped < 0 || painted < 0) && now_ms() < deadline) {
        xcb_generic_event_t *e = xcb_poll_for_event(c);
        if (!e) {
            usleep(200);
            continue;
        }
        const uint8_t type = e->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const xcb_create_notify_event_t *cn = (const xcb_create_notify_event_t *)e;
            if (!cn->override_redirect && cn->parent == screen->root) {
                const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(c, cn->window, XCB_CW_EVENT_MASK, &mask);
                /* Every drawing operation is reported, so each resize below needs no reset. */
                xcb_damage_create(
                    c, xcb_generate_id(c), cn->window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                xcb_flush(c);
            }
        } else if (type == XCB_MAP_NOTIFY && mapped < 0) {
            const xcb_window_t window = ((const xcb_map_notify_event_t *)e)->window;
            if (window_pid(c, pidAtom, window) == pid) {
                mapped = now_ms() - start;
                client = window;
            }
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && mapped >= 0
            && ((const xcb_damage_notify_event_t *)e)->drawable == client) {
            painted = now_ms() - start;
            paintedCpu = cpu_ms(pid);
        }
        free(e);
    }
    printf("%.1f %.1f %d %.1f\n", mapped, painted, (int)pid, paintedCpu);
    fflush(stdout);

    /* Resize number 0 brings the window to the size asked for and is not reported; the
     * others alternate the width by one pixel, growing and shrinking. */
    for (int i = 0; i <= resizes && client != XCB_NONE; ++i) {
        usleep(60000); /* let the previous frame settle */
        for (xcb_generic_event_t *e; (e = xcb_poll_for_event(c));)
            free(e);
        const uint32_t size[] = { (uint32_t)(resizeWidth + (i % 2)), (uint32_t)resizeHeight };
        const double sent = now_ms();
        xcb_configure_window(c, client, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
        xcb_flush(c);
        double drawn = -1;
        while (drawn < 0 && now_ms() < sent + 2000) {
            xcb_generic_event_t *e = xcb_poll_for_event(c);
            if (!e) {
                usleep(100);
                continue;
            }
            /* Only drawing into the window at its new size counts: on a shrink the server
             * reports the columns it clips away before the resize takes effect. */
            const xcb_damage_notify_event_t *d = (const xcb_damage_notify_event_t *)e;
            if ((e->response_type & 0x7f) == damage->first_event + XCB_DAMAGE_NOTIFY
                && d->drawable == client && d->geometry.width == size[0]
                && d->geometry.height == size[1])
                drawn = now_ms() - sent;
            free(e);
        }
        if (i > 0)
            printf("%s%.2f", i > 1 ? " " : "", drawn);
    }
    if (resizes)
        printf("\n");
    fflush(stdout);
    xcb_disconnect(c);
    return mapped < 0 || painted < 0;
}
