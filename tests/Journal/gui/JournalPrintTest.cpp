// Printing a journal where the system has no printer: a PDF in the documents
// folder, read back with pdftotext for its texts and their places in twips.
#include "Journal/gui/FrameFixture.h"
#include "Journal/gui/PdfText.h"
#include "gui/FileListViews.h"
#include "gui/FrmGestion.h"
#include "support/ModalAnswerer.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

using namespace Journal;

using Command = JournalMenus::Command;

namespace {

const QString Title = QStringLiteral("Journal de suivi des communications téléphoniques");
const QString Headers = QStringLiteral("Date Type de Communication Début Fin Durée Cout Total");
// The PDF sheet is A4 with margins of 6.35 mm; positions are in twips from
// the printable area's corner.
constexpr double MarginPoints = 6.35 / 25.4 * 72;
constexpr double PageHeightTwips = (297 - 2 * 6.35) / 25.4 * 1440;
constexpr double PageWidthTwips = (210 - 2 * 6.35) / 25.4 * 1440;
// pdftotext places a word by its glyphs' box, a little below the line's top.
constexpr double PlaceTolerance = 60;

double twips(double points) {
    return (points - MarginPoints) * 20;
}

class JournalPrintTest : public FrameFixture {
protected:
    QStringList pdfs() const { return QDir(m_documents).entryList(QDir::Files); }

    // The bytes written so far of the PDF that the program is writing into
    // the documents folder, under no name until it is finished.
    qint64 pdfBeingWritten() const {
        qint64 size = 0;
        const QDir open(QStringLiteral("/proc/self/fd"));
        for (const QFileInfo& file :
             open.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
            if (file.symLinkTarget().startsWith(m_documents + QLatin1Char('/')))
                size = qMax(size, file.size());
        }
        return size;
    }
    QString pdf(const QString& name) const { return QDir(m_documents).filePath(name); }

    // The log's rows, each with its own description and duration.
    QVector<CallRecord> writeRows(const QString& name, int count) {
        QVector<CallRecord> rows;
        for (int i = 1; i <= count; ++i)
            rows.append(JournalLogs::call(
                QStringLiteral("Primaliste: 01 42 34 %1").arg(i, 2, 10, QLatin1Char('0')),
                QStringLiteral("00:%1:05").arg(i % 60, 2, 10, QLatin1Char('0'))));
        EXPECT_TRUE(JournalLogs::appendAll(QDir(m_logs).filePath(name), rows));
        return rows;
    }

    // Presses "Annuler" of the printing window once it shows `page`.
    void cancelOn(const QString& page) {
        auto* watch = new QTimer(m_frame.get());
        watch->setInterval(0);
        QObject::connect(watch, &QTimer::timeout, [this, watch, page] {
            auto* window = m_frame->findChild<QDialog*>(QStringLiteral("FrmMsgImp"));
            if (window &&
                window->findChild<QLabel*>(QStringLiteral("lbltextes1"))->text() == page) {
                window->findChild<QPushButton*>(QStringLiteral("cmdAnnuler"))->click();
                watch->stop();
            }
        });
        watch->start();
    }
};

} // namespace

