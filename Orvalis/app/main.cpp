// The calculator's entry point: one copy per user, the start-up of the core
// module, then the main window with its remote control on the session bus.
#include "BasOrvalis/Startup.h"
#include "desktop/SystemDesktop.h"
#include "engine/MonthlyLogSink.h"
#include "engine/PendingFile.h"
#include "engine/RecoveryFile.h"
#include "engine/SystemClock.h"
#include "forms/DdeServer.h"
#include "forms/FrmPrincipale.h"
#include "platform/ProgramStart.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    // A second copy leaves at once, without a window, a message or a write.
    SingleInstance instance(QStringLiteral("Orvalis"));
    if (!instance.acquire())
        return 0;

    app.setWindowIcon(QIcon(QStringLiteral(":/Orvalis/Orvalis.svg")));
    QApplication::setDesktopFileName(QStringLiteral("org.orvalis.Orvalis"));
    ProgramStart::installQtTranslations(app);
    ProgramStart::quitOnTermination(app);

    SettingsStore store;
    BasOrvalis::StartupState state = BasOrvalis::RunStartup(store, QDate::currentDate());

    const SystemClock clock;
    MonthlyLogSink log;
    // The call in progress outlives a crash or a power cut of this copy,
    // and so do the records and the total that the disk refused.
    RecoveryFile recovery(RecoveryFile::userPath());
    PendingFile pending(PendingFile::userPath());
    SystemDesktop desktop;
    Orvalis::FrmPrincipale window(Orvalis::MainWindowContext{
        state.settings, state.startDate, state.joursFeries, store, clock, log, desktop});
    window.engine().setRecoveryFile(&recovery);
    window.engine().setPendingFile(&pending);
    // On the bus before the load, whose messages may wait for an answer: a
    // command sent meanwhile is held until the message is closed. Without a
    // session bus the calculator still runs; it cannot be driven.
    if (!window.ddeServer().registerOn(QDBusConnection::sessionBus()))
        qWarning("Orvalis: the remote control is not available on the session bus.");
    window.Form_Load();
    return app.exec();
}
