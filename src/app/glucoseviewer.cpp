// The glucose profile's window over the one data set of the run. Its
// figures are computed on this thread at every change of period or unit:
// a year takes well under 20 ms. It only shows; the profile changes
// nowhere here.

#include "app/glucoseviewer.h"

#include "document/profiledocument.h"
#include "glucose/glucoseshown.h"
#include "glucoseview/glucosewindow.h"
#include "settings/settings.h"

namespace fendrimo {

namespace {

// The days the data holds readings on, in order.
QList<QDate> dataDays(const GlucoseData& data)
{
    QList<QDate> days;
    std::int64_t last = -1;
    for (const GlucoseReading& reading : data.readings) {
        const std::int64_t day = localDay(reading.localSeconds);
        if (day != last)
            days << dateOfDay(day);
        last = day;
    }
    return days;
}

} // namespace

GlucoseViewer::GlucoseViewer(const WindowContext& context, const GlucoseData& data,
                             std::function<void(int)> focusHour)
    : m_context(context), m_data(data), m_focusHour(std::move(focusHour))
{
}

GlucoseViewer::~GlucoseViewer()
{
    delete m_window.data();
}

void GlucoseViewer::open()
{
    if (m_window) {
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    m_window = new GlucoseWindow(m_context.window);
    GlucoseWindow* window = m_window;
    QObject::connect(window, &GlucoseWindow::periodChosen, window,
                     [this](const QDate& from, const QDate& to, DaySelection days,
                            const QList<QDate>& picked) { choosePeriod(from, to, days, picked); });
    QObject::connect(window, &GlucoseWindow::unitChosen, window, [this](GlucoseUnit chosen) {
        m_context.commands.run([this, chosen] { chooseUnit(chosen); });
    });
    QObject::connect(window, &GlucoseWindow::hourChosen, window,
                     [this](int hour) { m_focusHour(hour); });
    // The rates follow every edit, undo and comparison while the window is open.
    QObject::connect(&m_context.document, &ProfileDocument::contentChanged, window,
                     [this] { showRates(); });
    QObject::connect(&m_context.document, &ProfileDocument::referenceChanged, window,
                     [this] { showRates(); });
    dataChanged();
    window->show();
}

void GlucoseViewer::dataChanged()
{
    if (m_data.readings.empty()) {
        m_period = GlucosePeriod();
        if (m_window)
            m_window->close();
        return;
    }
    // New data: its last 14 days, the days chosen as before.
    const GlucosePeriod latest = defaultPeriod(m_data);
    const DaySelection days =
        m_period.days == DaySelection::Picked ? DaySelection::All : m_period.days;
    m_period = fendrimo::choosePeriod(m_data, latest.first, latest.last, days).period;
    m_moved = false;
    if (!m_window)
        return;
    m_window->setDataDays(dataDays(m_data));
    m_window->showPeriod(m_period, m_moved);
    showFigures();
}

GlucosePeriod GlucoseViewer::period() const
{
    return m_period.isValid() ? m_period : defaultPeriod(m_data);
}

GlucoseUnit GlucoseViewer::unit() const
{
    return shownGlucoseUnit(m_context.settings, m_data);
}

void GlucoseViewer::choosePeriod(const QDate& from, const QDate& to, DaySelection days,
                                 const QList<QDate>& picked)
{
    const PeriodChoice choice = fendrimo::choosePeriod(m_data, from, to, days, picked);
    m_period = choice.period;
    m_moved = choice.clamped;
    m_window->showPeriod(m_period, m_moved);
    showFigures();
}

void GlucoseViewer::chooseUnit(GlucoseUnit chosen)
{
    // Stored only here, where the user chose it.
    m_context.settings.setGlukoseEinheit(unitName(chosen));
    showFigures();
}

void GlucoseViewer::showFigures()
{
    const GlucoseUnit shown = unit();
    m_statistics = glucoseStatistics(m_data, m_period, shown);
    m_window->showUnit(shown);
    showRates();
}

void GlucoseViewer::showRates()
{
    const ProfileDocument& document = m_context.document;
    std::optional<HourRates> reference;
    if (document.reference())
        reference = document.reference()->rates;
    m_window->showFigures(m_statistics, document.content().rates, reference);
}

GlucoseUnit shownGlucoseUnit(const Settings& settings, const GlucoseData& data)
{
    const QString stored = settings.glukoseEinheit();
    if (stored == unitName(GlucoseUnit::MmolPerL))
        return GlucoseUnit::MmolPerL;
    if (stored == unitName(GlucoseUnit::MgPerDl))
        return GlucoseUnit::MgPerDl;
    return data.unit;
}

} // namespace fendrimo
