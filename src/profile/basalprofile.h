#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <array>

namespace fendrimo {

// The 24 hourly rates in tenths of IE/h, hour 0 (0 to 1 o'clock) first.
using HourlyRates = std::array<qint32, 24>;

// 99,9 IE/h: no pump programs more, and a rate field shows it whole. A file
// or import holding more is no basal profile and is refused.
constexpr qint32 kLargestRate = 999;

// What a profile holds: the 24 hourly rates in tenths of IE/h, the three bolus
// factors, the programming date and the notes. Texts are kept as typed; the
// notes as stored, a line break as CR LF.
struct ProfileContent
{
    static constexpr int Hours = 24;
    static constexpr int Boluses = 3; // morgens, mittags, abends

    HourlyRates rates{};
    std::array<QString, Boluses> bolus;
    QString datum;
    QString notizen;

    friend bool operator==(const ProfileContent& a, const ProfileContent& b)
    {
        return a.rates == b.rates && a.bolus == b.bolus && a.datum == b.datum &&
               a.notizen == b.notizen;
    }
    friend bool operator!=(const ProfileContent& a, const ProfileContent& b) { return !(a == b); }

    qint64 total() const; // the daily total in tenths of IE, never overflowing
    qint32 highestRate() const;
};

// The daily total of 24 rates in tenths of IE, never overflowing.
qint64 dailyTotal(const HourlyRates& rates);

// The content together with the one editing switch that an undo restores with
// it: whether moving a slider moves every following hour too.
struct ProfileState
{
    ProfileContent content;
    bool linkedDragging = true;

    friend bool operator==(const ProfileState& a, const ProfileState& b)
    {
        return a.content == b.content && a.linkedDragging == b.linkedDragging;
    }
    friend bool operator!=(const ProfileState& a, const ProfileState& b) { return !(a == b); }
};

// The profile being edited and the maximum rate in force. The window shows it
// and sends every user action to it; each change is announced once.
class BasalProfile final : public QObject
{
    Q_OBJECT

public:
    static constexpr int Hours = ProfileContent::Hours;

    explicit BasalProfile(qint32 maximum, QObject* parent = nullptr);

    const ProfileContent& content() const { return m_state.content; }
    const ProfileState& state() const { return m_state; }
    qint32 rate(int hour) const { return m_state.content.rates.at(size_t(hour)); } // hour 0..23
    qint64 total() const { return m_state.content.total(); }
    qint32 highestRate() const { return m_state.content.highestRate(); }
    bool linkedDragging() const { return m_state.linkedDragging; }
    qint32 maximum() const { return m_maximum; }

    // Each announces changed() once, and only when something changes.
    void setState(const ProfileState& state);
    void setContent(const ProfileContent& content);
    void setLinkedDragging(bool linked);
    // Every rate must fit below it.
    void setMaximum(qint32 maximum);

    // The content after the user set hour to rate: with linked dragging every
    // following hour takes the same rate. The profile itself stays as it is.
    ProfileContent withRate(int hour, qint32 rate) const;

signals:
    void changed();

private:
    ProfileState m_state;
    qint32 m_maximum;
};

// "6 bis 7 Uhr", "6 bis 9 Uhr": a run of hours (0..23) by its whole span,
// as the sliders name their hours. Every text naming hours says it so.
QString hourSpanText(int firstHour, int lastHour);
// The runs of consecutive hours among hours (any order, repeats allowed),
// as (first, last), earliest first.
QList<std::pair<int, int>> hourRuns(QList<int> hours);
// "0 bis 1 Uhr, 22 bis 24 Uhr": the runs of hours by their spans; empty for none.
QString hourRunsText(const QList<int>& hours);

// "Basalrate 6 bis 7 Uhr", "Basalrate 6 bis 24 Uhr": the span of hours whose
// rates differ between the two contents; empty when none does.
QString changedHoursText(const ProfileContent& before, const ProfileContent& after);

// "Bolus morgens", "Bolus mittags", "Bolus abends": the bolus field of index
// 0..2 by name, as steps and notices name it.
QString bolusFieldName(int index);

} // namespace fendrimo
