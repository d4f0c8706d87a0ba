#pragma once

#include <QString>

class QLockFile;

namespace fendrimo {

// Takes lock, a lock file at path against other runs of the program, waiting
// waitMs at most for a holder that does not let go (up to five times as long
// while runs take turns with it). Empty once taken; else why not, as a
// text to follow a colon: held by another running Fendrimo (with its process
// id when the lock file tells it), no lock file at all (a folder, a link or a
// pipe there is never waited for, followed or removed), or why nothing can be
// written beside it (a full disk, no access).
QString takeLock(QLockFile& lock, const QString& path, int waitMs);

} // namespace fendrimo
