// The log folder as the viewer sees it: logs are known by bare file names
// matched without regard to case, and nothing outside the folder is touched.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace BasJournal {

class LogFolder final {
public:
    explicit LogFolder(const QString& folder);

    QString folder() const;

    // A bare file name: no path separator, no "..", not empty.
    static bool isAcceptableName(const QString& name);
    // The message shown when a name is refused.
    static QString refusalText(const QString& name);
    // The caption of the window showing a log, which is also its identity.
    static QString captionFor(const QString& name);
    // True when a window captioned `caption` shows the log `name`.
    static bool captionShows(const QString& caption, const QString& name);
    // The name of the current month's log as the calculator writes it.
    static QString currentMonthName(const QDate& today, const QLocale& locale = QLocale());

    // The path of the log in the folder, an existing entry of any case first.
    // `name` must be acceptable.
    QString pathOf(const QString& name) const;
    bool exists(const QString& name) const;
    // The logs of the folder, by their names on disk: every ".ccm" file,
    // whatever the case of its name.
    QStringList logNames() const;
    // Creates the log empty when the folder holds no entry of that name in any
    // case; an existing log is left untouched. False with *error on failure.
    bool createIfMissing(const QString& name, QString* error = nullptr) const;

    // Gives the log `fileName` (its name on disk) the name `wanted`, with
    // ".ccm" added when it has another extension, and returns the name taken.
    // Refused, with the reason in *error and an empty result, for an empty
    // name, a name that is not a bare file name, or the name of another file
    // of the folder in any case; the log's own name in another case is taken.
    QString renameLog(const QString& fileName, const QString& wanted, QString* error) const;
    // Deletes the log `fileName`; false with *error when it cannot.
    bool removeLog(const QString& fileName, QString* error) const;

private:
    QString m_folder;
};

} // namespace BasJournal
