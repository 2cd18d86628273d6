// The private cupsd and its cups-pdf queue.
#include "e2e/PrivateCups.h"
#include "e2e/PrivateMounts.h"

#include "e2e/CalculatorRun.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <grp.h>
#include <unistd.h>

namespace {

const QString Cupsd = QStringLiteral("/usr/sbin/cupsd");
const QString Backend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString SystemPdfConfig = QStringLiteral("/etc/cups/cups-pdf.conf");
const QString Ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString Queue = QStringLiteral("Orvalis-PDF");

bool writeFile(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

PrivateCups::PrivateCups() {
    // The filters run as the user lp: they must reach the spool and write
    // in the temporary folder.
    QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadGroup | QFile::ExeGroup |
                                               QFile::ReadOther | QFile::ExeOther);
}

PrivateCups::~PrivateCups() {
    CalculatorRun::stop(m_cupsd);
}

QString PrivateCups::unavailableBecause() {
    if (::geteuid() != 0)
        return QStringLiteral("cupsd and the cups-pdf backend run only as root");
    // The private cups-pdf.conf covers the system's in a mount namespace.
    return PrivateMounts::unavailableReason();
}

QString PrivateCups::path(const QString& relative) const {
    return QDir(m_folder.path()).filePath(relative);
}

QString PrivateCups::server() const {
    return path(QStringLiteral("cups.sock"));
}

bool PrivateCups::run(const QString& program, const QStringList& arguments, QString* output) const {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), server());
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ran = process.waitForFinished(30000) &&
                     process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    *output = QString::fromUtf8(process.readAll()).trimmed();
    if (!ran)
        *output = program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) +
                  QStringLiteral(": ") + *output;
    return ran;
}

bool PrivateCups::start(QString* error) {
    for (const QString& needed : {Cupsd, Backend, SystemPdfConfig, Ppd}) {
        if (!QFileInfo::exists(needed)) {
            *error = needed + QStringLiteral(" is missing (scripts/lib/deps.sh installs it)");
            return false;
        }
    }
    const QDir folder(m_folder.path());
    for (const char* sub :
         {"conf", "spool", "tmp", "cache", "state", "log", "ssl", "pdf-spool", "out"})
        folder.mkpath(QLatin1String(sub));
    // Written by the filters, as lp.
    if (const group* lp = ::getgrnam("lp")) {
        [[maybe_unused]] const int changed = ::chown(QFile::encodeName(path("tmp")), 0, lp->gr_gid);
        QFile::setPermissions(path(QStringLiteral("tmp")), QFile::ReadOwner | QFile::WriteOwner |
                                                               QFile::ExeOwner | QFile::ReadGroup |
                                                               QFile::WriteGroup | QFile::ExeGroup);
    }
    const bool written =
        writeFile(path(QStringLiteral("conf/cupsd.conf")),
                  QStringLiteral("Listen %1\n"
                                 "Browsing No\n"
                                 "DefaultAuthType None\n"
                                 "LogLevel info\n"
                                 "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                 "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                 "  </Limit>\n</Policy>\n")
                      .arg(server())) &&
        writeFile(path(QStringLiteral("conf/cups-files.conf")),
                  QStringLiteral("ServerRoot %1/conf\n"
                                 "RequestRoot %1/spool\n"
                                 "TempDir %1/tmp\n"
                                 "CacheDir %1/cache\n"
                                 "StateDir %1/state\n"
                                 "ServerKeychain %1/ssl\n"
                                 "Printcap %1/printcap\n"
                                 "AccessLog %1/log/access_log\n"
                                 "ErrorLog %1/log/error_log\n"
                                 "PageLog %1/log/page_log\n")
                      .arg(m_folder.path())) &&
        writeFile(
            path(QStringLiteral("cups-pdf.conf")),
            QStringLiteral("Out %1/out\nSpool %1/pdf-spool\nLog %1/log\n").arg(m_folder.path()));
    if (!written) {
        *error =
            QStringLiteral("the configuration of cupsd could not be written in ") + m_folder.path();
        return false;
    }

    m_cupsd.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_cupsd.start(
        QStringLiteral("unshare"),
        {QStringLiteral("-m"), QStringLiteral("--propagation"), QStringLiteral("private"),
         QStringLiteral("sh"), QStringLiteral("-c"),
         QStringLiteral("mount --bind \"$1\" \"$2\" && exec \"$3\" -f -c \"$4\" -s \"$5\""),
         QStringLiteral("sh"), path(QStringLiteral("cups-pdf.conf")), SystemPdfConfig, Cupsd,
         path(QStringLiteral("conf/cupsd.conf")), path(QStringLiteral("conf/cups-files.conf"))});
    const QDeadlineTimer deadline(20000);
    QString notYet;
    while (!run(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &notYet) ||
           notYet != QLatin1String("scheduler is running")) {
        if (m_cupsd.state() == QProcess::NotRunning || deadline.hasExpired()) {
            *error = QStringLiteral("cupsd did not start: ") + notYet;
            return false;
        }
        QThread::msleep(100);
    }
    // Printed as PostScript through pdftocairo, the PDF keeps its text.
    return run(QStringLiteral("lpadmin"),
               {QStringLiteral("-p"), Queue, QStringLiteral("-E"), QStringLiteral("-v"),
                QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), Ppd, QStringLiteral("-o"),
                QStringLiteral("pdftops-renderer-default=pdftocairo")},
               error) &&
           run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), Queue}, error);
}

QStringList PrivateCups::printedPdfs(int timeoutMs) const {
    const QDir out(path(QStringLiteral("out")));
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QString jobs;
        const QStringList pdfs = out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        if (!pdfs.isEmpty() && run(QStringLiteral("lpstat"), {QStringLiteral("-o")}, &jobs) &&
            jobs.isEmpty()) {
            QStringList paths;
            for (const QString& pdf : pdfs)
                paths.append(out.filePath(pdf));
            return paths;
        }
        QThread::msleep(200);
    }
    return {};
}
