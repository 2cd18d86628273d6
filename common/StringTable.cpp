// The string table, loaded once from its resource: one "number<TAB>text"
// entry per line, UTF-8.
#include "common/StringTable.h"

#include <QFile>
#include <QHash>

namespace StringTable {

namespace {

QHash<int, QString> load() {
    QHash<int, QString> table;
    QFile file(QStringLiteral(":/strings/Orvalis.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const int tab = line.indexOf(QLatin1Char('\t'));
        bool isNumber = false;
        const int number = line.left(tab).toInt(&isNumber);
        if (tab > 0 && isNumber)
            table.insert(number, line.mid(tab + 1));
    }
    return table;
}

} // namespace

QString text(int number) {
    static const QHash<int, QString> table = load();
    return table.value(number);
}

} // namespace StringTable
