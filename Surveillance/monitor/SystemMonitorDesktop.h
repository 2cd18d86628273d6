// The session's desktop for the monitor: the shared caption search and
// program start, and the owner of a window as X11 tells it.
#pragma once

#include "desktop/SystemDesktop.h"
#include "monitor/MonitorDesktop.h"

class SystemMonitorDesktop final : public MonitorDesktop {
public:
    QList<WindowSearch::WindowId> FindWindowsByCaption(const QString& pattern) override;
    qint64 windowProcess(WindowSearch::WindowId window) override;
    void ShowWindow(WindowSearch::WindowId window, WindowSearch::ShowCommand command) override;
    bool startProgram(const QString& program) override;

private:
    SystemDesktop m_desktop;
};
