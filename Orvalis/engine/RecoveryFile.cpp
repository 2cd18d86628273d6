// The call in progress in a small JSON file, replaced atomically.
#include "engine/RecoveryFile.h"

#include "platform/AppFolders.h"
#include "platform/DiskSync.h"
#include "platform/LocaleFormats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>

using namespace BasOrvalis;

namespace {

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

std::optional<float> amount(const QJsonValue& value) {
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
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
    return kept;
}

} // namespace

RecoveryFile::RecoveryFile(const QString& path)
    : m_path(path) {}

QString RecoveryFile::pathUnder(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("Orvalis/AppelEnCours.json"));
}

QString RecoveryFile::userPath() {
    return pathUnder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

bool RecoveryFile::exists() const {
    return QFileInfo::exists(m_path);
}

bool RecoveryFile::keep(const CallInProgress& call) {
    // QSaveFile writes beside the file, syncs and renames over it.
    QSaveFile file(m_path);
    const bool kept = AppFolders::ensureFolder(QFileInfo(m_path).absolutePath()) &&
                      file.open(QIODevice::WriteOnly) && file.write(toJson(call)) >= 0 &&
                      file.commit() && DiskSync::syncFolderOf(m_path);
    if (!kept && !m_failing)
        qWarning().noquote() << "Orvalis: l'appel en cours n'a pas pu être gardé dans" << m_path
                             << ':' << file.errorString();
    m_failing = !kept;
    return kept;
}

void RecoveryFile::remove() {
    if (QFile::remove(m_path))
        DiskSync::syncFolderOf(m_path);
}

std::optional<CallInProgress> RecoveryFile::read() const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaximumSize)
        return std::nullopt;
    return fromJson(file.readAll());
}

bool RecoveryFile::setAside(const QDateTime& now) {
    const QString aside =
        m_path + QStringLiteral(".illisible-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QFile::rename(m_path, aside) && DiskSync::syncFolderOf(m_path);
}
