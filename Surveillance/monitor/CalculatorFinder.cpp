// The calculator's windows are those of the process that holds its bus name:
// the minimised caption pattern matches terminals and clocks too.
#include "monitor/CalculatorFinder.h"

#include "common/StringTable.h"
#include "monitor/CalculatorClient.h"
#include "monitor/MonitorDesktop.h"

#include <QDir>

using WindowSearch::ShowCommand;
using WindowSearch::WindowId;

namespace {

// The calculator's title, "Orvalis V3.04", from the string table it shares.
constexpr int CalculatorTitle = 102;

} // namespace

const QString CalculatorFinder::MinimisedPattern = QStringLiteral("*-*:*:*");

CalculatorFinder::CalculatorFinder(CalculatorClient& client, MonitorDesktop& desktop,
                                   const QString& programFolder)
    : m_client(client)
    , m_desktop(desktop)
    , m_program(QDir(programFolder).filePath(QStringLiteral("Orvalis"))) {}

bool CalculatorFinder::FindOrvalis(bool blnLaunch) {
    if (!m_client.isRunning()) {
        if (blnLaunch)
            startCalculator();
        return false;
    }
    const qint64 process = m_client.processId();
    QList<WindowId> windows = calculatorWindows(StringTable::text(CalculatorTitle), process);
    if (windows.isEmpty())
        windows = calculatorWindows(MinimisedPattern, process);
    switch (windows.size()) {
    case 0: // running where its windows cannot be seen: the bus decides
    case 2:
        return true;
    case 1:
        m_desktop.ShowWindow(windows.first(), ShowCommand::Hide);
        m_desktop.ShowWindow(windows.first(), ShowCommand::ShowNormal);
        return true;
    default:
        return false;
    }
}

bool CalculatorFinder::startCalculator() {
    if (m_client.isActivatable())
        return m_client.activate();
    return m_desktop.startProgram(m_program);
}

QList<WindowId> CalculatorFinder::calculatorWindows(const QString& pattern, qint64 process) {
    QList<WindowId> windows;
    if (process == 0)
        return windows;
    for (const WindowId window : m_desktop.FindWindowsByCaption(pattern)) {
        if (m_desktop.windowProcess(window) == process)
            windows.append(window);
    }
    return windows;
}
