// The entry that starts the monitor when the user logs on: a desktop entry
// named Tavelnor.desktop in the session's autostart folder.
#pragma once

#include <QString>

class AutostartEntry final {
public:
    // $XDG_CONFIG_HOME/autostart.
    static QString systemFolder();

    // The entry of `folder` that starts `program`.
    explicit AutostartEntry(const QString& program, const QString& folder = systemFolder());

    QString path() const;
    bool exists() const;
    // Writes (or rewrites) the entry; false when it cannot be written.
    bool write() const;
    // Removes the entry; true when none is left.
    bool remove() const;

private:
    QString m_program;
    QString m_folder;
};
