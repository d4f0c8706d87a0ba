#include "clockticker.h"

#include <QDateTime>

#include <utility>

namespace fendrimo {

namespace {

constexpr qint64 kSecondMs = 1000;

// Rounds down before the epoch too, so every second is kSecondMs long.
qint64 secondOf(qint64 ms)
{
    return ms >= 0 ? ms / kSecondMs : -((-ms + kSecondMs - 1) / kSecondMs);
}

} // namespace

ClockTicker::ClockTicker(QObject* parent)
    : ClockTicker([] { return QDateTime::currentMSecsSinceEpoch(); }, parent)
{
}

ClockTicker::ClockTicker(Clock clock, QObject* parent)
    : QObject(parent), m_clock(std::move(clock)), m_timer(this)
{
    // A coarse timer may fire up to 5 % early, in the second still shown.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ClockTicker::wake);
}

void ClockTicker::start()
{
    arm(m_clock());
}

void ClockTicker::stop()
{
    m_timer.stop();
}

void ClockTicker::arm(qint64 now)
{
    m_armedSecond = secondOf(now);
    // The clock reads whole milliseconds, rounded down, and a precise timer
    // never fires before its time: the wake falls in the next second unless
    // the wall clock runs slower than the timer's (adjusted by NTP).
    m_timer.start(int((m_armedSecond + 1) * kSecondMs - now));
}

void ClockTicker::wake()
{
    const qint64 now = m_clock();
    // Still in the armed second: early, sleep for the rest. Any other second,
    // later or after the clock was set back, is news to show.
    const bool newSecond = secondOf(now) != m_armedSecond;
    // Armed before the signal, so that a receiver may stop the ticker.
    arm(now);
    if (newSecond)
        emit tick();
}

} // namespace fendrimo
