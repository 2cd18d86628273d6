// The run-at-logon entry: a desktop entry whose Exec starts the program
// whatever its folder's name.
#include "monitor/AutostartEntry.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString execLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("Exec="))
            return QString::fromUtf8(line.mid(5));
    }
    return QString();
}

} // namespace

TEST(AutostartEntry, StartsTheProgramQuotedAsOneArgument) {
    struct ExecCase {
        QString program;
        QString exec;
    };
    const QList<ExecCase> cases{
        {"/home/zoé/Mes programmes/Tavelnor", R"("/home/zoé/Mes programmes/Tavelnor")"},
        {R"(/tmp/a"b`c$d\e%f/Tavelnor)", R"("/tmp/a\\"b\\`c\\$d\\\\e%%f/Tavelnor")"},
    };
    QTemporaryDir folder;
    for (const ExecCase& c : cases) {
        AutostartEntry entry(c.program, folder.filePath(QStringLiteral("autostart")));
        ASSERT_TRUE(entry.write());
        EXPECT_EQ(entry.path(), folder.filePath(QStringLiteral("autostart/Tavelnor.desktop")));
        EXPECT_EQ(execLine(entry.path()), c.exec);
    }
}
