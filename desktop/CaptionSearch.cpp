// Like patterns over the X11 window search.
#include "desktop/CaptionSearch.h"

#include "common/LikePattern.h"

namespace CaptionSearch {

QList<WindowSearch::WindowId> FindWindowsByCaption(const QString& pattern) {
    const LikePattern like(pattern, Qt::CaseSensitive);
    return WindowSearch::FindWindows(
        [&like](const QString& caption) { return like.matches(caption); });
}

} // namespace CaptionSearch
