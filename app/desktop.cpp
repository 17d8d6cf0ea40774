#include "desktop.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace desktop {

namespace {

struct FreeReply {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_connection_t* x11_connection() {
    const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const Reply<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return r != nullptr ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

}  // namespace

bool on_wayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

bool has_window_shapes() {
    if (on_wayland()) return false;
    xcb_connection_t* c = x11_connection();
    if (c == nullptr) return true;  // the offscreen platform keeps the mask
    constexpr char kShape[] = "SHAPE";
    const Reply<xcb_query_extension_reply_t> r(
        xcb_query_extension_reply(c, xcb_query_extension(c, sizeof kShape - 1, kShape), nullptr));
    return r != nullptr && r->present;
}

std::optional<QPoint> reported_position(const QWindow& window) {
    if (on_wayland()) return std::nullopt;
    xcb_connection_t* c = x11_connection();
    if (c == nullptr || window.handle() == nullptr) return window.position();
    const xcb_window_t w = static_cast<xcb_window_t>(window.winId());
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const Reply<xcb_translate_coordinates_reply_t> r(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, screen->root, 0, 0), nullptr));
    if (r == nullptr) return window.position();
    // The server counts in device pixels.
    const qreal dpr = window.devicePixelRatio();
    return QPoint(static_cast<int>(r->dst_x / dpr), static_cast<int>(r->dst_y / dpr));
}

void mark_as_gadget(const QWindow& window) {
    xcb_connection_t* c = x11_connection();
    if (c == nullptr || window.handle() == nullptr) return;
    const xcb_window_t w = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t states[] = {atom(c, "_NET_WM_STATE_SKIP_TASKBAR"), atom(c, "_NET_WM_STATE_SKIP_PAGER")};
    constexpr std::uint32_t kAllDesktops = 0xFFFFFFFF;
    // Qt keeps the states it finds on the unmapped window when it adds its own (ABOVE).
    xcb_change_property(c, XCB_PROP_MODE_APPEND, w, atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom(c, "_NET_WM_DESKTOP"), XCB_ATOM_CARDINAL, 32, 1,
                        &kAllDesktops);
    xcb_flush(c);
}

}  // namespace desktop
