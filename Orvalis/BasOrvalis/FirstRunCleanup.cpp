// The first-start clean-up of the store and the mark that it ran.
#include "BasOrvalis/FirstRunCleanup.h"

#include "BasOrvalis/SettingsKeys.h"
#include "BasOrvalis/StoredText.h"
#include "platform/SettingsStore.h"

#include <QStringList>

namespace BasOrvalis {

namespace {

// Keys that earlier versions kept in "Parametres" and nothing reads any more.
const QStringList& ObsoleteKeys() {
    static const QStringList keys{
        QStringLiteral("Jour Férié: Lundi de Pâques"),
        QStringLiteral("Jour Férié: Jeudi de l'Ascension"),
        QStringLiteral("Jour Férié: Lundi de Pentecôte"),
        QStringLiteral("Journal : Enregistrements"),
        QStringLiteral("Orvalis : Hwnd"),
        QStringLiteral("Orvalis : Path"),
    };
    return keys;
}

} // namespace

void FirstRunCleanup(SettingsStore& store) {
    for (const QString& key : ObsoleteKeys())
        store.remove(Sections::Parametres, key);
    store.removeSection(Sections::Surveillance);
    store.write(Sections::Parametres, Keys::Initialisation, QStringLiteral("1"));
}

bool IsFirstRun(const SettingsStore& store) {
    const QString text = store.read(Sections::Parametres, Keys::Initialisation);
    return StoredText::toInteger(text).value_or(0) == 0;
}

} // namespace BasOrvalis
