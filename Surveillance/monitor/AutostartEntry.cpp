// The desktop entry and the quoting of its command line.
#include "monitor/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// The program as one quoted argument of Exec: inside the quotes '"', '`',
// '$' and '\' take a backslash, '%' is doubled; then the value's own
// escaping doubles every backslash once more.
QString execArgument(const QString& program) {
    QString quoted;
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        else if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString AutostartEntry::systemFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart"));
}

AutostartEntry::AutostartEntry(const QString& program, const QString& folder)
    : m_program(program)
    , m_folder(folder) {}

QString AutostartEntry::path() const {
    return QDir(m_folder).filePath(QStringLiteral("Tavelnor.desktop"));
}

bool AutostartEntry::exists() const {
    return QFile::exists(path());
}

bool AutostartEntry::write() const {
    if (!QDir().mkpath(m_folder))
        return false;
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Tavelnor\n"
                                         "Comment=Orvalis : Surveillance Modem\n"
                                         "Exec=%1\n"
                                         "Terminal=false\n")
                              .arg(execArgument(m_program));
    file.write(entry.toUtf8());
    return file.commit();
}

bool AutostartEntry::remove() const {
    return !exists() || QFile::remove(path());
}
