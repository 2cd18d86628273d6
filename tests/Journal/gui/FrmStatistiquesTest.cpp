// "Statistiques...": the window of the active journal, its charts and
// tables filled once the figures are computed, one window per journal;
// the window of a period, its chooser and its sortable tables.
#include "gui/FrmStatistiques.h"
#include "Journal/gui/FrameFixture.h"
#include "gui/CostChartView.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QTabWidget>
#include <QTableWidget>

using namespace Journal;

using Command = JournalMenus::Command;

namespace {

CallRecord callOn(const QString& date, const QString& libelle, const QString& debut,
                  const QString& cout) {
    CallRecord record = JournalLogs::call(libelle, QStringLiteral("00:01:05"), date);
    record.HeureDebut = debut;
    record.Cout = cout;
    return record;
}

QVector<QStringList> tableTexts(const QTableWidget* table) {
    QVector<QStringList> rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < table->columnCount(); ++column)
            texts.append(table->item(row, column)->text());
        rows.append(texts);
    }
    return rows;
}

} // namespace

TEST_F(FrameFixture, TheStatisticsOfTheActiveJournalShowInOneWindowThatClosesWithIt) {
    ASSERT_TRUE(JournalLogs::appendAll(
        QDir(m_logs).filePath(QStringLiteral("mars2027.ccm")),
        {callOn("01/03/27", "Standard: Appel Local", "19:15:00", "0,74"),
         callOn("01/03/27", "* Remise à zéro du Coût Total *", "##:##:##", "#.##"),
         callOn("03/03/27", "Temporalis: Appel National", "21:00:00", "3,50")}));
    ASSERT_TRUE(m_frame->openLog(QStringLiteral("mars2027.ccm")));
    FrmJournal* journal = m_frame->currentJournal();
    button("Stats")->click();

    QPointer<FrmStatistiques> window = journal->findChild<FrmStatistiques*>();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isReady(); }, 10000));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Statistiques - MARS2027.CCM"));
    EXPECT_EQ(
        window->findChild<QLabel*>(QStringLiteral("lblResume"))->text(),
        QStringLiteral("Appels : 2     Durée totale : 00:02:10     Coût total : 4,24\n"
                       "Non comptés : remises à zéro du total : 1     lignes illisibles : 0"));

    const auto* days = window->findChild<CostChartView*>(QStringLiteral("chartJours"));
    EXPECT_EQ(days->bars().categories, (QStringList{"01/03", "02/03", "03/03"}));
    EXPECT_EQ(days->bars().values, (QVector<double>{0.74, 0, 3.5}));
    EXPECT_EQ(days->chart()->series().size(), 1);
    const auto* hours = window->findChild<CostChartView*>(QStringLiteral("chartHeures"));
    EXPECT_EQ(hours->bars().values.size(), 24);
    EXPECT_EQ(hours->bars().values[21], 3.5);

    EXPECT_EQ(tableTexts(window->findChild<QTableWidget*>(QStringLiteral("tblTypes"))),
              (QVector<QStringList>{{"Communication standard", "1", "00:01:05", "0,74"},
                                    {"Temporalis", "1", "00:01:05", "3,50"}}));
    EXPECT_EQ(tableTexts(window->findChild<QTableWidget*>(QStringLiteral("tblDistances"))),
              (QVector<QStringList>{{"Appel N° Local", "1", "00:01:05", "0,74"},
                                    {"Appel N° National", "1", "00:01:05", "3,50"}}));
    EXPECT_EQ(tableTexts(window->findChild<QTableWidget*>(QStringLiteral("tblPlusChers"))),
              (QVector<QStringList>{{"MARS2027.CCM", "3", "03/03/27", "Temporalis: Appel National",
                                     "21:00:00", "00:01:05", "3,50"},
                                    {"MARS2027.CCM", "1", "01/03/27", "Standard: Appel Local",
                                     "19:15:00", "00:01:05", "0,74"}}));

    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isWhatIfReady(); }, 10000));
    const QVector<QStringList> etSi =
        tableTexts(window->findChild<QTableWidget*>(QStringLiteral("tblEtSi")));
    QVector<QStringList> whatIf;
    for (const QStringList& row : etSi)
        whatIf.append(row.mid(0, 3));
    EXPECT_EQ(whatIf, (QVector<QStringList>{{"Communication standard", "2", "4,24"},
                                            {"Temporalis", "2", "4,24"},
                                            {"Forfait Local", "1", "0,74"},
                                            {"Numéris Itoo", "1", "0,74"}}));
    // An evening local call within the month's six hours is free: all of it is saved.
    EXPECT_EQ(etSi.value(2).mid(3), (QStringList{"0,00", "0,74"}));

    // The window follows the calls appended to the journal's log.
    ASSERT_TRUE(LogFile::append(QDir(m_logs).filePath(QStringLiteral("mars2027.ccm")),
                                callOn("04/03/27", "Standard: Appel Local", "10:00:00", "0,74")));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return window->isReady() && window->findChild<QLabel*>(QStringLiteral("lblResume"))
                                            ->text()
                                            .startsWith(QStringLiteral("Appels : 3 "));
        },
        10000));

    command(Command::Statistics)->trigger();
    EXPECT_EQ(journal->findChildren<FrmStatistiques*>().size(), 1);
    journal->close();
    QTest::qWait(10);
    EXPECT_TRUE(window.isNull());
}

