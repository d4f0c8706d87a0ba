#pragma once

#include "files/profilefile.h"
#include "files/profilsatz.h"
#include "profile/basalprofile.h"
#include "profile/comparison.h"
#include "profile/profilehistory.h"

#include <QObject>

#include <optional>

namespace fendrimo {

class Settings;
struct ImportedProfile;
struct StoredVersion;

// A rate above the maximum in force raised the maximum, which is stored
// before anything else changes.
struct RaisedMaximum
{
    qint32 maximum = 0; // the new maximum, a whole IE/h
    qint32 highest = 0; // the rate that needed it
    // Raised by a step that can be undone: undoing it takes back the rates,
    // never the maximum, which is a setting.
    bool staysOnUndo = false;
};

// What opening a profile file came to.
struct OpenOutcome
{
    bool opened = false; // false: unreadable, or a rate no maximum can hold
    std::optional<RaisedMaximum> raised;
    QString settingsError; // the folder or recent list could not be stored
};

// What saving came to. The version kept in the history never decides it.
struct SaveOutcome
{
    FileResult written;
    QString settingsError;
};

// What a new maximum from the options came to.
struct MaximumOutcome
{
    std::optional<qint32> refusedBy; // the highest rate, when it doesn't fit below
};

// The profile being edited as a document: its content with the undo history,
// the record of the last file read (whose bytes no field fills go back into
// the next save), the current file, whether it is saved, and the profile it
// is compared with. Operations return what happened; the window words it.
// It reads and writes the settings through the handle it is given, which
// must outlive it. A settings write that fails throws Failure before
// anything has changed.
class ProfileDocument final : public QObject
{
    Q_OBJECT

public:
    ProfileDocument(Settings& settings, qint32 maximum, QObject* parent = nullptr);

    const BasalProfile& profile() const { return m_profile; }
    const ProfileContent& content() const { return m_profile.content(); }
    qint32 maximum() const { return m_profile.maximum(); }
    const ProfileHistory& history() const { return m_history; }
    // The content equals the one last saved, loaded or made new, and no
    // user action came since.
    bool isSaved() const { return m_saved; }
    // The profile file last saved or loaded; empty for a new profile.
    const QString& currentFile() const { return m_currentFile; }
    const std::optional<ProfileReference>& reference() const { return m_reference; }
    // The record a save would write.
    Profilsatz recordToSave() const;
    // Why the last version of this file could not be kept; empty when it was.
    QString historyNote() const;

    // Start-up: the stored maximum, and the empty profile counts as saved.
    void startUp(qint32 maximum);
    OpenOutcome open(const QString& path);
    SaveOutcome save(const QString& path);
    void makeNew();

    // The next step is a step of its own.
    void breakMerging() { m_history.breakMerging(); }
    // A slider's action: unsaved even when it moves nothing.
    void setRate(int hour, qint32 rate);
    void setBolus(int index, const QString& text); // 0 morgens, 1 mittags, 2 abends
    void setDatum(const QString& text);
    // The date field's double click: today's date as a step of its own.
    void setDatumToday(const QString& today);
    void setNotizen(const QString& stored); // line breaks as CR LF
    void setLinkedDragging(bool linked);
    void undo();
    void redo();
    // A whole-profile tool's rates as one step.
    void applyTool(const HourlyRates& rates, const QString& stepText);
    // An import as one step, linked dragging off; none when it changes nothing.
    std::optional<RaisedMaximum> applyImport(const ImportedProfile& imported,
                                             const QString& stepText);
    // The version's content as one step; saved only where it equals the file.
    std::optional<RaisedMaximum> restoreVersion(const StoredVersion& version,
                                                const QString& stepText);
    // The options' maximum and print method, each only when given: a setting
    // left out stays as stored, but a stored maximum that can't be used
    // (absent, not a number, below 1) is replaced by the one in force. A
    // maximum below a rate is refused: the outcome names the highest rate and
    // the refused maximum stays stored until storeMaximumInForce(), which the
    // caller runs once it has shown the refusal.
    MaximumOutcome setOptions(std::optional<qint32> maximum, std::optional<bool> colour);
    void storeMaximumInForce();

    // The comparisons, each in place of the one before; none changes the
    // profile, not even the maximum. A profile read from another source (an
    // import's rates), named name.
    void compareWith(const ImportedProfile& imported, const QString& name);
    // The content last saved, loaded or made new; it follows the saves.
    void compareWithSaved();
    // A version kept in the history, named name.
    void compareWithVersion(const StoredVersion& version, const QString& name);
    void endComparison();
    // The rates of the given hours from the comparison, as one step; the
    // comparison stays, so they show as equal.
    std::optional<RaisedMaximum> takeFromReference(const QList<int>& hours);

signals:
    void contentChanged();
    void savedChanged(bool saved);
    void currentFileChanged(const QString& path);
    void referenceChanged();

private:
    void setReference(std::optional<ProfileReference> reference);
    // The content last saved, loaded or made new, as a comparison.
    ProfileReference savedReference() const;
    void setSaved(bool saved);
    void setCurrentFile(const QString& path);
    // A new document: the comparison ends, the history starts anew.
    void start(const ProfileState& state);
    std::optional<RaisedMaximum> raiseMaximumFor(qint32 highest, bool undoable = false);
    void record(const QString& text, const ProfileContent& after, int mergeKind);
    void keepVersion(const QString& path);

    Settings& m_settings;
    BasalProfile m_profile;
    ProfileHistory m_history;
    Profilsatz m_record;
    bool m_saved = false;
    QString m_currentFile;
    std::optional<ProfileReference> m_reference;
    QString m_historyNote;
    QString m_historyNoteFolder;
};

// Folder and recent list after a file was saved or loaded; the settings'
// refusal as its text, empty when both were stored.
QString rememberFile(Settings& settings, const QString& path);

} // namespace fendrimo
