// The pricing of the call in progress at each tick: one procedure a type of
// communication, and the checks that stop a call its type cannot price.
#include "engine/CallEngine.h"

#include "engine/OptionTariffs.h"
#include "engine/PremiumRates.h"
#include "engine/StandardTariff.h"

#include "BasOrvalis/CommunicationTexts.h"

using namespace BasOrvalis;

namespace {

constexpr int QuestionStyle = MessageStyle::YesNo + MessageStyle::Exclamation;

} // namespace

void CallEngine::priceCall() {
    switch (m_selection.type()) {
    case CommunicationType::Standard:
        CalculStandard();
        break;
    case CommunicationType::Primaliste:
        CalculPrimaliste();
        break;
    case CommunicationType::PrimalisteInternet:
        CalculPrimalisteInternet();
        break;
    case CommunicationType::Temporalis:
        CalculTemporalis();
        break;
    case CommunicationType::ForfaitLocal:
        CalculForfaitLocal();
        break;
    case CommunicationType::LibreAcces:
        CalculLibreAcces();
        break;
    case CommunicationType::Kiosque:
        CalculKiosque();
        break;
    case CommunicationType::Audiotel:
        CalculAudiotel();
        break;
    case CommunicationType::Numeris:
        CalculNumeris();
        break;
    case CommunicationType::Perso:
        CalculPerso();
        break;
    case CommunicationType::FaitesUneSelection:
        releaseButton();
        m_messages.ShowMessage(213, MessageStyle::Exclamation, 313, 0);
        break;
    }
}

void CallEngine::CalculStandard() {
    TariffEngine::CalculStandard(m_state, m_settings, m_selection.number());
}

void CallEngine::CalculPrimaliste() {
    if (!VerifierNumero(0))
        return;
    TariffEngine::PrimalisteTarif(m_state, m_settings, m_selection.numberIndex() + 1);
    refreshCombined();
}

void CallEngine::CalculPrimalisteInternet() {
    if (!VerifierNumero(1))
        return;
    if (!m_state.PlageNuit) {
        releaseButton();
        m_messages.ShowMessage(206, MessageStyle::Information, 306, 406);
        return;
    }
    TariffEngine::PrimalisteInternetTarif(m_state, m_settings);
    refreshCombined();
}

void CallEngine::CalculTemporalis() {
    const int slice = TariffEngine::CalculTemporalis(m_state, m_settings, m_selection.number());
    m_panel.indicators[1].text = TariffEngine::TemporalisReduction(slice);
    refreshCombined(slice);
}

void CallEngine::CalculNumeris() {
    TariffEngine::CalculNumeris(m_state, m_settings);
    refreshCombined();
}

void CallEngine::CalculPerso() {
    TariffEngine::CalculPerso(m_state, m_settings);
}

void CallEngine::CalculForfaitLocal() {
    calculForfait({m_state.PlageForfaitLocal, m_settings.TempsForfaitLocal, 212, 312, 412, 216, 316,
                   416, false});
}

void CallEngine::CalculLibreAcces() {
    calculForfait(
        {m_state.PlageLibreAcces, m_settings.TempsLibreAcces, 221, 321, 421, 222, 322, 422, true});
}

void CallEngine::calculForfait(const Forfait& forfait) {
    if (!forfait.inHours) {
        releaseButton();
        m_messages.ShowMessage(forfait.outTitle, MessageStyle::Information, forfait.outLine,
                               forfait.outSecond);
        return;
    }
    if (m_tempsRestant == QTime(0, 0)) {
        // The stop logs the package call and saves its zero remaining time.
        releaseButton();
        const int answer = m_messages.ShowMessage(forfait.emptyTitle, QuestionStyle,
                                                  forfait.emptyLine, forfait.emptySecond);
        if (answer == MessageAnswer::Yes) {
            if (forfait.refreshFirst)
                CboCommunication_Click(m_selection.type());
            // The number list keeps the package's single local entry.
            m_selection.showType(CommunicationType::Standard);
            StartStop(true);
        }
        return;
    }
    m_tempsRestant =
        TariffEngine::TempsRestant(forfait.temps, static_cast<int>(m_state.DureeSecondes));
    TariffEngine::ShowRemainingTime(m_panel, m_tempsRestant);
    m_state.CoutAppel = 0.f;
}

void CallEngine::CalculKiosque() {
    TariffEngine::CalculKiosque(m_state, m_selection.number(), m_selection.rate());
}

void CallEngine::CalculAudiotel() {
    TariffEngine::CalculAudiotel(m_state, m_settings, m_selection.number());
}

bool CallEngine::VerifierNumero(int page) {
    if (m_selection.number() != Numbers::NonConfigure)
        return true;
    releaseButton();
    const int answer = m_messages.ShowMessage(214, QuestionStyle, 314, 414);
    if (answer == MessageAnswer::Yes && m_host)
        m_host->OpenServicesDialog(page);
    return false;
}
