// The monitor on the desktop: its notification icon, whose face and tip
// follow the watcher, and the icon's pop-up menu MnuContextuel. A double
// click on the icon starts the calculator; a right click opens the menu.
// The calculator's budget warnings and the connections that are not timed
// are shown as notifications of the icon.
#pragma once

#include "monitor/TrayState.h"

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include <array>

class CalculatorFinder;
class ConnectionWatcher;
class MonitorMenu;

namespace Surveillance {

class FrmSurveillance final : public QObject {
    Q_OBJECT

public:
    FrmSurveillance(MonitorMenu& menu, ConnectionWatcher& watcher, CalculatorFinder& finder,
                    QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(FrmSurveillance)

    // The icon in the notification area (or, where there is none, the error
    // output told so once, with what the run-at-logon option then means: the
    // monitor works on without it), then the watcher started.
    void Form_Load();

    QSystemTrayIcon& trayIcon() { return m_trayIcon; }

    // The calculator's warning that the month's spending, `spent` francs,
    // reached `share` percent of the monthly budget of `budget` francs,
    // shown as a notification of the icon.
    void showBudgetWarning(int share, double spent, double budget);
    QMenu& MnuContextuel() { return m_MnuContextuel; }
    QAction* MnuOptions(int index) const {
        return m_MnuOptions.at(static_cast<std::size_t>(index));
    }

private:
    void createMenu();
    void SetMenuBitmaps();
    void updateMenu();
    void UpdateTrayIcon(TrayState state);
    void MnuOptions_Click(int index);
    void trayActivated(QSystemTrayIcon::ActivationReason reason);
    // A notification of the icon; one line of the error output where no
    // notification area shows the icon.
    void notify(const QString& title, const QString& text, QSystemTrayIcon::MessageIcon icon);

    MonitorMenu& m_menu;
    ConnectionWatcher& m_watcher;
    CalculatorFinder& m_finder;
    QMenu m_MnuContextuel;
    std::array<QAction*, 10> m_MnuOptions{};
    QSystemTrayIcon m_trayIcon;
};

} // namespace Surveillance
