// The About box over its 271 x 306 picture; a click on a link opens it.
#include "forms/FrmPropos.h"

#include "common/StringTable.h"
#include "forms/PointerCursor.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace Orvalis {

namespace {

QLabel* makeLink(const char* name, const QString& placeholder, int number, const QString& tip,
                 QWidget* parent) {
    const QString address = StringTable::text(number);
    auto* label = new QLabel(address.isEmpty() ? placeholder : address, parent);
    label->setObjectName(QLatin1String(name));
    label->setToolTip(tip);
    label->setCursor(PointerCursor::hand());
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    label->setPalette(palette);
    return label;
}

} // namespace

FrmPropos::FrmPropos(MailOrWeb::Opener opener, QWidget* parent)
    : QDialog(parent)
    , m_opener(std::move(opener))
    , m_lblMail(makeLink("lblMail", QStringLiteral("E-Mail"), MailOrWeb::MailNumber,
                         QStringLiteral("Cliquez pour envoyer un mail"), this))
    , m_lblWeb(makeLink("lblWeb", QStringLiteral("Web"), MailOrWeb::WebNumber,
                        QStringLiteral("Cliquez sur le lien pour acceder au site Web"), this)) {
    setObjectName(QStringLiteral("FrmPropos"));
    setWindowTitle(StringTable::text(105));
    setModal(true);
    setFixedSize(271, 306);

    auto* column = new QVBoxLayout(this);
    column->addStretch(1);
    column->addWidget(m_lblMail);
    column->addWidget(m_lblWeb);
    auto* cmdBoutons = new QPushButton(QStringLiteral("&Ok"), this);
    cmdBoutons->setObjectName(QStringLiteral("cmdBoutons"));
    cmdBoutons->setCursor(PointerCursor::hand());
    cmdBoutons->setDefault(true);
    column->addWidget(cmdBoutons, 0, Qt::AlignHCenter);
    connect(cmdBoutons, &QPushButton::clicked, this, &QDialog::accept);

    m_lblMail->installEventFilter(this);
    m_lblWeb->installEventFilter(this);
}

void FrmPropos::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QSvgRenderer picture(QStringLiteral(":/Orvalis/Propos.svg"));
    picture.render(&painter, rect());
}

bool FrmPropos::eventFilter(QObject* watched, QEvent* event) {
    const bool click = event->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (click && (watched == m_lblMail || watched == m_lblWeb)) {
        // On failure the message has been shown; the box stays open.
        MailOrWeb::OpenMailOrWeb(
            this, watched == m_lblMail ? MailOrWeb::MailNumber : MailOrWeb::WebNumber, m_opener);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace Orvalis
