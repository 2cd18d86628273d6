// The icon and its menu, wired to the watcher and the menu's rules.
#include "tray/FrmSurveillance.h"

#include "monitor/CalculatorFinder.h"
#include "monitor/ConnectionWatcher.h"
#include "monitor/MonitorMenu.h"
#include "monitor/MonitorNotices.h"

#include "BasOrvalis/MessageText.h"
#include "BasOrvalis/MonthlyBudget.h"
#include "common/StringTable.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

namespace Surveillance {

namespace {

QString picture(const char* name) {
    return QStringLiteral(":/Surveillance/%1.svg").arg(QLatin1String(name));
}

QIcon faceOf(TrayState state) {
    switch (state) {
    case TrayState::Connected:
        return QIcon(picture("Connecte"));
    case TrayState::Disconnected:
        return QIcon(picture("Deconnecte"));
    case TrayState::Off:
        return QIcon(picture("Desactive"));
    }
    Q_UNREACHABLE();
}

// The blue tick of a checked option, and nothing at all when unchecked,
// enabled or not: pixmaps both, so that no state falls back on the tick.
QIcon tick() {
    constexpr int Side = 16;
    QIcon icon;
    icon.addPixmap(QIcon(picture("Coche")).pixmap(Side, Side), QIcon::Normal, QIcon::On);
    QPixmap blank(Side, Side);
    blank.fill(Qt::transparent);
    icon.addPixmap(blank, QIcon::Normal, QIcon::Off);
    return icon;
}

} // namespace

FrmSurveillance::FrmSurveillance(MonitorMenu& menu, ConnectionWatcher& watcher,
                                 CalculatorFinder& finder, QObject* parent)
    : QObject(parent)
    , m_menu(menu)
    , m_watcher(watcher)
    , m_finder(finder) {
    createMenu();
    m_trayIcon.setContextMenu(&m_MnuContextuel);
    connect(&m_trayIcon, &QSystemTrayIcon::activated, this, &FrmSurveillance::trayActivated);
    connect(&m_watcher, &ConnectionWatcher::stateChanged, this, [this](TrayState state) {
        UpdateTrayIcon(state);
        updateMenu();
    });
    connect(&m_watcher, &ConnectionWatcher::notTimed, this, [this](NotTimedReason reason) {
        notify(MonitorNotices::notTimedTitle(), MonitorNotices::notTimedText(reason),
               QSystemTrayIcon::Warning);
    });
    UpdateTrayIcon(m_watcher.state());
}

void FrmSurveillance::Form_Load() {
    SetMenuBitmaps();
    updateMenu();
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_trayIcon.show();
    } else {
        std::fprintf(stderr, "%s\n", qUtf8Printable(MonitorNotices::noTrayLine(m_menu)));
        // On X11 a notification area that comes later takes the icon.
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            m_trayIcon.show();
    }
    m_watcher.start();
}

void FrmSurveillance::createMenu() {
    m_MnuContextuel.setTitle(MonitorMenu::Title);
    for (int index = 0; index < MonitorMenu::ItemCount; ++index) {
        QAction* item = MonitorMenu::isSeparator(index)
                            ? m_MnuContextuel.addSeparator()
                            : m_MnuContextuel.addAction(m_menu.caption(index));
        item->setObjectName(QStringLiteral("MnuOptions(%1)").arg(index));
        item->setCheckable(MonitorMenu::isOption(index));
        if (!MonitorMenu::isSeparator(index))
            connect(item, &QAction::triggered, this, [this, index] { MnuOptions_Click(index); });
        m_MnuOptions[static_cast<std::size_t>(index)] = item;
    }
    m_MnuContextuel.setDefaultAction(MnuOptions(MonitorMenu::OuvrirOrvalis));
    connect(&m_MnuContextuel, &QMenu::aboutToShow, this, &FrmSurveillance::updateMenu);
}

void FrmSurveillance::SetMenuBitmaps() {
    MnuOptions(MonitorMenu::OuvrirOrvalis)->setIcon(faceOf(TrayState::Disconnected));
    const QIcon checkedPicture = tick();
    for (int index = MonitorMenu::StartW95; index <= MonitorMenu::StartReduit; ++index)
        MnuOptions(index)->setIcon(checkedPicture);
}

void FrmSurveillance::updateMenu() {
    for (int index = 0; index < MonitorMenu::ItemCount; ++index) {
        if (MonitorMenu::isSeparator(index))
            continue;
        QAction* item = MnuOptions(index);
        item->setText(m_menu.caption(index));
        item->setChecked(m_menu.checked(index));
        item->setEnabled(m_menu.enabled(index));
    }
}

void FrmSurveillance::UpdateTrayIcon(TrayState state) {
    const QIcon face = faceOf(state);
    QApplication::setWindowIcon(face);
    m_trayIcon.setIcon(face);
    m_trayIcon.setToolTip(trayTip(state));
}

void FrmSurveillance::MnuOptions_Click(int index) {
    if (index == MonitorMenu::Quitter) {
        QCoreApplication::quit();
        return;
    }
    m_menu.MnuOptions_Click(index);
    updateMenu();
}

void FrmSurveillance::showBudgetWarning(int share, double spent, double budget) {
    const BasOrvalis::ShownMessage message = BasOrvalis::BudgetMessage({share, spent, budget});
    notify(StringTable::text(message.title),
           BasOrvalis::MessageText(message.line, message.second, message.arguments),
           QSystemTrayIcon::Warning);
}

void FrmSurveillance::notify(const QString& title, const QString& text,
                             QSystemTrayIcon::MessageIcon icon) {
    if (m_trayIcon.isVisible() && QSystemTrayIcon::isSystemTrayAvailable()) {
        m_trayIcon.showMessage(title, text, icon);
        return;
    }
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "Tavelnor : %s\n", qUtf8Printable(line));
}

void FrmSurveillance::trayActivated(QSystemTrayIcon::ActivationReason reason) {
    // A double click starts the calculator without looking for a running
    // one; a second copy leaves by itself. The right button opens the menu.
    if (reason == QSystemTrayIcon::DoubleClick)
        m_finder.startCalculator();
}

} // namespace Surveillance
