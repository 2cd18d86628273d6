// Controls of the configuration windows.
#include "dialogs/ConfigWidgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace ConfigWidgets {

QString Indexed(const char* control, int index) {
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(control)).arg(index);
}

QLabel* Label(const QString& text, const QString& name) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

QLabel* HelpText(const QString& text, const QString& name) {
    QLabel* label = Label(text, name);
    label->setWordWrap(true);
    return label;
}

QLabel* Picture(const QString& resource, int size, const QString& name) {
    QLabel* label = Label(QString(), name);
    label->setPixmap(QIcon(resource).pixmap(size, size));
    label->setFixedSize(size, size);
    return label;
}

QPushButton* Button(const QString& text, const QString& tip, const QString& name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* Box(const QString& tip, const QString& name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setToolTip(tip);
    return box;
}

QGroupBox* Frame(const QString& title, const QString& name) {
    auto* frame = new QGroupBox(title);
    frame->setObjectName(name);
    return frame;
}

QCheckBox* Check(const QString& text, const QString& tip, const QString& name) {
    auto* check = new QCheckBox(text);
    check->setObjectName(name);
    check->setToolTip(tip);
    return check;
}

QComboBox* List(const QString& tip, const QString& name) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setToolTip(tip);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

QTabWidget* Tabs() {
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("SSTab"));
    // Every caption stays in view: no tab is hidden behind scroll arrows.
    tabs->setUsesScrollButtons(false);
    tabs->tabBar()->setElideMode(Qt::ElideNone);
    return tabs;
}

bool FocusLostWithin(const QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

void PaintBox(QLineEdit* box, bool typing) {
    QPalette palette = box->palette();
    const QPalette standard = QApplication::palette(box);
    const QColor colour = standard.color(typing ? QPalette::Base : QPalette::Button);
    palette.setColor(QPalette::Active, QPalette::Base, colour);
    palette.setColor(QPalette::Inactive, QPalette::Base, colour);
    palette.setColor(QPalette::Disabled, QPalette::Base, standard.color(QPalette::Button));
    box->setPalette(palette);
}

} // namespace ConfigWidgets
