// Where a journal is printed: the printer chosen in "Configuration de
// l'impression" for the session, else the system's default printer, else,
// when the system has no printer, a new PDF named after the journal in the
// user's documents folder; or, for an export, the PDF file the user chose.
// The pages go out one at a time, and a document can be abandoned until it
// is finished: nothing of it is then printed and no file of it is left.
#pragma once

#include "core/PrintedPage.h"

#include <QPageLayout>
#include <QPainter>
#include <QSize>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
class QSaveFile;
class QTemporaryDir;

namespace Journal {

class PagePainter;

class PrintOutput final {
public:
    // `chosen` is the session's printer, or null while none was chosen.
    PrintOutput(QPrinter* chosen, const QString& documentsFolder);
    // The pages go to the PDF file `pdfPath`, which they replace.
    explicit PrintOutput(const QString& pdfPath);
    // A document neither finished nor abandoned is abandoned.
    ~PrintOutput();
    Q_DISABLE_COPY_MOVE(PrintOutput)

    // The printable area in twips, as whole numbers.
    QSize pageTwips() const;

    // Opens the document `caption`. False with *error when nothing can be printed.
    bool begin(const QString& caption, QString* error);
    // Draws the next page of the document.
    bool sendPage(const BasPrint::PrintedPage& page, const PagePainter& painter, QString* error);
    // Ends the document: it goes to the printer, or its PDF takes its place,
    // whose path is put in *pdfPath (left empty for a printer).
    bool finish(QString* pdfPath, QString* error);
    // Abandons the document: nothing of it reaches the printer and no file
    // of it is left.
    void abandon();

private:
    QPageLayout layout() const;
    bool beginPdf(const QString& caption, QString* error);
    bool beginOnPrinter(QString* error);
    // What is told when the document cannot be printed.
    QString failure() const;
    void close();

    std::unique_ptr<QPrinter> m_systemPrinter;
    QPrinter* m_printer;
    QString m_documentsFolder;
    QString m_pdfPath; // chosen by the user; named after the journal when empty

    // The open document.
    QPagedPaintDevice* m_device = nullptr;
    QPainter m_painter;
    int m_pagesSent = 0;
    std::unique_ptr<QSaveFile> m_pdfFile;
    std::unique_ptr<QPdfWriter> m_pdfWriter;
    std::unique_ptr<QTemporaryDir> m_spool;
};

} // namespace Journal
