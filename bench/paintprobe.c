/* Starts a program under the current X display and reports, in milliseconds since the
 * start, when its first top-level window was mapped and when anything was first drawn into
 * it (X Damage). Usage: paintprobe [-r COUNT WIDTHxHEIGHT] program [args...]
 * Prints "map_ms paint_ms pid" and leaves the program running; the caller ends it.
 * With -r it then resizes the window COUNT times, alternating the width by one pixel, and
 * prints on a second line how long each resize took until the window was drawn again. */

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
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_flush(c);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    double mapped = -1, painted = -1;
    xcb_window_t client = XCB_NONE;
    xcb_damage_damage_t clientDamage = XCB_NONE;
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
                xcb_damage_create(
                    c, xcb_generate_id(c), cn->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(c);
            }
        } else if (type == XCB_MAP_NOTIFY && mapped < 0) {
            mapped = now_ms() - start;
            /* The window shown first is the one to resize; its own damage object makes the
             * resize timings independent of the others'. */
            client = ((const xcb_map_notify_event_t *)e)->window;
            clientDamage = xcb_generate_id(c);
            xcb_damage_create(c, clientDamage, client, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(c);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && painted < 0 && mapped >= 0) {
            painted = now_ms() - start;
        }
        free(e);
    }
    printf("%.1f %.1f %d\n", mapped, painted, (int)pid);
    fflush(stdout);

    for (int i = 0; i < resizes && client != XCB_NONE; ++i) {
        usleep(60000); /* let the previous frame settle */
        for (xcb_generic_event_t *e; (e = xcb_poll_for_event(c));)
            free(e);
        xcb_damage_subtract(c, clientDamage, XCB_NONE, XCB_NONE);
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
            if ((e->response_type & 0x7f) == damage->first_event + XCB_DAMAGE_NOTIFY
                && ((const xcb_damage_notify_event_t *)e)->damage == clientDamage)
                drawn = now_ms() - sent;
            free(e);
        }
        printf("%s%.2f", i ? " " : "", drawn);
    }
    if (resizes)
        printf("\n");
    fflush(stdout);
    xcb_disconnect(c);
    return mapped < 0 || painted < 0;
}
