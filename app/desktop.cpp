#include "desktop.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRect>
#include <QRegion>
#include <QScreen>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <memory>

#include "settings.h"
#include "login_entry.h"

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

constexpr int kFarPosition = 1000000;  // a saved position beyond this lies on no screen
constexpr int kMiddleRegion = 40;      // the middle of the face that must be on a screen, px

// The middle of a face whose window's top left is `p`; nothing for a position so far off
// that no screen can hold it (and whose arithmetic could overflow).
std::optional<QRect> face_middle(QPoint p, QPoint centre) {
    if (std::abs(std::int64_t{p.x()}) > kFarPosition || std::abs(std::int64_t{p.y()}) > kFarPosition) return std::nullopt;
    return QRect(p + centre - QPoint(kMiddleRegion / 2, kMiddleRegion / 2), QSize(kMiddleRegion, kMiddleRegion));
}

// The whole of `r` on the screens (logical pixels, whatever their scale): a middle only
// touching a screen's edge leaves half the face off it.
bool on_a_screen(const QRect& r) {
    QRegion outside(r);
    for (const QScreen* s : QGuiApplication::screens()) outside -= s->geometry();
    return outside.isEmpty();
}

// The screen nearest to a point, measured in 64 bits.
const QScreen* nearest_screen(QPoint p) {
    const QScreen* best = QGuiApplication::primaryScreen();
    std::int64_t best_d = std::numeric_limits<std::int64_t>::max();
    for (const QScreen* s : QGuiApplication::screens()) {
        const QPoint c = s->geometry().center();
        const std::int64_t dx = std::int64_t{c.x()} - p.x(), dy = std::int64_t{c.y()} - p.y();
        if (dx * dx + dy * dy < best_d) {
            best_d = dx * dx + dy * dy;
            best = s;
        }
    }
    return best;
}

bool has_extension(xcb_connection_t* c, const char* name) {
    const Reply<xcb_query_extension_reply_t> r(xcb_query_extension_reply(
        c, xcb_query_extension(c, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return r != nullptr && r->present;
}

}  // namespace

bool on_wayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

bool has_window_shapes() {
    if (on_wayland()) return false;
    xcb_connection_t* c = x11_connection();
    if (c == nullptr) return true;  // the offscreen platform keeps the mask
    return has_extension(c, "SHAPE");
}

// Xwayland from 23.1 has an extension of its own; every version names its outputs
// "XWAYLAND<n>".
bool under_xwayland() {
    xcb_connection_t* c = on_wayland() ? nullptr : x11_connection();
    if (c == nullptr) return false;
    if (has_extension(c, "XWAYLAND")) return true;
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [](const QScreen* s) { return s->name().startsWith(QLatin1String("XWAYLAND")); });
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
    // STICKY as well as the desktop number: xfwm4 puts a window that asks for "all
    // desktops" alone on the last one.
    const xcb_atom_t states[] = {atom(c, "_NET_WM_STATE_SKIP_TASKBAR"), atom(c, "_NET_WM_STATE_SKIP_PAGER"),
                                 atom(c, "_NET_WM_STATE_STICKY")};
    constexpr std::uint32_t kAllDesktops = 0xFFFFFFFF;
    // Qt keeps the states it finds on the unmapped window when it adds its own (ABOVE).
    xcb_change_property(c, XCB_PROP_MODE_APPEND, w, atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(std::size(states)), states);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom(c, "_NET_WM_DESKTOP"), XCB_ATOM_CARDINAL, 32, 1,
                        &kAllDesktops);
    xcb_flush(c);
}

// EWMH: a mapped window's states and desktop are asked of the window manager by client
// messages to the root window.
void ask_again_for_gadget_states(const QWindow& window) {
    xcb_connection_t* c = x11_connection();
    if (c == nullptr || window.handle() == nullptr || !window.isVisible()) return;
    const xcb_window_t w = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const auto send = [&](xcb_atom_t type, std::uint32_t d0, std::uint32_t d1, std::uint32_t d2) {
        xcb_client_message_event_t e{};
        e.response_type = XCB_CLIENT_MESSAGE;
        e.format = 32;
        e.window = w;
        e.type = type;
        e.data.data32[0] = d0;
        e.data.data32[1] = d1;
        e.data.data32[2] = d2;
        e.data.data32[3] = 1;  // from a normal application
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&e));
    };
    constexpr std::uint32_t kAdd = 1, kAllDesktops = 0xFFFFFFFF;
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    send(state, kAdd, atom(c, "_NET_WM_STATE_ABOVE"), atom(c, "_NET_WM_STATE_STICKY"));
    send(state, kAdd, atom(c, "_NET_WM_STATE_SKIP_TASKBAR"), atom(c, "_NET_WM_STATE_SKIP_PAGER"));
    send(atom(c, "_NET_WM_DESKTOP"), kAllDesktops, 0, 0);
    xcb_flush(c);
}

QPoint kept_on_screen(QPoint top_left, QPoint centre) {
    const std::optional<QRect> middle = face_middle(top_left, centre);
    if (middle && on_a_screen(*middle)) return top_left;
    const QScreen* s = nearest_screen(middle ? middle->center() : QPoint(0, 0));
    return s != nullptr ? s->availableGeometry().topLeft() : QPoint(0, 0);
}

std::string autostart_entry_path() {
    return config_home(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")) + "/autostart/orbalis.desktop";
}

bool autostart_entry_exists() { return QFileInfo::exists(QString::fromStdString(autostart_entry_path())); }

std::optional<QString> set_autostart(bool wanted, const std::string& binary, const std::string& settings_file) {
    const QString path = QString::fromStdString(autostart_entry_path());
    if (!wanted) {
        if (QFile::remove(path)) return std::nullopt;
        return QStringLiteral("it could not be removed");
    }
    const std::string usual = usual_settings_path(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    std::error_code ec;
    const std::string named = settings_file == usual ? std::string() : std::filesystem::absolute(settings_file, ec).string();
    std::string why;
    const std::optional<std::string> text = autostart_entry(binary, named, why);
    if (!text) return QString::fromStdString(why);
    // Written as the settings are: whole or not at all, never through another user's link.
    const SaveOutcome saved = save_file(autostart_entry_path(), text->data(), text->size());
    if (saved) return std::nullopt;
    return QString::fromStdString(saved.error);
}

}  // namespace desktop
