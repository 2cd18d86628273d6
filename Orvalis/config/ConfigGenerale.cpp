// The general configuration: focus checks, manual reset and OK.
#include "config/ConfigGenerale.h"

#include "config/ConfigChecks.h"
#include "config/ConfigHost.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/LoadSettings.h"
#include "BasOrvalis/LogWriter.h"
#include "BasOrvalis/Messages.h"
#include "BasOrvalis/MoneyTexts.h"
#include "BasOrvalis/SettingsKeys.h"
#include "BasOrvalis/StoredText.h"
#include "BasOrvalis/ToSingle.h"
#include "platform/LocaleFormats.h"
#include "platform/SettingsStore.h"

#include <QDebug>

#include <cmath>

using namespace BasOrvalis;

namespace {

constexpr int Warning = MessageStyle::OkOnly + MessageStyle::Exclamation;
constexpr int Question = MessageStyle::YesNo + MessageStyle::Question;

} // namespace

ConfigGenerale::ConfigGenerale(Settings& settings, SettingsStore& store, MessagePresenter& messages,
                               ConfigHost& host, const QLocale& locale)
    : m_settings(settings)
    , m_store(store)
    , m_messages(messages)
    , m_host(host)
    , m_locale(locale) {}

ConfigGeneraleValues ConfigGenerale::valeursInitiales() const {
    ConfigGeneraleValues values;
    values.paramUT[0] = LocaleFormats::plainNumber(m_settings.TarifCreditTemps, m_locale);
    for (int band = 0; band < BandCount; ++band) {
        values.paramUT[1 + band] =
            LocaleFormats::plainNumber(m_settings.CreditTemps[band], m_locale);
        values.paramUT[6 + band] =
            LocaleFormats::plainNumber(m_settings.TarifMinute[band], m_locale);
    }
    values.typeCommunication = m_settings.TypeDefaut;
    values.numero = m_settings.NumeroDefaut;
    values.totalActuel = LocaleFormats::plainNumber(m_settings.CoutTotal, m_locale);
    values.razAuto = m_settings.RazAutoTotal == 1;
    values.periode = m_settings.RazPeriode;
    values.date = m_settings.RazDate;
    values.budget = StoredText::fromAmountOrNone(m_settings.BudgetMensuel, m_locale);
    values.perso = m_settings.TarifPerso == 1;
    values.persoTextes = {m_settings.PersoNumero,
                          LocaleFormats::plainNumber(m_settings.PersoDureeCredit, m_locale),
                          LocaleFormats::plainNumber(m_settings.PersoTarifCredit, m_locale),
                          LocaleFormats::plainNumber(m_settings.PersoCoutMinute, m_locale)};
    values.reducPerso = m_settings.PersoReductions;
    return values;
}

bool ConfigGenerale::isNumber(const QString& text) {
    if (ConfigChecks::IsLocaleNumber(text, m_locale))
        return true;
    m_messages.ShowMessage(204, Warning, 304, 404);
    return false;
}

bool ConfigGenerale::ControleTarif(const QString& text) {
    return isNumber(text);
}

ConfigGenerale::Saisie ConfigGenerale::ControleNouveauTotal(const QString& text,
                                                            QString* totalActuel) {
    if (text.isEmpty())
        return Saisie::Vide;
    if (!isNumber(text))
        return Saisie::Invalide;
    *totalActuel = TotalDisplayText(ToSingle(text, m_locale), m_locale);
    return Saisie::Valide;
}

bool ConfigGenerale::ControleBudget(const QString& text) {
    if (text.trimmed().isEmpty())
        return true;
    if (!isNumber(text))
        return false;
    if (ToSingle(text, m_locale) > 0.f)
        return true;
    m_messages.ShowMessage(240, Warning, 340, 440);
    return false;
}

std::optional<int> ConfigGenerale::ControlePerso(const std::array<QString, 4>& persoTextes) {
    for (int i = 1; i < int(persoTextes.size()); ++i) {
        const QString& text = persoTextes[i];
        if (!text.isEmpty() && !isNumber(text))
            return i;
    }
    return std::nullopt;
}

bool ConfigGenerale::CmdRAZTotal() {
    if (m_messages.ShowMessage(203, Question, 303, 0) != MessageAnswer::Yes)
        return false;
    m_settings.CoutTotal = 0.f;
    m_host.AfficherTotal();
    m_host.WriteResetRecord();
    m_store.write(Sections::Parametres, Keys::CoutTotal,
                  StoredText::fromResetTotal(m_settings.CoutTotal, m_locale));
    return true;
}

