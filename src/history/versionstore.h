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

// The history of saved profiles on the user's own machine: one folder per
// profile file, named by a hash of its canonical path, holding each version
// as a plain profile file named by its UTC time and a counter, and an index
// (JSON: the profile's path, and per version its file, time and daily total).
// Every write is atomic. The version files are what counts: a damaged index
// or a damaged or foreign file never hides the others.
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
    // version. Beyond MaxVersions the oldest go.
    KeepOutcome keep(const QString& profilePath, const QByteArray& bytes,
                     const QDateTime& now = QDateTime::currentDateTimeUtc()) const;

    // The readable versions, newest first.
    QList<StoredVersion> versions(const QString& profilePath) const;

    // Removes every version and the index; false with a reason when one stays.
    bool removeAll(const QString& profilePath, QString* error = nullptr) const;

private:
    QString m_root;
};

} // namespace fendrimo
