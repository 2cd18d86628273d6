// Where a journal is printed when the system has no printer: a PDF named
// after the journal in the user's documents folder, never over a file
// already there.
#pragma once

#include <QString>

namespace BasPrint {

// "févr.2027.pdf" for the log "FÉVR.2027.CCM", "recherche3.pdf" for the
// third search result; "févr.2027 (2).pdf", "févr.2027 (3).pdf"... when the
// folder holds the name already.
QString pdfPathFor(const QString& folder, const QString& caption);

} // namespace BasPrint
