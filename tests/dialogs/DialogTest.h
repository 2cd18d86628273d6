// Driving a configuration window as a user would: find a control by its
// name, click it, type in it, leave it with Tab.
#pragma once

#include "config/ConfigTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

// The control named `name` in `window`; the test fails when there is none.
template <typename T> T* Control(QWidget* window, const QString& name) {
    T* control = window->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
}

// The window becomes the active one, so that focus moves as on a desktop.
inline bool Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Near the left edge: a check box answers only on its box and its text.
inline void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {},
                      QPoint(std::min(8, control->width() / 2), control->height() / 2));
}

// Clicks into the box, replaces its text by typing `text` key by key.
inline void TypeInto(QLineEdit* box, const QString& text) {
    Click(box);
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

inline void TabOut(QWidget* control) {
    QTest::keyClick(control, Qt::Key_Tab);
}

// Windows closed and released.
inline void ProcessDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A configuration window opened over a main window, with its store, log
// folder, scripted answers and host in temporary places.
template <typename Dialog> class DialogFixture : public ::testing::Test {
protected:
    ~DialogFixture() override { delete m_dialog; }

    // Takes the window that Dialog::Open gave and makes it the active one.
    Dialog* opened(Dialog* dialog) {
        m_dialog = dialog;
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            EXPECT_TRUE(Activate(dialog));
        }
        return dialog;
    }
    template <typename T> T* control(const QString& name) { return Control<T>(m_dialog, name); }
    void clickButton(const QString& name) { Click(control<QPushButton>(name)); }
    // True once the dialog has closed and been released.
    bool closed() {
        ProcessDeletes();
        return m_dialog.isNull();
    }

    TemporaryFiles files;
    BasOrvalis::Settings settings;
    ScriptedMessages messages{BasOrvalis::MessageAnswer::Yes};
    CountingHost host;
    QWidget mainWindow;

private:
    QPointer<Dialog> m_dialog;
};
