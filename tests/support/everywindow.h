#pragma once

// Every window of the program, made as the main window makes it, for tests
// that look at all of them: the main window itself and each dialog, with
// the main window as parent.

#include "support/form1undertest.h"

#include "about/aboutbox.h"
#include "about/userguidewindow.h"
#include "app/dialogvalues.h"
#include "basaltest/basaltestdialog.h"
#include "basaltest/sheetblockdialog.h"
#include "glucose/glucosestats.h"
#include "glucoseview/glucosewindow.h"
#include "history/historydialog.h"
#include "options/optionsdialog.h"
#include "printing/grafikform.h"
#include "printing/previewdialog.h"
#include "tools/importpreviewdialog.h"
#include "tools/ratetooldialog.h"
#include "tools/takehoursdialog.h"

#include <QPrinter>

#include <memory>

namespace fendrimo::testing {

inline QStringList everyWindow()
{
    return {QStringLiteral("main window"),     QStringLiteral("options"),
            QStringLiteral("information"),     QStringLiteral("print dialog"),
            QStringLiteral("preview"),         QStringLiteral("history"),
            QStringLiteral("percentage tool"), QStringLiteral("shift tool"),
            QStringLiteral("take hours"),      QStringLiteral("import check"),
            QStringLiteral("user guide"),      QStringLiteral("glucose profile"),
            QStringLiteral("basal test"),      QStringLiteral("basal test sheet")};
}

// The glucose profile over 30 days of readings every 5 minutes, with the
// comparison's rates and every note: the period's days moved in, the
// shortfall of a weekend's days and readings below the sensor's range.
inline std::unique_ptr<QWidget> glucoseWindow(QWidget* owner, const HourlyRates& rates,
                                              const HourlyRates& reference)
{
    std::vector<GlucoseReading> readings;
    const std::int64_t start = 20000 * std::int64_t(kSecondsPerDay);
    for (std::int64_t at = start; at < start + 30 * kSecondsPerDay; at += 300) {
        const auto value = std::uint16_t(40 + (at / 300 * 37) % 360);
        readings.push_back({at, kNoOffset, value, GlucoseUnit::MgPerDl,
                            value == 40 ? ReadingKind::BelowRange : ReadingKind::Measured});
    }
    GlucoseData data;
    addReadings(data, std::move(readings), QStringLiteral("cgm.csv"), GlucoseUnit::MgPerDl);
    const GlucosePeriod period =
        choosePeriod(data, dateOfDay(19990), dateOfDay(20029), DaySelection::SaturdayAndSunday)
            .period;
    auto window = std::make_unique<GlucoseWindow>(owner);
    window->showPeriod(period, true);
    window->showFigures(glucoseStatistics(data, period, GlucoseUnit::MmolPerL), rates, reference);
    return window;
}

// The window named, unshown; nullptr for the main window, which is w. At
// their longest: the take dialog lists every hour, each with a rate of its
// own, the import's check the same hours, rounded, and many notices.
inline std::unique_ptr<QWidget> makeWindow(const QString& name, Form1UnderTest& w,
                                           QPrinter& printer)
{
    const HourlyRates rates = w.profile().content().rates;
    const ReportInput report;
    ProfileReference reference;
    reference.name = QStringLiteral("anders.bar");
    for (int h = 0; h < ProfileContent::Hours; ++h)
        reference.rates.at(size_t(h)) = rates.at(size_t(h)) + 1 + h;
    if (name == u"options")
        return std::make_unique<TFormOptionen>(&w, optionsShown(w.settings()));
    if (name == u"information")
        return std::make_unique<TAboutBox>(&w);
    if (name == u"print dialog")
        return std::make_unique<TGrafikForm>(&w, report, printOptions(w.settings()));
    if (name == u"preview")
        return std::make_unique<PreviewDialog>(&w, printer, report, [] { return true; });
    if (name == u"history")
        return std::make_unique<HistoryDialog>(&w, QStringLiteral("/tmp/a.bar"), true, QString());
    if (name == u"percentage tool")
        return std::make_unique<RateToolDialog>(&w, percentTool(rates, 30), rates);
    if (name == u"shift tool")
        return std::make_unique<RateToolDialog>(&w, shiftTool(rates), rates);
    if (name == u"take hours")
        return std::make_unique<TakeHoursDialog>(&w, rates, reference);
    if (name == u"basal test") { // two weeks of 5-minute readings, the whole day as block
        static GlucoseData data{{}, {QStringLiteral("c.csv")}, GlucoseUnit::MgPerDl};
        for (std::int64_t s = data.readings.empty() ? 0 : 14 * 86400; s < 14 * 86400; s += 300)
            data.readings.push_back({s, kNoOffset, std::uint16_t(90 + s % 7200 / 60)});
        return std::make_unique<BasalTestDialog>(&w, data, rates, GlucoseUnit::MmolPerL,
                                                 BasalTestBlock{6, 6});
    }
    if (name == u"basal test sheet")
        return std::make_unique<SheetBlockDialog>(&w, BasalTestBlock{22, 6});
    if (name == u"user guide")
        return std::make_unique<UserGuideWindow>(&w, QString(200, u'x'));
    if (name == u"import check") {
        ProfileContent imported = w.profile().content();
        imported.rates = reference.rates;
        QList<int> rounded;
        for (int h = 0; h < ProfileContent::Hours; ++h)
            rounded << h;
        const QStringList notices(8, QStringLiteral("Die Rate wurde gerundet."));
        return std::make_unique<ImportPreviewDialog>(
            &w, previewImport(w.profile().content(), imported, rounded), notices);
    }
    if (name == u"glucose profile")
        return glucoseWindow(&w, rates, reference.rates);
    return nullptr;
}

} // namespace fendrimo::testing
