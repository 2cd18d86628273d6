// Where a journal is printed when the system has no printer: a PDF named
// after the journal in the user's documents folder, never over a file
// already there.
#pragma once

#include <QString>

namespace BasPrint {

// The journal's name without its extension, in lower case: "févr.2027" for
// the log "FÉVR.2027.CCM", "recherche3" for the third search result.
QString documentName(const QString& caption);

// The document's name and ".pdf": "févr.2027.pdf"; "févr.2027 (2).pdf",
// "févr.2027 (3).pdf"... when the folder holds the name already.
QString pdfPathFor(const QString& folder, const QString& caption);

} // namespace BasPrint
