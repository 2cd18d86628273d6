// ShowMessage in a message box: title and lines from the string table,
// buttons and icon from the style, the answer code back.
#include "forms/MessageBoxPresenter.h"
#include "forms/BusyGate.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Orvalis;

using namespace BasOrvalis;

namespace {

struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool gateBusy = false;
};

// Presses `button` in the next message box and notes what it showed.
void answerNextBox(QMessageBox::StandardButton button, Seen& seen, const BusyGate& gate) {
    QTimer::singleShot(0, [button, &seen, &gate] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->icon(), gate.busy()};
        box->button(button)->click();
    });
}

} // namespace

TEST(MessageBoxPresenter, AnswersWithTheCalculatorsCodes) {
    BusyGate gate;
    MessageBoxPresenter presenter(nullptr, gate);
    Seen seen;

    answerNextBox(QMessageBox::Yes, seen, gate);
    EXPECT_EQ(presenter.ShowMessage(203, MessageStyle::YesNo + MessageStyle::Question, 303, 0),
              MessageAnswer::Yes);
    EXPECT_EQ(seen.title, QStringLiteral("Remise à zéro Total"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_TRUE(seen.gateBusy);

    answerNextBox(QMessageBox::No, seen, gate);
    EXPECT_EQ(presenter.ShowMessage(203, MessageStyle::YesNo + MessageStyle::Exclamation, 303, 0),
              MessageAnswer::No);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);

    answerNextBox(QMessageBox::Ok, seen, gate);
    EXPECT_EQ(presenter.ShowMessage(213, MessageStyle::Exclamation, 313, 0), MessageAnswer::Ok);
    EXPECT_EQ(seen.title, QStringLiteral("Erreur Calcul"));
    EXPECT_FALSE(gate.busy());
}

// A notice leaves the window free: it is shown, not waited for. Its
// values fill its line.
TEST(MessageBoxPresenter, ANoticeHoldsNothingUp) {
    BusyGate gate;
    MessageBoxPresenter presenter(nullptr, gate);
    presenter.ShowNotice(232, MessageStyle::Exclamation, 332, 0, {"8,25", "10,00"});
    EXPECT_FALSE(gate.busy());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QMessageBox* shown = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            shown = box;
    }
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("Budget mensuel"));
    EXPECT_EQ(shown->text(), QStringLiteral("Ce mois-ci, vos communications ont coûté 8,25\u00a0F, "
                                            "soit 80\u00a0% de votre budget mensuel de "
                                            "10,00\u00a0F."));
    shown->button(QMessageBox::Ok)->click();
}
