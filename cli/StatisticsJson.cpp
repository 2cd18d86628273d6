// Writing the statistics of a period as JSON.
#include "cli/StatisticsJson.h"

#include "cli/JsonText.h"

#include <QTime>

namespace StatisticsJson {

namespace {

using BasJournal::CallTotals;
using JsonText::Object;

QString date(const QDate& day) {
    return day.isValid() ? JsonText::quoted(day.toString(Qt::ISODate)) : QStringLiteral("null");
}

QString amount(double value) {
    return JsonText::number(value, 2);
}

QString count(qint64 value) {
    return QString::number(value);
}

Object totals(const CallTotals& totals, bool withDuration) {
    Object object;
    object.add(QStringLiteral("calls"), count(totals.calls));
    if (withDuration)
        object.add(QStringLiteral("duration_s"), count(totals.seconds));
    return object.add(QStringLiteral("cost"), amount(totals.cost));
}

QString byType(const BasJournal::JournalStatistics& statistics) {
    Object types;
    for (const auto& type : statistics.byType)
        types.add(BasOrvalis::TypeText(type.key), totals(type.totals, true).toString());
    return types.toString();
}

// The calls whose number names no band are in none.
QString byBand(const BasJournal::JournalStatistics& statistics) {
    Object bands;
    for (const auto& band : statistics.byBand) {
        if (band.key != 0)
            bands.add(QString::number(band.key), totals(band.totals, true).toString());
    }
    return bands.toString();
}

QString byDay(const BasJournal::JournalStatistics& statistics) {
    Object days;
    for (const auto& day : statistics.byDay)
        days.add(day.key.toString(Qt::ISODate), totals(day.totals, false).toString());
    return days.toString();
}

QString byHour(const BasJournal::JournalStatistics& statistics) {
    Object hours;
    for (int hour = 0; hour < BasJournal::JournalStatistics::Hours; ++hour) {
        const CallTotals& hourTotals = statistics.byHour[std::size_t(hour)];
        if (hourTotals.calls > 0)
            hours.add(QString::number(hour), totals(hourTotals, false).toString());
    }
    return hours.toString();
}

QString skipped(const BasJournal::JournalStatistics& statistics) {
    QStringList records;
    for (const BasJournal::UnreadRecord& record : statistics.unread)
        records << Object()
                       .addText(QStringLiteral("file"), statistics.files.at(record.place.log))
                       .add(QStringLiteral("index"), count(record.place.index))
                       .addText(QStringLiteral("reason"), record.reason)
                       .toString();
    return JsonText::array(records);
}

QString dearest(const BasJournal::JournalStatistics& statistics) {
    QStringList calls;
    for (const BasJournal::DearCall& call : statistics.dearest) {
        const QString start =
            call.startSecond
                ? JsonText::quoted(QTime::fromMSecsSinceStartOfDay(*call.startSecond * 1000)
                                       .toString(QStringLiteral("HH:mm:ss")))
                : QStringLiteral("null");
        calls << Object()
                     .addText(QStringLiteral("file"), statistics.files.at(call.place.log))
                     .add(QStringLiteral("index"), count(call.place.index))
                     .add(QStringLiteral("date"), date(call.date))
                     .add(QStringLiteral("debut"), start)
                     .add(QStringLiteral("duration_s"), count(call.seconds))
                     .add(QStringLiteral("cost"), amount(call.cost))
                     .toString();
    }
    return JsonText::array(calls);
}

} // namespace

QString toJson(const BasJournal::JournalStatistics& statistics) {
    QStringList files;
    for (const QString& file : statistics.files)
        files << JsonText::quoted(file);
    return Object()
        .add(QStringLiteral("period"),
             Object()
                 .add(QStringLiteral("from"), date(statistics.period.first))
                 .add(QStringLiteral("to"), date(statistics.period.last))
                 .toString())
        .add(QStringLiteral("files"), JsonText::array(files))
        .add(QStringLiteral("calls"), count(statistics.total.calls))
        .add(QStringLiteral("duration_s"), count(statistics.total.seconds))
        .add(QStringLiteral("cost"), amount(statistics.total.cost))
        .add(QStringLiteral("resets"), count(statistics.resets))
        .add(QStringLiteral("skipped"), skipped(statistics))
        .add(QStringLiteral("by_type"), byType(statistics))
        .add(QStringLiteral("by_band"), byBand(statistics))
        .add(QStringLiteral("by_day"), byDay(statistics))
        .add(QStringLiteral("by_hour"), byHour(statistics))
        .add(QStringLiteral("dearest"), dearest(statistics))
        .toString();
}

} // namespace StatisticsJson
