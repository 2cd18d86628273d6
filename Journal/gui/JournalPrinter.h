// The printing of journals for the session: the printer chosen in
// "Configuration de l'impression", the documents folder that takes a PDF
// where the system has no printer, and one print run at a time, to a
// printer or, for an export, to the PDF file the user chose.
#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace Journal {

class FrmJournal;
class PrintOutput;

class JournalPrinter final {
public:
    // `parent` owns the dialogs and messages.
    explicit JournalPrinter(QWidget* parent);
    ~JournalPrinter();
    Q_DISABLE_COPY_MOVE(JournalPrinter)

    void setDocumentsFolder(const QString& folder);
    const QString& documentsFolder() const;

    // "Configuration de l'impression": the printer chosen is kept for the session.
    void showPrinterSetup();
    // Prints the rows the journal holds now, while FrmMsgImp shows the page
    // and offers to cancel; the window stays open until the run ends. A
    // second print is refused while one runs.
    void PrintJournal(FrmJournal* journal);
    // The same run into the PDF file `path`, which it replaces; `failure`
    // tells of a file that could not be written (the caption, then the reason).
    void exportPdf(FrmJournal* journal, const QString& path, const QString& failure);

private:
    // Lays out and sends the journal's pages; false when cancelled or, after
    // saying so with `failure` (the caption, then the reason), when they
    // could not be sent. *pdfPath names the PDF written, if any.
    bool run(FrmJournal* journal, PrintOutput& output, const QString& failure, QString* pdfPath);
    // True, after saying so, while a print runs.
    bool refusePrintingTwice();

    QWidget* m_parent;
    // None until the user has chosen one.
    std::unique_ptr<QPrinter> m_printer;
    QString m_documentsFolder;
    bool m_printing = false;
};

} // namespace Journal
