// The printer of a print run, or its PDF file.
#include "gui/PrintOutput.h"

#include "core/PdfFiles.h"
#include "gui/PagePainter.h"
#include "platform/AppFolders.h"
#include "platform/Twips.h"

#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QTemporaryDir>

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

PrintOutput::~PrintOutput() {
    abandon();
}

QSize PrintOutput::pageTwips() const {
    const QRectF area = layout().paintRect(QPageLayout::Point);
    return {qRound(area.width() * TwipsPerPoint), qRound(area.height() * TwipsPerPoint)};
}

bool PrintOutput::begin(const QString& caption, QString* error) {
    if (!m_printer)
        return beginPdf(caption, error);
    m_printer->setDocName(caption);
    return beginOnPrinter(error);
}

bool PrintOutput::sendPage(const BasPrint::PrintedPage& page, const PagePainter& painter,
                           QString* error) {
    if (m_pagesSent > 0 && !m_device->newPage()) {
        *error = failure();
        return false;
    }
    painter.paintPage(m_painter, page);
    ++m_pagesSent;
    return true;
}

bool PrintOutput::finish(QString* pdfPath, QString* error) {
    bool done = m_painter.end();
    if (m_pdfFile) {
        m_pdfWriter.reset();
        done = done && m_pdfFile->commit();
        if (done)
            *pdfPath = m_pdfFile->fileName();
    }
    if (!done)
        *error = failure();
    close();
    return done;
}

void PrintOutput::abandon() {
    if (!m_device)
        return;
    if (m_printer) {
        m_printer->abort();
        // A queue of the print system takes the document from the file it is
        // spooled in once the document ends, and cannot be told to abandon it
        // before: that file goes first, so the queue receives nothing.
        if (m_spool) {
            const QDir spool(m_spool->path());
            for (const QString& name : spool.entryList(QDir::Files))
                QFile::remove(spool.filePath(name));
        }
    }
    if (m_painter.isActive())
        m_painter.end();
    if (m_pdfFile)
        m_pdfFile->cancelWriting();
    else if (!m_printer->outputFileName().isEmpty())
        QFile::remove(m_printer->outputFileName());
    close();
}

QPageLayout PrintOutput::layout() const {
    return m_printer ? m_printer->pageLayout() : pdfLayout();
}

bool PrintOutput::beginPdf(const QString& caption, QString* error) {
    if (m_pdfPath.isEmpty() && !AppFolders::ensureFolder(m_documentsFolder)) {
        *error = QStringLiteral("Le dossier %1 ne peut pas être créé.").arg(m_documentsFolder);
        return false;
    }
    // Written beside its place and put there once finished: an abandoned
    // or failed document leaves no file.
    m_pdfFile = std::make_unique<QSaveFile>(
        m_pdfPath.isEmpty() ? BasPrint::pdfPathFor(m_documentsFolder, caption) : m_pdfPath);
    if (!m_pdfFile->open(QIODevice::WriteOnly)) {
        *error = m_pdfFile->errorString();
        m_pdfFile.reset();
        return false;
    }
    m_pdfWriter = std::make_unique<QPdfWriter>(m_pdfFile.get());
    m_pdfWriter->setPageLayout(pdfLayout());
    m_pdfWriter->setTitle(caption);
    m_pdfWriter->setCreator(QStringLiteral("Orvalis - Journal"));
    m_device = m_pdfWriter.get();
    if (m_painter.begin(m_device))
        return true;
    *error = failure();
    close();
    return false;
}

bool PrintOutput::beginOnPrinter(QString* error) {
    // The printer spools the document in a file of the temporary folder
    // until it ends; a folder of its own lets an abandoned document be
    // withdrawn.
    m_spool = std::make_unique<QTemporaryDir>();
    const bool hadTemporaryFolder = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray temporaryFolder = qgetenv("TMPDIR");
    if (m_spool->isValid())
        qputenv("TMPDIR", QFile::encodeName(m_spool->path()));
    const bool begun = m_painter.begin(m_printer);
    if (hadTemporaryFolder)
        qputenv("TMPDIR", temporaryFolder);
    else
        qunsetenv("TMPDIR");
    if (begun) {
        m_device = m_printer;
        return true;
    }
    *error = failure();
    close();
    return false;
}

QString PrintOutput::failure() const {
    if (m_printer)
        return QStringLiteral("L'imprimante %1 n'a pas pu imprimer le journal.")
            .arg(m_printer->printerName());
    return QStringLiteral("Le fichier %1 n'a pas pu être écrit.")
        .arg(m_pdfFile ? m_pdfFile->fileName() : m_pdfPath);
}

void PrintOutput::close() {
    m_pdfWriter.reset();
    m_pdfFile.reset();
    m_spool.reset();
    m_device = nullptr;
    m_pagesSent = 0;
}

} // namespace Journal
