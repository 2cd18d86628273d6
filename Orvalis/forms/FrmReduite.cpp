// The compact window mirrors the main window's displays; a double click
// anywhere, or a click on the total, closes it.
#include "forms/FrmReduite.h"

#include "BasOrvalis/SettingsKeys.h"
#include "common/StringTable.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace Orvalis {

using namespace BasOrvalis;

namespace {

QLabel* makeLabel(const QString& name, const QString& text, const QString& tip, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setToolTip(tip);
    return label;
}

// A stored edge in twips, or `fallback` pixels when absent or unreadable.
int storedPixels(const SettingsStore& store, const QString& key, int fallback) {
    bool ok = false;
    const int twips = store.read(Sections::Parametres, key).toInt(&ok);
    return ok ? Twips::toPixels(twips) : fallback;
}

} // namespace

FrmReduite::FrmReduite(SettingsStore& store, Displays displays, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_store(store)
    , m_displays(std::move(displays))
    , m_LblAffichageCout(makeLabel(QStringLiteral("LblAffichageCout"), QStringLiteral("0"),
                                   QStringLiteral("Coût de l'appel"), this))
    , m_LblAffichageDuree(makeLabel(QStringLiteral("LblAffichageDuree"), QStringLiteral("00:00:00"),
                                    QStringLiteral("Durée de l'appel"), this))
    , m_LblAffichageTotal(makeLabel(QStringLiteral("LblAffichageTotal"), QStringLiteral("0"),
                                    QStringLiteral("Coût Total des appels"), this)) {
    setObjectName(QStringLiteral("FrmReduite"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing it brings the main window back; it never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(StringTable::text(102));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    m_LblAffichageCout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_LblAffichageDuree->setAlignment(Qt::AlignCenter);
    m_LblAffichageTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(m_LblAffichageCout, 1);
    row->addWidget(makeLabel(QStringLiteral("LblTextes_0"), QStringLiteral("F"), QString(), this));
    row->addWidget(m_LblAffichageDuree, 1);
    row->addWidget(m_LblAffichageTotal, 1);
    row->addWidget(makeLabel(QStringLiteral("LblTextes_1"), QStringLiteral("F"), QString(), this));
    // 3405 twips wide at design; the height follows the font.
    setFixedWidth(Twips::toPixels(3405));
    m_LblAffichageTotal->installEventFilter(this);

    m_Timer1.setObjectName(QStringLiteral("Timer1"));
    m_Timer1.setInterval(900);
    connect(&m_Timer1, &QTimer::timeout, this, &FrmReduite::Timer1_Timer);
    m_Timer1.start();
    Timer1_Timer();
    adjustSize();
    move(storedPosition());
}

QPoint FrmReduite::storedPosition() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 0;
    // "Pos.H" holds the top edge and "Pos.V" the left one.
    const int top = storedPixels(m_store, Keys::FenetreReduitePosH, 0);
    const int left = storedPixels(m_store, Keys::FenetreReduitePosV, screenWidth - width());
    return QPoint(left, top);
}

void FrmReduite::Timer1_Timer() {
    const std::array<QString, 3> texts = m_displays();
    m_LblAffichageCout->setText(texts[0]);
    m_LblAffichageDuree->setText(texts[1]);
    m_LblAffichageTotal->setText(texts[2]);
}

void FrmReduite::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    close();
}

bool FrmReduite::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_LblAffichageTotal && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmReduite::closeEvent(QCloseEvent* event) {
    m_Timer1.stop();
    m_store.write(Sections::Parametres, Keys::FenetreReduitePosV,
                  QString::number(Twips::fromPixels(pos().x())));
    m_store.write(Sections::Parametres, Keys::FenetreReduitePosH,
                  QString::number(Twips::fromPixels(pos().y())));
    event->accept();
    emit closed();
}

} // namespace Orvalis
