// The recent-file list on the settings store.
#include "core/RecentFiles.h"

#include "platform/SettingsStore.h"

namespace BasJournal {

namespace {

const QString Section = QStringLiteral("Recent Files");
constexpr int StoredNames = 4;

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
    const QString key = keyHolding(name);
    if (key.isEmpty())
        PushRecentFile(name);
    else
        m_store.write(Section, key, name);
}

void RecentFiles::PushRecentFile(const QString& name) {
    for (int n = StoredNames - 1; n >= 1; --n) {
        const QString value = m_store.read(Section, keyOf(n));
        if (!value.isEmpty())
            m_store.write(Section, keyOf(n + 1), value);
    }
    m_store.write(Section, keyOf(1), name);
}

void RecentFiles::rename(const QString& oldName, const QString& newName) {
    const QString key = keyHolding(oldName);
    if (!key.isEmpty())
        m_store.write(Section, key, newName);
}

void RecentFiles::forget(const QString& name) {
    if (keyHolding(name).isEmpty())
        return;
    QStringList kept;
    for (int n = 1; n <= StoredNames; ++n) {
        const QString value = m_store.read(Section, keyOf(n));
        if (!value.isEmpty() && value.compare(name, Qt::CaseInsensitive) != 0)
            kept.append(value);
    }
    for (int n = 1; n <= StoredNames; ++n) {
        if (n <= kept.size())
            m_store.write(Section, keyOf(n), kept[n - 1]);
        else
            m_store.remove(Section, keyOf(n));
    }
}

QString RecentFiles::keyHolding(const QString& name) const {
    const QStringList keys = m_store.keys(Section);
    for (const QString& key : keys) {
        if (m_store.read(Section, key).compare(name, Qt::CaseInsensitive) == 0)
            return key;
    }
    return {};
}

} // namespace BasJournal
