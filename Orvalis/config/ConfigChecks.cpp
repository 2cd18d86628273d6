// Focus checks of the configuration boxes.
#include "config/ConfigChecks.h"

#include "platform/LocaleFormats.h"

namespace ConfigChecks {

bool IsLocaleNumber(const QString& text, const QLocale& locale) {
    // A group separator would let "1.000" through under French settings,
    // where it would be read as one thousand by nobody else.
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    strict.toDouble(text.trimmed(), &ok);
    return ok;
}

std::optional<QTime> ReadTime(const QString& text) {
    const QTime time = LocaleFormats::readClockText(text);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

} // namespace ConfigChecks