void ConfigGenerale::save(const QString& section, const QString& key) {
    SaveSetting(m_store, m_settings, section, key, m_locale);
}

std::optional<ConfigGenerale::Onglet> ConfigGenerale::CmdOk(const ConfigGeneraleValues& values) {
    // Settings take each value when its key is stored, so that a check that
    // stops OK leaves memory and store alike.
    storeTariffsAndDefaults(values);
    if (values.razAuto &&
        (values.periode == FaitesUneSelection || values.date == FaitesUneSelection)) {
        m_messages.ShowMessage(210, Warning, 310, 410);
        return CoutTotal;
    }
    // OK pressed from the budget box checks it as its focus loss would.
    if (!ControleBudget(values.budget))
        return CoutTotal;
    storeTotal(values);
    m_settings.TarifPerso = values.perso ? 1 : 0;
    save(Sections::Tarification, Keys::TarifPerso);
    if (!storePerso(values))
        return Personnalisee;
    m_host.FillCommunicationTypes();
    return std::nullopt;
}

void ConfigGenerale::storeTariffsAndDefaults(const ConfigGeneraleValues& values) {
    m_settings.TarifCreditTemps = ToSingle(values.paramUT[0], m_locale);
    for (int band = 0; band < BandCount; ++band) {
        m_settings.CreditTemps[band] = ToSingle(values.paramUT[1 + band], m_locale);
        m_settings.TarifMinute[band] = ToSingle(values.paramUT[6 + band], m_locale);
    }
    m_settings.NumeroDefaut = values.numero;
    m_settings.TypeDefaut = values.typeCommunication;
    save(Sections::Tarification, Keys::TarifCreditTemps);
    for (int band = 1; band <= BandCount; ++band)
        save(Sections::Tarification, Keys::CreditTemps(band));
    for (int band = 1; band <= BandCount; ++band)
        save(Sections::Tarification, Keys::TarifMinute(band));
    save(Sections::Parametres, Keys::TypeDefaut);
    save(Sections::Parametres, Keys::NumeroDefaut);
}

void ConfigGenerale::storeTotal(const ConfigGeneraleValues& values) {
    // The total keeps two decimals.
    const double total = ToSingle(values.totalActuel, m_locale);
    m_settings.CoutTotal = static_cast<float>(std::round(total * 100.0) / 100.0);
    m_settings.RazAutoTotal = values.razAuto ? 1 : 0;
    save(Sections::Parametres, Keys::CoutTotal);
    save(Sections::Parametres, Keys::RazAutoTotal);
    if (values.razAuto) {
        m_settings.RazPeriode = values.periode;
        m_settings.RazDate = values.date;
        save(Sections::Parametres, Keys::RazPeriode);
        save(Sections::Parametres, Keys::RazDate);
    }
    m_settings.BudgetMensuel = StoredText::toAmountOrNone(values.budget, m_locale);
    save(Sections::Parametres, Keys::BudgetMensuel);
    m_host.AfficherTotal();
}

bool ConfigGenerale::storePerso(const ConfigGeneraleValues& values) {
    if (!values.perso)
        return true;
    for (const QString& text : values.persoTextes) {
        if (text.isEmpty()) {
            m_messages.ShowMessage(225, Warning, 325, 0);
            return false;
        }
    }
    m_settings.PersoNumero = values.persoTextes[0];
    m_settings.PersoDureeCredit = ToSingle(values.persoTextes[1], m_locale);
    m_settings.PersoTarifCredit = ToSingle(values.persoTextes[2], m_locale);
    m_settings.PersoCoutMinute = ToSingle(values.persoTextes[3], m_locale);
    m_settings.PersoReductions = values.reducPerso;
    save(Sections::Tarification, Keys::PersoNumero);
    save(Sections::Tarification, Keys::PersoDureeCredit);
    save(Sections::Tarification, Keys::PersoTarifCredit);
    save(Sections::Tarification, Keys::PersoCoutMinute);
    save(Sections::Tarification, Keys::PersoReductions);
    // The number list showed the personalised number the dialog opened with:
    // the personalised default goes with the number just stored.
    if (m_settings.TypeDefaut == CommunicationType::Perso) {
        m_settings.NumeroDefaut = m_settings.PersoNumero;
        save(Sections::Parametres, Keys::NumeroDefaut);
    }
    return true;
}