TEST_F(JournalPrintTest, SixtyRecordsPrintOnTwoPagesAsStored) {
    const QVector<CallRecord> rows = writeRows(QStringLiteral("févr.2027.ccm"), 60);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("févr.2027.ccm")));
    ModalAnswerer answerer;
    command(Command::Print)->trigger();

    ASSERT_EQ(pdfs(), QStringList{"févr.2027.pdf"});
    ASSERT_EQ(answerer.texts().size(), 1);
    EXPECT_TRUE(answerer.texts()[0].contains(pdf(QStringLiteral("févr.2027.pdf"))));

    const QVector<QStringList> pages = PdfText::pages(pdf(QStringLiteral("févr.2027.pdf")));
    ASSERT_EQ(pages.size(), 2);
    QStringList printed;
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(pages[p].mid(0, 3), (QStringList{Title, "FÉVR.2027.CCM", Headers})) << p;
        EXPECT_EQ(pages[p].last(), QStringLiteral("Page %1").arg(p + 1));
        printed += pages[p].mid(3, pages[p].size() - 4);
    }
    QStringList stored;
    for (const CallRecord& row : rows) {
        QStringList fields;
        for (int i = 0; i < CallRecord::FieldCount; ++i)
            fields.append(row.field(i));
        stored.append(fields.join(QLatin1Char(' ')).simplified());
    }
    EXPECT_EQ(printed, stored);

    // Every row starts above H - 1000 twips, the first of a page at 2170.
    QVector<double> firstRow(3, -1);
    for (const PdfText::Word& word : PdfText::words(pdf(QStringLiteral("févr.2027.pdf")))) {
        if (word.text == QLatin1String("Page")) {
            EXPECT_NEAR(twips(word.left), PageWidthTwips - 1500, PlaceTolerance);
            EXPECT_NEAR(twips(word.top), PageHeightTwips - 500, PlaceTolerance);
        }
        if (word.text != QLatin1String("08/12/26"))
            continue;
        EXPECT_LT(twips(word.top), PageHeightTwips - 1000);
        EXPECT_NEAR(twips(word.left), 900, PlaceTolerance);
        if (firstRow[word.page] < 0)
            firstRow[word.page] = twips(word.top);
    }
    EXPECT_NEAR(firstRow[1], 2170, PlaceTolerance);
    EXPECT_NEAR(firstRow[2], 2170, PlaceTolerance);

    command(Command::Print)->trigger();
    EXPECT_EQ(pdfs(), (QStringList{"févr.2027 (2).pdf", "févr.2027.pdf"}));
}

TEST_F(JournalPrintTest, AnEmptyResultPrintsOnePageWithItsHeaders) {
    m_frame->showSearchResult({});
    ModalAnswerer answerer;
    command(Command::Print)->trigger();
    ASSERT_EQ(pdfs(), QStringList{"recherche1.pdf"});
    EXPECT_EQ(PdfText::pages(pdf(QStringLiteral("recherche1.pdf"))),
              (QVector<QStringList>{
                  {Title, "Résultat de la recherche - RECHERCHE1", Headers, "Page 1"}}));
}

TEST_F(JournalPrintTest, CancellingOnPageTwoLeavesNoFile) {
    writeRows(QStringLiteral("févr.2027.ccm"), 60);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("févr.2027.ccm")));
    ModalAnswerer answerer;
    cancelOn(QStringLiteral("Page 2"));
    command(Command::Print)->trigger();
    EXPECT_TRUE(pdfs().isEmpty());
    EXPECT_TRUE(answerer.texts().isEmpty());
}

TEST_F(JournalPrintTest, CancellingWhilePagesAreSentStopsWithinAPageAndLeavesNoFile) {
    QVector<CallRecord> rows;
    for (int i = 0; i < 60000; ++i)
        rows.append(JournalLogs::call(QStringLiteral("Standard: Appel Local %1").arg(i)));
    ASSERT_TRUE(LogFile::writeAll(QDir(m_logs).filePath(QStringLiteral("mars.2027.ccm")), rows));
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("mars.2027.ccm")));
    ModalAnswerer answerer;
    // "Annuler" is pressed once the window shows page 100, while the pages
    // before it are being sent; the pages the window shows after that are
    // noted.
    int pressedOn = 0;
    int lastShown = 0;
    qint64 sentBytes = 0;
    auto* watch = new QTimer(m_frame.get());
    watch->setInterval(0);
    QObject::connect(watch, &QTimer::timeout, [&] {
        auto* window = m_frame->findChild<QDialog*>(QStringLiteral("FrmMsgImp"));
        if (!window)
            return;
        const int page = window->findChild<QLabel*>(QStringLiteral("lbltextes1"))
                             ->text()
                             .section(QLatin1Char(' '), 1)
                             .toInt();
        if (pressedOn > 0) {
            lastShown = qMax(lastShown, page);
        } else if (page >= 100) {
            pressedOn = page;
            sentBytes = pdfBeingWritten();
            window->findChild<QPushButton*>(QStringLiteral("cmdAnnuler"))->click();
        }
    });
    watch->start();
    command(Command::Print)->trigger();
    watch->stop();

    EXPECT_EQ(pressedOn, 100);
    EXPECT_GT(sentBytes, 10000);
    EXPECT_LE(lastShown, pressedOn + 1);
    EXPECT_EQ(m_frame->findChild<QDialog*>(QStringLiteral("FrmMsgImp")), nullptr);
    EXPECT_TRUE(pdfs().isEmpty());
    EXPECT_TRUE(answerer.texts().isEmpty());
}

