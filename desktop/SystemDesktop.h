// The desktop of the session: the X11 window search when the program runs
// on an X display (nothing is found elsewhere), detached processes.
#pragma once

#include "desktop/Desktop.h"

class SystemDesktop final : public Desktop {
public:
    QList<WindowSearch::WindowId> FindWindowsByCaption(const QString& pattern) override;
    void ShowWindow(WindowSearch::WindowId window, WindowSearch::ShowCommand command) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;

private:
    static bool onX11();
};
