#include "probe.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace fendrimo::bench {

namespace {

constexpr char kStartVariable[] = "FENDRIMO_BENCH_START";

qint64 clockNs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// "<monotonic ns> <process CPU ns>" at the restart.
struct StartClock
{
    qint64 wallNs = 0;
    qint64 cpuNs = 0;
};

StartClock startClock()
{
    long long wall = 0;
    long long cpu = 0;
    const char* text = std::getenv(kStartVariable);
    if (!text || std::sscanf(text, "%lld %lld", &wall, &cpu) != 2) {
        std::fprintf(stderr, "not started through restartWithStartClock\n");
        std::exit(2);
    }
    return {wall, cpu};
}

// A number field ("Name:  123") of a /proc status file.
qint64 statusField(const QString& path, const QString& name)
{
    QFile status(path);
    const QRegularExpression field(QStringLiteral(R"(^%1:\s+(\d+))").arg(name),
                                   QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = status.open(QIODevice::ReadOnly)
                                              ? field.match(QString::fromLatin1(status.readAll()))
                                              : QRegularExpressionMatch();
    if (!match.hasMatch()) {
        std::fprintf(stderr, "no %s in %s\n", qPrintable(name), qPrintable(path));
        std::exit(2);
    }
    return match.captured(1).toLongLong();
}

// The peak resident set of the process so far, in KiB.
qint64 peakRssKiB()
{
    return statusField(QStringLiteral("/proc/self/status"), QStringLiteral("VmHWM"));
}

// How often the calling thread has left the processor: each time it went to
// sleep (voluntary) or was preempted (nonvoluntary). Called on the main
// thread, so it counts that thread's wakeups and no other thread's.
qint64 threadContextSwitches()
{
    const QString path = QStringLiteral("/proc/thread-self/status");
    return statusField(path, QStringLiteral("voluntary_ctxt_switches")) +
           statusField(path, QStringLiteral("nonvoluntary_ctxt_switches"));
}

} // namespace

void restartWithStartClock(char** argv)
{
    if (std::getenv(kStartVariable))
        return;
    char value[64];
    const long long cpu = clockNs(CLOCK_PROCESS_CPUTIME_ID);
    const long long wall = clockNs(CLOCK_MONOTONIC);
    std::snprintf(value, sizeof value, "%lld %lld", wall, cpu);
    setenv(kStartVariable, value, 1);
    execv("/proc/self/exe", argv);
    std::perror("execv /proc/self/exe");
    std::exit(2);
}

ProbeOptions parseProbeOptions(const QStringList& arguments)
{
    ProbeOptions options;
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        const QString& name = arguments.at(i);
        const QString& value = arguments.at(i + 1);
        if (name == QLatin1String("--idle-seconds")) {
            options.idleMs = qRound(value.toDouble() * 1000);
        } else if (name == QLatin1String("--size")) {
            const QStringList parts = value.split(QLatin1Char('x'));
            if (parts.size() == 2)
                options.size = QSize(parts.at(0).toInt(), parts.at(1).toInt());
        } else {
            std::fprintf(stderr, "unknown option %s\n", qPrintable(name));
            std::exit(2);
        }
    }
    return options;
}

StartupProbe::StartupProbe(QWidget& window, const QString& program, int idleMs, QWidget* focus)
    : m_window(window), m_program(program), m_idleMs(idleMs), m_focus(focus)
{
    startClock(); // fails now rather than after the idle time
    m_window.installEventFilter(this);
    // aboutToBlock: every event waiting (posted events, the expose and the
    // paint that follows show()) has been handled and the loop goes to sleep.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &StartupProbe::eventLoopWaits);
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::Paint)
        m_painted = true;
    return QObject::eventFilter(watched, event);
}

void StartupProbe::eventLoopWaits()
{
    if (m_started || !m_painted || !m_window.isVisible())
        return;
    m_started = true;
    m_startupEndNs = clockNs(CLOCK_MONOTONIC);
    m_startupEndCpuNs = clockNs(CLOCK_PROCESS_CPUTIME_ID);
    const QWidget* focused = QApplication::focusWidget();
    m_focusName = focused ? focused->objectName() : QString();
    if (m_focus && focused != m_focus) {
        std::fprintf(stderr, "the keyboard focus is on \"%s\", not on \"%s\"\n",
                     qPrintable(m_focusName), qPrintable(m_focus->objectName()));
        std::exit(2);
    }
    // Nothing of the probe may run while idle but the one timer that ends it.
    disconnect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
               &StartupProbe::eventLoopWaits);
    m_window.removeEventFilter(this);
    QTimer::singleShot(m_idleMs, Qt::PreciseTimer, this, &StartupProbe::finish);
    // Last, so that none of the probe's own work counts as idle: the loop
    // goes to sleep right after this.
    m_idleStartSwitches = threadContextSwitches();
    m_idleStartNs = clockNs(CLOCK_MONOTONIC);
    m_idleStartCpuNs = clockNs(CLOCK_PROCESS_CPUTIME_ID);
}

void StartupProbe::finish()
{
    const qint64 endNs = clockNs(CLOCK_MONOTONIC);
    const qint64 endCpuNs = clockNs(CLOCK_PROCESS_CPUTIME_ID);
    // Each sleep of the loop ended in a wakeup; the last one is this timer's,
    // the probe's own.
    const qint64 wakeups = std::max<qint64>(threadContextSwitches() - m_idleStartSwitches - 1, 0);
    const StartClock start = startClock();
    const double idleSeconds = double(endNs - m_idleStartNs) / 1e9;
    const double idleCpuMs = double(endCpuNs - m_idleStartCpuNs) / 1e6;

    QJsonObject result;
    result.insert(QStringLiteral("program"), m_program);
    result.insert(QStringLiteral("startup_ms"), double(m_startupEndNs - start.wallNs) / 1e6);
    result.insert(QStringLiteral("startup_cpu_ms"), double(m_startupEndCpuNs - start.cpuNs) / 1e6);
    result.insert(QStringLiteral("peak_rss_kib"), peakRssKiB());
    result.insert(QStringLiteral("idle_s"), idleSeconds);
    result.insert(QStringLiteral("idle_cpu_ms"), idleCpuMs);
    result.insert(QStringLiteral("idle_cpu_percent"),
                  idleSeconds > 0 ? idleCpuMs / 10.0 / idleSeconds : 0.0);
    result.insert(QStringLiteral("idle_wakeups"), wakeups);
    result.insert(QStringLiteral("idle_wakeups_per_s"),
                  idleSeconds > 0 ? double(wakeups) / idleSeconds : 0.0);
    result.insert(QStringLiteral("focus"), m_focusName);
    result.insert(QStringLiteral("window"),
                  QStringLiteral("%1x%2").arg(m_window.width()).arg(m_window.height()));
    const QByteArray line = QJsonDocument(result).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(0);
}

} // namespace fendrimo::bench
