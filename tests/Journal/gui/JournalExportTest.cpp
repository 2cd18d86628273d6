// "Exporter...": the active journal written to the file chosen, as CSV
// when the name says so or nothing else is chosen, as PDF through printing.
#include "Journal/CsvReader.h"
#include "Journal/gui/FrameFixture.h"
#include "Journal/gui/PdfText.h"
#include "support/ModalAnswerer.h"

using namespace Journal;

using Command = JournalMenus::Command;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST_F(FrameFixture, ExportWritesTheJournalAsCsvOrAsPrintedPages) {
    writeLog(QStringLiteral("févr.2027.ccm"), 3);
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("févr.2027.ccm")));
    ASSERT_TRUE(QDir().mkpath(m_documents));
    {
        ModalAnswerer answerer;
        answerer.typeInFileDialog(QDir(m_documents).filePath(QStringLiteral("appels")));
        command(Command::Export)->trigger();
        EXPECT_EQ(answerer.dialogs(), QStringList{"Exporter le journal"});
    }
    const QVector<QStringList> rows =
        CsvReader::rows(contents(QDir(m_documents).filePath(QStringLiteral("appels.csv"))));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0].value(5), QStringLiteral("Durée (secondes)"));
    EXPECT_EQ(rows[3], (QStringList{"3", "2026-12-08", "févr.2027.ccm appel 3", "10:00:00",
                                    "10:01:05", "65", "0,74", "12,5"}));

    {
        ModalAnswerer answerer;
        answerer.typeInFileDialog(QDir(m_documents).filePath(QStringLiteral("pages.pdf")));
        command(Command::Export)->trigger();
    }
    const QVector<QStringList> pages =
        PdfText::pages(QDir(m_documents).filePath(QStringLiteral("pages.pdf")));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].mid(0, 2),
              (QStringList{"Journal de suivi des communications téléphoniques", "FÉVR.2027.CCM"}));
    EXPECT_EQ(QDir(m_documents).entryList(QDir::Files), (QStringList{"appels.csv", "pages.pdf"}));
}
