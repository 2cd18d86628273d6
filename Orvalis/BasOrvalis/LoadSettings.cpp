// Reading the settings from the store at start, writing a changed field back.
#include "BasOrvalis/LoadSettings.h"

#include "BasOrvalis/SettingsKeys.h"
#include "platform/SettingsStore.h"

namespace BasOrvalis {

namespace {

// A zone names a distance band; any other number would reach past the
// tariff arrays, so it reads as the default band.
void KeepZonesInBands(Settings& settings) {
    const int defaultZone = Settings().ZonesPrimaliste[1];
    for (int n = 1; n <= PrimalisteCount; ++n) {
        int& zone = settings.ZonesPrimaliste[n];
        if (zone < 1 || zone > BandCount)
            zone = defaultZone;
    }
}

} // namespace

Settings LoadSettings(const SettingsStore& store, const QLocale& locale) {
    Settings settings;
    for (const SettingsKey& entry : SettingsKeys()) {
        // An absent key is no error: the field keeps its default.
        if (store.contains(entry.section, entry.key))
            ReadStoredText(settings, entry, store.read(entry.section, entry.key), locale);
    }
    KeepZonesInBands(settings);
    return settings;
}

bool SaveSetting(SettingsStore& store, const Settings& settings, const QString& section,
                 const QString& key, const QLocale& locale) {
    const SettingsKey* entry = FindSettingsKey(section, key);
    if (entry == nullptr)
        return false;
    store.write(section, key, StoredTextOf(settings, *entry, locale));
    return true;
}

} // namespace BasOrvalis
