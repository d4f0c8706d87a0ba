#include "document/profiledocument.h"

#include "exchange/exchange.h"
#include "files/profilerecord.h"
#include "history/versionstore.h"
#include "platform/error.h"
#include "settings/settings.h"

#include <algorithm>

namespace fendrimo {

namespace {

// The folder of a path, with its trailing separator: /home/a/profil.bar gives /home/a/.
QString folderOf(const QString& path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

QString rememberFile(Settings& settings, const QString& path)
{
    try {
        settings.setVerzeichnis(folderOf(path));
        settings.addRecentFile(path);
    } catch (const Failure& failure) {
        return failure.message();
    }
    return QString();
}

ProfileDocument::ProfileDocument(Settings& settings, qint32 maximum, QObject* parent)
    : QObject(parent), m_settings(settings), m_profile(maximum), m_history(m_profile)
{
    connect(&m_profile, &BasalProfile::changed, this, &ProfileDocument::contentChanged);
}

Profilsatz ProfileDocument::recordToSave() const
{
    Profilsatz record = m_record;
    storeInRecord(m_profile.content(), record);
    return record;
}

QString ProfileDocument::historyNote() const
{
    return VersionStore().folderFor(m_currentFile) == m_historyNoteFolder ? m_historyNote
                                                                          : QString();
}

void ProfileDocument::startUp(qint32 maximum)
{
    // A larger stored maximum (an earlier release raised it for files that
    // were none) would let a slider make a profile no one can open again.
    m_profile.setMaximum(std::min(maximum, kLargestRate));
    m_history.restart();
    setSaved(true);
}

OpenOutcome ProfileDocument::open(const QString& path)
{
    OpenOutcome outcome;
    // A file that fails to load leaves the record as it was.
    const RecordOutcome read = readProfileRecord(path);
    if (!read.record)
        return outcome;
    outcome.opened = true;
    outcome.raised = raiseMaximumFor(highestStoredRate(*read.record));
    m_record = *read.record;
    // Linked dragging is off after a load: a loaded profile is usually fine-tuned hour by hour.
    start(ProfileState{contentOfRecord(m_record), false});
    setCurrentFile(path);
    outcome.settingsError = rememberFile(m_settings, path);
    return outcome;
}

SaveOutcome ProfileDocument::save(const QString& path)
{
    SaveOutcome outcome;
    m_record = recordToSave();
    outcome.written = writeProfileFile(path, m_record);
    if (!outcome.written.ok())
        return outcome;
    keepVersion(path);
    m_history.markSaved();
    setSaved(true);
    // A comparison with the saved version follows the save.
    if (m_reference && m_reference->source == ProfileReference::Source::Saved)
        setReference(savedReference());
    setCurrentFile(path);
    outcome.settingsError = rememberFile(m_settings, path);
    return outcome;
}

void ProfileDocument::makeNew()
{
    start(ProfileState{ProfileContent{}, true});
    setCurrentFile(QString());
}

void ProfileDocument::setRate(int hour, qint32 rate)
{
    setSaved(false);
    // Linked dragging: every following hour takes this hour's rate, also when
    // the action leaves this hour where it was.
    const ProfileContent after = m_profile.withRate(hour, rate);
    m_history.record(changedHoursText(m_profile.content(), after), after,
                     ProfileHistory::SliderBase + hour);
}

void ProfileDocument::setBolus(int index, const QString& text)
{
    ProfileContent after = m_profile.content();
    after.bolus.at(size_t(index)) = text;
    record(bolusFieldName(index), after, ProfileHistory::BolusBase + index);
}

void ProfileDocument::setDatum(const QString& text)
{
    ProfileContent after = m_profile.content();
    after.datum = text;
    record(tr("Datum"), after, ProfileHistory::Datum);
}

void ProfileDocument::setDatumToday(const QString& today)
{
    if (m_profile.content().datum == today)
        return;
    // A step of its own, not part of a typing run.
    m_history.breakMerging();
    ProfileContent after = m_profile.content();
    after.datum = today;
    record(tr("Datum"), after, ProfileHistory::NoMerge);
    m_history.breakMerging();
}

void ProfileDocument::setNotizen(const QString& stored)
{
    ProfileContent after = m_profile.content();
    after.notizen = stored;
    record(tr("Notizen"), after, ProfileHistory::Notizen);
}

void ProfileDocument::setLinkedDragging(bool linked)
{
    // Not a step of its own: an undo puts the box back with the step it undoes.
    m_history.breakMerging();
    m_profile.setLinkedDragging(linked);
}

void ProfileDocument::undo()
{
    m_history.undo();
    // Unsaved exactly when the content differs from the one last saved.
    setSaved(m_history.matchesSaved());
}

void ProfileDocument::redo()
{
    m_history.redo();
    setSaved(m_history.matchesSaved());
}

void ProfileDocument::applyTool(const HourlyRates& rates, const QString& stepText)
{
    ProfileContent after = m_profile.content();
    after.rates = rates;
    m_history.breakMerging();
    record(stepText, after, ProfileHistory::NoMerge);
}

std::optional<RaisedMaximum> ProfileDocument::applyImport(const ImportedProfile& imported,
                                                          const QString& stepText)
{
    // Linked dragging is off after an import, as after a load; undo puts it
    // back with the content.
    const ProfileState after{importedContent(m_profile.content(), imported), false};
    // An import that changes nothing is no step and leaves the saved state.
    if (after.content == m_profile.content())
        return std::nullopt;
    const std::optional<RaisedMaximum> raised = raiseMaximumFor(after.content.highestRate(), true);
    m_history.breakMerging();
    setSaved(false);
    m_history.record(stepText, after);
    return raised;
}

std::optional<RaisedMaximum> ProfileDocument::restoreVersion(const StoredVersion& version,
                                                             const QString& stepText)
{
    if (version.content == m_profile.content())
        return std::nullopt;
    const std::optional<RaisedMaximum> raised =
        raiseMaximumFor(version.content.highestRate(), true);
    m_history.breakMerging();
    m_history.record(stepText, version.content);
    // The file changes only at the next save: saved only where it equals the file.
    setSaved(m_history.matchesSaved());
    return raised;
}

MaximumOutcome ProfileDocument::setOptions(std::optional<qint32> chosen, std::optional<bool> colour)
{
    const qint32 before = m_profile.maximum();
    // Written back even when left out, so the next start finds a usable one.
    if (!chosen && m_settings.storedMaximum() < 1)
        chosen = before;
    if (chosen)
        m_settings.setMaximum(*chosen);
    if (colour)
        m_settings.setFarbDruck(*colour);
    m_settings.markComplete();
    if (!chosen)
        return {};
    const qint32 maximum = *chosen;
    const qint32 highest = m_profile.highestRate();
    if (highest > maximum)
        return {highest};
    // An older state of the profile may not fit below a lower maximum.
    if (maximum < before)
        m_history.clear();
    m_profile.setMaximum(maximum);
    return {};
}

void ProfileDocument::storeMaximumInForce()
{
    m_settings.setMaximum(m_profile.maximum());
}

void ProfileDocument::setReference(std::optional<ProfileReference> reference)
{
    m_reference = std::move(reference);
    emit referenceChanged();
}

void ProfileDocument::compareWith(const ImportedProfile& imported, const QString& name)
{
    ProfileReference reference;
    reference.source = ProfileReference::Source::File;
    reference.name = name;
    reference.rates = imported.rates;
    reference.untunedDays = imported.untunedDays;
    setReference(reference);
}

void ProfileDocument::compareWithSaved()
{
    setReference(savedReference());
}

void ProfileDocument::compareWithVersion(const StoredVersion& version, const QString& name)
{
    ProfileReference reference;
    reference.source = ProfileReference::Source::StoredVersion;
    reference.name = name;
    reference.rates = version.content.rates;
    setReference(reference);
}

void ProfileDocument::endComparison()
{
    setReference(std::nullopt);
}

std::optional<RaisedMaximum> ProfileDocument::takeFromReference(const QList<int>& hours)
{
    if (!m_reference || hours.isEmpty())
        return std::nullopt;
    ProfileContent after = m_profile.content();
    after.rates = takenRates(after.rates, *m_reference, hours);
    if (after == m_profile.content())
        return std::nullopt;
    const std::optional<RaisedMaximum> raised = raiseMaximumFor(after.highestRate(), true);
    m_history.breakMerging();
    record(tr("Aus Vergleich übernommen: %1").arg(hourRunsText(hours)), after,
           ProfileHistory::NoMerge);
    return raised;
}

ProfileReference ProfileDocument::savedReference() const
{
    ProfileReference reference;
    reference.source = ProfileReference::Source::Saved;
    reference.name = tr("gespeicherte Fassung");
    reference.rates = m_history.savedContent().rates;
    return reference;
}

void ProfileDocument::setSaved(bool saved)
{
    m_saved = saved;
    emit savedChanged(saved);
}

void ProfileDocument::setCurrentFile(const QString& path)
{
    m_currentFile = path;
    emit currentFileChanged(path);
}

void ProfileDocument::start(const ProfileState& state)
{
    // Another profile ends the comparison with the one before.
    endComparison();
    m_profile.setState(state);
    m_history.restart();
    setSaved(true);
}

std::optional<RaisedMaximum> ProfileDocument::raiseMaximumFor(qint32 highest, bool undoable)
{
    if (highest <= m_profile.maximum())
        return std::nullopt;
    const qint32 raised = std::min(qint32((qint64(highest) + 9) / 10 * 10), kLargestRate);
    // Stored first: if the settings can't be written, nothing has changed yet.
    m_settings.setMaximum(raised);
    m_profile.setMaximum(raised);
    return RaisedMaximum{raised, highest, undoable};
}

// Every edit marks the profile unsaved, even one that changes nothing.
void ProfileDocument::record(const QString& text, const ProfileContent& after, int mergeKind)
{
    setSaved(false);
    m_history.record(text, after, mergeKind);
}

// Whatever happens here, the save stands as written; a version that can't be
// kept is noted for the history window only.
void ProfileDocument::keepVersion(const QString& path)
{
    const VersionStore store;
    QString failure;
    try {
        // Off, nothing is kept and nothing is missing.
        if (m_settings.verlauf()) {
            const KeepOutcome outcome = store.keep(path, m_record.toBytes());
            if (outcome.kind == KeepOutcome::Kind::Failed)
                failure = outcome.error;
        }
    } catch (const std::exception& error) {
        failure = QString::fromStdString(error.what());
    }
    m_historyNoteFolder = store.folderFor(path);
    m_historyNote =
        failure.isEmpty()
            ? QString()
            : tr("Die letzte Fassung konnte nicht im Verlauf abgelegt werden: %1.").arg(failure);
}

} // namespace fendrimo
