// What every program of the suite does as it starts, before its windows.
#pragma once

#include <QStringList>

class QCoreApplication;

namespace ProgramStart {

// Where Qt's own translations are looked for, in order: those installed with
// the suite (share/Orvalis/translations beside the programs' bin folder),
// then Qt's own folder.
QStringList qtTranslationFolders(const QString& programFolder);

// Qt's own texts (standard buttons, file dialogs) in the user's language.
void installQtTranslations(QCoreApplication& app);

// A terminating signal (SIGTERM at logout, SIGINT, SIGHUP) ends the event
// loop, whatever the windows would ask before closing, and the program ends
// as after a normal quit, so what it saves at the end is saved.
void quitOnTermination(QCoreApplication& app);

} // namespace ProgramStart
