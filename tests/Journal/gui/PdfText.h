// A printed PDF read back with poppler's pdftotext: its text, line by line,
// and its words with their boxes.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVector>

namespace PdfText {

// Each page's lines, blanks between words made single.
inline QVector<QStringList> pages(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished();
    QVector<QStringList> pages;
    const QStringList texts =
        QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    for (const QString& text : texts) {
        QStringList lines;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty())
                lines.append(line.simplified());
        }
        if (!lines.isEmpty())
            pages.append(lines);
    }
    return pages;
}

struct Word {
    int page = 0;
    double left = 0; // points from the sheet's top-left corner
    double top = 0;
    QString text;
};

inline QVector<Word> words(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished();
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(
        QStringLiteral(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    QVector<Word> found;
    int page = 0;
    for (auto match = tag.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        found.append({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    }
    return found;
}

} // namespace PdfText
