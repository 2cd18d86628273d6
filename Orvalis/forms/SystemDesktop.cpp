// The session's desktop for the log viewer's launcher.
#include "SystemDesktop.h"

#include <QGuiApplication>
#include <QProcess>

bool SystemDesktop::onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

QList<WindowSearch::WindowId> SystemDesktop::FindWindowsByCaption(const QString& pattern) {
    if (!onX11())
        return {};
    return WindowSearch::FindWindowsByCaption(pattern);
}

void SystemDesktop::ShowWindow(WindowSearch::WindowId window, WindowSearch::ShowCommand command) {
    if (onX11())
        WindowSearch::ShowWindow(window, command);
}

bool SystemDesktop::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}
