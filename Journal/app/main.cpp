// Journal, the log viewer: one copy per user, started with no argument to
// show the current month's log, or with "/G" to manage the log files. A
// later start hands its command line to the running copy and ends.
#include "core/CommandLine.h"
#include "desktop/JournalViewer.h"
#include "gui/FrmPrincipale.h"
#include "gui/JournalIcons.h"
#include "gui/ViewerService.h"

#include "platform/AppFolders.h"
#include "platform/ProgramStart.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDate>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Journal"));
    QApplication::setApplicationVersion(QStringLiteral("3.04"));
    QApplication::setWindowIcon(Journal::JournalIcons::programIcon());
    QApplication::setDesktopFileName(QStringLiteral("org.orvalis.Journal"));
    ProgramStart::installQtTranslations(app);
    ProgramStart::quitOnTermination(app);

    const QStringList arguments = QApplication::arguments().mid(1);
    SingleInstance instance(QStringLiteral("Journal"));
    if (!instance.acquire()) {
        JournalViewer::handOver(arguments);
        return 0;
    }

    const BasJournal::StartCommand command = BasJournal::ParseCommandLine(arguments);
    if (command == BasJournal::StartCommand::Unknown) {
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QStringLiteral("Commande inconnue"));
        return 0;
    }

    SettingsStore store;
    Journal::FrmPrincipale frame(AppFolders::logFolder(), store);
    Journal::ViewerService service(frame);
    service.registerOn(QDBusConnection::sessionBus());
    frame.runCommand(command, QDate::currentDate());
    return app.exec();
}
