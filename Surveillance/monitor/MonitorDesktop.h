// What the monitor asks of the desktop: the calculator's windows by caption
// and by owner, showing or hiding one, starting the calculator.
#pragma once

#include "platform/x11/WindowSearch.h"

#include <QList>
#include <QString>

class MonitorDesktop {
public:
    virtual ~MonitorDesktop() = default;
    // FindWindowsByCaption: the top-level windows whose caption matches the
    // case-sensitive Like pattern; none where windows cannot be seen.
    virtual QList<WindowSearch::WindowId> FindWindowsByCaption(const QString& pattern) = 0;
    // The process that owns a window found; 0 when the window does not say.
    virtual qint64 windowProcess(WindowSearch::WindowId window) = 0;
    virtual void ShowWindow(WindowSearch::WindowId window, WindowSearch::ShowCommand command) = 0;
    // Starts a program on its own, without arguments; false when it cannot.
    virtual bool startProgram(const QString& program) = 0;
};
