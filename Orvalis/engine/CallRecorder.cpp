// The records and stored values of the calculator, and what waits of them.
#include "engine/CallRecorder.h"

#include "BasOrvalis/SettingsKeys.h"
#include "platform/LocaleFormats.h"

#include <QDir>
#include <QHash>

#include <algorithm>
#include <utility>

using namespace BasOrvalis;

namespace {

// The record as its log holds it: fields padded or cut to their widths.
CallRecord AsLogged(const CallRecord& record) {
    const QByteArray bytes = record.toBytes();
    return CallRecord::fromBytes(bytes.constData(), int(bytes.size()));
}

int MonthOf(const QDateTime& instant) {
    return instant.date().year() * 12 + instant.date().month();
}

} // namespace

CallRecorder::CallRecorder(Settings& settings, SettingsStore& store, CallLogSink& log,
                           MessagePresenter& messages)
    : m_settings(settings)
    , m_store(store)
    , m_log(log)
    , m_messages(messages) {}

void CallRecorder::resume(const QDateTime& now) {
    if (m_file && m_file->exists()) {
        const std::optional<PendingData> kept = m_file->read();
        if (kept) {
            m_pending = *kept;
            m_fileHolds = m_keptOnDisk = true;
        } else {
            m_file->setAside(now);
            m_messages.ShowMessage(236, MessageStyle::Exclamation, 337, 439);
        }
    }
    if (m_pending.isEmpty())
        return;
    const bool stored = m_pending.settings.isEmpty() || writeWaitingSettings();
    dropRecordsAlreadyLogged();
    WriteFailure failure;
    const bool appended = appendWaiting(&failure);
    keepPending();
    if (!stored)
        tellStoreFailure();
    if (!appended)
        tellRecordFailure(failure);
}

void CallRecorder::append(const CallRecord& record, const QDateTime& writtenAt) {
    m_pending.records.append({record, writtenAt});
    WriteFailure failure;
    const bool appended = appendWaiting(&failure);
    keepPending();
    if (!appended)
        tellRecordFailure(failure);
}

bool CallRecorder::appendWaiting(WriteFailure* failure) {
    while (!m_pending.records.isEmpty()) {
        const PendingRecord& next = m_pending.records.first();
        if (!m_log.append(next.record, next.writtenAt, failure))
            return false;
        m_pending.records.removeFirst();
    }
    return true;
}

void CallRecorder::dropRecordsAlreadyLogged() {
    // The appends go in order: what a stopped calculator appended is a first
    // part of the records that wait, and each of their logs ends with its
    // share of it.
    QHash<int, QVector<CallRecord>> logs;
    const auto logOf = [this, &logs](const QDateTime& writtenAt) -> const QVector<CallRecord>& {
        const int month = MonthOf(writtenAt);
        if (!logs.contains(month))
            logs.insert(month, m_log.recordsOfMonth(writtenAt));
        return logs[month];
    };
    const auto endsTheirLogs = [this, &logOf](int count) {
        QHash<int, int> left;
        for (int i = 0; i < count; ++i)
            ++left[MonthOf(m_pending.records.at(i).writtenAt)];
        for (int i = 0; i < count; ++i) {
            const PendingRecord& pending = m_pending.records.at(i);
            const QVector<CallRecord>& log = logOf(pending.writtenAt);
            const int fromEnd = left[MonthOf(pending.writtenAt)]--;
            if (log.size() < fromEnd ||
                log.at(log.size() - fromEnd).toBytes() != pending.record.toBytes())
                return false;
        }
        return true;
    };
    for (int count = int(m_pending.records.size()); count > 0; --count) {
        if (endsTheirLogs(count)) {
            m_pending.records.remove(0, count);
            return;
        }
    }
}

void CallRecorder::store(const QVector<StoredValue>& values) {
    for (const StoredValue& value : values)
        m_store.write(value.section, value.key, value.text);
    if (writeWaitingSettings())
        return;
    for (const StoredValue& value : values) {
        const auto waiting =
            std::find_if(m_pending.settings.begin(), m_pending.settings.end(),
                         [&value](const PendingSetting& setting) {
                             return setting.section == value.section && setting.key == value.key;
                         });
        if (waiting != m_pending.settings.end())
            waiting->text = value.text;
        else
            m_pending.settings.append(
                {value.section, value.key, value.text, m_store.fileText(value.section, value.key)});
    }
    keepPending();
    tellStoreFailure();
}

