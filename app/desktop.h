// What the window system under the clock can do for it: window shapes, where a window
// is, and keeping a gadget out of the taskbar and the pager.
#pragma once

#include <QPoint>
#include <QWindow>
#include <optional>

namespace desktop {

bool on_wayland();

// A window can be cut to a shape: X11 with the SHAPE extension, the offscreen platform;
// not Wayland, where a mask is only an input region.
bool has_window_shapes();

// Where the window system has the window, asked of it (not Qt's own idea of it, which a
// window manager that ignores moves leaves wrong); nothing where a client cannot learn
// its position (Wayland).
std::optional<QPoint> reported_position(const QWindow& window);

// Asks to be left out of the taskbar and the pager and to be shown on every workspace
// (X11; elsewhere nothing). Call before the window is mapped.
void mark_as_gadget(const QWindow& window);

}  // namespace desktop
