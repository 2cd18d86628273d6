// Journal, the log viewer: one copy per user, started with no argument to
// show the current month's log.
#include "CommandLine.h"
#include "FrmPrincipale.h"
#include "JournalIcons.h"

#include "AppFolders.h"
#include "ProgramStart.h"
#include "SettingsStore.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QDate>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Journal"));
    QApplication::setApplicationVersion(QStringLiteral("3.04"));
    QApplication::setWindowIcon(JournalIcons::programIcon());
    ProgramStart::installQtTranslations(app);

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
    FrmPrincipale frame(AppFolders::logFolder(), store);
    frame.show();
    frame.openCurrentMonth(QDate::currentDate());
    return app.exec();
}
