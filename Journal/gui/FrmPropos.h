// The About box of the log viewer, with its mail and web links.
#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;

namespace Journal {

class FrmPropos final : public QDialog {
    Q_OBJECT

public:
    // Opens a link target; false when the desktop could not open it.
    using UrlOpener = std::function<bool(const QUrl&)>;

    static const QString MailAddress;
    static const QString WebAddress;

    explicit FrmPropos(QWidget* parent = nullptr, UrlOpener opener = {},
                       const QString& mailAddress = MailAddress,
                       const QString& webAddress = WebAddress);

    void openMail();
    void openWeb();

private:
    void openTarget(const QString& address, const QString& target);
    QLabel* createLink(const QString& name, const QString& address);

    UrlOpener m_opener;
    QString m_mailAddress;
    QString m_webAddress;
};

} // namespace Journal
