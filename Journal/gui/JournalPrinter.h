// The printing of journals for the session: the printer chosen in
// "Configuration de l'impression", the documents folder that takes a PDF
// where the system has no printer, and one print run at a time.
#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace Journal {

class FrmJournal;

class JournalPrinter final {
public:
    // `parent` owns the dialogs and messages.
    explicit JournalPrinter(QWidget* parent);
    ~JournalPrinter();
    Q_DISABLE_COPY_MOVE(JournalPrinter)

    void setDocumentsFolder(const QString& folder);

    // "Configuration de l'impression": the printer chosen is kept for the session.
    void showPrinterSetup();
    // Prints the rows the journal holds now, while FrmMsgImp shows the page
    // and offers to cancel; the window stays open until the run ends. A
    // second print is refused while one runs.
    void PrintJournal(FrmJournal* journal);

private:
    // True, after saying so, while a print runs.
    bool refusePrintingTwice();

    QWidget* m_parent;
    // None until the user has chosen one.
    std::unique_ptr<QPrinter> m_printer;
    QString m_documentsFolder;
    bool m_printing = false;
};

} // namespace Journal
