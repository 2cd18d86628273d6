// A small file of the calculator in its data folder, replaced whole in one
// step: a crash or a power cut leaves the old one or the new one, never a
// part of either. The kept call and the pending data are such files.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

class DataFile {
public:
    explicit DataFile(const QString& path);
    Q_DISABLE_COPY_MOVE(DataFile)

    // "Orvalis/`name`" under a data folder; the user's is $XDG_DATA_HOME.
    static QString pathUnder(const QString& dataFolder, const QString& name);
    static QString userPath(const QString& name);

    const QString& path() const { return m_path; }
    bool exists() const;

    // Replaces the file with `bytes`, through to the disk, creating its
    // folder when missing. False, with the system's reason in *reason when
    // given, when it cannot be written.
    bool replace(const QByteArray& bytes, QString* reason = nullptr);
    // Removes the file, through to the disk. False when it stays.
    bool remove();
    // What the file holds; nothing when it is missing, cannot be read or is
    // larger than `maximumSize` (then it is not ours).
    std::optional<QByteArray> bytes(qint64 maximumSize) const;
    // Moves an unreadable file aside, beside itself, under a name marked
    // with `now` so that no earlier one is replaced. False when it stays.
    bool setAside(const QDateTime& now);

private:
    QString m_path;
};
