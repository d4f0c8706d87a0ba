#include "app/dialogvalues.h"

#include "settings/settings.h"

namespace fendrimo {

OptionsShown optionsShown(const Settings& settings)
{
    OptionsShown shown;
    shown.storedMaximum = settings.storedMaximum();
    shown.colour = settings.farbDruck();
    shown.language = settings.sprache();
    shown.folder = settings.verzeichnis(QStringLiteral("ERROR"));
    return shown;
}

PrintOptions printOptions(const Settings& settings, bool glucoseAvailable)
{
    PrintOptions options;
    options.table = settings.tabelle();
    options.glucose = settings.glukoseprofil();
    options.glucoseAvailable = glucoseAvailable;
    options.folder = settings.verzeichnis(QString());
    options.colour = [&settings] { return settings.farbDruck(); };
    return options;
}

} // namespace fendrimo
