#include "history/versionstore.h"

#include "files/filename.h"
#include "files/lockfile.h"
#include "files/profilefile.h"
#include "files/profilerecord.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

namespace fendrimo {

namespace {

const QString kIndexName = QStringLiteral("verlauf.json");
const QString kLockName = QStringLiteral("verlauf.lock");
// The save itself is done by then and the window waits: another run's keep
// takes milliseconds.
constexpr int kLockWaitMs = 1000;
constexpr int kLargestCounter = 99;
// 200 entries take some 50 KB; anything far larger is no index of ours.
constexpr qint64 kLargestIndex = 4 * 1024 * 1024;

// "20261209T041002.123Z-00.bar": the real UTC time of saving, and a counter
// that only keeps two names apart. The order of saving is the index's.
std::optional<QDateTime> timeOfName(const QString& name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{8})T(\\d{6}\\.\\d{3})Z-\\d{2}\\.bar$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(match.captured(1), QStringLiteral("yyyyMMdd"));
    const QTime time = QTime::fromString(match.captured(2), QStringLiteral("HHmmss.zzz"));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

QString nameFor(const QDateTime& savedAt, int counter)
{
    const QDateTime utc = savedAt.toUTC();
    return utc.date().toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('T') +
           utc.time().toString(QStringLiteral("HHmmss.zzz")) + QLatin1Char('Z') +
           QStringLiteral("-%1.bar").arg(counter, 2, 10, QLatin1Char('0'));
}

// One version as the index lists it, and what its file holds while it is
// still that version.
struct Entry
{
    QString file;
    QDateTime savedAt;
    QByteArray sha256; // hex; empty for an entry of the previous release not yet adopted
    double total = 0;  // IE per day
    std::optional<ProfileContent> content;
};

QByteArray sha256Of(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// The profile at path when it is the version whose hash is sha256: a regular
// file, not a link, of a profile's size, openable. An empty sha256 takes the
// file's own: the previous release wrote no hashes, and its versions are
// adopted so that users keep their histories.
std::optional<ProfileContent> readVersion(const QString& path, QByteArray& sha256)
{
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile())
        return std::nullopt;
    const RecordOutcome read = readProfileRecord(path, RecordLength::Whole);
    if (!read.record)
        return std::nullopt;
    // All of the file: its bytes are the record's.
    const QByteArray actual = sha256Of(read.record->toBytes());
    if (!sha256.isEmpty() && actual != sha256)
        return std::nullopt;
    sha256 = actual;
    return contentOfRecord(*read.record);
}

// Only a file that still holds the bytes the store wrote may go.
bool stillOurs(const QString& folder, const Entry& entry)
{
    QByteArray sha256 = entry.sha256;
    return !sha256.isEmpty() && readVersion(folder + entry.file, sha256);
}

// The index's entries, oldest first; none when it is missing, damaged or a
// link. An entry without a version's name is dropped: its file is not ours.
QList<Entry> readIndex(const QString& folder)
{
    const QString path = folder + kIndexName;
    if (QFileInfo(path).isSymLink())
        return {};
    const FileStart read = readFileStart(path, kLargestIndex + 1);
    const QByteArray& bytes = read.data;
    if (!read.ok() || bytes.size() > kLargestIndex)
        return {};
    const QJsonArray listed =
        QJsonDocument::fromJson(bytes).object().value(QStringLiteral("fassungen")).toArray();
    QList<Entry> entries;
    QSet<QString> seen;
    for (const QJsonValue& value : listed) {
        const QJsonObject json = value.toObject();
        const QString file = json.value(QStringLiteral("datei")).toString();
        const std::optional<QDateTime> named = timeOfName(file);
        if (!named || seen.contains(file))
            continue;
        seen.insert(file);
        const QDateTime zeit =
            QDateTime::fromString(json.value(QStringLiteral("zeit")).toString(), Qt::ISODateWithMs);
        entries.append(Entry{file, zeit.isValid() ? zeit.toUTC() : *named,
                             json.value(QStringLiteral("sha256")).toString().toLatin1(),
                             json.value(QStringLiteral("tagessumme")).toDouble(), std::nullopt});
    }
    return entries;
}

// The listed entries with what their files hold. One whose file is gone or
// changed stays listed, unshown, until it is the oldest beyond the limit.
QList<Entry> loadEntries(const QString& folder)
{
    QList<Entry> entries = readIndex(folder);
    for (Entry& entry : entries) {
        entry.content = readVersion(folder + entry.file, entry.sha256);
        if (entry.content)
            entry.total = double(entry.content->total()) / 10.0;
    }
    return entries;
}

QByteArray indexFor(const QString& profilePath, const QList<Entry>& entries)
{
    QJsonArray listed;
    for (const Entry& entry : entries) {
        QJsonObject json{{QStringLiteral("datei"), entry.file},
                         {QStringLiteral("zeit"), entry.savedAt.toString(Qt::ISODateWithMs)},
                         {QStringLiteral("tagessumme"), entry.total}};
        if (!entry.sha256.isEmpty())
            json.insert(QStringLiteral("sha256"), QString::fromLatin1(entry.sha256));
        listed.append(json);
    }
    const QJsonObject index{{QStringLiteral("profil"), profilePath},
                            {QStringLiteral("fassungen"), listed}};
    return QJsonDocument(index).toJson(QJsonDocument::Indented);
}

// The real time and the smallest counter whose name is free, on disk and in
// the index; past the last counter, the next millisecond.
QString nextName(const QString& folder, const QList<Entry>& entries, const QDateTime& now)
{
    QSet<QString> listed;
    for (const Entry& entry : entries)
        listed.insert(entry.file);
    QDateTime at = now.toUTC();
    for (int counter = 0;; ++counter) {
        if (counter > kLargestCounter) {
            at = at.addMSecs(1);
            counter = 0;
        }
        const QString name = nameFor(at, counter);
        const QFileInfo info(folder + name);
        if (!listed.contains(name) && !info.exists() && !info.isSymLink())
            return name;
    }
}

// Why folder can't hold a history, or nothing. It must be a real folder right
// inside root, or deleting in it could delete elsewhere; canonical paths, so a
// root reached through a link is fine.
QString linkedFolder(const QString& root, const QString& folder)
{
    const QFileInfo info(QDir::cleanPath(folder));
    if (!info.isSymLink() &&
        (!info.exists() || info.canonicalFilePath() ==
                               QDir(root).canonicalPath() + QLatin1Char('/') + info.fileName()))
        return {};
    return QCoreApplication::translate("VersionStore",
                                       "Der Ordner %1 ist ein Verweis auf einen anderen Ort")
        .arg(QDir::toNativeSeparators(folder));
}

QString canonicalPath(const QString& profilePath)
{
    const QFileInfo info(profilePath);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// A write killed before its rename leaves its temporary: the name of the
// index or of a version and six letters. Only those go, and only plain files.
void removeLeftovers(const QString& folder)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(verlauf\\.json|\\d{8}T\\d{6}\\.\\d{3}Z-\\d{2}\\.bar)\\.[A-Za-z]{6}$"));
    QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : names) {
        if (pattern.match(name).hasMatch())
            dir.remove(name);
    }
}

// Lists bytes as the newest version in folder, unless they are the newest
// already; beyond the limit the oldest listed go.
KeepOutcome addVersion(const QString& folder, const QString& profilePath, const QByteArray& bytes,
                       const ProfileContent& content, const QDateTime& now)
{
    using Kind = KeepOutcome::Kind;
    QList<Entry> entries = loadEntries(folder);
    // What an earlier release left readable to everyone.
    makeOwnerOnly(folder + kIndexName);
    for (const Entry& entry : entries) {
        if (entry.content)
            makeOwnerOnly(folder + entry.file);
    }
    const QByteArray sha256 = sha256Of(bytes);
    const auto newest = std::find_if(entries.crbegin(), entries.crend(),
                                     [](const Entry& entry) { return entry.content.has_value(); });
    if (newest != entries.crend() && newest->sha256 == sha256)
        return {Kind::Unchanged, QString()};

    const QString name = nextName(folder, entries, now);
    if (const FileResult written = writePrivateFile(folder + name, bytes); !written.ok())
        return {Kind::Failed, fileErrorText(written.code)};
    entries.append(Entry{name, now.toUTC(), sha256, double(content.total()) / 10.0, content});
    const QList<Entry> dropped =
        entries.mid(0, std::max(qsizetype(0), entries.size() - VersionStore::MaxVersions));
    entries.remove(0, dropped.size());
    const FileResult indexed =
        writePrivateFile(folder + kIndexName, indexFor(profilePath, entries));
    if (!indexed.ok()) {
        // Unlisted, the new file would be foreign from now on.
        QFile::remove(folder + name);
        return {Kind::Failed, fileErrorText(indexed.code)};
    }
    // Only once the index no longer lists them.
    for (const Entry& entry : dropped) {
        if (stillOurs(folder, entry))
            QFile::remove(folder + entry.file);
    }
    return {Kind::Stored, QString()};
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
    const QByteArray hash = QCryptographicHash::hash(encodeFileName(canonicalPath(profilePath)),
                                                     QCryptographicHash::Sha256);
    return m_root + QLatin1Char('/') + QString::fromLatin1(hash.toHex().left(32)) +
           QLatin1Char('/');
}

KeepOutcome VersionStore::keep(const QString& profilePath, const QByteArray& bytes,
                               const QDateTime& now) const
{
    using Kind = KeepOutcome::Kind;
    if (m_root.isEmpty())
        return {Kind::Failed,
                QCoreApplication::translate("VersionStore", "Kein Ordner für persönliche Daten")};
    const QString folder = folderFor(profilePath);
    if (const QString linked = linkedFolder(m_root, folder); !linked.isEmpty())
        return {Kind::Failed, linked};
    if (!QDir().mkpath(folder)) {
        return {Kind::Failed, QCoreApplication::translate("VersionStore",
                                                          "Der Ordner %1 lässt sich nicht anlegen")
                                  .arg(QDir::toNativeSeparators(folder))};
    }
    // Health data: for the user alone, whatever the umask. A root reached
    // through a link stays as the user made it; the folder below is tightened.
    // Never with a trailing "/": that would follow a link after all.
    makeOwnerOnly(QDir::cleanPath(m_root));
    if (!makeOwnerOnly(QDir::cleanPath(folder)).ok()) {
        return {Kind::Failed,
                QCoreApplication::translate("VersionStore",
                                            "Der Ordner %1 lässt sich nicht vor anderen schützen")
                    .arg(QDir::toNativeSeparators(folder))};
    }
    // A file that would never count as a version would lie there for good.
    const RecordOutcome read = profileRecordIn(bytes, RecordLength::Whole);
    if (!read.record)
        return {Kind::Failed, QCoreApplication::translate(
                                  "VersionStore", "Die Daten sind keine lesbare Basalraten-Datei")};
    // Another run of the program may be saving the same profile just now:
    // without turns, one of the two versions would go unlisted.
    QLockFile turn(folder + kLockName);
    if (const QString refused = takeLock(turn, folder + kLockName, kLockWaitMs); !refused.isEmpty())
        return {Kind::Failed, refused};
    makeOwnerOnly(folder + kLockName);
    removeLeftovers(folder);
    return addVersion(folder, canonicalPath(profilePath), bytes, contentOfRecord(*read.record),
                      now);
}

QList<StoredVersion> VersionStore::versions(const QString& profilePath) const
{
    if (m_root.isEmpty())
        return {};
    const QString folder = folderFor(profilePath);
    if (!linkedFolder(m_root, folder).isEmpty())
        return {};
    const QList<Entry> entries = loadEntries(folder);
    QList<StoredVersion> found;
    for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
        if (it->content)
            found.append(StoredVersion{folder + it->file, it->savedAt, *it->content});
    }
    return found;
}

