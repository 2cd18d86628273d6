// Configuration windows and the main window they stand in for.
#include "dialogs/ConfigWindow.h"

#include "dialogs/ConfigWidgets.h"

#include "common/StringTable.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

// The pictures are compiled into the dialogs' static library; their
// initialiser is declared outside any namespace.
static void initConfigResources() {
    Q_INIT_RESOURCE(config);
}

namespace Orvalis {

ConfigWindow::ConfigWindow(QWidget* mainWindow, int captionNumber)
    : QWidget(nullptr, Qt::Window)
    , m_mainWindow(mainWindow) {
    initConfigResources();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(StringTable::text(captionNumber));
    // Escape leaves the window as Annuler does.
    auto* escape = new QShortcut(QKeySequence::Cancel, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

QPushButton* ConfigWindow::layOut(QTabWidget* tabs, const QString& okName, QPushButton* leading) {
    using ConfigWidgets::Button;
    QPushButton* ok = Button(QStringLiteral("OK"),
                             QStringLiteral("Ferme et enregistre les modifications"), okName);
    QPushButton* annuler = Button(QStringLiteral("Annuler"),
                                  QStringLiteral("Ferme sans enregistrer les modifications"),
                                  QStringLiteral("CmdAnnuler"));
    connect(annuler, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    if (leading != nullptr)
        buttons->addWidget(leading);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(annuler);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);
    return ok;
}

void ConfigWindow::showEvent(QShowEvent* event) {
    if (m_mainWindow != nullptr)
        m_mainWindow->hide();
    QWidget::showEvent(event);
}

void ConfigWindow::closeEvent(QCloseEvent* event) {
    // Shown before this window goes, so that the program does not take it
    // for its last window.
    if (m_mainWindow != nullptr)
        m_mainWindow->show();
    QWidget::closeEvent(event);
}

} // namespace Orvalis
