// The call in progress in a small JSON file, replaced atomically.
#include "engine/RecoveryFile.h"

#include "platform/LocaleFormats.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

using namespace BasOrvalis;

namespace {

const QString FileName = QStringLiteral("AppelEnCours.json");

// Larger than any call file; a bigger one is not ours.
constexpr qint64 MaximumSize = 64 * 1024;

namespace Field {
const QString Type = QStringLiteral("type");
const QString Numero = QStringLiteral("numero");
const QString PersoNumero = QStringLiteral("persoNumero");
const QString Debut = QStringLiteral("debut");
const QString Instant = QStringLiteral("instant");
const QString Duree = QStringLiteral("duree");
const QString Cout = QStringLiteral("cout");
const QString TotalAuDebut = QStringLiteral("totalAuDebut");
const QString PlageNuit = QStringLiteral("plageNuit");
const QString TempsRestant = QStringLiteral("tempsRestant");
} // namespace Field

QString dateTimeText(const QDateTime& instant) {
    return instant.toString(Qt::ISODate);
}

bool isPackage(CommunicationType type) {
    return type == CommunicationType::ForfaitLocal || type == CommunicationType::LibreAcces;
}

QByteArray toJson(const CallInProgress& kept) {
    const CallSummary& call = kept.call;
    // A single converts to a double exactly, and JSON keeps every digit of
    // the double: the amounts read back are the very singles kept.
    const QJsonObject object{
        {Field::Type, TypeText(call.type)},
        {Field::Numero, call.number},
        {Field::PersoNumero, call.persoNumero},
        {Field::Debut, dateTimeText(call.start)},
        {Field::Instant, dateTimeText(call.end)},
        {Field::Duree, LocaleFormats::clockText(call.duration)},
        {Field::Cout, double(call.cost)},
        {Field::TotalAuDebut, double(kept.totalAuDebut)},
        {Field::PlageNuit, call.plageNuit},
        {Field::TempsRestant, LocaleFormats::clockText(kept.tempsRestant)},
    };
    return QJsonDocument(object).toJson();
}

// No call costs more, nor brings the total past, ten million francs: a
// larger amount, a negative one or one that is no number is no call's.
constexpr double LargestAmount = 10'000'000.0;

bool isAmount(double value) {
    return std::isfinite(value) && value >= 0.0 && value <= LargestAmount;
}

std::optional<float> amount(const QJsonValue& value) {
    if (!value.isDouble() || !isAmount(value.toDouble()))
        return std::nullopt;
    return static_cast<float>(value.toDouble());
}

std::optional<CallInProgress> fromJson(const QByteArray& bytes) {
    const QJsonObject object = QJsonDocument::fromJson(bytes).object();
    const std::optional<CommunicationType> type = TypeOfText(object.value(Field::Type).toString());
    const std::optional<float> cost = amount(object.value(Field::Cout));
    const std::optional<float> totalAuDebut = amount(object.value(Field::TotalAuDebut));
    CallInProgress kept;
    CallSummary& call = kept.call;
    call.start = QDateTime::fromString(object.value(Field::Debut).toString(), Qt::ISODate);
    call.end = QDateTime::fromString(object.value(Field::Instant).toString(), Qt::ISODate);
    call.duration = LocaleFormats::readClockText(object.value(Field::Duree).toString());
    kept.tempsRestant = LocaleFormats::readClockText(object.value(Field::TempsRestant).toString());
    const QJsonValue numero = object.value(Field::Numero);
    const QJsonValue persoNumero = object.value(Field::PersoNumero);
    const QJsonValue plageNuit = object.value(Field::PlageNuit);
    if (!type || !cost || !totalAuDebut || !call.start.isValid() || !call.end.isValid() ||
        !call.duration.isValid() || !numero.isString() || !persoNumero.isString() ||
        !plageNuit.isBool() || (isPackage(*type) && !kept.tempsRestant.isValid()))
        return std::nullopt;
    call.type = *type;
    call.number = numero.toString();
    call.persoNumero = persoNumero.toString();
    call.cost = *cost;
    call.plageNuit = plageNuit.toBool();
    kept.totalAuDebut = *totalAuDebut;
    // The running total as the tick left it, in single precision.
    call.total = kept.totalAuDebut + call.cost;
    if (!isAmount(call.total))
        return std::nullopt;
    return kept;
}

} // namespace

RecoveryFile::RecoveryFile(const QString& path)
    : DataFile(path) {}

QString RecoveryFile::pathUnder(const QString& dataFolder) {
    return DataFile::pathUnder(dataFolder, FileName);
}

QString RecoveryFile::userPath() {
    return DataFile::userPath(FileName);
}

bool RecoveryFile::keep(const CallInProgress& call, QString* reason) {
    return replace(toJson(call), reason);
}

std::optional<CallInProgress> RecoveryFile::read() const {
    const std::optional<QByteArray> kept = bytes(MaximumSize);
    return kept ? fromJson(*kept) : std::nullopt;
}
