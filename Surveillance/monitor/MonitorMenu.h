// The pop-up menu of the icon, MnuContextuel ("&Options"): its ten items
// MnuOptions(0) to MnuOptions(9), their captions, check marks and enabled
// states, and what a click on each does.
#pragma once

#include <QString>

class CalculatorFinder;
class ConnectionWatcher;
class MonitorOptions;

class MonitorMenu final {
public:
    static constexpr int ItemCount = 10;
    enum Item {
        OuvrirOrvalis = 0, // the default item
        StartW95 = 2,
        StartOrvalis = 3,
        StartCalcul = 4,
        StartReduit = 5,
        Surveillance = 7, // switches monitoring off or on
        Quitter = 9,
    };
    static const QString Title;

    MonitorMenu(MonitorOptions& options, ConnectionWatcher& watcher, CalculatorFinder& finder);

    static bool isSeparator(int index);
    // Items 2 to 5, the options.
    static bool isOption(int index);
    // "-" for a separator; item 7 tells what it will do.
    QString caption(int index) const;
    bool checked(int index) const;
    // Options only while monitoring is on, each of the last three only while
    // the one before it is checked; item 7 only while no connection is up.
    bool enabled(int index) const;

    // MnuOptions_Click: item 0 finds or starts the calculator, items 2 to 5
    // reverse their option, item 7 switches monitoring. Ending the program
    // (item 9) belongs to the form.
    void MnuOptions_Click(int index);

    const MonitorOptions& options() const { return m_options; }

private:
    MonitorOptions& m_options;
    ConnectionWatcher& m_watcher;
    CalculatorFinder& m_finder;
};
