// Brings the log viewer forward, or starts it: its journal window for
// "&Ouvrir fichier journal", its file manager for "&Gestion des journaux".
#pragma once

#include "platform/x11/WindowSearch.h"

#include <QString>
#include <QStringList>

class Desktop;

namespace Orvalis {

class JournalLauncher final {
public:
    static const QString JournalPattern;
    static const QString GestionPattern;

    // `programFolder` holds the Journal program.
    JournalLauncher(Desktop& desktop, const QString& programFolder);

    // Exactly one journal window: hidden, then shown maximised (to the
    // front); otherwise Journal is started. False when it cannot be started.
    bool MnuOpenJournal_Click();
    // Exactly one file manager window: hidden, then shown normally;
    // otherwise Journal is started with "/G".
    bool MnuOpenGestion_Click();

    QString journalProgram() const;

private:
    bool bringForward(const QString& pattern, WindowSearch::ShowCommand show,
                      const QStringList& arguments);

    Desktop& m_desktop;
    QString m_programFolder;
};

} // namespace Orvalis
