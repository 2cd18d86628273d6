// What every program of the suite does as it starts, before its windows.
#pragma once

class QCoreApplication;

namespace ProgramStart {

// Qt's own texts (standard buttons, file dialogs) in the user's language,
// from Qt's own translations folder (where Debian's qt6-translations-l10n
// puts them).
void installQtTranslations(QCoreApplication& app);

// A terminating signal (SIGTERM at logout, SIGINT, SIGHUP) ends the event
// loop, whatever the windows would ask before closing, and the program ends
// as after a normal quit, so what it saves at the end is saved.
void quitOnTermination(QCoreApplication& app);

} // namespace ProgramStart
