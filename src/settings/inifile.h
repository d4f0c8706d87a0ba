#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QLockFile;

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
// and closes the file; nothing is cached. Only a regular file is read or
// written (a link to one is followed): never a pipe, a device or a folder.
class IniFile
{
public:
    static constexpr int MaxValueLength = 1023;
    // How long a write waits for another run of the program to finish its
    // own: a write takes milliseconds, and the window waits with it.
    static constexpr int LockWaitMs = 1000;

    explicit IniFile(QString path);
    ~IniFile();
    IniFile(const IniFile& other);
    IniFile& operator=(const IniFile&) = delete;

    const QString& path() const { return m_path; }

    // At most 1023 characters are delivered.
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // Read as an integer; anything but 0 is true.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    // Throw Failure("Kann nicht nach fendr21f.ini schreiben") when the file
    // can't be written or a text holds a line break, which the file can't
    // keep. The file is replaced atomically, with its owner, group and mode,
    // under the lock, reading it anew there: another run's write in between
    // is kept.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value); // "1" / "0"
    // Removes the key's first entry in the section, if there is one; the
    // file is not touched when there is none. Throws as the writes do.
    void removeEntry(const QString& section, const QString& key);

    // Whether a value reads back exactly as written: at most MaxValueLength
    // characters, no line break, no blank at an end (reading trims), not in
    // matching quotes (reading drops them), nothing the file's encoding can't hold.
    static bool readsBackWhole(const QString& value);

    // Runs change with the file locked against other runs of the program
    // (a lock file beside it), so that what change reads stays true until it
    // has written. Nests. Throws the write failure, with the cause after a
    // colon, when the lock can't be had.
    void locked(const std::function<void()>& change);

private:
    void replaceEntry(const QString& section, const QString& key, const QString& value);

    QString m_path;
    std::unique_ptr<QLockFile> m_lock; // while locked
    int m_lockDepth = 0;
};

} // namespace fendrimo
