// The printing window: the journal being printed, the page being laid out
// and "Annuler", which abandons the document. It stays above every other
// window and does not block the program.
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace Journal {

class FrmMsgImp final : public QDialog {
    Q_OBJECT

public:
    // `caption` is the printed window's caption.
    explicit FrmMsgImp(const QString& caption, QWidget* parent = nullptr);

    // "Page " followed by the page being printed.
    void showPage(int page);
    // "Annuler" was pressed or the window was closed.
    bool cancelled() const;

protected:
    // "Annuler", Escape and the window's close button.
    void reject() override;

private:
    // 0 "Impression du fichier journal en cours ...", 1 the page.
    std::array<QLabel*, 2> m_lbltextes;
    QPushButton* m_cmdAnnuler;
    bool m_cancelled = false;
};

} // namespace Journal
