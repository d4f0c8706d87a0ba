#include "files/profilefile.h"

#include "files/filename.h"
#include "files/profilerecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
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
    case EFBIG: // a file size limit: the same to the user
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

// The folder of an absolute path, with its trailing "/".
QString folderPart(const QString& path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

// A profile reached through a link is updated where it really lives. QSaveFile
// follows links itself, but the checks before it must see the real file and
// folder too. Read with the system's calls: a name need not be UTF-8.
QString resolveLinks(const QString& path, int* err)
{
    QString current = path.startsWith(u'/') ? path : QDir::currentPath() + u'/' + path;
    for (int depth = 0;; ++depth) {
        const QByteArray name = encodeFileName(current);
        struct stat st;
        if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        if (depth == MaxLinkDepth) {
            *err = ELOOP;
            return QString();
        }
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(name.constData(), target.data(), size_t(target.size()));
        if (length <= 0)
            return current;
        target.truncate(length);
        const QString next = decodeFileName(target);
        current = QDir::cleanPath(next.startsWith(u'/') ? next : folderPart(current) + next);
    }
}

// QSaveFile gives no reliable errno, so the usual causes are decided here
// before anything is written: stat() and access() on the target and its
// folder. errno captured right after a later failing call covers the rest.
int checkWriteTarget(const QString& target)
{
    const QByteArray name = encodeFileName(target);
    const QByteArray fileName = name.mid(name.lastIndexOf('/') + 1);
    if (fileName.isEmpty() || fileName.size() > NAME_MAX || name.size() >= PATH_MAX)
        return InvalidName;

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

    const QByteArray folder = name.left(name.lastIndexOf('/') + 1);
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
    const QByteArray folder = encodeFileName(folderPart(target));
    const FdGuard fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

// The whole write through QSaveFile; 0 or the error code. A file replaced
// keeps its owner, group and mode: a save by root must not take a user's
// profile from them. Who may not give a file away keeps it as before.
int writeWithSaveFile(const QString& target, const QByteArray& data, const struct stat* old)
{
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    errno = 0;
    // Unbuffered: a write error shows at write() with its errno, not later in commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return codeAfterFailure(errno, target);
    if (old) {
        if (old->st_uid != ::geteuid() || old->st_gid != ::getegid())
            (void)::fchown(file.handle(), old->st_uid, old->st_gid);
        // After fchown, which clears set-id bits.
        ::fchmod(file.handle(), old->st_mode & 07777);
    }

    errno = 0;
    const qint64 written = file.write(data);
    if (written != data.size()) {
        const int err = errno;
        // Qt reports ENOSPC as ResourceError; read it before cancelWriting() overwrites it.
        const bool noSpace = written >= 0 || file.error() == QFileDevice::ResourceError;
        file.cancelWriting();
        return noSpace ? DiskFull : codeAfterFailure(err, target);
    }

    // Space a file system only claims on the way to the disk runs out here.
    if (::fsync(file.handle()) != 0 && errno != EINVAL) {
        const int err = errno;
        file.cancelWriting();
        return codeForErrno(err);
    }

    errno = 0;
    if (!file.commit())
        return codeAfterFailure(errno, target);
    return 0;
}

// Qt's classes can't reach a name whose bytes aren't UTF-8, nor anything in
// such a folder: a complete stand-in, written through the folder's
// descriptor (a name Qt can spell), takes the target's place by one rename.
int writeThroughStandIn(const QString& target, const QByteArray& data, const struct stat* old)
{
    const QByteArray name = encodeFileName(target);
    const qsizetype slash = name.lastIndexOf('/');
    const FdGuard folder(
        ::open(name.left(slash + 1).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0)
        return codeForErrno(errno);
    const QByteArray standIn = QByteArrayLiteral(".fendrimo-") +
                               QByteArray::number(QRandomGenerator::global()->generate64(), 16) +
                               QByteArrayLiteral(".tmp");
    const QString written =
        QStringLiteral("/proc/self/fd/%1/").arg(folder.get()) + QString::fromLatin1(standIn);
    if (const int code = writeWithSaveFile(written, data, old))
        return code;
    if (::renameat(folder.get(), standIn.constData(), folder.get(),
                   name.mid(slash + 1).constData()) != 0) {
        const int err = errno;
        ::unlinkat(folder.get(), standIn.constData(), 0);
        return codeForErrno(err);
    }
    ::fsync(folder.get());
    return 0;
}

// Writes all of data; 0 or the errno.
int writeAll(int fd, const QByteArray& data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += n;
    }
    return 0;
}

// A file of our own for writing, "<name>.XXXXXX" in folder: created here,
// never an existing file or a link. Its name goes to temporary.
int createTemporary(int folder, const QByteArray& name, QByteArray& temporary)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = name + '.';
        for (int i = 0; i < 6; ++i)
            temporary += letters[QRandomGenerator::global()->bounded(52)];
        const int fd = ::openat(folder, temporary.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The temporary's content, mode and sync, then the rename; 0 or the errno.
int fillAndRename(int folder, int file, const QByteArray& temporary, const QByteArray& name,
                  const QByteArray& data)
{
    if (const int err = writeAll(file, data))
        return err;
    // The umask may have narrowed it; an exact mode, whatever it said.
    if (::fchmod(file, S_IRUSR | S_IWUSR) != 0)
        return errno;
    if (::fsync(file) != 0 && errno != EINVAL)
        return errno;
    // renameat() replaces a link at name itself, never what it points to.
    return ::renameat(folder, temporary.constData(), folder, name.constData()) == 0 ? 0 : errno;
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
    struct stat old;
    const bool replacing = ::stat(encodeFileName(target).constData(), &old) == 0;

    const struct stat* kept = replacing ? &old : nullptr;
    if (!qtSpells(target)) // rare: kept apart
        return {writeThroughStandIn(target, data, kept)};
    if (const int code = writeWithSaveFile(target, data, kept))
        return {code};
    syncFolder(target);
    return {};
}

FileResult writePrivateFile(const QString& path, const QByteArray& data)
{
    if (!nameUsable(path))
        return {InvalidName};
    const QByteArray name = encodeFileName(path);
    const qsizetype slash = name.lastIndexOf('/');
    const QByteArray fileName = name.mid(slash + 1);
    // Room for the temporary's ".XXXXXX".
    if (fileName.isEmpty() || fileName.size() + 7 > NAME_MAX)
        return {InvalidName};
    const QByteArray folderName =
        slash < 0 ? QByteArray(".") : name.left(std::max<qsizetype>(slash, 1));
    const FdGuard folder(::open(folderName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0)
        return {codeForErrno(errno)};
    struct stat st;
    if (::fstatat(folder.get(), fileName.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
        return {AccessDenied};
    QByteArray temporary;
    const FdGuard file(createTemporary(folder.get(), fileName, temporary));
    if (file.get() < 0)
        return {codeForErrno(errno)};
    if (const int err = fillAndRename(folder.get(), file.get(), temporary, fileName, data)) {
        ::unlinkat(folder.get(), temporary.constData(), 0);
        return {codeForErrno(err)};
    }
    ::fsync(folder.get());
    return {};
}

FileResult makeOwnerOnly(const QString& path)
{
    if (!nameUsable(path))
        return {InvalidName};
    // O_NONBLOCK: a pipe swapped in would wait for a writer.
    const FdGuard fd(::open(encodeFileName(path).constData(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st;
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0)
        return {codeForErrno(errno == ELOOP ? EACCES : errno)};
    if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
        return {AccessDenied};
    const mode_t wanted = S_ISDIR(st.st_mode) ? S_IRWXU : S_IRUSR | S_IWUSR;
    if ((st.st_mode & 07777) != wanted && ::fchmod(fd.get(), wanted) != 0)
        return {codeForErrno(errno)};
    return {};
}

FileResult probeWrite(const QString& folder, qint64 bytes)
{
    if (!nameUsable(folder))
        return {InvalidName};
    const FdGuard file(
        ::open(encodeFileName(folder).constData(), O_WRONLY | O_TMPFILE | O_CLOEXEC, 0600));
    // A file system without unnamed files can't tell: nothing found.
    if (file.get() < 0)
        return {errno == EOPNOTSUPP || errno == EISDIR ? 0 : codeForErrno(errno)};
    int err = writeAll(file.get(), QByteArray(qsizetype(bytes), '\0'));
    if (err == 0 && ::fsync(file.get()) != 0 && errno != EINVAL)
        err = errno;
    return {err == 0 ? 0 : codeForErrno(err)};
}

FileResult readProfileFile(const QString& path, Profilsatz& record)
{
    const FileStart read = readFileStart(path, Profilsatz::Size);
    if (!read.ok())
        return read.result;
    if (read.data.size() < Profilsatz::Size)
        return {ReadPastEnd};
    record.assignBytes(read.data);
    return {};
}

RecordOutcome readProfileRecord(const QString& path, RecordLength length)
{
    using Problem = RecordOutcome::Problem;
    // One byte beyond the record tells a longer file.
    const FileStart read = readFileStart(path, Profilsatz::Size + 1);
    if (!read.ok())
        return {std::nullopt, Problem::Unreadable, read.result};
    return profileRecordIn(read.data, length);
}

RecordOutcome profileRecordIn(const QByteArray& bytes, RecordLength length)
{
    using Problem = RecordOutcome::Problem;
    if (bytes.size() < Profilsatz::Size)
        return {std::nullopt, Problem::TooShort, {}};
    if (length == RecordLength::Whole && bytes.size() > Profilsatz::Size)
        return {std::nullopt, Problem::TooLong, {}};
    Profilsatz record;
    record.assignBytes(bytes);
    if (!isOpenable(record))
        return {std::nullopt, Problem::NoProfile, {}};
    return {record, Problem::None, {}};
}

FileStart readFileStart(const QString& path, qint64 limit)
{
    if (!nameUsable(path))
        return {{InvalidName}, {}};
    const QByteArray name = encodeFileName(path);

    // Folders, pipes and devices are refused before opening: a pipe would wait
    // for a writer and a device could deliver without end.
    struct stat st;
    if (::stat(name.constData(), &st) != 0)
        return {{codeForErrno(errno)}, {}};
    if (!S_ISREG(st.st_mode))
        return {{AccessDenied}, {}};

    // O_NONBLOCK in case the name was swapped for a pipe since the check.
    const FdGuard fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return {{codeForErrno(errno)}, {}};
    if (::fstat(fd.get(), &st) != 0)
        return {{codeForErrno(errno)}, {}};
    if (!S_ISREG(st.st_mode))
        return {{AccessDenied}, {}};

    // Not filled first: read() writes every byte kept, and a year of glucose
    // readings is tens of MB.
    QByteArray buffer(qsizetype(std::min<qint64>(limit, st.st_size + 1)), Qt::Uninitialized);
    qsizetype total = 0;
    while (total < limit) {
        // The file may have grown since fstat().
        if (total == buffer.size())
            buffer.resize(qsizetype(std::min<qint64>(limit, qint64(buffer.size()) * 2 + 4096)));
        const ssize_t n = ::read(fd.get(), buffer.data() + total, size_t(buffer.size() - total));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return {{codeForErrno(errno)}, {}};
        }
        if (n == 0)
            break;
        total += n;
    }
    buffer.truncate(total);
    return {{}, buffer};
}

QString fileErrorText(int code)
{
    switch (code) {
    case NotFound:
        return QCoreApplication::translate("ProfileFile", "Datei nicht gefunden");
    case InvalidName:
        return QCoreApplication::translate("ProfileFile", "Ungültiger Dateiname");
    case TooManyOpenFiles:
        return QCoreApplication::translate("ProfileFile", "Zu viele Dateien geöffnet");
    case AccessDenied:
        return QCoreApplication::translate("ProfileFile", "Dateizugriff verweigert");
    case ReadPastEnd:
        return QCoreApplication::translate("ProfileFile", "Lesen nach Dateiende (EOF)");
    case DiskFull:
        return QCoreApplication::translate("ProfileFile",
                                           "Kapazität der Diskette/Festplatte erschöpft");
    case InvalidNumber:
        return QCoreApplication::translate("ProfileFile", "Ungültige numerische Eingabe");
    default:
        return QCoreApplication::translate("ProfileFile", "I/O-Fehler %1").arg(code);
    }
}

} // namespace fendrimo
