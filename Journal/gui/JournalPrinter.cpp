// A print run, and the session's printer.
#include "gui/JournalPrinter.h"

#include "core/JournalPrint.h"
#include "gui/FrmJournal.h"
#include "gui/FrmMsgImp.h"
#include "gui/PagePainter.h"
#include "gui/PrintOutput.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopedValueRollback>
#include <QStandardPaths>

namespace Journal {

namespace {

const QString ProgramTitle = QStringLiteral("Journal");

} // namespace

JournalPrinter::JournalPrinter(QWidget* parent)
    : m_parent(parent)
    , m_documentsFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {}

JournalPrinter::~JournalPrinter() = default;

void JournalPrinter::setDocumentsFolder(const QString& folder) {
    m_documentsFolder = folder;
}

const QString& JournalPrinter::documentsFolder() const {
    return m_documentsFolder;
}

void JournalPrinter::showPrinterSetup() {
    if (refusePrintingTwice())
        return;
    // A printer is kept only once the user has chosen it.
    std::unique_ptr<QPrinter> candidate;
    QPrinter* printer = m_printer.get();
    if (!printer) {
        candidate = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer = candidate.get();
    }
    QPrintDialog dialog(printer, m_parent);
    dialog.setWindowTitle(QStringLiteral("Configuration de l'impression"));
    if (dialog.exec() == QDialog::Accepted && candidate)
        m_printer = std::move(candidate);
}

void JournalPrinter::PrintJournal(FrmJournal* journal) {
    if (refusePrintingTwice())
        return;
    PrintOutput output(m_printer.get(), m_documentsFolder);
    QString pdfPath;
    if (run(journal, output, QStringLiteral("Le journal « %1 » n'a pas pu être imprimé : %2"),
            &pdfPath) &&
        !pdfPath.isEmpty())
        QMessageBox::information(
            m_parent, ProgramTitle,
            QStringLiteral("Aucune imprimante n'est installée : le journal "
                           "« %1 » a été imprimé dans le fichier %2.")
                .arg(journal->windowTitle(), QDir::toNativeSeparators(pdfPath)));
}

void JournalPrinter::exportPdf(FrmJournal* journal, const QString& path, const QString& failure) {
    if (refusePrintingTwice())
        return;
    PrintOutput output(path);
    QString pdfPath;
    run(journal, output, failure, &pdfPath);
}

bool JournalPrinter::run(FrmJournal* journal, PrintOutput& output, const QString& failure,
                         QString* pdfPath) {
    const QScopedValueRollback<bool> printing(m_printing, true);
    // What the window shows now is printed, whatever is done meanwhile; the
    // window stays open until the run ends.
    const QString caption = journal->windowTitle();
    journal->holdOpen(true);
    const PagePainter painter;
    BasPrint::JournalPrint print(journal->model().rows(), caption, output.pageTwips(), painter);
    // Above the file manager when it is shown modally, where "Annuler"
    // can still be pressed.
    QWidget* modal = QApplication::activeModalWidget();
    FrmMsgImp window(caption, modal ? modal : m_parent);
    window.show();
    QString error;
    bool sent = output.begin(caption, &error);
    // The rows are laid out one at a time, and each page is sent once its
    // rows are; events run before each row and each page, so "Annuler" is
    // answered at once and abandons the document.
    int pagesSent = 0;
    while (sent && !window.cancelled()) {
        QCoreApplication::processEvents();
        if (window.cancelled())
            break;
        if (pagesSent < print.finishedPages())
            sent = output.sendPage(print.pages().at(pagesSent++), painter, &error);
        else if (print.PrintNextRow())
            window.showPage(print.pageNumber());
        else
            break;
    }
    journal->holdOpen(false);
    if (window.cancelled()) {
        output.abandon();
        return false;
    }
    if (sent)
        sent = output.finish(pdfPath, &error);
    else
        output.abandon();
    window.hide();
    if (!sent)
        QMessageBox::warning(m_parent, ProgramTitle, failure.arg(caption, error));
    return sent;
}

bool JournalPrinter::refusePrintingTwice() {
    if (!m_printing)
        return false;
    QMessageBox::warning(
        m_parent, ProgramTitle,
        QStringLiteral("Une impression est en cours : attendez qu'elle se termine."));
    return true;
}

} // namespace Journal
