// Forfait Local and Libre @cces: their hours, the countdown of the remaining
// time, the exhausted package going on as a standard call, and the monthly
// renewals.
#include "engine/EngineFixture.h"

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/SettingsKeys.h"
#include "platform/LocaleFormats.h"

using namespace BasOrvalis;

namespace {

// What tells one package from the other in these tests.
struct PackageCase {
    const char* name;
    CommunicationType type;
    int outTitle, outLine, outSecond;
    int emptyTitle, emptyLine, emptySecond;
    QString tempsKey;
    QString moisKey;
    QTime full;
    int renewTitle, renewLine;
    // A working day and hour outside the package's hours.
    QDateTime outOfHours;
};

const PackageCase ForfaitLocal{"ForfaitLocal",
                               CommunicationType::ForfaitLocal,
                               212,
                               312,
                               412,
                               216,
                               316,
                               416,
                               Keys::TempsForfaitLocal,
                               Keys::MoisForfaitLocal,
                               QTime(6, 0),
                               217,
                               319,
                               At(2026, 12, 8, 17, 59)};
const PackageCase LibreAcces{"LibreAcces",
                             CommunicationType::LibreAcces,
                             221,
                             321,
                             421,
                             222,
                             322,
                             422,
                             Keys::TempsLibreAcces,
                             Keys::MoisLibreAcces,
                             QTime(20, 0),
                             220,
                             323,
                             At(2026, 12, 9, 13, 59)};

void PrintTo(const PackageCase& c, std::ostream* os) {
    *os << c.name;
}

} // namespace

class Package : public EngineFixture, public ::testing::WithParamInterface<PackageCase> {
protected:
    Package() {
        settings.AboForfaitLocal = 1;
        settings.AboLibreAcces = 1;
    }
    QTime& temps() {
        return GetParam().type == CommunicationType::ForfaitLocal ? settings.TempsForfaitLocal
                                                                  : settings.TempsLibreAcces;
    }
    int& mois() {
        return GetParam().type == CommunicationType::ForfaitLocal ? settings.MoisForfaitLocal
                                                                  : settings.MoisLibreAcces;
    }
    void expectMessage(int index, int title, int buttons, int line, int second) {
        ASSERT_GT(messages.shown.size(), index);
        const ShownMessage& shown = messages.shown[index];
        EXPECT_EQ(shown.title, title);
        EXPECT_EQ(shown.buttons, buttons);
        EXPECT_EQ(shown.line, line);
        EXPECT_EQ(shown.second, second);
    }
};

TEST_P(Package, OutsideItsHoursIsStoppedAtTheFirstTick) {
    const PackageCase& p = GetParam();
    startCall(p.type, Numbers::AppelLocal, p.outOfHours);
    runFor(1);
    EXPECT_FALSE(engine().EnCours());
    ASSERT_EQ(messages.shown.size(), 1);
    expectMessage(0, p.outTitle, MessageStyle::Information, p.outLine, p.outSecond);
    // The remaining time is untouched.
    EXPECT_EQ(temps(), p.full);
}

TEST_P(Package, InItsHoursIsFreeAndCountsDown) {
    const PackageCase& p = GetParam();
    startCall(p.type, Numbers::AppelLocal, p.outOfHours.addSecs(3600 * 2));
    EXPECT_EQ(engine().panel().indicators[1].text, LocaleFormats::clockText(p.full));
    runFor(600);
    EXPECT_TRUE(engine().EnCours());
    EXPECT_FLOAT_EQ(engine().state().CoutAppel, 0.f);
    const QTime left = p.full.addSecs(-600);
    EXPECT_EQ(engine().panel().indicators[1].text, LocaleFormats::clockText(left));
    engine().CmdStart_Stop_Click();
    EXPECT_EQ(temps(), left);
    EXPECT_EQ(store.read(Sections::ServicesFt, p.tempsKey), LocaleFormats::clockText(left));
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records[0].Libelle,
              QString(TypeText(p.type) + QStringLiteral(": Appel N° Local")));
    EXPECT_EQ(log.records[0].Cout, QStringLiteral("0,00"));
}

TEST_P(Package, ExhaustedGoesOnAsAStandardLocalCallWithItsOwnRecord) {
    const PackageCase& p = GetParam();
    temps() = QTime(0, 0, 10);
    messages.answers = {MessageAnswer::Yes};
    startCall(p.type, Numbers::AppelLocal, At(2026, 12, 12, 10, 0));
    runFor(10);
    EXPECT_TRUE(engine().EnCours());
    EXPECT_EQ(engine().panel().indicators[1].text, QStringLiteral("00:00:00"));
    runFor(1);
    expectMessage(0, p.emptyTitle, MessageStyle::YesNo + MessageStyle::Exclamation, p.emptyLine,
                  p.emptySecond);
    ASSERT_EQ(log.records.size(), 1);
    EXPECT_EQ(log.records[0].Duree, QStringLiteral("00:00:11"));
    EXPECT_EQ(store.read(Sections::ServicesFt, p.tempsKey), QStringLiteral("00:00:00"));

    EXPECT_TRUE(engine().EnCours());
    EXPECT_EQ(engine().selection().type(), CommunicationType::Standard);
    EXPECT_EQ(engine().selection().number(), Numbers::AppelLocal);
    runFor(181);
    EXPECT_FLOAT_EQ(engine().state().CoutAppel,
                    settings.TarifCreditTemps + settings.TarifMinute[0] / 60.f / 2.f);
    engine().CmdStart_Stop_Click();
    ASSERT_EQ(log.records.size(), 2);
    EXPECT_EQ(log.records[1].Libelle, QStringLiteral("Standard: Appel Local"));
    EXPECT_EQ(log.records[1].Duree, QStringLiteral("00:03:01"));
    // The standard call leaves the package's time alone.
    EXPECT_EQ(temps(), QTime(0, 0));
}

