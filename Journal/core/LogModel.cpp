// Reading a log file into a journal model, and the records appended later.
#include "core/LogModel.h"

#include "common/LogFile.h"
#include "core/LogWatcher.h"

#include <QFile>

namespace BasJournal {

namespace {

// About a hundred reads per file, so that the progress bar moves in visible
// steps; small enough reads for a log of a few hundred records, large enough
// that a big log does not pay for them.
constexpr qint64 Steps = 100;
constexpr qint64 MinChunk = 4 * 1024;
constexpr qint64 MaxChunk = 4 * 1024 * 1024;

qint64 chunkSize(qint64 fileSize) {
    return qBound(MinChunk, fileSize / Steps, MaxChunk);
}

bool readFile(const QString& path, const LogModel::Progress& progress, QByteArray* bytes,
              QString* error) {
    QFile file(path);
    bool ok = file.open(QIODevice::ReadOnly);
    if (ok) {
        const qint64 size = file.size();
        const qint64 chunk = chunkSize(size);
        bytes->resize(size);
        qint64 done = 0;
        while (done < size) {
            const qint64 got = file.read(bytes->data() + done, qMin(chunk, size - done));
            if (got < 0) {
                ok = false;
                break;
            }
            if (got == 0)
                break; // the file was cut while being read
            done += got;
            if (progress)
                progress(int(done * 100 / size));
        }
        bytes->truncate(done);
    }
    if (!ok) {
        if (error)
            *error = file.errorString();
        bytes->clear();
    }
    return ok;
}

// The length of the file's whole records: a slot counts once the data of
// its record is all there.
qint64 wholeRecordsEnd(qint64 size) {
    const qint64 inLastSlot = size % CallRecord::SlotSize;
    return inLastSlot == 0 || inLastSlot >= CallRecord::DataSize ? size : size - inLastSlot;
}

} // namespace

bool LogModel::load(const QString& path, const Progress& progress, QString* error) {
    m_path = path;
    QByteArray bytes;
    const bool ok = readFile(path, progress, &bytes, error);
    setRows(JournalRows(std::move(bytes)));
    return ok;
}

bool LogModel::takeAppended(QString* error) {
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArrayView held = rows().fileBytes();
    const qint64 size = file.size();
    if (size < held.size())
        return reload(error);
    // The last record read must still be there as it was read; otherwise
    // another file took the log's place.
    const qint64 lastStart = qMax<qint64>(0, rows().count() - 1) * CallRecord::SlotSize;
    if (!file.seek(lastStart) || file.read(held.size() - lastStart) != held.sliced(lastStart))
        return reload(error);
    const qint64 end = wholeRecordsEnd(size);
    if (end <= held.size())
        return true;
    const QByteArray appended = file.read(end - held.size());
    // A read cut short keeps the whole records it got; the rest comes with
    // the next change.
    appendFileBytes(appended.left(wholeRecordsEnd(held.size() + appended.size()) - held.size()));
    return true;
}

void LogModel::follow() {
    if (!m_watcher) {
        m_watcher = new LogWatcher(this);
        connect(m_watcher, &LogWatcher::changed, this, &LogModel::onFileChanged);
    }
    m_watcher->watch(m_path);
    onFileChanged();
}

void LogModel::setPath(const QString& path) {
    m_path = path;
    if (m_watcher)
        follow();
}

bool LogModel::reload(QString* error) {
    QByteArray bytes;
    if (!readFile(m_path, {}, &bytes, error))
        return false;
    setRows(JournalRows(std::move(bytes)));
    return true;
}

void LogModel::onFileChanged() {
    QString error;
    const bool wasFailing = m_failing;
    m_failing = !takeAppended(&error);
    if (m_failing && !wasFailing)
        emit followFailed(error);
}

} // namespace BasJournal
