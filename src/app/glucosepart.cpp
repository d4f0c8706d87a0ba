// Glucose data beside the profile: CGM exports read into one data set, a
// reading that two files hold counted once. Neither the profile, its saved
// state, its file nor the folder setting changes, and nothing is an undo
// step. A year of readings takes a while to read, so a file is read on a
// pool thread while the window goes on; only a read that takes more than a
// moment shows its progress dialog, whose "Abbrechen" drops the outcome.

#include "app/glucosepart.h"

#include "app/filespart.h"
#include "app/glucoseviewer.h"
#include "app/windowmessages.h"
#include "files/filename.h"
#include "glucose/glucoseformats.h"
#include "glucose/glucosestats.h"
#include "platform/platform.h"
#include "settings/settings.h"

#include <QFutureWatcher>
#include <QMimeData>
#include <QProgressDialog>
#include <QPromise>
#include <QThreadPool>

#include <memory>

namespace fendrimo {

namespace {

// A read shorter than this passes without a dialog flashing up.
constexpr int kProgressDelayMs = 500;

// The read on a thread of the global pool. QtCore's own promise rather than
// Qt Concurrent: another library loaded at every start would cost start-up
// time for a command most runs never use.
QFuture<GlucoseOutcome> readOnPool(const QString& path, const QTimeZone& zone)
{
    auto promise = std::make_shared<QPromise<GlucoseOutcome>>();
    QFuture<GlucoseOutcome> future = promise->future();
    promise->start();
    QThreadPool::globalInstance()->start([promise, path, zone] {
        promise->addResult(readGlucoseFile(path, zone));
        promise->finish();
    });
    return future;
}

QString glucoseDialogFilter()
{
    QStringList filters{GlucosePart::tr("Alle Glukosedaten (*.csv *.json *.txt)")};
    for (const GlucoseFormatInfo& info : glucoseFormats())
        filters << info.filterText();
    return filters.join(QStringLiteral(";;"));
}

} // namespace

GlucosePart::GlucosePart(const WindowContext& context, std::function<void()> changed,
                         std::function<void(int)> focusHour)
    : m_context(context), m_changed(std::move(changed)), m_focusHour(std::move(focusHour))
{
}

GlucosePart::~GlucosePart()
{
    // Not from a signal of theirs: they can go at once, before the window.
    delete m_reading.data();
    delete m_progress.data();
}

void GlucosePart::addCommands(CommandPath& commands)
{
    commands.add("GlukoseLaden1", [this] { GlukoseLadenClick(); });
    commands.add(
        "Glukoseprofil1", [this] { GlukoseprofilClick(); }, [this] { return hasData(); });
    commands.add(
        "GlukoseEntfernen1", [this] { GlukoseEntfernenClick(); }, [this] { return hasData(); });
}

QString GlucosePart::droppedGlucose(const QMimeData* data)
{
    const QString path = droppedLocalFile(data);
    for (const char* suffix : {".csv", ".json", ".txt"}) {
        if (path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return path;
    }
    return QString();
}

void GlucosePart::GlukoseLadenClick()
{
    FileDialogRequest request;
    request.title = tr("Glukosedaten laden");
    request.filter = glucoseDialogFilter();
    // The folder of the profiles, which only their own dialogs change.
    request.startFolder = m_context.settings.verzeichnis(QString());
    request.proposedFile = m_dialogFileName;
    request.fileMustExist = true;
    const std::optional<QString> chosen = platform().openFileName(m_context.window, request);
    if (!chosen)
        return;
    m_dialogFileName = *chosen;
    loadFile(*chosen);
}

void GlucosePart::loadFile(const QString& path)
{
    m_waiting << cleanAbsolutePath(path);
    if (!m_reading)
        readNext();
}

void GlucosePart::readNext()
{
    if (m_waiting.isEmpty())
        return;
    const QString path = m_waiting.takeFirst();
    auto* progress = new QProgressDialog(
        tr("Die Glukosedaten aus %1 werden gelesen.").arg(displayFileName(path)), tr("Abbrechen"),
        0, 0, m_context.window);
    progress->setWindowTitle(tr("Glukosedaten laden"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(kProgressDelayMs);
    auto* watcher = new QFutureWatcher<GlucoseOutcome>(m_context.window);
    m_reading = watcher;
    m_progress = progress;
    // Its button, Escape and its close button alike.
    QObject::connect(progress, &QProgressDialog::canceled, watcher, [this] {
        m_waiting.clear();
        endReading();
    });
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [this, watcher, path] {
        if (watcher != m_reading)
            return; // cancelled: its outcome is dropped
        const GlucoseOutcome outcome = watcher->future().takeResult();
        endReading();
        m_context.commands.run([&] { takeOutcome(path, outcome); });
        readNext();
    });
    // The zone is the system's as the file was chosen, read on this thread.
    watcher->setFuture(readOnPool(path, QTimeZone::systemTimeZone()));
}

void GlucosePart::endReading()
{
    if (m_progress) {
        m_progress->reset(); // hidden, and not shown late by its own timer
        m_progress->deleteLater();
    }
    if (m_reading)
        m_reading->deleteLater(); // its thread reads on; the outcome goes with it
    m_reading = nullptr;
    m_progress = nullptr;
}

void GlucosePart::takeOutcome(const QString& path, const GlucoseOutcome& outcome)
{
    if (!outcome.file) {
        WindowMessages::glucoseRefused(m_context.window, path, outcome.error);
        return;
    }
    const GlucoseFile& file = *outcome.file;
    const int present = addReadings(m_data, file.readings, displayFileName(path), file.unit);
    dataChanged();
    WindowMessages::glucoseLoaded(m_context.window, path, file, present);
}

void GlucosePart::GlukoseEntfernenClick()
{
    if (!hasData())
        return;
    if (platform().message(m_context.window, MessageType::Bestaetigen,
                           m_data.files.size() == 1
                               ? tr("Die geladenen Glukosedaten aus einer Datei entfernen?")
                               : tr("Die geladenen Glukosedaten aus %1 Dateien entfernen?")
                                     .arg(m_data.files.size()),
                           MessageButton::Ja | MessageButton::Nein) != MessageResult::Ja)
        return;
    m_data = GlucoseData();
    dataChanged();
}

void GlucosePart::GlukoseprofilClick()
{
    if (!hasData())
        return;
    if (!m_viewer)
        m_viewer = std::make_unique<GlucoseViewer>(m_context, m_data, m_focusHour);
    m_viewer->open();
}

void GlucosePart::dataChanged()
{
    m_changed();
    if (m_viewer)
        m_viewer->dataChanged();
}

std::optional<GlucoseReport> GlucosePart::printedReport() const
{
    if (!hasData())
        return std::nullopt;
    const GlucosePeriod period = m_viewer ? m_viewer->period() : defaultPeriod(m_data);
    return GlucoseReport{
        m_data.files,
        glucoseStatistics(m_data, period, shownGlucoseUnit(m_context.settings, m_data))};
}

} // namespace fendrimo
