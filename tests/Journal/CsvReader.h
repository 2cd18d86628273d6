// An exported CSV read back by Python's csv module, as a spreadsheet's
// import would split it: ";" between fields, quotes around the fields that
// need them, UTF-8 text.
#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStringList>
#include <QVector>

namespace CsvReader {

inline QVector<QStringList> rows(const QByteArray& csv) {
    static const QString script =
        QStringLiteral("import csv, io, json, sys\n"
                       "text = io.TextIOWrapper(sys.stdin.buffer, encoding='utf-8', newline='')\n"
                       "print(json.dumps(list(csv.reader(text, delimiter=';', strict=True))))\n");
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), script});
    python.write(csv);
    python.closeWriteChannel();
    python.waitForFinished();
    QVector<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array())
        rows.append(row.toVariant().toStringList());
    return rows;
}

} // namespace CsvReader
