// The content of the reductions panel of the main window: its title, the
// three indicators and the heading over the second one.
#pragma once

#include "BasOrvalis/CommunicationTexts.h"

#include <QString>
#include <QTime>

#include <array>

enum class IndicatorColour { Red, Blue };

struct Indicator {
    QString text = QStringLiteral("0 %");
    QString tip;
    bool visible = true;
};

struct ReductionPanel {
    // LblTextes(10).
    QString title;
    // LblReduction(0..2): 0 the hourly reduction, 1 the option's reduction or
    // the remaining package time, 2 the combined reduction.
    std::array<Indicator, 3> indicators;
    // Background of indicator 0: pure blue in the reduced-rate hours.
    IndicatorColour hourColour = IndicatorColour::Red;
    // Indicator 0 alone, widened to the whole panel with its heading in the
    // middle.
    bool singleIndicator = false;
    // LblTextes(6), the heading over indicator 1.
    QString heading1 = QStringLiteral("Supplementaire");
};

namespace TariffEngine {

// AfficherReductions: the panel laid out for a type. The option indicators
// follow the reduced rate in force; the packages show their remaining time.
// `tempsRestant` is the time left of the package shown.
ReductionPanel AfficherReductions(BasOrvalis::CommunicationType type, int diviseurReduit,
                                  const QTime& tempsRestant);

// Indicator 1 of a package: the time left, "hh:mm:ss".
void ShowRemainingTime(ReductionPanel& panel, const QTime& tempsRestant);

// The combined indicator of an option type for the rate in force; for
// Temporalis also by the length slice (0..3).
QString CombinedReduction(BasOrvalis::CommunicationType type, int diviseurReduit,
                          int temporalisSlice = 0);

// The option indicator of Temporalis for a length slice (0..3).
QString TemporalisReduction(int slice);

// Indicator 0: "50 %" on blue in the reduced-rate hours, "0 %" on red.
void ShowHourReduction(ReductionPanel& panel, int diviseurReduit);

} // namespace TariffEngine
