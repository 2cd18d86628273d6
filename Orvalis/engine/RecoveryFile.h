// The call in progress kept on disk while it runs, so that a call cut short
// by a crash or a power cut is logged at the next start: what the stop would
// log and store at the last instant kept.
#pragma once

#include "BasOrvalis/CallRecordBuilder.h"

#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

struct CallInProgress {
    // The call as its record is built at call.end, the instant kept;
    // call.total is totalAuDebut plus call.cost, as during the call.
    BasOrvalis::CallSummary call;
    float totalAuDebut = 0.f;
    // The package time left at that instant (Forfait Local, Libre @cces).
    QTime tempsRestant;
};

class RecoveryFile final {
public:
    explicit RecoveryFile(const QString& path);
    Q_DISABLE_COPY_MOVE(RecoveryFile)

    // "Orvalis/AppelEnCours.json" under a data folder; the user's is under
    // $XDG_DATA_HOME.
    static QString pathUnder(const QString& dataFolder);
    static QString userPath();

    const QString& path() const { return m_path; }
    bool exists() const;

    // Replaces the file with `call` in one step: a crash leaves the old one
    // or the new one, never a part. False when it cannot be written; the
    // first failure in a row is told on the error output.
    bool keep(const CallInProgress& call);
    // Removes the file, through to the disk.
    void remove();

    // The call the file holds; nothing when it is missing or unreadable.
    std::optional<CallInProgress> read() const;
    // Moves an unreadable file aside, beside itself, under a name marked
    // with `now` so that no earlier one is replaced. False when it stays.
    bool setAside(const QDateTime& now);

private:
    QString m_path;
    bool m_failing = false;
};
