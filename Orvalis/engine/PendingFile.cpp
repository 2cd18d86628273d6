// The pending records and store values in a small JSON file, replaced
// atomically.
#include "engine/PendingFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString FileName = QStringLiteral("EnAttente.json");

// Room for thousands of records; a bigger file is not ours.
constexpr qint64 MaximumSize = 16 * 1024 * 1024;

namespace Field {
const QString Records = QStringLiteral("enregistrements");
const QString Settings = QStringLiteral("reglages");
const QString WrittenAt = QStringLiteral("ecritLe");
const QString Section = QStringLiteral("section");
const QString Key = QStringLiteral("cle");
const QString Text = QStringLiteral("texte");
const QString Previous = QStringLiteral("precedent");
// The fields of a record, in their order in the log.
const QStringList RecordFields{QStringLiteral("date"),  QStringLiteral("libelle"),
                               QStringLiteral("debut"), QStringLiteral("fin"),
                               QStringLiteral("duree"), QStringLiteral("cout"),
                               QStringLiteral("total")};
} // namespace Field

QJsonObject toJson(const PendingRecord& pending) {
    QJsonObject object{{Field::WrittenAt, pending.writtenAt.toString(Qt::ISODate)}};
    for (int i = 0; i < CallRecord::FieldCount; ++i)
        object.insert(Field::RecordFields.at(i), pending.record.field(i));
    return object;
}

QJsonObject toJson(const PendingSetting& setting) {
    return {{Field::Section, setting.section},
            {Field::Key, setting.key},
            {Field::Text, setting.text},
            {Field::Previous, setting.previous}};
}

std::optional<PendingRecord> recordOf(const QJsonObject& object) {
    PendingRecord pending;
    pending.writtenAt =
        QDateTime::fromString(object.value(Field::WrittenAt).toString(), Qt::ISODate);
    if (!pending.writtenAt.isValid())
        return std::nullopt;
    for (int i = 0; i < CallRecord::FieldCount; ++i) {
        const QJsonValue value = object.value(Field::RecordFields.at(i));
        if (!value.isString() || value.toString().size() > CallRecord::FieldWidths[std::size_t(i)])
            return std::nullopt;
        pending.record.field(i) = value.toString();
    }
    return pending;
}

std::optional<PendingSetting> settingOf(const QJsonObject& object) {
    const QJsonValue section = object.value(Field::Section);
    const QJsonValue key = object.value(Field::Key);
    const QJsonValue text = object.value(Field::Text);
    const QJsonValue previous = object.value(Field::Previous);
    if (!section.isString() || !key.isString() || !text.isString() || !previous.isString() ||
        section.toString().isEmpty() || key.toString().isEmpty())
        return std::nullopt;
    return PendingSetting{section.toString(), key.toString(), text.toString(), previous.toString()};
}

// Every element of `array` read by `read`; nothing when one cannot be.
template <typename T, typename Read>
std::optional<QVector<T>> readAll(const QJsonValue& array, Read read) {
    if (!array.isArray())
        return std::nullopt;
    QVector<T> items;
    for (const QJsonValue& value : array.toArray()) {
        const std::optional<T> item =
            value.isObject() ? read(value.toObject()) : std::optional<T>();
        if (!item)
            return std::nullopt;
        items.append(*item);
    }
    return items;
}

} // namespace

PendingFile::PendingFile(const QString& path)
    : DataFile(path) {}

QString PendingFile::pathUnder(const QString& dataFolder) {
    return DataFile::pathUnder(dataFolder, FileName);
}

QString PendingFile::userPath() {
    return DataFile::userPath(FileName);
}

bool PendingFile::write(const PendingData& data, QString* reason) {
    if (data.isEmpty()) {
        if (!exists() || remove())
            return true;
        if (reason)
            *reason = QStringLiteral("le fichier %1 ne peut pas être supprimé").arg(path());
        return false;
    }
    QJsonArray records;
    for (const PendingRecord& pending : data.records)
        records.append(toJson(pending));
    QJsonArray settings;
    for (const PendingSetting& setting : data.settings)
        settings.append(toJson(setting));
    const QJsonObject object{{Field::Records, records}, {Field::Settings, settings}};
    return replace(QJsonDocument(object).toJson(), reason);
}

std::optional<PendingData> PendingFile::read() const {
    if (!exists())
        return PendingData();
    const std::optional<QByteArray> kept = bytes(MaximumSize);
    if (!kept)
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(*kept).object();
    auto records = readAll<PendingRecord>(object.value(Field::Records), recordOf);
    auto settings = readAll<PendingSetting>(object.value(Field::Settings), settingOf);
    if (!records || !settings)
        return std::nullopt;
    return PendingData{*records, *settings};
}
