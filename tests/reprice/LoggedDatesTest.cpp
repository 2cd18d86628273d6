// A call is dated by its own record, read in the locale that wrote the log;
// the log's name settles the century and a doubt between two locales, the
// logged cost a start that lost its AM or PM.
#include "reprice/Reprice.h"

#include <gtest/gtest.h>

using namespace BasOrvalis;
using namespace Repricing;

TEST(LoggedDates, ReadInTheLocaleThatWroteThem) {
    const QLocale french(QLocale::French, QLocale::France);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    const struct {
        const char* file;
        QLocale user;
        const char* date;
        const char* debut;
        QDateTime start; // invalid: skipped
        const char* reason;
        const char* duree = "00:01:00";
        const char* cout = "0,74";
    } rows[] = {
        // A French log read by an American user.
        {"mars2027.ccm", american, "10/03/27", "10:00:00", QDateTime({2027, 3, 10}, {10, 0}), ""},
        // A call that ended in the next month's log.
        {"avr.2027.ccm", french, "31/03/27", "23:59:00", QDateTime({2027, 3, 31}, {23, 59}), ""},
        // The file's year, not the window of two-digit years.
        {"MARS2031.CCM", french, "10/03/31", "10:00:00", QDateTime({2031, 3, 10}, {10, 0}), ""},
        {"janv.2030.ccm", french, "31/12/29", "10:00:00", QDateTime({2029, 12, 31}, {10, 0}), ""},
        {"recherche.ccm", french, "10/03/31", "10:00:00", QDateTime({1931, 3, 10}, {10, 0}), ""},
        // British and American English both name November "Nov": the log's
        // month settles 10/11/27, else the month before it.
        {"Nov2027.ccm", british, "10/11/27", "14:00:00", QDateTime({2027, 11, 10}, {14, 0}), ""},
        {"Oct2027.ccm", british, "10/11/27", "14:00:00", QDateTime({2027, 10, 11}, {14, 0}), ""},
        {"Dec2027.ccm", british, "10/11/27", "14:00:00", QDateTime({2027, 11, 10}, {14, 0}), ""},
        {"Jan2028.ccm", british, "10/11/27", "14:00:00", QDateTime(), "date ambiguë"},
        {"mars2027.ccm", french, "29/02/27", "10:00:00", QDateTime(), "date illisible"},
        // The field cuts the American time's AM or PM: the logged cost of a
        // local call of ten minutes tells the morning's from the evening's,
        // the time credit alone does not.
        {"Mar2027.ccm", american, "3/10/27", "10:00:00", QDateTime({2027, 3, 10}, {10, 0}), "",
         "00:10:00", "2.70"},
        {"Mar2027.ccm", american, "3/10/27", "10:00:00", QDateTime({2027, 3, 10}, {22, 0}), "",
         "00:10:00", "1.72"},
        {"Mar2027.ccm", american, "3/10/27", "10:00:00", QDateTime(), "sans matin ni soir"},
        // Written whole, the marker does not fit the field: it is cut off.
        {"Mar2027.ccm", american, "3/10/27", "10:00:00 PM", QDateTime(), "sans matin ni soir"},
    };
    for (const auto& row : rows) {
        CallRecord record;
        record.Date = QString::fromUtf8(row.date);
        record.Libelle = QStringLiteral("Standard: Appel Local");
        record.HeureDebut = QString::fromUtf8(row.debut);
        record.Duree = QString::fromUtf8(row.duree);
        record.Cout = QString::fromUtf8(row.cout);
        const Repriced repriced = Reprice({{QString::fromUtf8(row.file), {record}}},
                                          {CommunicationType::Standard}, Settings(), row.user);
        const RepricedLog& log = repriced.logs[0];
        const std::string context = std::string(row.file) + " " + row.date;
        if (row.start.isValid()) {
            ASSERT_EQ(log.calls.size(), 1) << context;
            EXPECT_EQ(log.calls[0].start(), row.start) << context;
        } else {
            ASSERT_EQ(log.skipped.size(), 1) << context;
            EXPECT_TRUE(log.skipped[0].reason.contains(QString::fromUtf8(row.reason)))
                << context << ": " << log.skipped[0].reason.toStdString();
        }
    }
}
