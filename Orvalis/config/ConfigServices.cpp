// The France Télécom services: distances, remaining times and OK.
#include "config/ConfigServices.h"

#include "config/ConfigChecks.h"
#include "config/ConfigHost.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/LoadSettings.h"
#include "BasOrvalis/Messages.h"
#include "BasOrvalis/SettingsKeys.h"
#include "platform/LocaleFormats.h"
#include "platform/SettingsStore.h"

using namespace BasOrvalis;

namespace {

struct ForfaitTexts {
    QTime plein;
    int initTitle, initLine;
    int errorTitle, errorLine, errorSecond;
};

const ForfaitTexts& TextsOf(ConfigServices::Forfait forfait) {
    static const std::array<ForfaitTexts, 2> texts{{
        {QTime(6, 0, 0), 207, 307, 217, 317, 417},
        {QTime(20, 0, 0), 208, 308, 220, 320, 420},
    }};
    return texts.at(forfait);
}

} // namespace

ConfigServices::ConfigServices(Settings& settings, SettingsStore& store, MessagePresenter& messages,
                               ConfigHost& host)
    : m_settings(settings)
    , m_store(store)
    , m_messages(messages)
    , m_host(host)
    , m_zones(settings.ZonesPrimaliste) {}

ConfigServicesValues ConfigServices::valeursInitiales() const {
    ConfigServicesValues values;
    values.primaliste = m_settings.AboPrimaliste == 1;
    values.primalisteInternet = m_settings.AboPrimalisteInternet == 1;
    values.temporalis = m_settings.AboTemporalis == 1;
    values.forfaitLocal = m_settings.AboForfaitLocal == 1;
    values.libreAcces = m_settings.AboLibreAcces == 1;
    values.numeros = m_settings.NumerosPrimaliste;
    values.tempsForfaitLocal = LocaleFormats::clockText(m_settings.TempsForfaitLocal);
    values.tempsLibreAcces = LocaleFormats::clockText(m_settings.TempsLibreAcces);
    return values;
}

int ConfigServices::NumeroActif(int n) {
    m_numeroActif = n;
    return m_zones.at(n);
}

QString ConfigServices::cadreDistance() const {
    return QStringLiteral("Distance Numéro %1").arg(m_numeroActif);
}

void ConfigServices::ZoneChoisie(int option) {
    m_zones.at(m_numeroActif) = option;
}

std::optional<QString> ConfigServices::CmdInitTemps(Forfait forfait) {
    const ForfaitTexts& texts = TextsOf(forfait);
    const int answer = m_messages.ShowMessage(
        texts.initTitle, MessageStyle::YesNo + MessageStyle::Question, texts.initLine, 0);
    m_tempsModifie.at(forfait) = true;
    if (answer != MessageAnswer::Yes)
        return std::nullopt;
    return LocaleFormats::clockText(texts.plein);
}

void ConfigServices::CmdModifTemps(Forfait forfait) {
    m_tempsModifie.at(forfait) = true;
}

ConfigServices::Saisie ConfigServices::ControleNouveauTemps(Forfait forfait, const QString& text,
                                                            QString* tempsActuel) {
    if (text.isEmpty())
        return Saisie::Vide;
    const std::optional<QTime> time = ConfigChecks::ReadTime(text);
    if (!time) {
        const ForfaitTexts& texts = TextsOf(forfait);
        m_messages.ShowMessage(texts.errorTitle, MessageStyle::Exclamation, texts.errorLine,
                               texts.errorSecond);
        return Saisie::Invalide;
    }
    *tempsActuel = LocaleFormats::clockText(*time);
    return Saisie::Valide;
}

bool ConfigServices::configure(const QString& numero) {
    return !numero.isEmpty() && numero != Numbers::NonConfigure;
}

void ConfigServices::save(const QString& key) {
    SaveSetting(m_store, m_settings, Sections::ServicesFt, key);
}

void ConfigServices::CmdOk(const ConfigServicesValues& values) {
    m_settings.AboPrimaliste = values.primaliste ? 1 : 0;
    m_settings.AboPrimalisteInternet = values.primalisteInternet ? 1 : 0;
    m_settings.AboTemporalis = values.temporalis ? 1 : 0;
    m_settings.AboForfaitLocal = values.forfaitLocal ? 1 : 0;
    m_settings.AboLibreAcces = values.libreAcces ? 1 : 0;
    // The current-time boxes only ever hold valid times.
    if (const auto temps = ConfigChecks::ReadTime(values.tempsForfaitLocal))
        m_settings.TempsForfaitLocal = *temps;
    if (const auto temps = ConfigChecks::ReadTime(values.tempsLibreAcces))
        m_settings.TempsLibreAcces = *temps;

    save(Keys::AboPrimaliste);
    save(Keys::AboPrimalisteInternet);
    save(Keys::AboTemporalis);
    save(Keys::AboForfaitLocal);
    save(Keys::AboLibreAcces);

    // A number left empty or "Non Configuré" keeps its number and distance,
    // in memory as in the store.
    if (values.primaliste) {
        for (int n = 1; n <= PrimalisteCount; ++n) {
            if (!configure(values.numeros[n]))
                continue;
            m_settings.NumerosPrimaliste[n] = values.numeros[n];
            m_settings.ZonesPrimaliste[n] = m_zones[n];
            save(Keys::PrimalisteNumero(n));
            save(Keys::PrimalisteZone(n));
        }
    }
    if (values.primalisteInternet && configure(values.numeros[PrimalisteInternetIndex])) {
        m_settings.NumerosPrimaliste[PrimalisteInternetIndex] =
            values.numeros[PrimalisteInternetIndex];
        save(Keys::PrimalisteInternet);
    }

    if (values.forfaitLocal && m_tempsModifie[Local]) {
        save(Keys::TempsForfaitLocal);
        m_tempsModifie[Local] = false;
    }
    if (values.libreAcces && m_tempsModifie[Libre]) {
        save(Keys::TempsLibreAcces);
        m_tempsModifie[Libre] = false;
    }

    m_host.FillCommunicationTypes();
}
