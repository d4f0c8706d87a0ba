#pragma once

#include <QString>
#include <QStringList>

namespace fendrimo {

// The language of the user interface: "de" or "en". The setting when it
// names one; otherwise the first of German and English among the desktop's
// preferred languages (QLocale::uiLanguages(), which follows LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG), German when neither is listed.
QString interfaceLanguage(const QString& setting, const QStringList& uiLanguages);

} // namespace fendrimo
