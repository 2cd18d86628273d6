// The About box: program picture, title, links, and the OK image.
#include "gui/FrmPropos.h"

#include "gui/JournalIcons.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace Journal {

const QString FrmPropos::MailAddress = QStringLiteral("journal@orvalis.example");
const QString FrmPropos::WebAddress = QStringLiteral("https://www.orvalis.example/");

FrmPropos::FrmPropos(QWidget* parent, UrlOpener opener, const QString& mailAddress,
                     const QString& webAddress)
    : QDialog(parent)
    , m_opener(opener ? std::move(opener) : UrlOpener(&QDesktopServices::openUrl))
    , m_mailAddress(mailAddress)
    , m_webAddress(webAddress) {
    setObjectName(QStringLiteral("FrmPropos"));
    setWindowTitle(QStringLiteral("A propos du Journal"));
    setWindowIcon(JournalIcons::programIcon());

    auto* picture = new QLabel(this);
    picture->setPixmap(JournalIcons::programIcon().pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);

    auto* title =
        new QLabel(QStringLiteral("<b>Orvalis - Journal</b><br>Journal de suivi des communications "
                                  "téléphoniques<br>Version %1")
                       .arg(QCoreApplication::applicationVersion()),
                   this);

    QLabel* lblMail = createLink(QStringLiteral("lblMail"), m_mailAddress);
    connect(lblMail, &QLabel::linkActivated, this, &FrmPropos::openMail);
    QLabel* lblWeb = createLink(QStringLiteral("lblWeb"), m_webAddress);
    connect(lblWeb, &QLabel::linkActivated, this, &FrmPropos::openWeb);

    auto* imgOk = new QPushButton(QStringLiteral("OK"), this);
    imgOk->setObjectName(QStringLiteral("imgOk"));
    imgOk->setCursor(Qt::PointingHandCursor);
    imgOk->setDefault(true);
    connect(imgOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addSpacing(8);
    texts->addWidget(lblMail);
    texts->addWidget(lblWeb);
    texts->addStretch();
    texts->addWidget(imgOk, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(texts);
}

QLabel* FrmPropos::createLink(const QString& name, const QString& address) {
    auto* link = new QLabel(this);
    link->setObjectName(name);
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setText(QStringLiteral("<a href=\"#\">%1</a>").arg(address.toHtmlEscaped()));
    link->setCursor(Qt::PointingHandCursor);
    return link;
}

void FrmPropos::openMail() {
    openTarget(m_mailAddress, QStringLiteral("mailto:") + m_mailAddress);
}

void FrmPropos::openWeb() {
    openTarget(m_webAddress, m_webAddress);
}

void FrmPropos::openTarget(const QString& address, const QString& target) {
    const bool opened = !address.trimmed().isEmpty() && m_opener(QUrl(target));
    if (!opened)
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Une erreur s'est produite"),
                             QMessageBox::Ok);
}

} // namespace Journal
