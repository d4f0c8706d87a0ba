#pragma once

#include "profile/basalprofile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace fendrimo {

// One saved version of a profile as the history keeps it.
struct StoredVersion
{
    QString file;      // the version's own file
    QDateTime savedAt; // UTC, to the millisecond
    ProfileContent content;
};

// What keeping a version came to.
struct KeepOutcome
{
    enum class Kind { Stored, Unchanged, Failed };
    Kind kind = Kind::Failed;
    QString error; // why, when Failed
};

// What deleting a profile's history came to.
struct RemoveOutcome
{
    QString error; // why something of it stays; empty when all of it went
    bool removed() const { return error.isEmpty(); }
};

// The history of saved profiles on the user's own machine: one folder per
// profile file right inside the root (never a link), named by a hash of the
// file's canonical path. It holds each version as a plain profile file named
// by its UTC time of saving and a counter, and an index (JSON: the profile's
// path, and per version in the order of saving its file, time, daily total
// and SHA-256). The index is the store's record of what it wrote: only a file
// it lists, unchanged since, counts as a version, and nothing else in the
// folder is ever shown or deleted, but for the temporary file of a write that
// was cut short. Every write is atomic and private to the user (folders 0700,
// files 0600, whatever the umask); a link in place of a file is replaced,
// never followed.
class VersionStore
{
public:
    static constexpr int MaxVersions = 200;

    // root: the folder holding one folder per profile.
    explicit VersionStore(QString root = defaultRoot());

    // The "verlauf" folder in the per-user data folder.
    static QString defaultRoot();
    // The folder of the profile file at profilePath.
    QString folderFor(const QString& profilePath) const;

    // Stores bytes (a whole profile file) as the newest version of the profile
    // at profilePath, saved at now; nothing when they equal the newest
    // version. Beyond MaxVersions the oldest saved go. Waits about a second
    // at most for another run's keep; then fails, saying why.
    KeepOutcome keep(const QString& profilePath, const QByteArray& bytes,
                     const QDateTime& now = QDateTime::currentDateTimeUtc()) const;

    // The versions, the one saved last first.
    QList<StoredVersion> versions(const QString& profilePath) const;

    // Removes every version and the index, and the folder when nothing else is
    // in it; says why when one stays.
    RemoveOutcome removeAll(const QString& profilePath) const;

private:
    QString m_root;
};

// "09.12.2026 05:10:03" in local time, with " (in der Zukunft)" when it lies
// after now: the clock was fast at saving.
QString versionTimeText(const StoredVersion& version, const QDateTime& now);

} // namespace fendrimo
