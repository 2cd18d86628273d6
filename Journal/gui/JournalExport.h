// "Exporter...": a journal written to a file of the user's choice, as CSV
// for a spreadsheet or as PDF through the printing of journals.
#pragma once

#include <QString>

class QWidget;
class SettingsStore;

namespace Journal {

class FrmJournal;
class JournalPrinter;

class JournalExport final {
public:
    // `parent` owns the dialogs and messages; the tariffs of `store` settle
    // a start that lost its morning or evening, as in the statistics.
    JournalExport(JournalPrinter& printer, const SettingsStore& store, QWidget* parent);

    // Asks for the file and its format, then writes the rows the journal holds now.
    void exportJournal(FrmJournal* journal);

private:
    QString chooseFile(const QString& caption, QString* filter) const;
    void writeCsv(const FrmJournal& journal, const QString& path);

    JournalPrinter& m_printer;
    const SettingsStore& m_store;
    QWidget* m_parent;
};

} // namespace Journal
