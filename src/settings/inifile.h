#pragma once

#include <QString>

#include <optional>

namespace fendrimo {

// The bare name of the settings file.
inline QString settingsFileName()
{
    return QStringLiteral("fendr21f.ini");
}

// Where the settings file lives: <XDG config home>/fendrimo/fendr21f.ini, the
// one place for every run of this user.
QString settingsFilePath();

// The integer rules of the settings file: "0x"/"0X" and more than two
// characters: hexadecimal; otherwise leading blanks, an optional sign and
// decimal digits, or "$" and hexadecimal digits. Anything else, trailing text
// or an overflow gives no value.
std::optional<int> parseSettingsInteger(const QString& text);

// A sectioned settings file with the rules of Windows profile files: sections
// and keys match regardless of case, the first match wins, values are
// trimmed, writes replace in place and keep every other line. Each call opens
// and closes the file; nothing is cached.
class IniFile
{
public:
    static constexpr int MaxValueLength = 1023;

    explicit IniFile(QString path);

    const QString& path() const { return m_path; }

    // At most 1023 characters are delivered.
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // Read as an integer; anything but 0 is true.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    // Throw Failure("Kann nicht nach fendr21f.ini schreiben") when the file
    // can't be written or a text holds a line break, which the file can't
    // keep. The file is replaced atomically.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value); // "1" / "0"

private:
    QString m_path;
};

} // namespace fendrimo