TEST_F(FrameFixture, APeriodReadsEveryLogItCoversAndItsTablesSortByAnyColumn) {
    // Over the quarter, eleven local calls of 9,90 in all and nine national
    // ones of 10,00: by text, "11" would come before "9" and "10,00" before
    // "9,90".
    QVector<CallRecord> march;
    for (int i = 0; i < 10; ++i)
        march.append(callOn("02/03/27", "Standard: Appel Local", "10:00:00", "0,95"));
    for (int i = 0; i < 9; ++i)
        march.append(callOn("03/03/27", "Temporalis: Appel National", "11:00:00", "1,11"));
    march.last().Cout = QStringLiteral("1,12");
    ASSERT_TRUE(
        JournalLogs::appendAll(QDir(m_logs).filePath(QStringLiteral("mars2027.ccm")), march));
    ASSERT_TRUE(
        JournalLogs::appendAll(QDir(m_logs).filePath(QStringLiteral("AVR.2027.CCM")),
                               {callOn("31/03/27", "Standard: Appel Local", "23:59:00", "0,40"),
                                callOn("02/04/27", "Standard: Appel Local", "09:00:00", "0,25")}));

    command(Command::PeriodStatistics)->trigger();
    QPointer<FrmStatistiques> window =
        m_frame->findChild<FrmStatistiques*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(window, nullptr);
    const auto* resume = window->findChild<QLabel*>(QStringLiteral("lblResume"));
    const auto periodShown = [&](const char* title) {
        return QTest::qWaitFor(
            [&] {
                return window->isReady() &&
                       window->windowTitle() == QStringLiteral("Statistiques - ") + title;
            },
            10000);
    };
    // A day typed in a month's box chooses its month.
    window->findChild<QDateEdit*>(QStringLiteral("dtpDu"))->setDate(QDate(2027, 3, 15));
    ASSERT_TRUE(periodShown("mars 2027"));
    EXPECT_EQ(resume->text().section('\n', 0, 1),
              QStringLiteral("Journaux lus : mars2027.ccm, AVR.2027.CCM\n"
                             "Appels : 20     Durée totale : 00:21:40     Coût total : 19,90"));

    window->findChild<QToolButton*>(QStringLiteral("cmdSuivant"))->click();
    ASSERT_TRUE(periodShown("avril 2027"));
    EXPECT_TRUE(resume->text().contains(QStringLiteral("Appels : 1 ")));
    auto* kind = window->findChild<QComboBox*>(QStringLiteral("cboPeriode"));
    kind->setCurrentIndex(kind->findText(QStringLiteral("Trimestre")));
    ASSERT_TRUE(periodShown("2e trimestre 2027"));
    window->findChild<QToolButton*>(QStringLiteral("cmdPrecedent"))->click();
    ASSERT_TRUE(periodShown("1er trimestre 2027"));

    window->findChild<QTabWidget*>(QStringLiteral("tabStatistiques"))->setCurrentIndex(1);
    auto* types = window->findChild<QTableWidget*>(QStringLiteral("tblTypes"));
    const auto clickHeader = [types](int column) {
        QHeaderView* header = types->horizontalHeader();
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                   header->height() / 2));
    };
    const auto firstType = [types] { return types->item(0, 0)->text(); };
    clickHeader(1);
    EXPECT_EQ(firstType(), QStringLiteral("Temporalis"));
    clickHeader(1);
    EXPECT_EQ(firstType(), QStringLiteral("Communication standard"));
    clickHeader(3);
    EXPECT_EQ(firstType(), QStringLiteral("Communication standard"));
    clickHeader(3);
    EXPECT_EQ(firstType(), QStringLiteral("Temporalis"));
    window->close();
}