TEST_F(JournalPrintTest, WhilePrintingTheWindowStaysOpenAndASecondPrintIsRefused) {
    writeRows(QStringLiteral("févr.2027.ccm"), 60);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("févr.2027.ccm")));
    FrmJournal* journal = m_frame->currentJournal();
    ModalAnswerer answerer;
    QTimer::singleShot(0, m_frame.get(), [&] {
        journal->close();
        m_frame->close();
        command(Command::Print)->trigger();
    });
    command(Command::Print)->trigger();

    EXPECT_EQ(m_frame->journals(), QList<FrmJournal*>{journal});
    EXPECT_TRUE(m_frame->isVisible());
    EXPECT_EQ(pdfs(), QStringList{"févr.2027.pdf"});
    ASSERT_EQ(answerer.texts().size(), 2);
    EXPECT_EQ(answerer.texts()[0],
              QStringLiteral("Une impression est en cours : attendez qu'elle se termine."));
}

TEST_F(JournalPrintTest, ThePrinterChosenInTheSetUpIsKeptForTheSession) {
    writeRows(QStringLiteral("févr.2027.ccm"), 3);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("févr.2027.ccm")));
    {
        ModalAnswerer answerer;
        command(Command::PrintConf)->trigger();
        EXPECT_EQ(answerer.dialogs(), QStringList{"Configuration de l'impression"});
        command(Command::Print)->trigger();
        EXPECT_EQ(pdfs(), QStringList{"févr.2027.pdf"});
    }

    // The printer chosen here writes to a file of the user's choice.
    const QString chosen = m_dir.filePath(QStringLiteral("choisi.pdf"));
    QTimer::singleShot(50, m_frame.get(), [&chosen] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(chosen);
        dialog->accept();
    });
    command(Command::PrintConf)->trigger();
    for (int run = 0; run < 2; ++run) {
        QFile::remove(chosen);
        command(Command::Print)->trigger();
        EXPECT_TRUE(QFileInfo::exists(chosen)) << run;
    }
    EXPECT_EQ(pdfs(), QStringList{"févr.2027.pdf"});
}

TEST_F(JournalPrintTest, AFullPageIsNotFollowedByAPageWithItsHeaderAlone) {
    writeRows(QStringLiteral("févr.2027.ccm"), 60);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("févr.2027.ccm")));
    ModalAnswerer answerer;
    command(Command::Print)->trigger();
    const int fullPage = int(PdfText::pages(pdf(QStringLiteral("févr.2027.pdf")))[0].size()) - 4;

    writeRows(QStringLiteral("mars.2027.ccm"), fullPage);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("mars.2027.ccm")));
    command(Command::Print)->trigger();
    EXPECT_EQ(PdfText::pages(pdf(QStringLiteral("mars.2027.pdf"))).size(), 1);
}

TEST_F(JournalPrintTest, ALogBeingPrintedIsNotDeleted) {
    writeRows(QStringLiteral("févr.2027.ccm"), 60);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("févr.2027.ccm")));
    ModalAnswerer answerer(QMessageBox::Yes);
    QTimer::singleShot(0, m_frame.get(), [this] {
        FrmGestion* gestion = m_frame->showGestion();
        QTreeView* list = gestion->lvGestion()->details();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 1)).center());
        gestion->Kill_Click();
    });
    command(Command::Print)->trigger();
    EXPECT_EQ(logFiles(), QStringList{"févr.2027.ccm"});
    EXPECT_TRUE(answerer.texts().contains(
        QStringLiteral("Le journal « févr.2027.ccm » est en cours d'impression.")));
}
