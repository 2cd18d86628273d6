// Writing amounts of money for the displays and the log.
#include "BasOrvalis/MoneyTexts.h"

#include "platform/LocaleFormats.h"

#include <cmath>

namespace BasOrvalis {

namespace {

// An amount that is no finite number (a sum gone past every bound) is
// written as nothing spent, never as "inf" or "nan".
double Written(float amount) {
    return std::isfinite(amount) ? static_cast<double>(amount) : 0.0;
}

// The thousandths of franc the cost display shows.
qint64 DisplayedThousandths(float cost) {
    return std::llround(Written(cost) * 1000.0);
}

} // namespace

QString CostDisplayText(float cost, const QLocale& locale) {
    return LocaleFormats::fixed(static_cast<double>(DisplayedThousandths(cost)) / 1000.0, 3,
                                locale);
}

QString TotalDisplayText(float total, const QLocale& locale) {
    return LocaleFormats::fixed(Written(total), 2, locale);
}

QString LoggedCostText(float cost, const QLocale& locale) {
    const qint64 thousandths = DisplayedThousandths(cost);
    // Integer division cuts toward zero: adding half a centime away from
    // zero first rounds the half away from zero.
    const qint64 centimes = (thousandths + (thousandths < 0 ? -5 : 5)) / 10;
    return LocaleFormats::fixed(static_cast<double>(centimes) / 100.0, 2, locale);
}

} // namespace BasOrvalis
