#pragma once

#include "settings/inifile.h"

#include <QStringList>

namespace fendrimo {

// The program's settings, typed, over the settings file. Each read and write
// goes to the file at once (nothing is cached), by the file's own rules; a
// refused write throws as IniFile's writes do.
class Settings
{
public:
    // The maximum a run uses when none usable is stored.
    static constexpr qint32 FallbackMaximum = 30;
    static constexpr int RecentCount = 6;

    explicit Settings(const QString& path = settingsFilePath());

    // The settings file this handle reads and writes.
    const QString& path() const { return m_ini.path(); }

    // "Maximum" as stored; -1 when absent or not a number.
    int storedMaximum() const;
    // The maximum to use: the stored one, or the fallback when that is absent,
    // not a number or below 1.
    qint32 maximum() const;
    void setMaximum(qint32 maximum);

    bool farbDruck() const; // true when absent
    void setFarbDruck(bool colour);
    // Whether a print adds the page with the hourly values; false when absent.
    bool tabelle() const;
    void setTabelle(bool table);
    // Whether a print adds the glucose profile page; false when absent.
    bool glukoseprofil() const;
    void setGlukoseprofil(bool glucose);
    // Whether each save also keeps a version in the profile's history; true when absent.
    bool verlauf() const;
    void setVerlauf(bool keep);

    // The language chosen in the options: "de", "en", or empty to follow the
    // desktop (absent or anything else). Empty removes the key.
    QString sprache() const;
    void setSprache(const QString& language);

    // The unit glucose is shown in: "mg/dL" or "mmol/L", or empty when absent
    // or anything else (the unit of the data then).
    QString glukoseEinheit() const;
    void setGlukoseEinheit(const QString& unit);

    // The folder of the last profile saved or loaded, with its trailing "/".
    QString verzeichnis(const QString& whenAbsent) const;
    void setVerzeichnis(const QString& folder);

    // Marks the settings file as complete, as the first-run check does.
    void markComplete();

    // The profiles last loaded or saved, newest first, at most six.
    QStringList recentFiles() const;
    // Puts path first, drops an older entry of it and keeps six.
    void addRecentFile(const QString& path);

private:
    IniFile m_ini;
};

} // namespace fendrimo
