// Opening and saving logs through the common dialog.
#include "gui/LogFileDialogs.h"

#include "core/ResultCaptions.h"
#include "gui/FrmJournal.h"
#include "gui/FrmPrincipale.h"

#include <QFileInfo>
#include <QMessageBox>

namespace Journal {

namespace {

const QString LogFilter = QStringLiteral("Fichier Journal   (*.ccm)");

} // namespace

LogFileDialogs::LogFileDialogs(FrmPrincipale& frame, const BasJournal::LogFolder& folder)
    : m_frame(frame)
    , m_folder(folder) {}

QString LogFileDialogs::chooseLogFile(const QString& title, QFileDialog::AcceptMode mode,
                                      const QString& proposed) {
    QFileDialog dialog(&m_frame, title, m_folder.folder(), LogFilter);
    dialog.setAcceptMode(mode);
    // The log folder matches names without regard to case: whether the
    // chosen log exists is decided there, not by the dialog.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("ccm"));
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void LogFileDialogs::OpenLogDialog() {
    const QString chosen = chooseLogFile(QStringLiteral("Ouvrir"), QFileDialog::AcceptOpen);
    if (chosen.isEmpty())
        return;
    const QString name = QFileInfo(chosen).fileName();
    if (!m_folder.exists(name)) {
        m_frame.showError(
            QStringLiteral("Le dossier des journaux %1 ne contient pas de fichier « %2 » : "
                           "les journaux s'ouvrent depuis ce dossier.")
                .arg(m_folder.folder(), name));
        return;
    }
    m_frame.openLog(name);
}

void LogFileDialogs::SaveSearchResult(FrmJournal* journal) {
    const QString path =
        chooseLogFile(QStringLiteral("Enregistrer la recherche"), QFileDialog::AcceptSave,
                      BasJournal::ResultCaptions::proposedFileName(journal->windowTitle()));
    if (path.isEmpty())
        return;
    const QFileInfo chosen(path);
    const QString name = chosen.fileName();
    // The result always goes into the log folder; a file there that the
    // dialog did not ask about is only replaced when the user agrees.
    const bool unconfirmed =
        m_folder.exists(name) &&
        QFileInfo(m_folder.pathOf(name)).absoluteFilePath() != chosen.absoluteFilePath();
    if (unconfirmed &&
        QMessageBox::question(&m_frame, QStringLiteral("Enregistrer la recherche"),
                              QStringLiteral("Le dossier des journaux contient déjà « %1 ». "
                                             "Voulez-vous le remplacer ?")
                                  .arg(QFileInfo(m_folder.pathOf(name)).fileName())) !=
            QMessageBox::Yes)
        return;
    m_frame.saveResultAs(journal, name);
}

} // namespace Journal
