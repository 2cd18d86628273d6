// Where a journal is printed: the printer chosen in "Configuration de
// l'impression" for the session, else the system's default printer, else,
// when the system has no printer, a new PDF named after the journal in the
// user's documents folder; or, for an export, the PDF file the user chose.
#pragma once

#include "core/PrintedPage.h"

#include <QPageLayout>
#include <QSize>
#include <QString>

#include <memory>

class QPrinter;

namespace Journal {

class PagePainter;

class PrintOutput final {
public:
    // `chosen` is the session's printer, or null while none was chosen.
    PrintOutput(QPrinter* chosen, const QString& documentsFolder);
    // The pages go to the PDF file `pdfPath`, which they replace.
    explicit PrintOutput(const QString& pdfPath);
    ~PrintOutput();
    Q_DISABLE_COPY_MOVE(PrintOutput)

    // The printable area in twips, as whole numbers.
    QSize pageTwips() const;

    // Sends the pages as one document. Without a printer they go to a PDF,
    // whose path is put in *pdfPath. False with *error when nothing could
    // be printed.
    bool send(const QVector<BasPrint::PrintedPage>& pages, const PagePainter& painter,
              const QString& caption, QString* pdfPath, QString* error);

private:
    QPageLayout layout() const;
    bool sendToPdf(const QVector<BasPrint::PrintedPage>& pages, const PagePainter& painter,
                   const QString& caption, QString* pdfPath, QString* error) const;

    std::unique_ptr<QPrinter> m_systemPrinter;
    QPrinter* m_printer;
    QString m_documentsFolder;
    QString m_pdfPath; // chosen by the user; named after the journal when empty
};

} // namespace Journal
