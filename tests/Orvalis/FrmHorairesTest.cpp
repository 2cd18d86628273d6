// The discount-hours window: its texts, its picture and its place against
// the main window.
#include "forms/FrmHoraires.h"
#include "forms/HorairesPicture.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Orvalis;

TEST(FrmHoraires, ShowsItsTitleDateAndPicture) {
    FrmHoraires window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Avantages horaires"));
    EXPECT_TRUE(window.isModal());
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblDate"))->text(),
              QStringLiteral("A partir du 01/03/99"));
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("cmdOk"))->text(),
              QStringLiteral("OK"));
    auto* picture = window.findChild<HorairesPicture*>(QStringLiteral("Picture1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), QSize(250, 77));
}

TEST(FrmHoraires, PictureShowsNormalHoursRedAndReducedHoursBlue) {
    HorairesPicture picture;
    const QImage image = picture.grab().toImage();
    // Weekday row: 3h reduced, 12h normal, 22h reduced; week-end row reduced.
    const auto at = [&](int hour, int row) {
        const int x = 86 + (HorairesPicture::Width - 11 - 86) * hour / 24 + 2;
        return image.pixelColor(x, 15 + row * 31 + 4);
    };
    EXPECT_EQ(at(3, 0), QColor(0x00, 0x00, 0xFF));
    EXPECT_EQ(at(9, 0), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(at(21, 0), QColor(0x00, 0x00, 0xFF));
    EXPECT_EQ(at(9, 1), QColor(0x00, 0x00, 0xFF));
}

TEST(FrmHoraires, StandsOnTheMainWindowsLeftAndBottomEdges) {
    EXPECT_EQ(FrmHoraires::placeAgainst(QRect(100, 200, 420, 300), QSize(270, 160)),
              QPoint(100, 340));
    // A main window shorter than this one near the top: placed above the
    // screen, unchanged.
    EXPECT_EQ(FrmHoraires::placeAgainst(QRect(0, 10, 420, 100), QSize(270, 160)), QPoint(0, -50));
}
