#pragma once

#include "app/commandpath.h"
#include "glucose/glucosedata.h"
#include "printing/glucosereport.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QMimeData;
class QProgressDialog;

namespace fendrimo {

class GlucoseViewer;
struct GlucoseOutcome;

// "Glukosedaten laden" and "entfernen": CGM exports read into one data set
// beside the profile, which they never change. A file is read off the
// user-interface thread; a progress dialog offers to cancel a long read.
class GlucosePart
{
    Q_DECLARE_TR_FUNCTIONS(fendrimo::TForm1)

public:
    // changed: the data set changed, so the menu items' rules may have;
    // focusHour: the main window's slider of that hour takes the focus.
    GlucosePart(const WindowContext& context, std::function<void()> changed,
                std::function<void(int)> focusHour);
    ~GlucosePart();
    GlucosePart(const GlucosePart&) = delete;
    GlucosePart& operator=(const GlucosePart&) = delete;

    void addCommands(CommandPath& commands);
    // A dropped local file of a glucose export's suffix, or an empty text.
    static QString droppedGlucose(const QMimeData* data);
    // Reads the file at path into the data set, after any read under way, as
    // "Glukosedaten laden" does after its dialog.
    void loadFile(const QString& path);
    // What a print shows of the data: its figures over the period chosen in
    // the glucose profile's window (the last 14 days before it is opened), in
    // the unit shown; none without data.
    std::optional<GlucoseReport> printedReport() const;
    const GlucoseData& data() const { return m_data; }

private:
    void GlukoseLadenClick();
    void GlukoseEntfernenClick();
    void GlukoseprofilClick();
    // The data set changed: the menu and the profile's window follow.
    void dataChanged();

    bool hasData() const { return !m_data.files.isEmpty(); }
    // Starts reading the next file waiting, if any.
    void readNext();
    // A read ended: its outcome into the data set, worded.
    void takeOutcome(const QString& path, const GlucoseOutcome& outcome);
    // The read under way and its dialog go; its outcome, when it comes, is dropped.
    void endReading();

    WindowContext m_context;
    std::function<void()> m_changed;
    std::function<void(int)> m_focusHour;
    GlucoseData m_data;
    // Made when "Glukoseprofil" is first chosen.
    std::unique_ptr<GlucoseViewer> m_viewer;
    // The file dialog remembers the path last chosen in it for the run.
    QString m_dialogFileName;
    // Files dropped or chosen while another is read, read one after the other.
    QStringList m_waiting;
    // Set while a file is read: its result's watcher and its progress dialog.
    QPointer<QObject> m_reading;
    QPointer<QProgressDialog> m_progress;
};

} // namespace fendrimo
