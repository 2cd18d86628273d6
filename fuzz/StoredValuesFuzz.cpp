// The store's values on any text: each conversion of a stored text under
// French and English formats, and the whole store read at start from any
// file, every value then written back as text.
#include "BasOrvalis/LoadSettings.h"
#include "BasOrvalis/SettingsKeys.h"
#include "BasOrvalis/StoredText.h"
#include "BasOrvalis/ToSingle.h"
#include "fuzz/FuzzCheck.h"
#include "platform/SettingsStore.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

using namespace BasOrvalis;

namespace {

const QLocale Locales[] = {QLocale(QLocale::French, QLocale::France),
                           QLocale(QLocale::English, QLocale::UnitedStates)};

void convertText(const QString& text) {
    for (const QLocale& locale : Locales) {
        ToSingle(text, locale);
        StoredText::toDate(text, locale);
    }
    StoredText::toInteger(text);
    StoredText::toTime(text);
    StoredText::toBoolean(text);
}

void loadStore(const QByteArray& bytes) {
    static QTemporaryDir folder;
    static qint64 writes = 0;
    const QString path = folder.filePath(QStringLiteral("Orvalis.ini"));
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
    // The store reads its file again only when its size or time changed.
    FUZZ_CHECK(file.setFileTime(QDateTime::fromMSecsSinceEpoch(++writes),
                                QFileDevice::FileModificationTime));
    file.close();
    const SettingsStore store(path);
    for (const QLocale& locale : Locales) {
        const Settings settings = LoadSettings(store, locale);
        for (const SettingsKey& entry : SettingsKeys())
            StoredTextOf(settings, entry, locale);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    convertText(QString::fromUtf8(bytes));
    loadStore(bytes);
    return 0;
}
