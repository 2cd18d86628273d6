// The search dialog: enabling, the column and the zone searched, and the
// message when nothing matches.
#include "gui/FrmRecherche.h"
#include "Journal/JournalLogs.h"
#include "core/ResultModel.h"
#include "support/ModalAnswerer.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Journal;

using BasJournal::ResultModel;

namespace {

class FrmRechercheTest : public ::testing::Test {
protected:
    ResultModel m_first{JournalLogs::rowsOf({JournalLogs::call("Standard: Appel Local"),
                                             JournalLogs::call("Kiosque Micro: 3615 AB"),
                                             JournalLogs::call("Primaliste: 0142")})};
    ResultModel m_second{JournalLogs::rowsOf(
        {JournalLogs::call("abonné"), JournalLogs::call("Audiotel", "00:00:30")})};
    FrmRecherche m_dialog{&m_second, {&m_first, &m_second}};

    template <typename T> T* child(const char* name) const {
        return m_dialog.findChild<T*>(QLatin1String(name));
    }

    QStringList foundLibelles() const { return JournalLogs::libellesOf(m_dialog.matches()); }
};

} // namespace

TEST_F(FrmRechercheTest, OpensOnTheDateAndTheActiveWindowWithSearchDisabled) {
    EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("Rechercher"));
    EXPECT_TRUE(child<QRadioButton>("optType1")->isChecked());
    EXPECT_TRUE(child<QRadioButton>("optZone0")->isChecked());
    EXPECT_FALSE(child<QPushButton>("cmdBouton0")->isEnabled());
    EXPECT_EQ(child<QRadioButton>("optType6")->text(), QStringLiteral("Coût"));
    EXPECT_EQ(child<QRadioButton>("optType7"), nullptr);
}

TEST_F(FrmRechercheTest, TheButtonFollowsTheValue) {
    auto* value = child<QLineEdit>("txtValeur");
    QTest::keyClicks(value, QStringLiteral("  "));
    EXPECT_TRUE(child<QPushButton>("cmdBouton0")->isEnabled());
    value->clear();
    EXPECT_FALSE(child<QPushButton>("cmdBouton0")->isEnabled());
}

TEST_F(FrmRechercheTest, SearchesTheActiveWindowOnly) {
    child<QRadioButton>("optType2")->setChecked(true);
    QTest::keyClicks(child<QLineEdit>("txtValeur"), QStringLiteral("AB"));
    child<QPushButton>("cmdBouton0")->click();
    EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
    EXPECT_EQ(foundLibelles(), QStringList{"abonné"});
}

TEST_F(FrmRechercheTest, SearchesEveryWindowInIndexOrder) {
    child<QRadioButton>("optType2")->setChecked(true);
    child<QRadioButton>("optZone1")->setChecked(true);
    QTest::keyClicks(child<QLineEdit>("txtValeur"), QStringLiteral("ab"));
    child<QPushButton>("cmdBouton0")->click();
    EXPECT_EQ(foundLibelles(), (QStringList{"Kiosque Micro: 3615 AB", "abonné"}));
}

TEST_F(FrmRechercheTest, SearchesTheChosenColumn) {
    child<QRadioButton>("optType5")->setChecked(true);
    QTest::keyClicks(child<QLineEdit>("txtValeur"), QStringLiteral(":30"));
    child<QPushButton>("cmdBouton0")->click();
    EXPECT_EQ(foundLibelles(), QStringList{"Audiotel"});
}

TEST_F(FrmRechercheTest, NoMatchIsReportedAndTheDialogStays) {
    m_dialog.show();
    QTest::keyClicks(child<QLineEdit>("txtValeur"), QStringLiteral("zzz"));
    ModalAnswerer answerer;
    child<QPushButton>("cmdBouton0")->click();
    EXPECT_EQ(answerer.texts(), QStringList{"Recherche infructueuse, reformulez votre demande."});
    EXPECT_EQ(answerer.titles(), QStringList{"Rechercher"});
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_TRUE(m_dialog.matches().isEmpty());
}
