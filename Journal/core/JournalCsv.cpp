// Writing a journal as CSV.
#include "core/JournalCsv.h"

#include "common/LoggedFields.h"
#include "core/JournalColumns.h"
#include "reprice/LogName.h"
#include "reprice/RecordReader.h"

#include <QIODevice>
#include <QTime>

#include <algorithm>
#include <optional>

namespace BasJournal::JournalCsv {

namespace {

const QLatin1Char Separator(';');
const QLatin1String LineEnd("\r\n");
// The text gathered before each write.
constexpr int WriteSize = 1 << 20;

// A field holding the separator, a comma, a quote or a line break is
// quoted, its quotes doubled. Spreadsheets split unquoted fields on commas
// too unless told otherwise (LibreOffice does by default): quoted, a decimal
// comma stays in its number.
QString quoted(const QString& text) {
    const bool plain = std::none_of(text.cbegin(), text.cend(), [](QChar ch) {
        return ch == Separator || ch == QLatin1Char(',') || ch == QLatin1Char('"') ||
               ch == QLatin1Char('\r') || ch == QLatin1Char('\n');
    });
    if (plain)
        return text;
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString amount(const std::optional<double>& value, const QLocale& locale) {
    return value ? locale.toString(*value, 'f', QLocale::FloatingPointShortest) : QString();
}

QString seconds(const std::optional<int>& value) {
    return value ? QString::number(*value) : QString();
}

bool flush(QString* text, QIODevice& out) {
    const QByteArray bytes = text->toUtf8();
    text->clear();
    return out.write(bytes) == bytes.size();
}

} // namespace

QStringList headers() {
    QStringList texts{QStringLiteral("N°")};
    for (int column = int(JournalColumn::Date); column < JournalColumns::Count; ++column)
        texts.append(column == int(JournalColumn::Duree) ? QStringLiteral("Durée (secondes)")
                                                         : JournalColumns::header(column));
    return texts;
}

bool write(const JournalRows& rows, const QString& caption, const BasOrvalis::Settings& settings,
           QIODevice& out, const QLocale& locale) {
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    Repricing::RecordReader reader(Repricing::ReadLogName(caption, locale), settings);
    QString text = headers().join(Separator) + LineEnd;
    QString field;
    for (int row = 0; row < rows.count(); ++row) {
        const Repricing::RecordReading reading = reader.read(rows.recordData(row));
        const Repricing::LoggedCall& call = reading.call;
        const bool isCall = reading.kind == Repricing::RecordReading::Kind::Call;
        text += QString::number(row + 1);
        for (int column = int(JournalColumn::Date); column < JournalColumns::Count; ++column) {
            rows.readField(row, JournalColumns::fieldOf(column), &field);
            switch (static_cast<JournalColumn>(column)) {
            case JournalColumn::Date:
                field = call.date.isValid() ? call.date.toString(Qt::ISODate) : field.trimmed();
                break;
            case JournalColumn::HeureDebut:
                field = isCall && call.startSecond
                            ? QTime::fromMSecsSinceStartOfDay(*call.startSecond * 1000)
                                  .toString(QStringLiteral("HH:mm:ss"))
                            : field.trimmed();
                break;
            case JournalColumn::Duree:
                field = seconds(isCall ? call.seconds : LoggedFields::readDurationSeconds(field));
                break;
            case JournalColumn::Cout:
                field = amount(isCall ? call.cost : LoggedFields::readAmount(field), numbers);
                break;
            case JournalColumn::Total:
                field = amount(LoggedFields::readAmount(field), numbers);
                break;
            default:
                field = field.trimmed();
            }
            text += Separator + quoted(field);
        }
        text += LineEnd;
        if (text.size() >= WriteSize && !flush(&text, out))
            return false;
    }
    return flush(&text, out);
}

} // namespace BasJournal::JournalCsv
