#pragma once

#include <QString>

namespace fendrimo::settingskeys {

// Sections and keys of the settings file.
inline QString einstellungen()
{
    return QStringLiteral("Einstellungen");
}
inline QString maximum()
{
    return QStringLiteral("Maximum");
}
inline QString farbDruck()
{
    return QStringLiteral("FarbDruck");
}
inline QString tabelle()
{
    return QStringLiteral("Tabelle");
}
inline QString glukoseprofil()
{
    return QStringLiteral("Glukoseprofil");
}
inline QString verlauf()
{
    return QStringLiteral("Verlauf");
}
inline QString sprache()
{
    return QStringLiteral("Sprache");
}
inline QString glukoseEinheit()
{
    return QStringLiteral("Glukoseeinheit");
}
inline QString verzeichnis()
{
    return QStringLiteral("Verzeichnis");
}
inline QString teststring()
{
    return QStringLiteral("Teststring");
}
inline QString datei()
{
    return QStringLiteral("Datei");
}
inline QString vorhanden()
{
    return QStringLiteral("Vorhanden");
}

} // namespace fendrimo::settingskeys
