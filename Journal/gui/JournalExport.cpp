// The export of a journal to CSV or PDF.
#include "gui/JournalExport.h"

#include "BasOrvalis/LoadSettings.h"
#include "core/ExportFormats.h"
#include "core/JournalCsv.h"
#include "core/PdfFiles.h"
#include "gui/FrmJournal.h"
#include "gui/JournalPrinter.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSaveFile>

namespace Journal {

namespace {

const QString ProgramTitle = QStringLiteral("Journal");
const QString Failure = QStringLiteral("Le journal « %1 » n'a pas pu être exporté : %2");

} // namespace

using BasJournal::ExportFormat;
namespace ExportFormats = BasJournal::ExportFormats;

JournalExport::JournalExport(JournalPrinter& printer, const SettingsStore& store, QWidget* parent)
    : m_printer(printer)
    , m_store(store)
    , m_parent(parent) {}

void JournalExport::exportJournal(FrmJournal* journal) {
    QString filter;
    const QString path = chooseFile(journal->windowTitle(), &filter);
    if (path.isEmpty())
        return;
    switch (ExportFormats::formatOf(path, ExportFormats::formatOfFilter(filter))) {
    case ExportFormat::Csv:
        writeCsv(*journal, path);
        break;
    case ExportFormat::Pdf:
        m_printer.exportPdf(journal, path, Failure);
        break;
    }
}

QString JournalExport::chooseFile(const QString& caption, QString* filter) const {
    const QString folder =
        QDir(m_printer.documentsFolder()).exists() ? m_printer.documentsFolder() : QDir::homePath();
    QFileDialog dialog(m_parent, QStringLiteral("Exporter le journal"), folder);
    dialog.setObjectName(QStringLiteral("DlgExporter"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(ExportFormats::filters());
    dialog.setDefaultSuffix(ExportFormats::suffix(ExportFormat::Csv));
    dialog.selectFile(BasPrint::documentName(caption) + QLatin1Char('.') +
                      ExportFormats::suffix(ExportFormat::Csv));
    // A name typed without an extension takes the chosen format's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(ExportFormats::suffix(ExportFormats::formatOfFilter(f)));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    *filter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

void JournalExport::writeCsv(const FrmJournal& journal, const QString& path) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) &&
        BasJournal::JournalCsv::write(journal.model().rows(), journal.windowTitle(),
                                      BasOrvalis::LoadSettings(m_store), file) &&
        file.commit();
    QGuiApplication::restoreOverrideCursor();
    if (!written)
        QMessageBox::warning(m_parent, ProgramTitle,
                             Failure.arg(journal.windowTitle(), file.errorString()));
}

} // namespace Journal
