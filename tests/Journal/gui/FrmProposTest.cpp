// The About box: its links go through the desktop's opener, and a missing
// address or a failing opener is reported.
#include "gui/FrmPropos.h"
#include "support/ModalAnswerer.h"

#include <gtest/gtest.h>

using namespace Journal;

TEST(FrmPropos, TheLinksOpenMailAndWeb) {
    QList<QUrl> opened;
    FrmPropos about(nullptr, [&](const QUrl& url) {
        opened.append(url);
        return true;
    });
    EXPECT_EQ(about.windowTitle(), QStringLiteral("A propos du Journal"));
    about.openMail();
    about.openWeb();
    EXPECT_EQ(opened, (QList<QUrl>{QUrl(QStringLiteral("mailto:") + FrmPropos::MailAddress),
                                   QUrl(FrmPropos::WebAddress)}));
}

TEST(FrmPropos, AFailingOpenerIsReported) {
    FrmPropos about(nullptr, [](const QUrl&) { return false; });
    ModalAnswerer answerer;
    about.openWeb();
    EXPECT_EQ(answerer.texts(), QStringList{"Une erreur s'est produite"});
}

TEST(FrmPropos, AnEmptyAddressIsReportedWithoutOpening) {
    int calls = 0;
    FrmPropos about(
        nullptr,
        [&](const QUrl&) {
            ++calls;
            return true;
        },
        QString(), QString());
    ModalAnswerer answerer;
    about.openMail();
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(answerer.texts(), QStringList{"Une erreur s'est produite"});
}
