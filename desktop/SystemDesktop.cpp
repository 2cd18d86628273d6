// The session's desktop: the caption search where X11 can see windows.
#include "desktop/SystemDesktop.h"

#include "desktop/CaptionSearch.h"

#include <QGuiApplication>
#include <QProcess>

bool SystemDesktop::onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

QList<WindowSearch::WindowId> SystemDesktop::FindWindowsByCaption(const QString& pattern) {
    if (!onX11())
        return {};
    return CaptionSearch::FindWindowsByCaption(pattern);
}

void SystemDesktop::ShowWindow(WindowSearch::WindowId window, WindowSearch::ShowCommand command) {
    if (onX11())
        WindowSearch::ShowWindow(window, command);
}

bool SystemDesktop::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}
