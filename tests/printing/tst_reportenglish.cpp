// The printed report and the table page in English: the layout in
// millimetres is the German one, no English text runs past its German
// counterpart's room, and the PDF reads back in English.

#include "app/translation.h"
#include "printing/printcheck.h"
#include "printing/reportpainter.h"
#include "printing/reportpdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

#include <algorithm>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

ReportInput sampleInput(bool comparison)
{
    ReportInput input;
    input.maximum = 30;
    input.profile.rates.fill(8);
    input.profile.rates[6] = 12;
    input.profile.datum = QStringLiteral("08.12.2026");
    input.profile.bolus[0] = QStringLiteral("1,5");
    input.notes = {QStringLiteral("Sport")};
    input.today = QStringLiteral("09.12.2026");
    input.table = true;
    if (comparison) {
        ProfileReference reference;
        reference.rates = input.profile.rates;
        reference.rates[6] = 13;
        reference.name = QStringLiteral("Autotune");
        input.reference = reference;
    }
    return input;
}

// Room of a German text: up to the next text to its right on the same row,
// or to the page's right edge; at least what the German text itself takes.
qreal roomOf(const QList<ReportStep>& page, const ReportStep& text, ReportPainter& painter)
{
    qint64 right = 0;
    for (const ReportStep& step : page)
        right = std::max({right, step.x, step.kind == ReportStep::Kind::Line ? step.x2 : 0});
    for (const ReportStep& step : page) {
        const bool sameRow = std::abs(step.y - text.y) < std::max(step.fontHeight, text.fontHeight);
        if (step.kind == ReportStep::Kind::Text && !step.text.isEmpty() && sameRow &&
            step.x > text.x)
            right = std::min(right, step.x);
    }
    return std::max(qreal(right - text.x), painter.textWidth(text));
}

} // namespace

class TestReportEnglish : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { useInterfaceLanguage(QStringLiteral("de")); }
    void englishWithinGermanRoom_data();
    void englishWithinGermanRoom();
    void pagesReadInEnglish();
};

void TestReportEnglish::englishWithinGermanRoom_data()
{
    QTest::addColumn<bool>("comparison");
    QTest::newRow("report and table") << false;
    QTest::newRow("with a comparison") << true;
}

void TestReportEnglish::englishWithinGermanRoom()
{
    QFETCH(bool, comparison);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    ReportPainter measure(painter);
    const qint64 depth = reportPageDepth(writer);
    const ReportInput input = sampleInput(comparison);
    useInterfaceLanguage(QStringLiteral("de"));
    const QList<QList<ReportStep>> german = describePages(input, depth);
    useInterfaceLanguage(QStringLiteral("en"));
    const QList<QList<ReportStep>> english = describePages(input, depth);
    QCOMPARE(english.size(), german.size());
    int translated = 0;
    for (int p = 0; p < german.size(); ++p) {
        QCOMPARE(english.at(p).size(), german.at(p).size());
        for (int i = 0; i < german.at(p).size(); ++i) {
            const ReportStep& de = german.at(p).at(i);
            const ReportStep& en = english.at(p).at(i);
            QCOMPARE(std::make_tuple(en.x, en.y, en.x2, en.y2, en.fontHeight),
                     std::make_tuple(de.x, de.y, de.x2, de.y2, de.fontHeight));
            if (de.kind != ReportStep::Kind::Text || en.text == de.text)
                continue;
            ++translated;
            const qreal width = measure.textWidth(en);
            const qreal room = roomOf(german.at(p), de, measure);
            QVERIFY2(width <= room, qPrintable(QStringLiteral("\"%1\" takes %2, \"%3\" had %4")
                                                   .arg(en.text)
                                                   .arg(width)
                                                   .arg(de.text)
                                                   .arg(room)));
        }
    }
    QVERIFY(translated > 10);
}

void TestReportEnglish::pagesReadInEnglish()
{
    useInterfaceLanguage(QStringLiteral("en"));
    const QByteArray pdf =
        reportPdf(sampleInput(true), pdfFileSetup(QPageLayout(QPageSize(QPageSize::A4),
                                                              QPageLayout::Portrait, QMarginsF())))
            .pdf;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
    file.close();
    QCOMPARE(pdfPages(path), 2);
    const QString text = pdfText(path);
    for (const char* english : {"Basal rate", "Programmed on:", "Printed on:", "Daily basal total:",
                                "Bolus morning:", "Bolus noon:", "Bolus evening:", "n/a",
                                "Notes / remarks:", "U/h", "6 to 7 h", "Comparison", "Change"})
        QVERIFY2(text.contains(QString::fromUtf8(english)), english);
    for (const char* german : {"Tagessumme", "Programmiert", "Gedruckt", "k. A.", "Notizen", "Uhr"})
        QVERIFY2(!text.contains(QString::fromUtf8(german)), german);
}

QTEST_MAIN(TestReportEnglish)
#include "tst_reportenglish.moc"
