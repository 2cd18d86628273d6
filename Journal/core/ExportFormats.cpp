// The export formats and their file names.
#include "core/ExportFormats.h"

#include <QFileInfo>

namespace BasJournal::ExportFormats {

QStringList filters() {
    return {QStringLiteral("Fichier CSV (*.csv)"), QStringLiteral("Document PDF (*.pdf)")};
}

ExportFormat formatOfFilter(const QString& filter) {
    return filter == filters().at(int(ExportFormat::Pdf)) ? ExportFormat::Pdf : ExportFormat::Csv;
}

QString suffix(ExportFormat format) {
    return format == ExportFormat::Pdf ? QStringLiteral("pdf") : QStringLiteral("csv");
}

ExportFormat formatOf(const QString& path, ExportFormat chosenFilter) {
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const ExportFormat format : {ExportFormat::Csv, ExportFormat::Pdf}) {
        if (extension == suffix(format))
            return format;
    }
    return chosenFilter;
}

} // namespace BasJournal::ExportFormats
