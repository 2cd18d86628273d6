// The call in progress kept on disk while it runs, so that a call cut short
// by a crash or a power cut is logged at the next start: what the stop would
// log and store at the last instant kept.
#pragma once

#include "engine/DataFile.h"

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

class RecoveryFile final : private DataFile {
public:
    explicit RecoveryFile(const QString& path);
    Q_DISABLE_COPY_MOVE(RecoveryFile)

    // "Orvalis/AppelEnCours.json" under a data folder; the user's is under
    // $XDG_DATA_HOME.
    static QString pathUnder(const QString& dataFolder);
    static QString userPath();

    using DataFile::exists;
    using DataFile::path;
    // Removes the file, through to the disk. False when it stays.
    using DataFile::remove;
    using DataFile::setAside;

    // Replaces the file with `call` in one step: a crash leaves the old one
    // or the new one, never a part. False, with the system's reason in
    // *reason when given, when it cannot be written.
    bool keep(const CallInProgress& call, QString* reason = nullptr);

    // The call the file holds; nothing when it is missing or unreadable: a
    // cost or a total that is no amount from 0 to 10 000 000 F is unreadable.
    std::optional<CallInProgress> read() const;
};