StoredValue CallRecorder::storedValueOf(const QString& section, const QString& key) const {
    const SettingsKey* entry = FindSettingsKey(section, key);
    return {section, key, entry ? StoredTextOf(m_settings, *entry) : QString()};
}

void CallRecorder::saveTotal(CommunicationType type, const QTime& tempsRestant,
                             const QVector<StoredValue>& others) {
    QVector<StoredValue> values{storedValueOf(Sections::Parametres, Keys::CoutTotal)};
    if (type == CommunicationType::ForfaitLocal) {
        m_settings.TempsForfaitLocal = tempsRestant;
        values.append(storedValueOf(Sections::ServicesFt, Keys::TempsForfaitLocal));
    } else if (type == CommunicationType::LibreAcces) {
        m_settings.TempsLibreAcces = tempsRestant;
        values.append(storedValueOf(Sections::ServicesFt, Keys::TempsLibreAcces));
    }
    store(values + others);
}

bool CallRecorder::writeWaitingSettings() {
    QVector<PendingSetting> waiting;
    for (const PendingSetting& setting : std::as_const(m_pending.settings)) {
        const QString current = m_store.read(setting.section, setting.key);
        if (current != setting.text && current != setting.previous)
            continue; // written since: the newer value stands
        if (current != setting.text) {
            m_store.write(setting.section, setting.key, setting.text);
            if (const SettingsKey* entry = FindSettingsKey(setting.section, setting.key))
                ReadStoredText(m_settings, *entry, setting.text);
        }
        waiting.append(setting);
    }
    const bool dropped = waiting.size() != m_pending.settings.size();
    m_pending.settings = waiting;
    if (!m_store.syncToDisk()) {
        if (dropped)
            keepPending();
        return false;
    }
    m_storeFailureTold = false;
    if (!m_pending.settings.isEmpty()) {
        m_pending.settings.clear();
        keepPending();
    }
    return true;
}

void CallRecorder::retry() {
    if (m_pending.isEmpty())
        return;
    if (!m_pending.settings.isEmpty())
        writeWaitingSettings();
    WriteFailure failure;
    appendWaiting(&failure);
    keepPending();
}

bool CallRecorder::holdsCall(const CallRecord& record, const QDateTime& writtenAt) const {
    const CallRecord call = AsLogged(record);
    const QTime duree = LocaleFormats::readClockText(call.Duree);
    const auto sameCall = [&call, &duree](const CallRecord& other) {
        const CallRecord logged = AsLogged(other);
        return logged.Date == call.Date && logged.HeureDebut == call.HeureDebut &&
               logged.Libelle == call.Libelle &&
               LocaleFormats::readClockText(logged.Duree) >= duree;
    };
    const bool waits =
        std::any_of(m_pending.records.begin(), m_pending.records.end(),
                    [&sameCall](const PendingRecord& pending) { return sameCall(pending.record); });
    const QVector<CallRecord> logged = m_log.recordsOfMonth(writtenAt);
    return waits || std::any_of(logged.begin(), logged.end(), sameCall);
}

void CallRecorder::keepPending() {
    if (!m_file) {
        m_keptOnDisk = false;
        return;
    }
    if (m_pending.isEmpty() && !m_fileHolds)
        return;
    m_keptOnDisk = m_file->write(m_pending);
    if (m_keptOnDisk)
        m_fileHolds = !m_pending.isEmpty();
}

void CallRecorder::tellRecordFailure(const WriteFailure& failure) {
    m_messages.ShowMessage(233, MessageStyle::Exclamation, 334, m_keptOnDisk ? 434 : 437,
                           {failure.file, failure.reason});
}

void CallRecorder::tellStoreFailure() {
    if (m_storeFailureTold)
        return;
    m_storeFailureTold = true;
    m_messages.ShowMessage(234, MessageStyle::Exclamation, 335, m_keptOnDisk ? 435 : 438,
                           {QDir::toNativeSeparators(m_store.filePath()), m_store.lastError()});
}
