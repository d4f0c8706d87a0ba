// Micro-benchmarks of the core. Times are what a user waits for: real time,
// the median over repetitions (scripts/bench.sh asks for those).

#include "files/profilsatz.h"
#include "platform/regional.h"
#include "printing/reportpage.h"
#include "printing/reportpainter.h"
#include "profile/zehntel.h"
#include "settings/inifile.h"
#include "settings/settingskeys.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <limits>
#include <string>

using namespace fendrimo;

namespace {

// A worked profile in tenths of IE/h: six hours at 0,8, four at 1,2, eight at
// 1,0, six at 0,9.
constexpr std::array<qint64, 24> kRates{8,  8,  8,  8,  8,  8,  12, 12, 12, 12, 10, 10,
                                        10, 10, 10, 10, 10, 10, 9,  9,  9,  9,  9,  9};

void useGermanFormats()
{
    RegionalFormats formats;
    formats.decimalSeparator = QLatin1Char(',');
    RegionalFormats::setCurrent(formats);
}

ReportInput reportInput(qint32 maximum)
{
    ReportInput input;
    input.maximum = maximum;
    for (size_t h = 0; h < kRates.size(); ++h)
        input.profile.rates[h] = qint32(kRates[h]);
    input.profile.datum = QStringLiteral("08.12.2026");
    input.profile.bolus = {QStringLiteral("1,5"), QStringLiteral("1,0"), QStringLiteral("1,2")};
    input.notes = {QStringLiteral("Sport am Dienstag: Rate ab 17 Uhr senken"),
                   QStringLiteral("Pumpe neu programmiert nach Absprache")};
    input.today = QStringLiteral("09.12.2026");
    return input;
}

// The page as the print job gets it: A4 at the printer's high resolution.
void setUpPage(QPdfWriter& writer)
{
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(1200);
}

qint64 a4Depth()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    setUpPage(writer);
    return reportPageDepth(writer);
}

Profilsatz workedRecord()
{
    Profilsatz record;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        record.setRate(h, qint32(kRates[size_t(h)]));
    record.setDatum(QStringLiteral("08.12.2026"));
    record.setNotizen(QStringLiteral("Sport am Dienstag: Rate ab 17 Uhr senken\r\n"
                                     "Pumpe neu programmiert nach Absprache (Größe ändern)"));
    record.setBolus(1, QStringLiteral("1,5"));
    record.setBolus(4, QStringLiteral("1,0"));
    record.setBolus(7, QStringLiteral("1,2"));
    return record;
}

void BM_ZehntelText(benchmark::State& state)
{
    size_t h = 0;
    for (auto _ : state) {
        QString text = ZehntelText(kRates[h]);
        benchmark::DoNotOptimize(text);
        h = (h + 1) % kRates.size();
    }
}
BENCHMARK(BM_ZehntelText)->Unit(benchmark::kNanosecond);

// Filling every field (texts into Windows-1252) and taking the 656 bytes.
void BM_RecordEncode(benchmark::State& state)
{
    for (auto _ : state) {
        QByteArray bytes = workedRecord().toBytes();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_RecordEncode)->Unit(benchmark::kMicrosecond);

// Taking 656 bytes and reading every field back.
void BM_RecordDecode(benchmark::State& state)
{
    const QByteArray bytes = workedRecord().toBytes();
    for (auto _ : state) {
        Profilsatz record;
        record.assignBytes(bytes);
        qint64 sum = 0;
        for (int h = 0; h < Profilsatz::Hours; ++h)
            sum += record.rate(h);
        QString datum = record.datum();
        QString notizen = record.notizen();
        QString bolus = record.bolus(1) + record.bolus(4) + record.bolus(7);
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(datum);
        benchmark::DoNotOptimize(notizen);
        benchmark::DoNotOptimize(bolus);
    }
}
BENCHMARK(BM_RecordDecode)->Unit(benchmark::kMicrosecond);

// The settings file as the first run writes it, in a folder of its own.
class SettingsFile
{
public:
    SettingsFile()
    {
        QFile file(path());
        if (!file.open(QIODevice::WriteOnly))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path()));
        file.write("[Einstellungen]\r\nMaximum=30\r\nFarbDruck=1\r\nVerzeichnis=\r\n"
                   "[Teststring]\r\nDatei=Vorhanden\r\n");
    }
    QString path() const { return m_dir.filePath(settingsFileName()); }

private:
    QTemporaryDir m_dir;
};

// What start-up reads: the first-run marker and the maximum.
void BM_SettingsRead(benchmark::State& state)
{
    SettingsFile file;
    IniFile ini(file.path());
    for (auto _ : state) {
        QString marker = ini.readString(settingskeys::teststring(), settingskeys::datei(), {});
        int maximum = ini.readInteger(settingskeys::einstellungen(), settingskeys::maximum(), -1);
        benchmark::DoNotOptimize(marker);
        benchmark::DoNotOptimize(maximum);
    }
}
BENCHMARK(BM_SettingsRead)->Unit(benchmark::kMicrosecond);

// What the options dialog writes for a new maximum: one key, the file replaced.
void BM_SettingsWrite(benchmark::State& state)
{
    SettingsFile file;
    IniFile ini(file.path());
    int maximum = 30;
    for (auto _ : state) {
        ini.writeInteger(settingskeys::einstellungen(), settingskeys::maximum(), maximum);
        maximum = maximum == 30 ? 31 : 30;
    }
}
BENCHMARK(BM_SettingsWrite)->Unit(benchmark::kMicrosecond);

void BM_DescribeReport(benchmark::State& state)
{
    const ReportInput input = reportInput(qint32(state.range(0)));
    const qint64 depth = a4Depth();
    qint64 steps = 0;
    for (auto _ : state) {
        QList<ReportStep> page = describeReport(input, depth);
        steps = page.size();
        benchmark::DoNotOptimize(page);
    }
    state.counters["steps"] = double(steps);
}
BENCHMARK(BM_DescribeReport)->Arg(30)->Arg(2000000000)->Unit(benchmark::kMicrosecond);

// How many drawing steps the page takes, for every maximum up to 1000 (the
// page fills with tenths at about 110) and then by powers up to the largest
// a profile can hold: "maximum:steps ..." for the report, counted not timed.
std::string reportStepCounts()
{
    QList<qint32> maxima;
    for (qint32 maximum = 1; maximum <= 1000; ++maximum)
        maxima.append(maximum);
    for (qint64 power = 10000; power <= 1000000000; power *= 10)
        maxima << qint32(power / 10 * 3) << qint32(power);
    maxima << 2000000000 << std::numeric_limits<qint32>::max();

    const qint64 depth = a4Depth();
    std::string counts;
    for (const qint32 maximum : std::as_const(maxima)) {
        counts += std::to_string(maximum) + ':' +
                  std::to_string(describeReport(reportInput(maximum), depth).size()) + ' ';
    }
    return counts;
}

// The whole page as the print job makes it, to a PDF in memory.
void BM_RenderPdf(benchmark::State& state)
{
    const ReportInput input = reportInput(qint32(state.range(0)));
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        setUpPage(writer);
        QPainter painter(&writer);
        paintReport(painter, describeReport(input, reportPageDepth(writer)));
        painter.end();
        bytes = buffer.size();
    }
    state.counters["pdf_bytes"] = double(bytes);
}
BENCHMARK(BM_RenderPdf)->Arg(30)->Arg(2000000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Fonts for the PDF need a GUI application; no display is wanted.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    useGermanFormats();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::AddCustomContext("report_steps", reportStepCounts());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
