#include "files/lockfile.h"

#include "files/filename.h"
#include "files/profilefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <sys/stat.h>

namespace fendrimo {

namespace {

// More than a lock file holds: its process id, program and host names.
constexpr qint64 kLockFileSize = 512;

// Anything else there is not a lock of ours: QLockFile would read a pipe for
// good, follow a link, and wait out a folder it can't remove.
bool plainFileOrNothing(const QString& path)
{
    struct stat st;
    return ::lstat(encodeFileName(path).constData(), &st) != 0 || S_ISREG(st.st_mode);
}

QString notALockFile(const QString& path)
{
    return QCoreApplication::translate("LockFile", "%1 ist keine Sperrdatei")
        .arg(QDir::toNativeSeparators(path));
}

QString heldBy(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host;
    QString program;
    if (lock.getLockInfo(&pid, &host, &program) && pid > 0) {
        return QCoreApplication::translate(
                   "LockFile", "gesperrt von einem anderen laufenden Fendrimo (Prozess %1)")
            .arg(pid);
    }
    return QCoreApplication::translate("LockFile", "gesperrt von einem anderen laufenden Fendrimo");
}

} // namespace

QString takeLock(QLockFile& lock, const QString& path, int waitMs)
{
    if (!plainFileOrNothing(path))
        return notALockFile(path);
    if (lock.tryLock(waitMs))
        return QString();
    if (lock.error() == QLockFile::LockFailedError)
        return plainFileOrNothing(path) ? heldBy(lock) : notALockFile(path);
    // QLockFile tells no more than that it could not write the lock file.
    const FileResult probe = probeWrite(QFileInfo(path).absolutePath(), kLockFileSize);
    if (!probe.ok())
        return fileErrorText(probe.code);
    return QCoreApplication::translate("LockFile", "die Sperrdatei %1 lässt sich nicht anlegen")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace fendrimo
