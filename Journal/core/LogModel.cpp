// Reading a log file into a journal model.
#include "core/LogModel.h"

#include <QFile>

namespace BasJournal {

namespace {

constexpr qint64 ChunkSize = 4 * 1024 * 1024;

} // namespace

bool LogModel::load(const QString& path, const Progress& progress, QString* error) {
    QFile file(path);
    bool ok = file.open(QIODevice::ReadOnly);
    QByteArray bytes;
    if (ok) {
        const qint64 size = file.size();
        bytes.resize(size);
        qint64 done = 0;
        while (done < size) {
            const qint64 got = file.read(bytes.data() + done, qMin(ChunkSize, size - done));
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
