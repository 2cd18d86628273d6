// The printer of a print run, or its PDF file.
#include "gui/PrintOutput.h"

#include "core/PdfFiles.h"
#include "gui/PagePainter.h"
#include "platform/AppFolders.h"
#include "platform/Twips.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace Journal {

namespace {

constexpr int TwipsPerPoint = Twips::PerInch / 72;

// A sheet of A4 with the margins of a common printer.
QPageLayout pdfLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
}

std::unique_ptr<QPrinter> systemPrinter() {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QStringList names = QPrinterInfo::availablePrinterNames();
        if (names.isEmpty())
            return nullptr;
        info = QPrinterInfo::printerInfo(names.constFirst());
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

} // namespace

PrintOutput::PrintOutput(QPrinter* chosen, const QString& documentsFolder)
    : m_systemPrinter(chosen ? nullptr : systemPrinter())
    , m_printer(chosen ? chosen : m_systemPrinter.get())
    , m_documentsFolder(documentsFolder) {}

PrintOutput::PrintOutput(const QString& pdfPath)
    : m_printer(nullptr)
    , m_pdfPath(pdfPath) {}

PrintOutput::~PrintOutput() = default;

QSize PrintOutput::pageTwips() const {
    const QRectF area = layout().paintRect(QPageLayout::Point);
    return {qRound(area.width() * TwipsPerPoint), qRound(area.height() * TwipsPerPoint)};
}

bool PrintOutput::send(const QVector<BasPrint::PrintedPage>& pages, const PagePainter& painter,
                       const QString& caption, QString* pdfPath, QString* error) {
    if (!m_printer)
        return sendToPdf(pages, painter, caption, pdfPath, error);
    m_printer->setDocName(caption);
    if (painter.paint(*m_printer, pages))
        return true;
    *error = QStringLiteral("L'imprimante %1 n'a pas pu imprimer le journal.")
                 .arg(m_printer->printerName());
    return false;
}

QPageLayout PrintOutput::layout() const {
    return m_printer ? m_printer->pageLayout() : pdfLayout();
}

bool PrintOutput::sendToPdf(const QVector<BasPrint::PrintedPage>& pages, const PagePainter& painter,
                            const QString& caption, QString* pdfPath, QString* error) const {
    if (m_pdfPath.isEmpty() && !AppFolders::ensureFolder(m_documentsFolder)) {
        *error = QStringLiteral("Le dossier %1 ne peut pas être créé.").arg(m_documentsFolder);
        return false;
    }
    QSaveFile file(m_pdfPath.isEmpty() ? BasPrint::pdfPathFor(m_documentsFolder, caption)
                                       : m_pdfPath);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(pdfLayout());
        writer.setTitle(caption);
        writer.setCreator(QStringLiteral("Orvalis - Journal"));
        if (!painter.paint(writer, pages)) {
            file.cancelWriting();
            *error = QStringLiteral("Le fichier %1 n'a pas pu être écrit.").arg(file.fileName());
            return false;
        }
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    *pdfPath = file.fileName();
    return true;
}

} // namespace Journal
