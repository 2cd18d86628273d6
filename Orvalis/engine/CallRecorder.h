// Where the calculator's records and stored values go: the month's log and
// the settings store, and, while the disk refuses them, the pending file in
// the data folder, from which they go on at the first write that succeeds.
// Nothing is lost in silence: each refusal is told to the user.
//
// Use: give it the pending file when what waits must outlive the program;
// resume() once at start; append() each record; store() or saveTotal() the
// values of the store; retry() when the program ends.
#pragma once

#include "engine/CallLogSink.h"
#include "engine/PendingFile.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/Messages.h"
#include "BasOrvalis/Settings.h"
#include "platform/SettingsStore.h"

#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVector>

// One value to write to the store, as text.
struct StoredValue {
    QString section;
    QString key;
    QString text;
};

class CallRecorder final {
public:
    CallRecorder(BasOrvalis::Settings& settings, SettingsStore& store, CallLogSink& log,
                 BasOrvalis::MessagePresenter& messages);
    Q_DISABLE_COPY_MOVE(CallRecorder)

    // What waits is kept in `file`; without one (null, the default), only
    // while the program runs.
    void setPendingFile(PendingFile* file) { m_file = file; }

    // At start: takes up what the pending file holds (an unreadable file is
    // set aside and told); a value waits for the store unless the store was
    // written since (the newer wins; Settings take the value kept); then the
    // records that wait are appended, unless a stop cut short had done it.
    void resume(const QDateTime& now);

    // Appends a record to the log of `writtenAt`'s month after every record
    // that waits, so that the log keeps the order of the calls. A record
    // that cannot be appended waits, and the user is told at once.
    void append(const CallRecord& record, const QDateTime& writtenAt);

    // Writes the values to the store, with those that wait, through to the
    // disk. Values that cannot be written wait; the user is told once, until
    // a write succeeds again.
    void store(const QVector<StoredValue>& values);
    // The value of a stored field of Settings, in its text form.
    StoredValue storedValueOf(const QString& section, const QString& key) const;
    // "Cout Total" and, for a package type, its time left (`tempsRestant`,
    // which Settings take), stored with `others` in one write, as store()
    // does.
    void saveTotal(BasOrvalis::CommunicationType type, const QTime& tempsRestant,
                   const QVector<StoredValue>& others = {});

    // Writes what waits, records and values, when the disk takes them now.
    void retry();

    // True when a call's record is in its month's log or waits: a record of
    // the same date, start and description, and no shorter.
    bool holdsCall(const CallRecord& record, const QDateTime& writtenAt) const;

    // True when something waits that the pending file could not take: it is
    // in memory alone.
    bool waitsInMemoryAlone() const { return !m_pending.isEmpty() && !m_keptOnDisk; }

private:
    // Appends the records that wait, in order, until one fails. True when
    // none waits then.
    bool appendWaiting(WriteFailure* failure);
    // The records that wait from before the start and that their log already
    // ends with were appended by a calculator stopped before it struck them
    // off: they are not appended twice.
    void dropRecordsAlreadyLogged();
    // Writes the values that wait, unless the store holds a newer one. True
    // when they reached the disk.
    bool writeWaitingSettings();
    // The pending file takes what waits now; m_keptOnDisk tells whether it
    // could.
    void keepPending();
    void tellRecordFailure(const WriteFailure& failure);
    void tellStoreFailure();

    BasOrvalis::Settings& m_settings;
    SettingsStore& m_store;
    CallLogSink& m_log;
    BasOrvalis::MessagePresenter& m_messages;
    PendingFile* m_file = nullptr;

    PendingData m_pending;
    // The pending file holds something.
    bool m_fileHolds = false;
    // What waits is in the pending file.
    bool m_keptOnDisk = false;
    // The user has been told that the store refuses its values.
    bool m_storeFailureTold = false;
};
