#pragma once

#include <QString>

namespace fendrimo {

// Speaks language ("de" or "en") from now on: German is the texts as written,
// with Qt's own dialogs (file dialogs, printer setup) in German too; English
// loads the program's English translation. Replaces what an earlier call
// installed. The language the settings and the desktop choose when empty.
void useInterfaceLanguage(const QString& language = QString());

// The language in use: "de" or "en".
QString interfaceLanguageInUse();

// A text needed before the application object exists (the command line's
// help and refusals), in the language the settings and the desktop choose,
// without installing a translator.
QString translatedBeforeStart(const char* context, const char* text);

} // namespace fendrimo
