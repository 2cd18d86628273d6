// FindOrvalis: the calculator found on the bus first, then its own windows
// counted by caption and the only one brought up; started when it does not
// run, by the bus where the bus knows it, else from the program folder.
#pragma once

#include "platform/x11/WindowSearch.h"

#include <QList>
#include <QString>

class CalculatorClient;
class MonitorDesktop;

class CalculatorFinder final {
public:
    // The caption of the calculator's main window while it is minimised
    // during a call: the cost, " - ", the duration hh:mm:ss.
    static const QString MinimisedPattern;

    CalculatorFinder(CalculatorClient& client, MonitorDesktop& desktop,
                     const QString& programFolder);

    // True when the calculator runs and, where its windows can be seen, one
    // or two of them bear its title or its minimised caption: one is hidden
    // and shown normal again, two (the hidden main window and the compact
    // window) are left as they are. False when it does not run, then it is
    // started when `blnLaunch`; false too, with nothing touched or started,
    // when three or more of its windows match. Windows of other programs
    // are never counted nor touched.
    bool FindOrvalis(bool blnLaunch);

    // Starts the calculator without looking for a running one (a second copy
    // leaves by itself): through the bus where a service file names it (an
    // installed suite), else from the program folder (the build tree).
    // False when it cannot be started.
    bool startCalculator();

private:
    QList<WindowSearch::WindowId> calculatorWindows(const QString& pattern, qint64 process);

    CalculatorClient& m_client;
    MonitorDesktop& m_desktop;
    QString m_program;
};
