// The day rules of the automatic reset of the total.
#include "engine/AutoReset.h"

#include <array>

namespace TariffEngine {

namespace {

// The day of the month from which a rule text of the family `suffix` makes
// a reset due ("Le 1er du mois", "Le 5 des mois Pair"...); 0 for any other
// text.
int RuleDay(const QString& razDate, const QString& suffix) {
    static constexpr std::array<int, 6> Days{1, 5, 10, 15, 20, 25};
    for (const int day : Days) {
        const QString prefix =
            day == 1 ? QStringLiteral("Le 1er") : QStringLiteral("Le %1").arg(day);
        if (razDate == prefix + suffix)
            return day;
    }
    return 0;
}

bool NotDue(const QString& razDate, const QString& suffix, QDate& derniereRaz,
            const BasOrvalis::StartDate& startDate, const QDate& today) {
    if (derniereRaz.month() == startDate.MoisDemarrage)
        return true;
    const int day = RuleDay(razDate, suffix);
    if (day == 0 || day > startDate.JourDemarrage)
        return true;
    derniereRaz = today;
    return false;
}

} // namespace

bool RazMensuelle(const QString& razDate, QDate& derniereRaz,
                  const BasOrvalis::StartDate& startDate, const QDate& today) {
    return NotDue(razDate, QStringLiteral(" du mois"), derniereRaz, startDate, today);
}

bool RazBimestrielle(const QString& razDate, QDate& derniereRaz,
                     const BasOrvalis::StartDate& startDate, const QDate& today) {
    const QString suffix = startDate.MoisDemarrage % 2 == 1 ? QStringLiteral(" des mois Impair")
                                                            : QStringLiteral(" des mois Pair");
    return NotDue(razDate, suffix, derniereRaz, startDate, today);
}

bool RazDue(BasOrvalis::Settings& settings, const BasOrvalis::StartDate& startDate,
            const QDate& today) {
    if (settings.RazAutoTotal == 0)
        return false;
    if (settings.RazPeriode == QLatin1String("Mensuelle"))
        return !RazMensuelle(settings.RazDate, settings.DerniereRaz, startDate, today);
    if (settings.RazPeriode == QLatin1String("Bimestrielle"))
        return !RazBimestrielle(settings.RazDate, settings.DerniereRaz, startDate, today);
    return false;
}

} // namespace TariffEngine
