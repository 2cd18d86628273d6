// The search of the desktop's top-level windows by caption and the showing
// or hiding of a window found, on an X11 display. Without a display the
// search finds nothing.
#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

namespace WindowSearch {

using WindowId = std::uint32_t;

enum class ShowCommand { Hide, ShowNormal, ShowMaximized };

// The top-level windows, hidden ones included, whose caption (as the window
// manager shows it, at most 255 characters) `wanted` accepts. Child windows
// of the windows found are not searched.
QList<WindowId> FindWindows(const std::function<bool(const QString& caption)>& wanted);

// ShowWindow: Hide withdraws the window; ShowNormal maps and raises it;
// ShowMaximized does the same and asks the window manager to maximise it.
// False when there is no display.
bool ShowWindow(WindowId window, ShowCommand command);

// The process that says it owns `window` (_NET_WM_PID); 0 when the window
// does not say or there is no display.
qint64 WindowProcess(WindowId window);

} // namespace WindowSearch
