// Reading a log file into a journal model.
#include "core/LogModel.h"

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

} // namespace

bool LogModel::load(const QString& path, const Progress& progress, QString* error) {
    QFile file(path);
    bool ok = file.open(QIODevice::ReadOnly);
    QByteArray bytes;
    if (ok) {
        const qint64 size = file.size();
        const qint64 chunk = chunkSize(size);
        bytes.resize(size);
        qint64 done = 0;
        while (done < size) {
            const qint64 got = file.read(bytes.data() + done, qMin(chunk, size - done));
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
        bytes.truncate(done);
    }
    if (!ok) {
        if (error)
            *error = file.errorString();
        bytes.clear();
    }
    setRows(JournalRows(std::move(bytes)));
    return ok;
}

} // namespace BasJournal
