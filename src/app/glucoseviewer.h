#pragma once

#include "app/commandpath.h"
#include "glucose/glucosestats.h"

#include <QPointer>

#include <functional>

namespace fendrimo {

class GlucoseWindow;
class Settings;

// The unit glucose is shown in, on screen and on paper: the one chosen and
// stored, else the unit of the data first loaded.
GlucoseUnit shownGlucoseUnit(const Settings& settings, const GlucoseData& data);

// "Glukoseprofil": opens the window over the glucose data and keeps it in
// line with the data, the chosen period and unit, and the profile's rates as
// they are edited. Made when the window is first asked for.
class GlucoseViewer
{
public:
    // focusHour: puts the focus on the main window's slider of that hour.
    GlucoseViewer(const WindowContext& context, const GlucoseData& data,
                  std::function<void(int)> focusHour);
    ~GlucoseViewer();
    GlucoseViewer(const GlucoseViewer&) = delete;
    GlucoseViewer& operator=(const GlucoseViewer&) = delete;

    // Opens the window, or raises the one open.
    void open();
    // The data changed: the period is the last 14 days of the new data, the
    // window shows them, or closes when there is none.
    void dataChanged();
    // The period chosen in the window; the last 14 days before it is opened.
    GlucosePeriod period() const;

private:
    GlucoseUnit unit() const;
    void choosePeriod(const QDate& from, const QDate& to, DaySelection days,
                      const QList<QDate>& picked);
    void chooseUnit(GlucoseUnit unit);
    // The figures computed anew and shown with the rates.
    void showFigures();
    // The rates and the comparison as the document has them now.
    void showRates();

    WindowContext m_context;
    const GlucoseData& m_data;
    std::function<void(int)> m_focusHour;
    QPointer<GlucoseWindow> m_window;
    GlucosePeriod m_period;
    bool m_moved = false;
    GlucoseStatistics m_statistics;
};

} // namespace fendrimo
