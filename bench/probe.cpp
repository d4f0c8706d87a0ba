#include "probe.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

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

// The peak resident set of the process so far, in KiB.
qint64 peakRssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    const QRegularExpression hwm(QStringLiteral(R"(^VmHWM:\s+(\d+) kB$)"),
                                 QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = status.open(QIODevice::ReadOnly)
                                              ? hwm.match(QString::fromLatin1(status.readAll()))
                                              : QRegularExpressionMatch();
    if (!match.hasMatch()) {
        std::fprintf(stderr, "no VmHWM in /proc/self/status\n");
        std::exit(2);
    }
    return match.captured(1).toLongLong();
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

StartupProbe::StartupProbe(QWidget& window, const QString& program, int idleMs)
    : m_window(window), m_program(program), m_idleMs(idleMs)
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
    m_idleStartNs = clockNs(CLOCK_MONOTONIC);
    m_idleStartCpuNs = clockNs(CLOCK_PROCESS_CPUTIME_ID);
    // Nothing of the probe may run while idle but the one timer that ends it.
    disconnect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
               &StartupProbe::eventLoopWaits);
    m_window.removeEventFilter(this);
    QTimer::singleShot(m_idleMs, Qt::PreciseTimer, this, &StartupProbe::finish);
}

void StartupProbe::finish()
{
    const qint64 endNs = clockNs(CLOCK_MONOTONIC);
    const qint64 endCpuNs = clockNs(CLOCK_PROCESS_CPUTIME_ID);
    const StartClock start = startClock();
    const double idleSeconds = double(endNs - m_idleStartNs) / 1e9;
    const double idleCpuMs = double(endCpuNs - m_idleStartCpuNs) / 1e6;

    QJsonObject result;
    result.insert(QStringLiteral("program"), m_program);
    result.insert(QStringLiteral("startup_ms"), double(m_idleStartNs - start.wallNs) / 1e6);
    result.insert(QStringLiteral("startup_cpu_ms"), double(m_idleStartCpuNs - start.cpuNs) / 1e6);
    result.insert(QStringLiteral("peak_rss_kib"), peakRssKiB());
    result.insert(QStringLiteral("idle_s"), idleSeconds);
    result.insert(QStringLiteral("idle_cpu_ms"), idleCpuMs);
    result.insert(QStringLiteral("idle_cpu_percent"),
                  idleSeconds > 0 ? idleCpuMs / 10.0 / idleSeconds : 0.0);
    result.insert(QStringLiteral("window"),
                  QStringLiteral("%1x%2").arg(m_window.width()).arg(m_window.height()));
    const QByteArray line = QJsonDocument(result).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(0);
}

} // namespace fendrimo::bench
