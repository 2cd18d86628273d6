// A journal exported as CSV and read back by a CSV parser: the same rows,
// durations in seconds and amounts as numbers in the locale's notation.
#include "core/JournalCsv.h"
#include "Journal/CsvReader.h"
#include "Journal/JournalLogs.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QVector<CallRecord> journal() {
    CallRecord perso =
        JournalLogs::call(QStringLiteral("Perso: 01;42 \"bureau\""), QStringLiteral("12:00:01"));
    perso.Cout = QStringLiteral("1234,5");
    perso.Total = QStringLiteral("1247,00");
    CallRecord reset = JournalLogs::call(QStringLiteral("* Remise à zéro du Coût Total *"),
                                         QStringLiteral("##:##:##"));
    reset.HeureDebut = reset.HeureFin = QStringLiteral("##:##:##");
    reset.Cout = QStringLiteral("#.##");
    reset.Total = QStringLiteral("0.00");
    return {JournalLogs::call(QStringLiteral("Standard: Appel Local")), perso, reset};
}

QByteArray exported(const QVector<CallRecord>& records, const QLocale& locale) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(BasJournal::JournalCsv::write(JournalLogs::rowsOf(records),
                                              QStringLiteral("RECHERCHE 1.CCM"),
                                              BasOrvalis::Settings(), buffer, locale));
    return buffer.data();
}

} // namespace

TEST(JournalCsvTest, ReadsBackAsTheJournalsRowsWithNumbers) {
    const QByteArray csv = exported(journal(), QLocale(QLocale::French, QLocale::France));
    const QVector<QStringList> expected{
        {"N°", "Date", "Type de Communication", "Début", "Fin", "Durée (secondes)", "Cout",
         "Total"},
        {"1", "2026-12-08", "Standard: Appel Local", "10:00:00", "10:01:05", "65", "0,74", "12,5"},
        {"2", "2026-12-08", "Perso: 01;42 \"bureau\"", "10:00:00", "10:01:05", "43201", "1234,5",
         "1247"},
        {"3", "2026-12-08", "* Remise à zéro du Coût Total", "##:##:##", "##:##:##", "", "", "0"}};
    EXPECT_EQ(CsvReader::rows(csv), expected);
    // A spreadsheet that also splits on commas keeps a decimal comma in its number.
    EXPECT_EQ(
        csv.split('\n').value(1),
        QByteArray("1;2026-12-08;Standard: Appel Local;10:00:00;10:01:05;65;\"0,74\";\"12,5\"\r"));
}

TEST(JournalCsvTest, AmountsTakeAPointInEnglish) {
    const QVector<QStringList> rows =
        CsvReader::rows(exported(journal(), QLocale(QLocale::English, QLocale::UnitedStates)));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[1].mid(5), (QStringList{"65", "0.74", "12.5"}));
    EXPECT_EQ(rows[2].mid(5), (QStringList{"43201", "1234.5", "1247"}));
}
