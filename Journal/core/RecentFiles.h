// The recently opened logs, kept in the settings store under "Recent Files",
// keys "RecentFile1" (most recent) to "RecentFile4". Names in the log folder
// are one file whatever their case, so the list compares them without regard
// to case.
#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

namespace BasJournal {

class RecentFiles final {
public:
    explicit RecentFiles(SettingsStore& store);

    // The names to show, in store order; none while "RecentFile1" is empty or
    // absent. At most the five entries the File menus can show.
    QStringList entries() const;
    // Records a name that was just loaded or saved: pushed unless the list
    // already holds it in some case, whose entry then takes this spelling.
    void NoteRecentFile(const QString& name);
    // Makes the name the most recent entry; the fourth drops off and gaps in
    // the list are kept.
    void PushRecentFile(const QString& name);

    // A log renamed on disk: its entry, if any, takes the new name.
    void rename(const QString& oldName, const QString& newName);
    // A log deleted: its entry goes and the later ones move up.
    void forget(const QString& name);

    static constexpr int MenuEntries = 5;

private:
    // The key holding the name in any case; empty when none does.
    QString keyHolding(const QString& name) const;

    SettingsStore& m_store;
};

} // namespace BasJournal
