#pragma once

#include <QObject>
#include <QSize>
#include <QString>

class QWidget;

namespace fendrimo::bench {

// Restarts the program in the same process (execve) with the clocks of this
// moment in its environment, so that the start-up time counts loading the
// program and its libraries too. Does nothing in the restarted program.
// Call first thing in main.
void restartWithStartClock(char** argv);

struct ProbeOptions
{
    int idleMs = 10000; // --idle-seconds N
    QSize size;         // --size WxH: the window's size, empty: its own
};

// Reads the probe's own options from the arguments the application left over.
ProbeOptions parseProbeOptions(const QStringList& arguments);

// Measures one run: start-up from the restart until the event loop first
// waits with the window shown and painted, then the CPU time and the
// main thread's wakeups of the idle window for the given time. Then prints
// one line of JSON on stdout and ends the process at once, so no teardown is
// measured or can ask anything.
class StartupProbe final : public QObject
{
public:
    // focus: the widget that must hold the keyboard focus while idle (a
    // text field's cursor blinks by itself); nullptr: any or none.
    StartupProbe(QWidget& window, const QString& program, int idleMs, QWidget* focus = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void eventLoopWaits();
    void finish();

    QWidget& m_window;
    QString m_program;
    int m_idleMs;
    QWidget* m_focus;
    QString m_focusName;
    bool m_painted = false;
    bool m_started = false;
    qint64 m_startupEndNs = 0;
    qint64 m_startupEndCpuNs = 0;
    qint64 m_idleStartNs = 0;
    qint64 m_idleStartCpuNs = 0;
    qint64 m_idleStartSwitches = 0;
};

} // namespace fendrimo::bench
