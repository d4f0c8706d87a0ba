#include "history/versionstore.h"

#include "files/profilefile.h"
#include "files/profilerecord.h"
#include "files/profilsatz.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>

#include <optional>

namespace fendrimo {

namespace {

const QString kIndexName = QStringLiteral("verlauf.json");
constexpr int kLargestCounter = 99;

// "20261209T041002.123Z-00.bar": sorting by name sorts by time of saving.
const QRegularExpression& versionName()
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{8})T(\\d{6}\\.\\d{3})Z-(\\d{2})\\.bar$"));
    return pattern;
}

struct VersionName
{
    QDateTime savedAt;
    int counter = 0;
};

std::optional<VersionName> parseName(const QString& name)
{
    const QRegularExpressionMatch match = versionName().match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(match.captured(1), QStringLiteral("yyyyMMdd"));
    const QTime time = QTime::fromString(match.captured(2), QStringLiteral("HHmmss.zzz"));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return VersionName{QDateTime(date, time, Qt::UTC), match.captured(3).toInt()};
}

QString nameFor(const QDateTime& savedAt, int counter)
{
    const QDateTime utc = savedAt.toUTC();
    return utc.date().toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('T') +
           utc.time().toString(QStringLiteral("HHmmss.zzz")) + QLatin1Char('Z') +
           QStringLiteral("-%1.bar").arg(counter, 2, 10, QLatin1Char('0'));
}

// The version files in folder, oldest first.
QStringList versionFiles(const QString& folder)
{
    QStringList names;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries) {
        if (parseName(entry))
            names << entry;
    }
    return names;
}

// The name after the newest version's: by the clock, but never before the
// newest, so that the newest by name is the one saved last even when the
// clock was set back.
QString nextName(const QString& folder, const QString& newest, const QDateTime& now)
{
    QDateTime at = now.toUTC();
    int counter = 0;
    if (const std::optional<VersionName> last = parseName(newest); last && at <= last->savedAt) {
        at = last->savedAt;
        counter = last->counter + 1;
    }
    // Another run of the program may be saving the same profile just now.
    while (counter > kLargestCounter || QFileInfo::exists(folder + nameFor(at, counter))) {
        if (++counter > kLargestCounter) {
            at = at.addMSecs(1);
            counter = 0;
        }
    }
    return nameFor(at, counter);
}

std::optional<ProfileContent> readVersion(const QString& path)
{
    const QFileInfo info(path);
    if (info.size() != Profilsatz::Size)
        return std::nullopt;
    Profilsatz record;
    if (!readProfileFile(path, record).ok() || !isOpenable(record))
        return std::nullopt;
    return contentOfRecord(record);
}

QByteArray indexFor(const QString& profilePath, const QList<StoredVersion>& newestFirst)
{
    QJsonArray versions;
    for (auto it = newestFirst.crbegin(); it != newestFirst.crend(); ++it) {
        versions.append(
            QJsonObject{{QStringLiteral("datei"), QFileInfo(it->file).fileName()},
                        {QStringLiteral("zeit"), it->savedAt.toString(Qt::ISODateWithMs)},
                        // IE per day
                        {QStringLiteral("tagessumme"), double(it->content.total()) / 10.0}});
    }
    const QJsonObject index{{QStringLiteral("profil"), profilePath},
                            {QStringLiteral("fassungen"), versions}};
    return QJsonDocument(index).toJson(QJsonDocument::Indented);
}

QString canonicalPath(const QString& profilePath)
{
    const QFileInfo info(profilePath);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

VersionStore::VersionStore(QString root) : m_root(std::move(root)) {}

QString VersionStore::defaultRoot()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/verlauf");
}

QString VersionStore::folderFor(const QString& profilePath) const
{
    const QByteArray hash =
        QCryptographicHash::hash(canonicalPath(profilePath).toUtf8(), QCryptographicHash::Sha256);
    return m_root + QLatin1Char('/') + QString::fromLatin1(hash.toHex().left(32)) +
           QLatin1Char('/');
}

KeepOutcome VersionStore::keep(const QString& profilePath, const QByteArray& bytes,
                               const QDateTime& now) const
{
    if (m_root.isEmpty())
        return {KeepOutcome::Kind::Failed, QStringLiteral("Kein Ordner für persönliche Daten")};
    const QString folder = folderFor(profilePath);
    if (!QDir().mkpath(folder)) {
        return {KeepOutcome::Kind::Failed, QStringLiteral("Der Ordner %1 lässt sich nicht anlegen")
                                               .arg(QDir::toNativeSeparators(folder))};
    }
    QStringList names = versionFiles(folder);
    const QString newest = names.isEmpty() ? QString() : names.constLast();
    QByteArray newestBytes;
    if (!newest.isEmpty() &&
        readFileStart(folder + newest, Profilsatz::Size + 1, newestBytes).ok() &&
        newestBytes == bytes)
        return {KeepOutcome::Kind::Unchanged, QString()};

    const QString name = nextName(folder, newest, now);
    const FileResult written = writeFileAtomically(folder + name, bytes);
    if (!written.ok())
        return {KeepOutcome::Kind::Failed, fileErrorText(written.code)};
    names << name;
    for (int i = 0; i < names.size() - MaxVersions; ++i)
        QFile::remove(folder + names.at(i));
    // A version without its index entry still counts: the index is written
    // anew from the version files each time, so a failed write heals.
    writeFileAtomically(folder + kIndexName,
                        indexFor(canonicalPath(profilePath), versions(profilePath)));
    return {KeepOutcome::Kind::Stored, QString()};
}

QList<StoredVersion> VersionStore::versions(const QString& profilePath) const
{
    if (m_root.isEmpty())
        return {};
    const QString folder = folderFor(profilePath);
    const QStringList names = versionFiles(folder);
    QList<StoredVersion> found;
    for (auto it = names.crbegin(); it != names.crend(); ++it) {
        const QString path = folder + *it;
        if (const std::optional<ProfileContent> content = readVersion(path))
            found.append(StoredVersion{path, parseName(*it)->savedAt, *content});
    }
    return found;
}

bool VersionStore::removeAll(const QString& profilePath, QString* error) const
{
    if (m_root.isEmpty())
        return true;
    const QString folder = folderFor(profilePath);
    QDir dir(folder);
    if (!dir.exists())
        return true;
    QStringList ours = versionFiles(folder);
    ours << kIndexName;
    for (const QString& name : std::as_const(ours)) {
        if (dir.exists(name) && !dir.remove(name)) {
            if (error)
                *error = QStringLiteral("%1 lässt sich nicht löschen")
                             .arg(QDir::toNativeSeparators(folder + name));
            return false;
        }
    }
    // Anything else in it is not ours and stays, and with it the folder.
    QDir(m_root).rmdir(dir.dirName());
    return true;
}

} // namespace fendrimo
