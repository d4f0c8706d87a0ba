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

bool Settings::glukoseprofil() const
{
    return m_ini.readBool(settingskeys::einstellungen(), settingskeys::glukoseprofil(), false);
}

void Settings::setGlukoseprofil(bool glucose)
{
    m_ini.writeBool(settingskeys::einstellungen(), settingskeys::glukoseprofil(), glucose);
}

bool Settings::verlauf() const
{
    return m_ini.readBool(settingskeys::einstellungen(), settingskeys::verlauf(), true);
}

void Settings::setVerlauf(bool keep)
{
    m_ini.writeBool(settingskeys::einstellungen(), settingskeys::verlauf(), keep);
}

QString Settings::sprache() const
{
    const QString stored =
        m_ini.readString(settingskeys::einstellungen(), settingskeys::sprache(), QString());
    return stored == u"de" || stored == u"en" ? stored : QString();
}

void Settings::setSprache(const QString& language)
{
    if (language.isEmpty())
        m_ini.removeEntry(settingskeys::einstellungen(), settingskeys::sprache());
    else
        m_ini.writeString(settingskeys::einstellungen(), settingskeys::sprache(), language);
}

QString Settings::glukoseEinheit() const
{
    const QString stored =
        m_ini.readString(settingskeys::einstellungen(), settingskeys::glukoseEinheit(), QString());
    return stored == u"mg/dL" || stored == u"mmol/L" ? stored : QString();
}

void Settings::setGlukoseEinheit(const QString& unit)
{
    m_ini.writeString(settingskeys::einstellungen(), settingskeys::glukoseEinheit(), unit);
}

QString Settings::verzeichnis(const QString& whenAbsent) const
{
    return m_ini.readString(settingskeys::einstellungen(), settingskeys::verzeichnis(), whenAbsent);
}

void Settings::setVerzeichnis(const QString& folder)
{
    // A folder the file can't give back whole would send the next dialog
    // elsewhere: the last one that can stays.
    if (!IniFile::readsBackWhole(folder))
        return;
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
    // A path the file can't give back as it is could never be opened again.
    if (path.isEmpty() || !IniFile::readsBackWhole(path))
        return;
    // Read and written under one lock: another run's entry in between stays.
    m_ini.locked([&] {
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
    });
}

} // namespace fendrimo