TEST_P(Package, ExhaustedAndAnsweredNoStaysStopped) {
    const PackageCase& p = GetParam();
    temps() = QTime(0, 0);
    startCall(p.type, Numbers::AppelLocal, At(2026, 12, 12, 10, 0));
    runFor(3);
    EXPECT_FALSE(engine().EnCours());
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(log.records.size(), 1);
    EXPECT_EQ(engine().selection().type(), p.type);
}

TEST_P(Package, QuittingSavesTheRemainingTime) {
    const PackageCase& p = GetParam();
    startCall(p.type, Numbers::AppelLocal, At(2026, 12, 12, 10, 0));
    runFor(60);
    engine().Form_Unload();
    EXPECT_EQ(store.read(Sections::ServicesFt, p.tempsKey),
              LocaleFormats::clockText(p.full.addSecs(-60)));
    EXPECT_EQ(log.records.size(), 1);
}

TEST_P(Package, IsRenewedAtTheFirstStartOfANewMonth) {
    const PackageCase& p = GetParam();
    clock.setNow(At(2026, 12, 3, 9, 0));
    temps() = QTime(1, 0);
    mois() = 11;
    settings.TypeDefaut = p.type;
    settings.NumeroDefaut = Numbers::AppelLocal;
    engine().Form_Load();
    EXPECT_EQ(temps(), p.full);
    EXPECT_EQ(mois(), 12);
    EXPECT_EQ(store.read(Sections::ServicesFt, p.moisKey), QStringLiteral("12"));
    EXPECT_EQ(store.read(Sections::ServicesFt, p.tempsKey), LocaleFormats::clockText(p.full));
    ASSERT_EQ(messages.shown.size(), 1);
    expectMessage(0, p.renewTitle, MessageStyle::Information, p.renewLine, 0);
    // The panel shows the new time.
    EXPECT_EQ(engine().panel().indicators[1].text, LocaleFormats::clockText(p.full));
}

TEST_P(Package, KeepsItsTimeWithinTheMonth) {
    clock.setNow(At(2026, 12, 3, 9, 0));
    temps() = QTime(1, 0);
    settings.MoisForfaitLocal = 12;
    settings.MoisLibreAcces = 12;
    engine().Form_Load();
    EXPECT_EQ(temps(), QTime(1, 0));
    EXPECT_TRUE(store.keys(Sections::ServicesFt).isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_P(Package, NeverRenewedNotesTheMonthOnly) {
    const PackageCase& p = GetParam();
    clock.setNow(At(2026, 12, 3, 9, 0));
    temps() = QTime(1, 0);
    mois() = 0;
    engine().Form_Load();
    EXPECT_EQ(store.read(Sections::ServicesFt, p.moisKey), QStringLiteral("12"));
    EXPECT_FALSE(store.contains(Sections::ServicesFt, p.tempsKey));
    EXPECT_EQ(temps(), QTime(1, 0));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_P(Package, WithoutSubscriptionIsNeverRenewed) {
    clock.setNow(At(2026, 12, 3, 9, 0));
    settings.AboForfaitLocal = 0;
    settings.AboLibreAcces = 0;
    mois() = 5;
    engine().Form_Load();
    EXPECT_TRUE(store.keys(Sections::ServicesFt).isEmpty());
    EXPECT_EQ(mois(), 5);
}

INSTANTIATE_TEST_SUITE_P(Packages, Package, ::testing::Values(ForfaitLocal, LibreAcces),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineFixture, ForfaitLocalRunsFrom18) {
    settings.AboForfaitLocal = 1;
    startCall(CommunicationType::ForfaitLocal, Numbers::AppelLocal, At(2026, 12, 8, 18, 0));
    runFor(5);
    EXPECT_TRUE(engine().EnCours());
    EXPECT_FLOAT_EQ(engine().state().CoutAppel, 0.f);
}

TEST_F(EngineFixture, LibreAccesRunsOnWednesdayAfternoon) {
    settings.AboLibreAcces = 1;
    startCall(CommunicationType::LibreAcces, Numbers::AppelLocal, At(2026, 12, 9, 15, 0));
    runFor(5);
    EXPECT_TRUE(engine().EnCours());
    EXPECT_FALSE(engine().panel().indicators[0].visible);
    EXPECT_TRUE(engine().panel().indicators[1].visible);
    EXPECT_EQ(engine().panel().heading1, QStringLiteral("Temps restant"));
}
