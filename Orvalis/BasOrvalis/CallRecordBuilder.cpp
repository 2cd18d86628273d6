// The fields of the records the calculator logs.
#include "BasOrvalis/CallRecordBuilder.h"

#include "BasOrvalis/CallDescription.h"
#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/MoneyTexts.h"
#include "platform/LocaleFormats.h"

namespace BasOrvalis {

namespace {

constexpr int DateWidth = CallRecord::FieldWidths[0];
constexpr int LibelleWidth = CallRecord::FieldWidths[1];
constexpr int TimeWidth = CallRecord::FieldWidths[2];

// A call with nothing to price leaves no record; Primaliste Internet is
// refused outside the night range.
bool Logged(const CallSummary& call) {
    if (call.type == CommunicationType::FaitesUneSelection || call.number == Numbers::NonConfigure)
        return false;
    return call.type != CommunicationType::PrimalisteInternet || call.plageNuit;
}

// The short date of the locale fills the field; a four-digit year is cut.
QString DateField(const QDate& date, const QLocale& locale) {
    return LocaleFormats::shortDate(date, locale).left(DateWidth);
}

// The locale's long time when it fits the field; otherwise ("2:05:07 PM")
// the 24-hour time, which a cut would rob of its AM or PM.
QString TimeField(const QTime& time, const QLocale& locale) {
    const QString longTime = LocaleFormats::longTime(time, locale);
    return longTime.size() <= TimeWidth ? longTime : LocaleFormats::clockText(time);
}

} // namespace

std::optional<CallRecord> BuildCallRecord(const CallSummary& call, const QLocale& locale) {
    if (!Logged(call))
        return std::nullopt;
    CallRecord record;
    record.Date = DateField(call.start.date(), locale);
    record.Libelle = CallDescription(call.type, call.number, call.persoNumero).left(LibelleWidth);
    record.HeureDebut = TimeField(call.start.time(), locale);
    record.HeureFin = TimeField(call.end.time(), locale);
    record.Duree = LocaleFormats::clockText(call.duration);
    record.Cout = LoggedCostText(call.cost, locale);
    record.Total = TotalDisplayText(call.total, locale);
    return record;
}

CallRecord BuildResetRecord(const QDate& today, const QLocale& locale) {
    // The closing "*" does not fit the field.
    static const QString description = QStringLiteral("* Remise à zéro du Coût Total *");
    static const QString noTime = QStringLiteral("##:##:##");
    CallRecord record;
    record.Date = DateField(today, locale);
    record.Libelle = description.left(LibelleWidth);
    record.HeureDebut = noTime;
    record.HeureFin = noTime;
    record.Duree = noTime;
    record.Cout = QStringLiteral("#.##");
    record.Total = QStringLiteral("0.00");
    return record;
}

} // namespace BasOrvalis
