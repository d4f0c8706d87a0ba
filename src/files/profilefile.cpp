#include "files/profilefile.h"

#include "files/profilsatz.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fendrimo {

namespace {

constexpr int NotFound = 2;
constexpr int InvalidName = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int AccessDenied = 5;
constexpr int ReadPastEnd = 100;
constexpr int DiskFull = 101;
constexpr int InvalidNumber = 106;
// Reported when a call fails without telling why; EIO happens to be 5 as well.
constexpr int UnexplainedFailure = EIO;

// Symbolic links followed before giving up, as the kernel does.
constexpr int MaxLinkDepth = 40;

int codeForErrno(int err)
{
    switch (err) {
    case 0:
        return UnexplainedFailure;
    case ENOENT:
    case ENOTDIR: // a part of the folder path is a file: the folder is missing
        return NotFound;
    case ENAMETOOLONG:
        return InvalidName;
    case EMFILE:
    case ENFILE:
        return TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return AccessDenied;
    case ENOSPC:
    case EDQUOT:
        return DiskFull;
    default:
        return err;
    }
}

class FdGuard
{
public:
    explicit FdGuard(int fd) : m_fd(fd) {}
    ~FdGuard()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

bool nameUsable(const QString& path)
{
    return !path.isEmpty() && !path.contains(QChar(0));
}

// A profile reached through a link is updated where it really lives. QSaveFile
// follows links itself, but the checks before it must see the real file and
// folder too.
QString resolveLinks(const QString& path, int* err)
{
    QFileInfo info(path);
    for (int depth = 0; info.isSymLink(); ++depth) {
        if (depth == MaxLinkDepth) {
            *err = ELOOP;
            return QString();
        }
        info.setFile(info.symLinkTarget());
    }
    return info.absoluteFilePath();
}

// QSaveFile gives no reliable errno, so the usual causes are decided here
// before anything is written: stat() and access() on the target and its
// folder. errno captured right after a later failing call covers the rest.
int checkWriteTarget(const QString& target)
{
    const QFileInfo info(target);
    const QByteArray fileName = QFile::encodeName(info.fileName());
    if (fileName.isEmpty())
        return InvalidName;
    if (fileName.size() > NAME_MAX || QFile::encodeName(target).size() >= PATH_MAX)
        return InvalidName;

    const QByteArray name = QFile::encodeName(target);
    struct stat st;
    if (::stat(name.constData(), &st) == 0) {
        // Never swap a folder, pipe or device for a plain file.
        if (!S_ISREG(st.st_mode))
            return AccessDenied;
        // Root passes access() regardless of the mode, yet a profile whose
        // mode says read-only has been protected on purpose.
        if ((st.st_mode & S_IWUSR) == 0 || ::access(name.constData(), W_OK) != 0)
            return AccessDenied;
    } else if (errno != ENOENT) {
        return codeForErrno(errno);
    }

    const QByteArray folder = QFile::encodeName(info.absolutePath());
    struct stat folderStat;
    if (::stat(folder.constData(), &folderStat) != 0)
        return codeForErrno(errno);
    if (!S_ISDIR(folderStat.st_mode))
        return NotFound;
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return codeForErrno(errno);
    return 0;
}

// Cause of a failed QSaveFile call: errno taken right after it, else whatever
// the checks find now.
int codeAfterFailure(int err, const QString& target)
{
    if (err != 0)
        return codeForErrno(err);
    const int code = checkWriteTarget(target);
    return code != 0 ? code : UnexplainedFailure;
}

// Makes the rename itself survive a power cut; the new file is complete
// either way, so a failure here is not reported.
void syncFolder(const QString& target)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    const FdGuard fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

} // namespace

FileResult writeProfileFile(const QString& path, const Profilsatz& record)
{
    return writeFileAtomically(path, record.toBytes());
}

FileResult writeFileAtomically(const QString& path, const QByteArray& data)
{
    if (!nameUsable(path))
        return {InvalidName};
    int linkError = 0;
    const QString target = resolveLinks(path, &linkError);
    if (linkError != 0)
        return {codeForErrno(linkError)};
    if (const int code = checkWriteTarget(target))
        return {code};

    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    errno = 0;
    // Unbuffered: a write error shows at write() with its errno, not later in commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {codeAfterFailure(errno, target)};

    errno = 0;
    const qint64 written = file.write(data);
    if (written != data.size()) {
        const int err = errno;
        // Qt reports ENOSPC as ResourceError; read it before cancelWriting() overwrites it.
        const bool noSpace = written >= 0 || file.error() == QFileDevice::ResourceError;
        file.cancelWriting();
        return {noSpace ? DiskFull : codeAfterFailure(err, target)};
    }

    // Space a file system only claims on the way to the disk runs out here.
    if (::fsync(file.handle()) != 0 && errno != EINVAL) {
        const int err = errno;
        file.cancelWriting();
        return {codeForErrno(err)};
    }

    errno = 0;
    if (!file.commit())
        return {codeAfterFailure(errno, target)};
    syncFolder(target);
    return {};
}

FileResult readProfileFile(const QString& path, Profilsatz& record)
{
    QByteArray buffer;
    const FileResult read = readFileStart(path, Profilsatz::Size, buffer);
    if (!read.ok())
        return read;
    if (buffer.size() < Profilsatz::Size)
        return {ReadPastEnd};
    record.assignBytes(buffer);
    return {};
}

FileResult readFileStart(const QString& path, qint64 limit, QByteArray& data)
{
    if (!nameUsable(path))
        return {InvalidName};
    const QByteArray name = QFile::encodeName(path);

    // Folders, pipes and devices are refused before opening: a pipe would wait
    // for a writer and a device could deliver without end.
    struct stat st;
    if (::stat(name.constData(), &st) != 0)
        return {codeForErrno(errno)};
    if (!S_ISREG(st.st_mode))
        return {AccessDenied};

    // O_NONBLOCK in case the name was swapped for a pipe since the check.
    const FdGuard fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return {codeForErrno(errno)};
    if (::fstat(fd.get(), &st) != 0)
        return {codeForErrno(errno)};
    if (!S_ISREG(st.st_mode))
        return {AccessDenied};

    QByteArray buffer(qsizetype(std::min<qint64>(limit, st.st_size + 1)), '\0');
    qsizetype total = 0;
    while (total < limit) {
        // The file may have grown since fstat().
        if (total == buffer.size())
            buffer.resize(qsizetype(std::min<qint64>(limit, qint64(buffer.size()) * 2 + 4096)));
        const ssize_t n = ::read(fd.get(), buffer.data() + total, size_t(buffer.size() - total));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return {codeForErrno(errno)};
        }
        if (n == 0)
            break;
        total += n;
    }
    buffer.truncate(total);
    data = buffer;
    return {};
}

QString fileErrorText(int code)
{
    switch (code) {
    case NotFound:
        return QStringLiteral("Datei nicht gefunden");
    case InvalidName:
        return QStringLiteral("Ungültiger Dateiname");
    case TooManyOpenFiles:
        return QStringLiteral("Zu viele Dateien geöffnet");
    case AccessDenied:
        return QStringLiteral("Dateizugriff verweigert");
    case ReadPastEnd:
        return QStringLiteral("Lesen nach Dateiende (EOF)");
    case DiskFull:
        return QStringLiteral("Kapazität der Diskette/Festplatte erschöpft");
    case InvalidNumber:
        return QStringLiteral("Ungültige numerische Eingabe");
    default:
        return QStringLiteral("I/O-Fehler %1").arg(code);
    }
}

} // namespace fendrimo
