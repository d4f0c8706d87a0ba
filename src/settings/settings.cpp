#include "settings/settings.h"

#include "settings/settingskeys.h"

namespace fendrimo {

namespace {

QString recentSection()
{
    return QStringLiteral("Zuletzt");
}

QString recentKey(int index) // 0 .. 5
{
    return QStringLiteral("Datei%1").arg(index + 1);
}

} // namespace

Settings::Settings(const QString& path) : m_ini(path) {}

int Settings::storedMaximum() const
{
    return m_ini.readInteger(settingskeys::einstellungen(), settingskeys::maximum(), -1);
}

qint32 Settings::maximum() const
{
    const int stored = storedMaximum();
    return stored < 1 ? FallbackMaximum : stored;
}

void Settings::setMaximum(qint32 maximum)
{
    m_ini.writeInteger(settingskeys::einstellungen(), settingskeys::maximum(), maximum);
}

bool Settings::farbDruck() const
{
    return m_ini.readBool(settingskeys::einstellungen(), settingskeys::farbDruck(), true);
}

void Settings::setFarbDruck(bool colour)
{
    m_ini.writeBool(settingskeys::einstellungen(), settingskeys::farbDruck(), colour);
}

bool Settings::tabelle() const
{
    return m_ini.readBool(settingskeys::einstellungen(), settingskeys::tabelle(), false);
}

void Settings::setTabelle(bool table)
{
    m_ini.writeBool(settingskeys::einstellungen(), settingskeys::tabelle(), table);
}

bool Settings::verlauf() const
{
    return m_ini.readBool(settingskeys::einstellungen(), settingskeys::verlauf(), true);
}

void Settings::setVerlauf(bool keep)
{
    m_ini.writeBool(settingskeys::einstellungen(), settingskeys::verlauf(), keep);
}

QString Settings::verzeichnis(const QString& whenAbsent) const
{
    return m_ini.readString(settingskeys::einstellungen(), settingskeys::verzeichnis(), whenAbsent);
}

void Settings::setVerzeichnis(const QString& folder)
{
    m_ini.writeString(settingskeys::einstellungen(), settingskeys::verzeichnis(), folder);
}

void Settings::markComplete()
{
    // Same section as the first-run check's "Teststring": names match regardless of case.
    m_ini.writeString(QStringLiteral("TestString"), settingskeys::datei(),
                      settingskeys::vorhanden());
}

QStringList Settings::recentFiles() const
{
    QStringList files;
    for (int i = 0; i < RecentCount; ++i) {
        const QString path = m_ini.readString(recentSection(), recentKey(i), QString());
        if (!path.isEmpty() && !files.contains(path))
            files << path;
    }
    return files;
}

void Settings::addRecentFile(const QString& path)
{
    // A path the file can't give back as it is could never be opened again:
    // longer than a value read, with a line break the file can't keep (the
    // write would be refused after the profile was loaded or saved), or with
    // blanks at an end, which reading trims.
    if (path.isEmpty() || path.size() > IniFile::MaxValueLength || path.contains(u'\n') ||
        path.contains(u'\r') || path.trimmed() != path)
        return;
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    // Only keys whose entry changes are written; a list already in order
    // leaves the file untouched.
    for (int i = 0; i < RecentCount; ++i) {
        const QString wanted = i < files.size() ? files.at(i) : QString();
        if (m_ini.readString(recentSection(), recentKey(i), QString()) != wanted)
            m_ini.writeString(recentSection(), recentKey(i), wanted);
    }
}

} // namespace fendrimo
