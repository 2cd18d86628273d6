// Lays out the reductions panel for what the engine shows: one indicator
// over the whole width, or three side by side.
#include "forms/ReductionPanelView.h"

#include <QGridLayout>
#include <QLabel>

namespace Orvalis {

namespace {

constexpr int Columns = 3;

QLabel* makeLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

ReductionPanelView::ReductionPanelView(QWidget* parent)
    : QWidget(parent)
    , m_grid(new QGridLayout(this))
    , m_title(makeLabel(QString(), QStringLiteral("LblTextes_10"), this)) {
    m_grid->setContentsMargins(0, 0, 0, 0);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_grid->addWidget(m_title, 0, 0, 1, Columns);

    const std::array<QString, 3> headings{
        QStringLiteral("Horaire"), QStringLiteral("Supplementaire"), QStringLiteral("Totale")};
    for (std::size_t i = 0; i < m_indicators.size(); ++i) {
        const int column = static_cast<int>(i);
        m_headings[i] =
            makeLabel(headings[i], QStringLiteral("LblTextes_%1").arg(5 + column), this);
        m_indicators[i] =
            makeLabel(QStringLiteral("0 %"), QStringLiteral("LblReduction_%1").arg(column), this);
        m_indicators[i]->setFrameShape(QFrame::Panel);
        m_indicators[i]->setFrameShadow(QFrame::Sunken);
        m_indicators[i]->setMinimumWidth(70);
        m_grid->addWidget(m_headings[i], 1, column);
        m_grid->addWidget(m_indicators[i], 2, column);
    }
    display(ReductionPanel());
}

QColor ReductionPanelView::colourOf(IndicatorColour colour) {
    return colour == IndicatorColour::Blue ? QColor(0x00, 0x00, 0xFF) : QColor(0xFF, 0x00, 0x00);
}

void ReductionPanelView::placeFirstColumn(int span) {
    m_grid->addWidget(m_headings[0], 1, 0, 1, span);
    m_grid->addWidget(m_indicators[0], 2, 0, 1, span);
}

void ReductionPanelView::display(const ReductionPanel& panel) {
    m_title->setText(panel.title);
    m_headings[1]->setText(panel.heading1);
    placeFirstColumn(panel.singleIndicator ? Columns : 1);
    for (std::size_t i = 0; i < m_indicators.size(); ++i) {
        const Indicator& indicator = panel.indicators[i];
        m_indicators[i]->setText(indicator.text);
        m_indicators[i]->setToolTip(indicator.tip);
        m_indicators[i]->setVisible(indicator.visible);
        m_headings[i]->setVisible(indicator.visible);
    }
    m_indicators[0]->setStyleSheet(QStringLiteral("background-color: %1; color: white;")
                                       .arg(colourOf(panel.hourColour).name()));
}

} // namespace Orvalis
