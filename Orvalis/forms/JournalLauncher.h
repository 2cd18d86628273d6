// Brings the log viewer forward, or starts it: its journal window for
// "&Ouvrir fichier journal", its file manager for "&Gestion des journaux".
#pragma once

#include "platform/x11/WindowSearch.h"

#include <QString>
#include <QStringList>

#include <functional>

class Desktop;

namespace Orvalis {

class JournalLauncher final {
public:
    // Hands a command line to the running viewer; false when none takes it.
    using HandOver = std::function<bool(const QStringList& arguments)>;

    static const QString JournalPattern;
    static const QString GestionPattern;

    // `programFolder` holds the Journal program; `handOver` reaches the
    // running viewer, over the session bus unless a test says otherwise.
    JournalLauncher(Desktop& desktop, const QString& programFolder, HandOver handOver = {});

    // The running viewer is handed the command line, on the session bus
    // (Wayland included) or, where it is not on the bus, through its only
    // window found by caption: hidden, then shown maximised for the journal,
    // normally for the file manager. Otherwise Journal is started. False when
    // it cannot be started.
    bool MnuOpenJournal_Click();
    bool MnuOpenGestion_Click();

    QString journalProgram() const;

private:
    bool bringForward(const QString& pattern, WindowSearch::ShowCommand show,
                      const QStringList& arguments);

    Desktop& m_desktop;
    QString m_programFolder;
    HandOver m_handOver;
};

} // namespace Orvalis
