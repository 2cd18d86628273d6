// The printing window.
#include "gui/FrmMsgImp.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace Journal {

FrmMsgImp::FrmMsgImp(const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_lbltextes{new QLabel(QStringLiteral("Impression du fichier journal en cours ..."), this),
                  new QLabel(this)}
    , m_cmdAnnuler(new QPushButton(QStringLiteral("Annuler"), this)) {
    setObjectName(QStringLiteral("FrmMsgImp"));
    setWindowTitle(caption.toLower());
    m_lbltextes[0]->setObjectName(QStringLiteral("lbltextes0"));
    m_lbltextes[1]->setObjectName(QStringLiteral("lbltextes1"));
    m_cmdAnnuler->setObjectName(QStringLiteral("cmdAnnuler"));
    m_cmdAnnuler->setAutoDefault(false);
    showPage(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lbltextes[0]);
    layout->addWidget(m_lbltextes[1]);
    layout->addWidget(m_cmdAnnuler, 0, Qt::AlignHCenter);
    setMinimumWidth(320);

    connect(m_cmdAnnuler, &QPushButton::clicked, this, &FrmMsgImp::reject);
}

void FrmMsgImp::showPage(int page) {
    m_lbltextes[1]->setText(QStringLiteral("Page %1").arg(page));
}

bool FrmMsgImp::cancelled() const {
    return m_cancelled;
}

void FrmMsgImp::reject() {
    m_cancelled = true;
    QDialog::reject();
}

} // namespace Journal
