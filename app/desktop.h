// What the desktop under the clock can do for it: window shapes, where a window is,
// keeping a gadget out of the taskbar and the pager, keeping a window on a screen, and
// the login start entry.
#pragma once

#include <QPoint>
#include <QString>
#include <QWindow>
#include <optional>
#include <string>

namespace desktop {

bool on_wayland();

// A window can be cut to a shape: X11 with the SHAPE extension, the offscreen platform;
// not Wayland, where a mask is only an input region.
bool has_window_shapes();

// The X server is Xwayland: the compositor above it may ignore window shapes.
bool under_xwayland();

// Where the window system has the window, asked of it (not Qt's own idea of it, which a
// window manager that ignores moves leaves wrong); nothing where a client cannot learn
// its position (Wayland).
std::optional<QPoint> reported_position(const QWindow& window);

// Asks to be left out of the taskbar and the pager and to be shown on every workspace
// (X11; elsewhere nothing). Call before the window is mapped.
void mark_as_gadget(const QWindow& window);

// Asks the window manager again for those states and "above" on the mapped window: some
// (mutter) drop them while a dialog of the window is open.
void ask_again_for_gadget_states(const QWindow& window);

// Where a window of the clock whose top left is `top_left` and whose face's middle is
// `centre` (window coordinates) should be: where it is while the middle of the face lies on
// a screen, else the top left of the available area of the nearest screen (a monitor
// unplugged, a position from another machine).
QPoint kept_on_screen(QPoint top_left, QPoint centre);

// The XDG autostart entry that starts the clock at login.
std::string autostart_entry_path();
bool autostart_entry_exists();
// Writes the entry that starts `binary` on `settings_file` (named in the entry unless it is
// the usual file), or removes it; the reason when that failed.
std::optional<QString> set_autostart(bool wanted, const std::string& binary, const std::string& settings_file);

}  // namespace desktop
