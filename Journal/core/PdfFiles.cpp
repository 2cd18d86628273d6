// Names of the PDF files printed journals go to.
#include "core/PdfFiles.h"

#include "core/ResultCaptions.h"

#include <QDir>
#include <QFileInfo>

namespace BasPrint {

QString documentName(const QString& caption) {
    QString name = BasJournal::ResultCaptions::isResultCaption(caption)
                       ? BasJournal::ResultCaptions::proposedFileName(caption)
                       : caption;
    if (name.endsWith(QLatin1String(".ccm"), Qt::CaseInsensitive))
        name.chop(4);
    return name.toLower();
}

QString pdfPathFor(const QString& folder, const QString& caption) {
    const QDir dir(folder);
    const QString name = documentName(caption);
    QString path = dir.filePath(name + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(name).arg(n));
    return path;
}

} // namespace BasPrint
