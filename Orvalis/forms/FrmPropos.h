// The About box: the program's picture, the author's mail and web links and
// the "&Ok" button.
#pragma once

#include "forms/MailOrWeb.h"

#include <QDialog>

class QLabel;

namespace Orvalis {

class FrmPropos final : public QDialog {
    Q_OBJECT

public:
    explicit FrmPropos(MailOrWeb::Opener opener = MailOrWeb::desktopOpener(),
                       QWidget* parent = nullptr);

    QLabel* lblMail() const { return m_lblMail; }
    QLabel* lblWeb() const { return m_lblWeb; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MailOrWeb::Opener m_opener;
    QLabel* m_lblMail;
    QLabel* m_lblWeb;
};

} // namespace Orvalis
