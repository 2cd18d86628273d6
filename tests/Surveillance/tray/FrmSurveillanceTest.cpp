// The monitor's icon and menu: the face and tip follow the link, the menu
// shows the items with "Ouvrir Orvalis" as its bold default and a tick on
// the checked options, a double click on the icon starts the calculator;
// without a notification area the notices go to the error output.
#include "tray/FrmSurveillance.h"
#include "Surveillance/MonitorRig.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>

#include <unistd.h>

using Surveillance::FrmSurveillance;

namespace {

class FrmSurveillanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        rig.options.load();
        form.Form_Load();
    }

    MonitorRig rig;
    FrmSurveillance form{rig.menu, rig.watcher, rig.finder};
};

} // namespace

TEST_F(FrmSurveillanceTest, TheMenuShowsTheItemsWithTheirStates) {
    const QList<QAction*> items = form.MnuContextuel().actions();
    ASSERT_EQ(items.size(), MonitorMenu::ItemCount);
    for (int index = 0; index < MonitorMenu::ItemCount; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(items[index], form.MnuOptions(index));
        EXPECT_EQ(items[index]->isSeparator(), MonitorMenu::isSeparator(index));
        if (!items[index]->isSeparator()) {
            EXPECT_EQ(items[index]->text(), rig.menu.caption(index));
        }
    }
    EXPECT_EQ(form.MnuContextuel().defaultAction(), form.MnuOptions(MonitorMenu::OuvrirOrvalis));
    EXPECT_FALSE(form.MnuOptions(MonitorMenu::OuvrirOrvalis)->icon().isNull());

    QAction* logon = form.MnuOptions(MonitorMenu::StartW95);
    QAction* opening = form.MnuOptions(MonitorMenu::StartOrvalis);
    QAction* call = form.MnuOptions(MonitorMenu::StartCalcul);
    EXPECT_TRUE(logon->isChecked());
    EXPECT_FALSE(logon->icon().isNull());
    EXPECT_FALSE(opening->isChecked());
    EXPECT_FALSE(call->isEnabled());
    opening->trigger();
    EXPECT_TRUE(opening->isChecked());
    EXPECT_TRUE(call->isEnabled());
    EXPECT_EQ(rig.storedOption("StartOrvalis"), "-1");
}

TEST_F(FrmSurveillanceTest, TheTipFollowsTheLinkAndTheMonitoring) {
    EXPECT_EQ(form.trayIcon().toolTip(), "Orvalis : Surveillance Modem - Déconnecté");
    rig.setLink(true);
    rig.watcher.Timer1_Timer();
    EXPECT_EQ(form.trayIcon().toolTip(), "Orvalis : Surveillance Modem - Connecté");
    EXPECT_FALSE(form.MnuOptions(MonitorMenu::Surveillance)->isEnabled());

    rig.setLink(false);
    rig.watcher.Timer1_Timer();
    form.MnuOptions(MonitorMenu::Surveillance)->trigger();
    EXPECT_EQ(form.trayIcon().toolTip(), "Orvalis : Surveillance Modem - Désactivé");
    EXPECT_EQ(form.MnuOptions(MonitorMenu::Surveillance)->text(), "Activer Surveillance Modem");
}

TEST_F(FrmSurveillanceTest, ADoubleClickOnTheIconStartsTheCalculator) {
    emit form.trayIcon().activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(rig.desktop.started.isEmpty());
    rig.client.running = true;
    emit form.trayIcon().activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(rig.desktop.started, QStringList{MonitorRig::ProgramFolder + "/Orvalis"});
}

namespace {

// What the program writes on its error output meanwhile, line by line.
class ErrorOutput final {
public:
    ErrorOutput()
        : m_saved(dup(STDERR_FILENO))
        , m_file(std::tmpfile()) {
        std::fflush(stderr);
        dup2(fileno(m_file), STDERR_FILENO);
    }
    ~ErrorOutput() {
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        std::fclose(m_file);
    }
    Q_DISABLE_COPY_MOVE(ErrorOutput)

    QStringList lines() const {
        std::fflush(stderr);
        QFile file;
        if (!file.open(dup(fileno(m_file)), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) ||
            !file.seek(0))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    int m_saved;
    std::FILE* m_file;
};

} // namespace

// No notification area (the offscreen platform has none): the first start
// says so with what the checked run-at-logon option means, and the notices
// go to the error output, one line each.
TEST(FrmSurveillanceWithoutTray, TellsItsNoticesOnTheErrorOutput) {
    MonitorRig rig;
    rig.storeOption("StartOrvalis", "-1");
    rig.storeOption("StartCalcul", "-1");
    rig.options.load();
    rig.desktop.starts = false;
    rig.setLink(true);
    FrmSurveillance form(rig.menu, rig.watcher, rig.finder);
    const ErrorOutput errors;
    form.Form_Load();
    form.showBudgetWarning(80, 8.5, 10.0);
    EXPECT_EQ(errors.lines(),
              (QStringList{
                  "Tavelnor : aucune zone de notification n'est disponible ; la surveillance du "
                  "modem continue sans icône. L'option « Activer surveillance au démarrage de la "
                  "session » est cochée, mais aucune entrée de démarrage n'est écrite : Tavelnor "
                  "ne démarrera pas à l'ouverture de session.",
                  "Tavelnor : Cette connexion n'est pas chronométrée : Orvalis n'a pas pu être "
                  "démarré.",
                  "Tavelnor : Ce mois-ci, vos communications ont coûté 8,50\u00a0F, soit "
                  "80\u00a0% de votre budget mensuel de 10,00\u00a0F."}));
}
