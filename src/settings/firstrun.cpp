#include "settings/firstrun.h"

#include "settings/inifile.h"
#include "settings/settingskeys.h"

#include <QCoreApplication>

namespace fendrimo {

QString firstRunNoticeText()
{
    return QCoreApplication::translate(
        "FirstRun", "Fendrimo:  Es existiert noch keine INI-Datei. Erstelle neue INI-Datei mit "
                    "Standard-Werten. Diese Meldung ist keine Fehlermeldung und wird ab jetzt "
                    "nicht mehr erscheinen.");
}

bool runFirstRunCheck(IniFile& ini, const std::function<void(const QString&)>& showNotice)
{
    using namespace settingskeys;
    // The marker must match exactly; anything else, even "vorhanden", means
    // the file was never set up by us and gets the defaults.
    if (ini.readString(teststring(), datei(), QStringLiteral("ERROR")) == vorhanden())
        return false;

    if (showNotice)
        showNotice(firstRunNoticeText());
    // The marker goes last: if a write is refused, the next start tries again.
    ini.writeInteger(einstellungen(), maximum(), 30);
    ini.writeBool(einstellungen(), farbDruck(), true);
    ini.writeString(einstellungen(), verzeichnis(), QString());
    ini.writeString(teststring(), datei(), vorhanden());
    return true;
}

} // namespace fendrimo
