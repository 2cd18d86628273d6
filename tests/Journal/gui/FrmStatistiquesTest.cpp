// "Statistiques...": the window of the active journal, its charts and
// tables filled once the figures are computed, one window per journal.
#include "gui/FrmStatistiques.h"
#include "Journal/gui/FrameFixture.h"
#include "gui/CostChartView.h"

#include <QLabel>
#include <QPointer>
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
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblResume"))->text(),
              QStringLiteral("Appels : 2     Durée totale : 00:02:10     Coût total : 4,24\n"
                             "Enregistrements non comptés (remises à zéro du total ou lignes "
                             "illisibles) : 1"));

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
              (QVector<QStringList>{
                  {"3", "03/03/27", "Temporalis: Appel National", "21:00:00", "00:01:05", "3,50"},
                  {"1", "01/03/27", "Standard: Appel Local", "19:15:00", "00:01:05", "0,74"}}));

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

    command(Command::Statistics)->trigger();
    EXPECT_EQ(journal->findChildren<FrmStatistiques*>().size(), 1);
    journal->close();
    QTest::qWait(10);
    EXPECT_TRUE(window.isNull());
}
