#pragma once

// A CUPS server of a test's own: its configuration, spool and socket in a
// temporary folder, started and stopped by the test, with the admin tools
// and job look-ups pointed at it; and where its cups-pdf queues write. Needs
// root, as cupsd and cups-pdf do.

#include "printcheck.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cups/cups.h>
#include <pwd.h>
#include <unistd.h>

namespace fendrimo::testing {

inline QString systemProgram(const QString& name)
{
    return QStandardPaths::findExecutable(
        name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
               QStringLiteral("/usr/local/sbin"), QStringLiteral("/usr/local/bin")});
}

inline bool writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

// Where cups-pdf puts the jobs of this user: "Out" of its settings, with
// ${HOME} and ${USER} of the job's owner.
inline QString cupsPdfFolder()
{
    const passwd* user = getpwuid(geteuid());
    const QString home = user ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath();
    const QString name = user ? QString::fromLocal8Bit(user->pw_name) : QString();
    QString folder = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile settings(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (settings.open(QIODevice::ReadOnly)) {
        static const QRegularExpression out(QStringLiteral("^\\s*Out\\s+(\\S.*)$"));
        for (const QString& line : QString::fromLocal8Bit(settings.readAll()).split('\n')) {
            const QRegularExpressionMatch match = out.match(line);
            if (match.hasMatch())
                folder = match.captured(1).trimmed();
        }
    }
    folder.replace(QLatin1String("${HOME}"), home);
    folder.replace(QLatin1String("${USER}"), name);
    return folder;
}

// The PDFs in a folder with the time each was last written: cups-pdf names a
// file after the job's title and number, and the numbers of a new server
// start again, so a new job may overwrite a file of an earlier run.
using PdfFiles = QHash<QString, QDateTime>;
inline PdfFiles pdfsIn(const QString& folder)
{
    PdfFiles files;
    const QFileInfoList found = QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
    for (const QFileInfo& file : found)
        files.insert(file.fileName(), file.lastModified());
    return files;
}

// The first PDF in folder that is new or written anew since before, once it
// has pages; empty after two minutes.
inline QString awaitNewPdf(const QString& folder, const PdfFiles& before)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 120000) {
        QTest::qWait(200);
        const PdfFiles now = pdfsIn(folder);
        for (auto file = now.cbegin(); file != now.cend(); ++file) {
            const QString path = QDir(folder).filePath(file.key());
            if (before.value(file.key()) != file.value() && pdfPages(path) > 0)
                return path;
        }
    }
    return QString();
}

class CupsServer
{
public:
    CupsServer() = default;
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;
    ~CupsServer() { stop(); }

    QString root() const { return m_root.path(); }
    QString filePath(const QString& name) const { return m_root.filePath(name); }

    // Writes the configuration; every print request of this process and of
    // the tools it starts goes to this server from now on.
    bool configure()
    {
        // The server's filters run as the user lp and must reach the spool.
        if (!m_root.isValid())
            return false;
        QFile::setPermissions(m_root.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                 QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                 QFileDevice::ExeOther);
        const QString root = m_root.path();
        m_socket = root + QStringLiteral("/cups.sock");
        const bool written =
            QDir().mkpath(root + QStringLiteral("/etc")) &&
            writeFile(root + QStringLiteral("/etc/cupsd.conf"),
                      QStringLiteral("LogLevel info\nListen %1\nBrowsing No\nWebInterface No\n"
                                     "DefaultAuthType None\nErrorPolicy abort-job\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                     "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                     "  </Limit>\n</Policy>\n")
                          .arg(m_socket)) &&
            writeFile(root + QStringLiteral("/etc/cups-files.conf"),
                      QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\n"
                                     "CacheDir %1/cache\nStateDir %1/run\n"
                                     "Printcap %1/run/printcap\nErrorLog %1/error_log\n"
                                     "AccessLog %1/access_log\nPageLog %1/page_log\n"
                                     "SystemGroup root\n")
                          .arg(root));
        qputenv("CUPS_SERVER", m_socket.toLocal8Bit());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        return written;
    }

    // Starts the server and waits until it listens.
    void start()
    {
        const QString root = m_root.path();
        // A socket left by the last run would pass for a listening server.
        QFile::remove(m_socket);
        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start(systemProgram(QStringLiteral("cupsd")),
                      {QStringLiteral("-f"), QStringLiteral("-c"),
                       root + QStringLiteral("/etc/cupsd.conf"), QStringLiteral("-s"),
                       root + QStringLiteral("/etc/cups-files.conf")});
        QVERIFY2(m_cupsd.waitForStarted(10000), qPrintable(m_cupsd.errorString()));
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(m_socket), qPrintable(errorLog()), 20000);
    }

    void stop()
    {
        if (m_cupsd.state() == QProcess::NotRunning)
            return;
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000))
            m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }

    // Runs one of CUPS' command-line tools (lpadmin, cupsreject, cancel …).
    bool run(const QString& tool, const QStringList& arguments) const
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(systemProgram(tool), arguments);
        const bool ok = process.waitForFinished(30000) &&
                        process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        if (!ok)
            qWarning("%s %s: %s", qPrintable(tool), qPrintable(arguments.join(' ')),
                     process.readAll().constData());
        return ok;
    }

    QString errorLog() const
    {
        QFile log(m_root.filePath(QStringLiteral("error_log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll().right(4000))
                                             : QStringLiteral("(no error log)");
    }

    // The ids of all jobs the server knows, done ones included.
    static QSet<int> jobIds()
    {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
        QSet<int> ids;
        for (int i = 0; i < count; ++i)
            ids.insert(jobs[i].id);
        cupsFreeJobs(count, jobs);
        return ids;
    }

    // The attributes of a job as the server keeps them, each as its text.
    static QHash<QString, QString> jobAttributes(int job)
    {
        ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        char uri[HTTP_MAX_URI];
        httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost",
                         ippPort(), "/jobs/%d", job);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                     cupsUser());
        ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        QHash<QString, QString> attributes;
        for (ipp_attribute_t* attr = ippFirstAttribute(response); attr;
             attr = ippNextAttribute(response)) {
            if (!ippGetName(attr))
                continue;
            char text[1024];
            ippAttributeString(attr, text, sizeof text);
            attributes.insert(QString::fromUtf8(ippGetName(attr)), QString::fromUtf8(text));
        }
        ippDelete(response);
        return attributes;
    }

private:
    QTemporaryDir m_root;
    QProcess m_cupsd;
    QString m_socket;
};

} // namespace fendrimo::testing
