// The recent-file list on the settings store.
#include "core/RecentFiles.h"

#include "platform/SettingsStore.h"

namespace BasJournal {

namespace {

const QString Section = QStringLiteral("Recent Files");

QString keyOf(int n) {
    return QStringLiteral("RecentFile%1").arg(n);
}

} // namespace

RecentFiles::RecentFiles(SettingsStore& store)
    : m_store(store) {}

QStringList RecentFiles::entries() const {
    QStringList names;
    if (m_store.read(Section, keyOf(1)).isEmpty())
        return names;
    const QStringList keys = m_store.keys(Section);
    for (const QString& key : keys) {
        if (names.size() == MenuEntries)
            break;
        names.append(m_store.read(Section, key));
    }
    return names;
}

void RecentFiles::NoteRecentFile(const QString& name) {
    if (!entries().contains(name, Qt::CaseSensitive))
        PushRecentFile(name);
}

void RecentFiles::PushRecentFile(const QString& name) {
    for (int n = 3; n >= 1; --n) {
        const QString value = m_store.read(Section, keyOf(n));
        if (!value.isEmpty())
            m_store.write(Section, keyOf(n + 1), value);
    }
    m_store.write(Section, keyOf(1), name);
}

} // namespace BasJournal
