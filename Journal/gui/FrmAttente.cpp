// The wait window of a log load.
#include "gui/FrmAttente.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace Journal {

FrmAttente::FrmAttente(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint)
    , m_lblTexte(new QLabel(QStringLiteral("Chargement des données en cours ..."), this))
    , m_ProgressBar(new QProgressBar(this)) {
    setObjectName(QStringLiteral("FrmAttente"));
    setWindowTitle(QStringLiteral("Patientez..."));
    m_lblTexte->setObjectName(QStringLiteral("lblTexte"));
    m_ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    m_ProgressBar->setRange(0, 100);
    m_ProgressBar->setValue(0);
    m_ProgressBar->setMinimumWidth(320);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblTexte);
    layout->addWidget(m_ProgressBar);
}

void FrmAttente::setProgress(int percent) {
    m_ProgressBar->setValue(percent);
}

} // namespace Journal