RemoveOutcome VersionStore::removeAll(const QString& profilePath) const
{
    if (m_root.isEmpty())
        return {};
    const QString folder = folderFor(profilePath);
    if (const QString linked = linkedFolder(m_root, folder); !linked.isEmpty())
        return {linked};
    QDir dir(folder);
    if (!dir.exists())
        return {};
    const auto cannot = [&folder](const QString& name) {
        return RemoveOutcome{
            QCoreApplication::translate("VersionStore", "%1 lässt sich nicht löschen")
                .arg(QDir::toNativeSeparators(folder + name))};
    };
    for (const Entry& entry : loadEntries(folder)) {
        if (entry.content && stillOurs(folder, entry) && !dir.remove(entry.file))
            return cannot(entry.file);
    }
    const QFileInfo index(folder + kIndexName);
    if (index.isFile() && !index.isSymLink() && !dir.remove(kIndexName))
        return cannot(kIndexName);
    // Anything else in it is not ours and stays, and with it the folder.
    QDir(m_root).rmdir(dir.dirName());
    return {};
}

QString versionTimeText(const StoredVersion& version, const QDateTime& now)
{
    const QString text =
        version.savedAt.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    // The clock was fast at saving: the time stands as it said, marked.
    return version.savedAt > now
               ? QCoreApplication::translate("VersionStore", "%1 (in der Zukunft)").arg(text)
               : text;
}

} // namespace fendrimo
