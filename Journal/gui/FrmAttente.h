// The wait window "Patientez..." shown above every other window while a log
// loads, with a progress bar running from 0 to 100.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace Journal {

class FrmAttente final : public QDialog {
    Q_OBJECT

public:
    explicit FrmAttente(QWidget* parent = nullptr);

    void setProgress(int percent);

private:
    QLabel* m_lblTexte;
    QProgressBar* m_ProgressBar;
};

} // namespace Journal
