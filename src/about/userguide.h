#pragma once

#include <QString>
#include <QStringList>

namespace fendrimo {

// The user guide's file for language ("de" or "en"): README.TXT or README-en.TXT.
QString userGuideFileName(const QString& language);

// The folders the guides are looked for in, in order: the documentation
// installed beside the program in programFolder (<prefix>/share/doc/fendrimo
// for <prefix>/bin), then data/ of the source tree the program was built
// from, so a program run from its build folder finds them too.
QStringList userGuideFolders(const QString& programFolder);

// The guide of language in the first of folders that has it; in the first
// folder when none has it, so a refusal names where it belongs.
QString findUserGuide(const QString& language, const QStringList& folders);

} // namespace fendrimo
