// The table of stored fields and the text form of each.
#include "BasOrvalis/SettingsKeys.h"

#include "BasOrvalis/StoredText.h"

#include <array>

namespace BasOrvalis {

namespace {

// The tariff keys of the five bands: the prefix, then the distance.
std::array<QString, BandCount> BandKeys(const QString& prefix) {
    static const std::array<QString, BandCount> distances{
        QStringLiteral("Appel Local"), QStringLiteral("Appel d<25 Kms"),
        QStringLiteral("Appel 30<d<52 Kms"), QStringLiteral("Appel 52<d<100 Kms"),
        QStringLiteral("Appel National")};
    std::array<QString, BandCount> keys;
    for (int i = 0; i < BandCount; ++i)
        keys[i] = prefix + distances[i];
    return keys;
}

template <typename T>
SettingsKey Entry(const QString& field, const QString& section, const QString& key,
                  T Settings::*member) {
    return {field, section, key, [member](Settings& s) -> FieldPointer { return &(s.*member); }};
}

template <typename T, std::size_t N>
SettingsKey Element(const QString& field, int index, const QString& section, const QString& key,
                    std::array<T, N> Settings::*member) {
    return {field + QStringLiteral("(%1)").arg(index), section, key,
            [member, index](Settings& s) -> FieldPointer { return &(s.*member)[index]; }};
}

std::vector<SettingsKey> BuildTable() {
    using namespace Sections;
    std::vector<SettingsKey> table;
    table.push_back(Entry(QStringLiteral("TarifCreditTemps"), Tarification, Keys::TarifCreditTemps,
                          &Settings::TarifCreditTemps));
    // The tariff arrays hold band 1 at index 0.
    for (int band = 1; band <= BandCount; ++band)
        table.push_back(Element(QStringLiteral("CreditTemps"), band - 1, Tarification,
                                Keys::CreditTemps(band), &Settings::CreditTemps));
    for (int band = 1; band <= BandCount; ++band)
        table.push_back(Element(QStringLiteral("TarifMinute"), band - 1, Tarification,
                                Keys::TarifMinute(band), &Settings::TarifMinute));
    table.push_back(
        Entry(QStringLiteral("CoutTotal"), Parametres, Keys::CoutTotal, &Settings::CoutTotal));
    table.push_back(Entry(QStringLiteral("RazAutoTotal"), Parametres, Keys::RazAutoTotal,
                          &Settings::RazAutoTotal));
    table.push_back(
        Entry(QStringLiteral("RazPeriode"), Parametres, Keys::RazPeriode, &Settings::RazPeriode));
    table.push_back(
        Entry(QStringLiteral("RazDate"), Parametres, Keys::RazDate, &Settings::RazDate));
    table.push_back(Entry(QStringLiteral("DerniereRaz"), Parametres, Keys::DerniereRaz,
                          &Settings::DerniereRaz));
    table.push_back(
        Entry(QStringLiteral("TypeDefaut"), Parametres, Keys::TypeDefaut, &Settings::TypeDefaut));
    table.push_back(Entry(QStringLiteral("NumeroDefaut"), Parametres, Keys::NumeroDefaut,
                          &Settings::NumeroDefaut));
    table.push_back(Entry(QStringLiteral("AboPrimaliste"), ServicesFt, Keys::AboPrimaliste,
                          &Settings::AboPrimaliste));
    table.push_back(Entry(QStringLiteral("AboPrimalisteInternet"), ServicesFt,
                          Keys::AboPrimalisteInternet, &Settings::AboPrimalisteInternet));
    table.push_back(Entry(QStringLiteral("AboTemporalis"), ServicesFt, Keys::AboTemporalis,
                          &Settings::AboTemporalis));
    table.push_back(Entry(QStringLiteral("AboForfaitLocal"), ServicesFt, Keys::AboForfaitLocal,
                          &Settings::AboForfaitLocal));
    table.push_back(Entry(QStringLiteral("AboLibreAcces"), ServicesFt, Keys::AboLibreAcces,
                          &Settings::AboLibreAcces));
    table.push_back(
        Entry(QStringLiteral("TarifPerso"), Tarification, Keys::TarifPerso, &Settings::TarifPerso));
    // Each number is read just before its zone.
    for (int n = 1; n <= PrimalisteCount; ++n) {
        table.push_back(Element(QStringLiteral("NumerosPrimaliste"), n, ServicesFt,
                                Keys::PrimalisteNumero(n), &Settings::NumerosPrimaliste));
        table.push_back(Element(QStringLiteral("ZonesPrimaliste"), n, ServicesFt,
                                Keys::PrimalisteZone(n), &Settings::ZonesPrimaliste));
    }
    table.push_back(Element(QStringLiteral("NumerosPrimaliste"), PrimalisteInternetIndex,
                            ServicesFt, Keys::PrimalisteInternet, &Settings::NumerosPrimaliste));
    table.push_back(Entry(QStringLiteral("TempsForfaitLocal"), ServicesFt, Keys::TempsForfaitLocal,
                          &Settings::TempsForfaitLocal));
    table.push_back(Entry(QStringLiteral("MoisForfaitLocal"), ServicesFt, Keys::MoisForfaitLocal,
                          &Settings::MoisForfaitLocal));
    table.push_back(Entry(QStringLiteral("TempsLibreAcces"), ServicesFt, Keys::TempsLibreAcces,
                          &Settings::TempsLibreAcces));
    table.push_back(Entry(QStringLiteral("MoisLibreAcces"), ServicesFt, Keys::MoisLibreAcces,
                          &Settings::MoisLibreAcces));
    table.push_back(Entry(QStringLiteral("PersoNumero"), Tarification, Keys::PersoNumero,
                          &Settings::PersoNumero));
    table.push_back(Entry(QStringLiteral("PersoDureeCredit"), Tarification, Keys::PersoDureeCredit,
                          &Settings::PersoDureeCredit));
    table.push_back(Entry(QStringLiteral("PersoTarifCredit"), Tarification, Keys::PersoTarifCredit,
                          &Settings::PersoTarifCredit));
    table.push_back(Entry(QStringLiteral("PersoCoutMinute"), Tarification, Keys::PersoCoutMinute,
                          &Settings::PersoCoutMinute));
    table.push_back(Entry(QStringLiteral("PersoReductions"), Tarification, Keys::PersoReductions,
                          &Settings::PersoReductions));
    table.push_back(Entry(QStringLiteral("BudgetMensuel"), Parametres, Keys::BudgetMensuel,
                          &Settings::BudgetMensuel));
    table.push_back(Entry(QStringLiteral("AlerteBudget"), Parametres, Keys::AlerteBudget,
                          &Settings::AlerteBudget));
    table.push_back(
        Entry(QStringLiteral("MoisBudget"), Parametres, Keys::MoisBudget, &Settings::MoisBudget));
    table.push_back(Entry(QStringLiteral("DepensesMois"), Parametres, Keys::DepensesMois,
                          &Settings::DepensesMois));
    return table;
}

// The text form of the value a field pointer reaches.
struct TextOfValue {
    const QLocale& locale;
    QString operator()(const float* value) const { return StoredText::fromSingle(*value, locale); }
    QString operator()(const int* value) const { return StoredText::fromInteger(*value); }
    QString operator()(const QString* value) const { return *value; }
    QString operator()(const CommunicationType* value) const { return TypeText(*value); }
    QString operator()(const QTime* value) const { return StoredText::fromTime(*value); }
    QString operator()(const QDate* value) const { return StoredText::fromDate(*value, locale); }
    QString operator()(const bool* value) const { return StoredText::fromBoolean(*value); }
    QString operator()(const std::optional<float>* value) const {
        return StoredText::fromAmountOrNone(*value, locale);
    }
};

// Reads a text into the field a pointer reaches; what cannot be read leaves
// the field as it is, except a Single, which reads as 0.
struct ReadIntoField {
    const QString& text;
    const QLocale& locale;
    void operator()(float* value) const { *value = StoredText::toSingle(text, locale); }
    void operator()(int* value) const { *value = StoredText::toInteger(text).value_or(*value); }
    void operator()(QString* value) const { *value = text; }
    void operator()(CommunicationType* value) const { *value = TypeOfText(text).value_or(*value); }
    void operator()(QTime* value) const { *value = StoredText::toTime(text).value_or(*value); }
    void operator()(QDate* value) const {
        *value = StoredText::toDate(text, locale).value_or(*value);
    }
    void operator()(bool* value) const { *value = StoredText::toBoolean(text).value_or(*value); }
    void operator()(std::optional<float>* value) const {
        *value = StoredText::toAmountOrNone(text, locale);
    }
};

} // namespace

namespace Keys {

const QString& CreditTemps(int band) {
    static const std::array<QString, BandCount> keys = BandKeys(QStringLiteral("Credit Temps "));
    return keys.at(band - 1);
}

const QString& TarifMinute(int band) {
    static const std::array<QString, BandCount> keys = BandKeys(QStringLiteral("Tarif Minutes "));
    return keys.at(band - 1);
}

QString PrimalisteNumero(int n) {
    return QStringLiteral("Primaliste: Numero ") + QString::number(n);
}

QString PrimalisteZone(int n) {
    return QStringLiteral("Primaliste: Zone Numero ") + QString::number(n);
}

} // namespace Keys

const std::vector<SettingsKey>& SettingsKeys() {
    static const std::vector<SettingsKey> table = BuildTable();
    return table;
}

const SettingsKey* FindSettingsKey(const QString& section, const QString& key) {
    for (const SettingsKey& entry : SettingsKeys()) {
        if (entry.section == section && entry.key == key)
            return &entry;
    }
    return nullptr;
}

QString StoredTextOf(const Settings& settings, const SettingsKey& entry, const QLocale& locale) {
    // The accessor only locates the field; nothing is written through it.
    const FieldPointer field = entry.locate(const_cast<Settings&>(settings));
    return std::visit(TextOfValue{locale}, field);
}

QString DefaultTextOf(const SettingsKey& entry, const QLocale& locale) {
    return StoredTextOf(Settings(), entry, locale);
}

void ReadStoredText(Settings& settings, const SettingsKey& entry, const QString& text,
                    const QLocale& locale) {
    std::visit(ReadIntoField{text, locale}, entry.locate(settings));
}

} // namespace BasOrvalis
