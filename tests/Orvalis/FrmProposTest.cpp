// The About box: the links open the mail program and the browser; an
// address that cannot be opened shows the error and leaves the box open.
#include "forms/FrmPropos.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Orvalis;

namespace {

// Answers the next message box with OK, keeping its title and text.
struct MessageWatch {
    QString title;
    QString text;
    bool seen = false;

    void arm() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = true;
            title = box->windowTitle();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
    }
};

} // namespace

TEST(FrmPropos, LinksShowTheAddressesAndTheirTips) {
    FrmPropos box([](const QUrl&) { return true; });
    EXPECT_EQ(box.lblMail()->text(), QStringLiteral("orvalis@example.org"));
    EXPECT_EQ(box.lblMail()->toolTip(), QStringLiteral("Cliquez pour envoyer un mail"));
    EXPECT_EQ(box.lblWeb()->toolTip(),
              QStringLiteral("Cliquez sur le lien pour acceder au site Web"));
    EXPECT_EQ(box.findChild<QPushButton*>(QStringLiteral("cmdBoutons"))->text(),
              QStringLiteral("&Ok"));
    EXPECT_EQ(box.size(), QSize(271, 306));
}

TEST(FrmPropos, ClickingALinkOpensItsTarget) {
    QList<QUrl> opened;
    FrmPropos box([&](const QUrl& url) {
        opened.append(url);
        return true;
    });
    box.show();
    QTest::mouseClick(box.lblMail(), Qt::LeftButton);
    QTest::mouseClick(box.lblWeb(), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("mailto:orvalis@example.org")));
    EXPECT_EQ(opened[1], QUrl(QStringLiteral("https://www.example.org/orvalis")));
    EXPECT_TRUE(box.isVisible());
}

TEST(FrmPropos, FailingOpenerShowsTheErrorAndTheBoxStaysOpen) {
    FrmPropos box([](const QUrl&) { return false; });
    box.show();
    MessageWatch watch;
    watch.arm();
    QTest::mouseClick(box.lblWeb(), Qt::LeftButton);
    EXPECT_TRUE(watch.seen);
    EXPECT_EQ(watch.text, QStringLiteral("Une erreur s'est produite"));
    EXPECT_TRUE(watch.title.isEmpty());
    EXPECT_TRUE(box.isVisible());
}

TEST(MailOrWeb, EmptyAddressIsAFailure) {
    // No string 599: nothing to open, the opener is not asked.
    bool asked = false;
    MessageWatch watch;
    watch.arm();
    EXPECT_FALSE(MailOrWeb::OpenMailOrWeb(nullptr, 599, [&](const QUrl&) {
        asked = true;
        return true;
    }));
    EXPECT_FALSE(asked);
    EXPECT_TRUE(watch.seen);
}
