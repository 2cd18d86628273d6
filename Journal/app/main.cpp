// Journal, the log viewer: one copy per user, started with no argument to
// show the current month's log.
#include "core/CommandLine.h"
#include "gui/FrmPrincipale.h"
#include "gui/JournalIcons.h"

#include "platform/AppFolders.h"
#include "platform/ProgramStart.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"

#include <QApplication>
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

    SingleInstance instance(QStringLiteral("Journal"));
    if (!instance.acquire())
        return 0;

    const QString title = QApplication::applicationName();
    switch (BasJournal::ParseCommandLine(QApplication::arguments().mid(1))) {
    case BasJournal::StartCommand::FileManager:
        QMessageBox::information(nullptr, title,
                                 QStringLiteral("La gestion des journaux n'est pas encore "
                                                "disponible dans cette version."));
        return 0;
    case BasJournal::StartCommand::Unknown:
        QMessageBox::critical(nullptr, title, QStringLiteral("Commande inconnue"));
        return 0;
    case BasJournal::StartCommand::CurrentMonth:
        break;
    }

    SettingsStore store;
    Journal::FrmPrincipale frame(AppFolders::logFolder(), store);
    frame.show();
    frame.openCurrentMonth(QDate::currentDate());
    return app.exec();
}
