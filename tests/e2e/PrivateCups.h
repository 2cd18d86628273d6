// A print server of the test's own: a cupsd with its own configuration,
// spool and socket, whose default queue is a cups-pdf printer writing its PDF
// into a folder of the test. The machine's CUPS is left alone: cupsd runs in
// a mount namespace of its own, where a private cups-pdf.conf covers the
// system's (cups-pdf reads its output folder from nowhere else).
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class PrivateCups final {
public:
    PrivateCups();
    // Stops cupsd, its jobs and its namespace.
    ~PrivateCups();
    Q_DISABLE_COPY_MOVE(PrivateCups)

    // Why no private cupsd can run here (not root, no mount namespace), or
    // nothing.
    static QString unavailableBecause();

    // Starts cupsd and adds the default queue; false with the reason.
    bool start(QString* error);
    // What the clients name as their server (CUPS_SERVER).
    QString server() const;
    // The PDF files written by the queue once every job has ended, or none
    // after `timeoutMs`.
    QStringList printedPdfs(int timeoutMs) const;

private:
    // Runs a client of the server; false with what it said when it fails.
    bool run(const QString& program, const QStringList& arguments, QString* output) const;
    QString path(const QString& relative) const;

    QTemporaryDir m_folder;
    QProcess m_cupsd;
};
