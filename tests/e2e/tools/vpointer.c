/* A pointer of the compositor's own for the end-to-end tests: xdotool's events reach only
 * Xwayland, never the compositor, which moves windows itself on Wayland desktops.
 * Usage: vpointer WIDTH HEIGHT STEP...   with STEP one of
 *   move X Y   press B   release B   wait MS      (B: 1 left, 2 middle, 3 right) */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

enum { kLinuxButtonLeft = 0x110, kLinuxButtonRight = 0x111, kLinuxButtonMiddle = 0x112 };

struct globals {
    struct wl_seat* seat;
    struct zwlr_virtual_pointer_manager_v1* manager;
};

static void on_global(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                      uint32_t version) {
    struct globals* g = data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0)
        g->seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        g->manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
}

static void on_global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static uint32_t now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

static uint32_t linux_button(int b) {
    return b == 3 ? kLinuxButtonRight : b == 2 ? kLinuxButtonMiddle : kLinuxButtonLeft;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: vpointer WIDTH HEIGHT [move X Y|press B|release B|wait MS]...\n");
        return 2;
    }
    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "vpointer: no Wayland display\n");
        return 1;
    }
    struct globals g = {0};
    static const struct wl_registry_listener listener = {on_global, on_global_remove};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, &g);
    wl_display_roundtrip(display);
    if (g.manager == NULL) {
        fprintf(stderr, "vpointer: the compositor offers no virtual pointer\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(g.manager, g.seat);
    const uint32_t width = (uint32_t)atoi(argv[1]), height = (uint32_t)atoi(argv[2]);
    for (int i = 3; i < argc; ++i) {
        if (strcmp(argv[i], "move") == 0 && i + 2 < argc) {
            zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), (uint32_t)atoi(argv[i + 1]),
                                                    (uint32_t)atoi(argv[i + 2]), width, height);
            i += 2;
        } else if ((strcmp(argv[i], "press") == 0 || strcmp(argv[i], "release") == 0) && i + 1 < argc) {
            zwlr_virtual_pointer_v1_button(pointer, now_ms(), linux_button(atoi(argv[i + 1])),
                                           argv[i][0] == 'p' ? WL_POINTER_BUTTON_STATE_PRESSED
                                                             : WL_POINTER_BUTTON_STATE_RELEASED);
            i += 1;
        } else if (strcmp(argv[i], "wait") == 0 && i + 1 < argc) {
            wl_display_roundtrip(display);
            const long ms = atol(argv[i + 1]);
            const struct timespec pause = {ms / 1000, (ms % 1000) * 1000000};
            nanosleep(&pause, NULL);
            i += 1;
            continue;
        } else {
            fprintf(stderr, "vpointer: cannot read step '%s'\n", argv[i]);
            return 2;
        }
        zwlr_virtual_pointer_v1_frame(pointer);
        wl_display_roundtrip(display);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
