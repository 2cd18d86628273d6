// The running log viewer takes the command line on the session bus; where
// it cannot, its window is found by caption, and two or more that match are
// not told apart: a new viewer is started instead.
#include "forms/JournalLauncher.h"

#include "desktop/Desktop.h"
#include "desktop/JournalViewer.h"

#include <QDir>

#include <utility>

namespace Orvalis {

using WindowSearch::ShowCommand;

const QString JournalLauncher::JournalPattern = QStringLiteral("*Orvalis - Journal de suivi*");
const QString JournalLauncher::GestionPattern = QStringLiteral("*Orvalis - Gestion*");

JournalLauncher::JournalLauncher(Desktop& desktop, const QString& programFolder, HandOver handOver)
    : m_desktop(desktop)
    , m_programFolder(programFolder)
    , m_handOver(handOver ? std::move(handOver) : HandOver(&JournalViewer::handOver)) {}

QString JournalLauncher::journalProgram() const {
    return QDir(m_programFolder).filePath(QStringLiteral("Journal"));
}

bool JournalLauncher::MnuOpenJournal_Click() {
    return bringForward(JournalPattern, ShowCommand::ShowMaximized, {});
}

bool JournalLauncher::MnuOpenGestion_Click() {
    return bringForward(GestionPattern, ShowCommand::ShowNormal, {QStringLiteral("/G")});
}

bool JournalLauncher::bringForward(const QString& pattern, WindowSearch::ShowCommand show,
                                   const QStringList& arguments) {
    if (m_handOver(arguments))
        return true;
    const auto windows = m_desktop.FindWindowsByCaption(pattern);
    if (windows.size() == 1) {
        // Hiding first brings the window to the front when it is shown again.
        m_desktop.ShowWindow(windows.first(), ShowCommand::Hide);
        m_desktop.ShowWindow(windows.first(), show);
        return true;
    }
    return m_desktop.startProgram(journalProgram(), arguments);
}

} // namespace Orvalis
