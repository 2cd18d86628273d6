// The program's common dialog on the log folder: opening a log of the
// folder, and saving a search result as a log of the folder.
#pragma once

#include "core/LogFolder.h"

#include <QFileDialog>

namespace Journal {

class FrmJournal;
class FrmPrincipale;

class LogFileDialogs final {
public:
    LogFileDialogs(FrmPrincipale& frame, const BasJournal::LogFolder& folder);

    // "Ouvrir": the chosen log is opened, when the log folder holds it.
    void OpenLogDialog();
    // "Enregistrer la recherche": the result's rows become a log of the folder.
    void SaveSearchResult(FrmJournal* journal);

private:
    // The chosen path, or nothing when cancelled.
    QString chooseLogFile(const QString& title, QFileDialog::AcceptMode mode,
                          const QString& proposed = QString());

    FrmPrincipale& m_frame;
    const BasJournal::LogFolder& m_folder;
};

} // namespace Journal
