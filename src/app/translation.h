#pragma once

#include <QString>

namespace fendrimo {

class Settings;

// The language the settings and the desktop choose: "de" or "en".
QString chosenLanguage(const Settings& settings);

// Speaks language ("de" or "en") from now on: German is the texts as written,
// with Qt's own dialogs (file dialogs, printer setup) in German too; English
// loads the program's English translation. Replaces what an earlier call
// installed.
void useInterfaceLanguage(const QString& language);

// The language in use: "de" or "en".
QString interfaceLanguageInUse();

// A text needed before the application object exists (the command line's
// help and refusals), in the language the settings and the desktop choose,
// without installing a translator.
QString translatedBeforeStart(const Settings& settings, const char* context, const char* text);

} // namespace fendrimo
