// The type and number lists offered by the main window and the general
// configuration dialog: which entries, in which order, under which caption.
#pragma once

#include "BasOrvalis/CommunicationTexts.h"
#include "BasOrvalis/Settings.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace BasOrvalis {

class MessagePresenter;

// The communication types offered for the subscriptions held, in list order.
QVector<CommunicationType> CommunicationTypes(const Settings& settings);

// The number entries of `type`, in list order.
QStringList NumberEntries(CommunicationType type, const Settings& settings);

// The number list is disabled only while nothing is chosen.
bool NumberListEnabled(CommunicationType type);

// The caption of the number list's label for `type`.
QString NumberListCaption(CommunicationType type);

// The distance band (1..5) of a distance entry, 0 for any other text.
int DistanceBandOf(const QString& numberText);

// True when the stored default type, and with it the default number, are
// still entries of their lists (always true while no default type is set).
bool DefaultSelectionOffered(const Settings& settings);

// When the stored defaults are no longer offered: shows message 215 (lines
// 315 and 415, warning), forgets both defaults in memory (the store keeps
// them) and returns false. Returns true and changes nothing otherwise.
bool ValidateDefaultSelection(Settings& settings, MessagePresenter& messages);

} // namespace BasOrvalis
