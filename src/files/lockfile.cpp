#include "files/lockfile.h"

#include "files/filename.h"
#include "files/profilefile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

#include <tuple>

#include <sys/stat.h>

namespace fendrimo {

namespace {

// More than a lock file holds: its process id, program and host names.
constexpr qint64 kLockFileSize = 512;
// Between two tries: another run's writes take turns with ours in the gaps.
constexpr int kPollMs = 10;
// While the lock changes hands, runs are busy, not stuck: waited for longer.
constexpr int kBusyFactor = 5;

// Anything else there is not a lock of ours: QLockFile would read a pipe for
// good, follow a link, and wait out a folder it can't remove.
bool plainFileOrNothing(const QString& path)
{
    struct stat st;
    return ::lstat(encodeFileName(path).constData(), &st) != 0 || S_ISREG(st.st_mode);
}

// Which lock file is there: a run that takes turns makes a new one each time.
std::tuple<bool, ino_t, qint64, long> lockIdentity(const QString& path)
{
    struct stat st;
    if (::lstat(encodeFileName(path).constData(), &st) != 0)
        return {false, 0, 0, 0};
    return {true, st.st_ino, qint64(st.st_mtim.tv_sec), st.st_mtim.tv_nsec};
}

// Tries until the lock is ours, fails for another cause, or stays with the
// same holder for waitMs.
bool tryTaking(QLockFile& lock, const QString& path, int waitMs)
{
    QDeadlineTimer unchanged(waitMs);
    const QDeadlineTimer busy(qint64(waitMs) * kBusyFactor);
    auto seen = lockIdentity(path);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError)
            return false;
        if (const auto now = lockIdentity(path); now != seen) {
            seen = now;
            unchanged.setRemainingTime(waitMs);
        }
        if (unchanged.hasExpired() || busy.hasExpired())
            return false;
        QThread::msleep(kPollMs);
    }
    return true;
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
    if (tryTaking(lock, path, waitMs))
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
