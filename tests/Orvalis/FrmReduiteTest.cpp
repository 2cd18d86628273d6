// The compact window: mirrored displays, its position kept in twips under
// the swapped key names, and the clicks that close it.
#include "forms/FrmReduite.h"
#include "support/TemporaryStore.h"

#include "BasOrvalis/SettingsKeys.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Orvalis;

using namespace BasOrvalis;

namespace {

class FrmReduiteTest : public ::testing::Test {
protected:
    FrmReduite* open() {
        auto* window = new FrmReduite(store, [this] { return texts; });
        window->show();
        return window;
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TemporaryStore files;
    SettingsStore& store = files.store();
    std::array<QString, 3> texts{QStringLiteral("1,234"), QStringLiteral("00:05:12"),
                                 QStringLiteral("56,78")};
};

} // namespace

TEST_F(FrmReduiteTest, MirrorsTheDisplaysAtOnceAndOnEachTick) {
    QPointer<FrmReduite> window = open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Orvalis V3.04"));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window->LblAffichageCout()->text(), texts[0]);
    EXPECT_EQ(window->LblAffichageDuree()->text(), texts[1]);
    EXPECT_EQ(window->LblAffichageTotal()->text(), texts[2]);
    EXPECT_EQ(window->Timer1().interval(), 900);
    texts[1] = QStringLiteral("00:05:13");
    window->Timer1_Timer();
    EXPECT_EQ(window->LblAffichageDuree()->text(), texts[1]);
    window->close();
}

TEST_F(FrmReduiteTest, FirstOpeningStandsInTheTopRightCorner) {
    QPointer<FrmReduite> window = open();
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    EXPECT_EQ(window->pos(), QPoint(screenWidth - window->width(), 0));
    window->close();
}

TEST_F(FrmReduiteTest, PositionIsKeptInTwipsWithTopUnderPosH) {
    QPointer<FrmReduite> window = open();
    window->move(40, 100);
    window->close();
    EXPECT_EQ(store.read(Sections::Parametres, Keys::FenetreReduitePosH), QStringLiteral("1500"));
    EXPECT_EQ(store.read(Sections::Parametres, Keys::FenetreReduitePosV), QStringLiteral("600"));
    settle();
    EXPECT_TRUE(window.isNull());

    QPointer<FrmReduite> again = open();
    EXPECT_EQ(again->pos(), QPoint(40, 100));
    again->close();
}

TEST_F(FrmReduiteTest, SavedPositionOutsideTheScreenIsUsedUnchanged) {
    store.write(Sections::Parametres, Keys::FenetreReduitePosH, QStringLiteral("-300"));
    store.write(Sections::Parametres, Keys::FenetreReduitePosV, QStringLiteral("150000"));
    QPointer<FrmReduite> window = open();
    EXPECT_EQ(window->pos(), QPoint(10000, -20));
    window->close();
}

TEST_F(FrmReduiteTest, SingleClickClosesOnlyOnTheTotal) {
    QPointer<FrmReduite> window = open();
    QSignalSpy closed(window.data(), &FrmReduite::closed);
    QTest::mouseClick(window->LblAffichageCout(), Qt::LeftButton);
    QTest::mouseClick(window->LblAffichageDuree(), Qt::LeftButton);
    EXPECT_EQ(closed.count(), 0);
    QTest::mouseClick(window->LblAffichageTotal(), Qt::LeftButton);
    EXPECT_EQ(closed.count(), 1);
    settle();
    EXPECT_TRUE(window.isNull());
}

TEST_F(FrmReduiteTest, DoubleClickAnywhereCloses) {
    QPointer<FrmReduite> window = open();
    QSignalSpy closed(window.data(), &FrmReduite::closed);
    QTest::mouseDClick(window->LblAffichageDuree(), Qt::LeftButton);
    EXPECT_EQ(closed.count(), 1);
    settle();
}
