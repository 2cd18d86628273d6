// Tavelnor, the modem monitor: one copy per user, its options read, then its
// icon and the watcher of the dial-up link, which drives the calculator over
// the session bus. It shows no window: it ends by its menu or a signal.
#include "monitor/AutostartEntry.h"
#include "monitor/BudgetWarnings.h"
#include "monitor/BusCalculatorClient.h"
#include "monitor/CalculatorFinder.h"
#include "monitor/ConnectionWatcher.h"
#include "monitor/ModemLink.h"
#include "monitor/MonitorMenu.h"
#include "monitor/MonitorOptions.h"
#include "monitor/SystemMonitorDesktop.h"
#include "platform/AppFolders.h"
#include "platform/ProgramStart.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"
#include "tray/FrmSurveillance.h"
#include "tray/MessageBoxMessages.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    // A second copy leaves at once, quietly.
    SingleInstance instance(QStringLiteral("Tavelnor"));
    if (!instance.acquire())
        return 0;

    // A message box closed is not the end of a program without windows.
    app.setQuitOnLastWindowClosed(false);
    ProgramStart::installQtTranslations(app);
    ProgramStart::quitOnTermination(app);

    const QString programFolder = AppFolders::programFolder();
    SettingsStore store;
    AutostartEntry autostart(QDir(programFolder).filePath(QStringLiteral("Tavelnor")));
    Surveillance::MessageBoxMessages messages;
    MonitorOptions options(store, autostart, messages);
    options.load();

    const ModemLink link;
    BusCalculatorClient client(QDBusConnection::sessionBus());
    SystemMonitorDesktop desktop;
    CalculatorFinder finder(client, desktop, programFolder);
    ConnectionWatcher watcher(link, finder, client, options);
    MonitorMenu menu(options, watcher, finder);
    Surveillance::FrmSurveillance form(menu, watcher, finder);
    BudgetWarnings budget(QDBusConnection::sessionBus());
    QObject::connect(&budget, &BudgetWarnings::warned, &form,
                     &Surveillance::FrmSurveillance::showBudgetWarning);
    form.Form_Load();
    return app.exec();
}
