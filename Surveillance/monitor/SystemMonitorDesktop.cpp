// The monitor's desktop over the shared one.
#include "monitor/SystemMonitorDesktop.h"

QList<WindowSearch::WindowId> SystemMonitorDesktop::FindWindowsByCaption(const QString& pattern) {
    return m_desktop.FindWindowsByCaption(pattern);
}

qint64 SystemMonitorDesktop::windowProcess(WindowSearch::WindowId window) {
    // Only windows that the X11 search found are asked about.
    return WindowSearch::WindowProcess(window);
}

void SystemMonitorDesktop::ShowWindow(WindowSearch::WindowId window,
                                      WindowSearch::ShowCommand command) {
    m_desktop.ShowWindow(window, command);
}

bool SystemMonitorDesktop::startProgram(const QString& program) {
    return m_desktop.startProgram(program, {});
}
