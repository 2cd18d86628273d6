// The formats "Exporter..." writes a journal in, as its file dialog offers
// them: the rows as CSV for a spreadsheet, or the printed pages as PDF.
#pragma once

#include <QString>
#include <QStringList>

namespace BasJournal {

enum class ExportFormat { Csv, Pdf };

namespace ExportFormats {

// The file dialog's filters, in the order of the formats.
QStringList filters();
ExportFormat formatOfFilter(const QString& filter);
// "csv", "pdf".
QString suffix(ExportFormat format);
// The format the extension of the chosen file names, else the chosen filter's.
ExportFormat formatOf(const QString& path, ExportFormat chosenFilter);

} // namespace ExportFormats
} // namespace BasJournal
