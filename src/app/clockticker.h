#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace fendrimo {

// Wakes once a second, at each full second of the wall clock, for a display
// of the time: a 1000 ms interval would drift against the clock and a short
// one keeps the program busy while it sits idle.
class ClockTicker final : public QObject
{
    Q_OBJECT

public:
    // Milliseconds since the epoch; tests put a clock of their own in.
    using Clock = std::function<qint64()>;

    explicit ClockTicker(QObject* parent = nullptr);
    ClockTicker(Clock clock, QObject* parent);

    // Arms for the next full second; starting again only re-arms.
    void start();
    void stop();
    bool isActive() const { return m_timer.isActive(); }

signals:
    // The wall clock has just entered a new second.
    void tick();

private:
    void arm(qint64 now);
    void wake();

    Clock m_clock;
    QTimer m_timer;
    qint64 m_armedSecond = 0; // the second the clock was in when armed
};

} // namespace fendrimo
