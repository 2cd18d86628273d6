// The caption search shared by the calculator and the monitor: top-level
// windows whose caption matches a Like pattern, case-sensitive.
#pragma once

#include "platform/x11/WindowSearch.h"

#include <QList>
#include <QString>

namespace CaptionSearch {

QList<WindowSearch::WindowId> FindWindowsByCaption(const QString& pattern);

} // namespace CaptionSearch
