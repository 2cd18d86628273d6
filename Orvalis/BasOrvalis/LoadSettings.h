// Moving Settings between memory and the store: every field read once at
// start, a changed field written back by its key.
#pragma once

#include "BasOrvalis/Settings.h"

#include <QLocale>
#include <QString>

class SettingsStore;

namespace BasOrvalis {

// Reads every stored field in load order; an absent key keeps its default.
Settings LoadSettings(const SettingsStore& store, const QLocale& locale = QLocale());

// Writes the text form of the field stored under (section, key). Returns
// false when the key is not a stored field of Settings.
bool SaveSetting(SettingsStore& store, const Settings& settings, const QString& section,
                 const QString& key, const QLocale& locale = QLocale());

} // namespace BasOrvalis
