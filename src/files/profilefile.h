#pragma once

#include "files/profilsatz.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace fendrimo {

// Outcome of a profile file operation. code 0 is success; otherwise the codes
// of the save error texts: 2 not found, 3 invalid name, 4 too many open files,
// 5 access denied, 100 read past end of file, 101 disk full (short write), any
// other number for other system errors.
struct FileResult
{
    int code = 0;
    bool ok() const { return code == 0; }
};

// Writes the 656 bytes atomically: a temporary file in the same folder,
// renamed over the target only when everything is written and flushed. A
// failure leaves an existing target exactly as it was.
FileResult writeProfileFile(const QString& path, const Profilsatz& record);

// Writes any file the same way.
FileResult writeFileAtomically(const QString& path, const QByteArray& data);

// Writes a file the caller alone keeps, atomically, with mode 0600 whatever
// the umask. A link at path is replaced by the file, never followed; a folder,
// pipe or device there is refused. The temporary file is path + "." + six
// letters, as QSaveFile names its own.
FileResult writePrivateFile(const QString& path, const QByteArray& data);

// Makes a regular file readable and writable by its owner only (0600), a
// folder usable by its owner only (0700); never through a link, which is
// refused like anything else there. Already so: nothing is changed.
FileResult makeOwnerOnly(const QString& path);

// Whether bytes can be written into folder now: an unnamed file is written
// and dropped, so nothing is left there, not even after a crash.
FileResult probeWrite(const QString& folder, qint64 bytes);

// The bytes read from the start of a file, or the result that refused them.
struct FileStart
{
    FileResult result;
    QByteArray data; // empty unless result is ok
    bool ok() const { return result.ok(); }
};

// Reads at most limit bytes from the start of a regular file, fewer when it
// is shorter; for reading only. Folders, pipes and devices are refused.
FileStart readFileStart(const QString& path, qint64 limit);

// Reads the first 656 bytes of a regular file, for reading only. On any
// failure the record is left unchanged. Whatever they hold: a basal profile
// comes from readProfileRecord.
FileResult readProfileFile(const QString& path, Profilsatz& record);

// A user's profile file may go on after its record, which opening has always
// ignored; a version the history keeps is its record and nothing else.
enum class RecordLength { Leading, Whole };

// What reading a basal profile came to: its record, or the problem that
// stopped it. Each caller words the problem its own way.
struct RecordOutcome
{
    enum class Problem {
        None,
        Unreadable, // the file can't be read: file says why
        TooShort,   // fewer bytes than a record
        TooLong,    // more, where the record must be all of it
        NoProfile   // rates or bolus factors no basal profile has (isOpenable)
    };
    std::optional<Profilsatz> record; // exactly when there is no problem
    Problem problem = Problem::None;
    FileResult file;
};

// The one way to a basal profile from a file, for opening, comparing and the
// history alike: its bytes as readFileStart reads them, then profileRecordIn.
RecordOutcome readProfileRecord(const QString& path, RecordLength length = RecordLength::Leading);
// The same from bytes read already: a record's size, and a basal profile.
RecordOutcome profileRecordIn(const QByteArray& bytes, RecordLength length = RecordLength::Leading);

// "Datei nicht gefunden", ..., "I/O-Fehler %d".
QString fileErrorText(int code);

} // namespace fendrimo
