#pragma once

// Helpers for tests that print through the real print dialog: driving the
// modal dialog, putting a known profile on screen, and reading the PDF that
// comes out with the poppler tools (pdfinfo, pdftotext, pdftoppm).

#include "support/form1undertest.h"
#include "printing/grafikform.h"
#include "widgets/textfields.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <functional>

namespace fendrimo::testing {

// The profile of the worked example: 0,8 / 1,2 / 1,0 / 0,9 IE/h.
inline std::array<int, 24> workedRates()
{
    std::array<int, 24> rates{};
    for (int h = 0; h < 24; ++h)
        rates[size_t(h)] = h < 6 ? 8 : h < 10 ? 12 : h < 18 ? 10 : 9;
    return rates;
}

inline void enterProfile(Form1UnderTest& w, const std::array<int, 24>& rates)
{
    // Hour by hour with the arrow keys, unlinked, as a user would.
    const bool linked = w.CheckBox1->isChecked();
    w.CheckBox1->setChecked(false);
    for (int n = 1; n <= 24; ++n) {
        QScrollBar* slider = w.ScrollBar(n);
        slider->setFocus();
        const qint64 wanted = rates[size_t(n - 1)];
        // From the nearer end: Home is the highest rate, End is 0.
        QTest::keyClick(slider, wanted > w.Maximum() / 2 ? Qt::Key_Home : Qt::Key_End);
        while (w.rate(n) != wanted)
            QTest::keyClick(slider, w.rate(n) < wanted ? Qt::Key_Up : Qt::Key_Down);
    }
    w.CheckBox1->setChecked(linked);
    w.EditDatum->setText(QStringLiteral("08.12.2026"));
    w.EditBolus1->setText(QStringLiteral("1,5"));
    w.EditBolus4->setText(QString());
    w.EditBolus7->setText(QStringLiteral("1,2"));
    w.MemoNotizen->setPlainText(QStringLiteral("Sport\nabends"));
}

struct DialogRun
{
    bool opened = false;
    bool openAfter = false; // still on screen when the test's actions were done
};

// Runs "Basalrate Drucken" from the menu; `whileOpen` acts on the print
// dialog while it is on screen. A dialog still open afterwards is cancelled.
inline DialogRun runPrintDialog(Form1UnderTest& w, const std::function<void(TGrafikForm&)>& whileOpen)
{
    DialogRun run;
    QTimer::singleShot(0, &w, [&] {
        auto* form = qobject_cast<TGrafikForm*>(QApplication::activeModalWidget());
        if (!form)
            return;
        run.opened = true;
        whileOpen(*form);
        run.openAfter = form->isVisible();
        if (form->isVisible())
            form->reject();
    });
    w.BasalrateDrucken1->trigger();
    return run;
}

inline QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pdfPages(const QString& pdf)
{
    const QStringList lines = runTool(QStringLiteral("pdfinfo"), {pdf}).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

inline QString pdfText(const QString& pdf)
{
    return runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
}

// The first page rendered at `dpi`.
inline QImage pdfImage(const QString& pdf, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                         QStringLiteral("-f"), QStringLiteral("1"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

inline bool isBlue(QRgb pixel)
{
    return qBlue(pixel) > 170 && qRed(pixel) < 100 && qGreen(pixel) < 100;
}

inline bool hasColour(QRgb pixel)
{
    return qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel))) -
               qMin(qRed(pixel), qMin(qGreen(pixel), qBlue(pixel))) >
           40;
}

// Where a report point lands on a page rendered at `dpi`: the corner of the
// printable area (mm from the paper's corner) plus the point (0.1 mm, y up).
inline QPoint pagePixel(const QPointF& originMm, qint64 x, qint64 y, int dpi)
{
    return QPoint(qRound((originMm.x() * 10 + qreal(x)) * dpi / 254.0),
                  qRound((originMm.y() * 10 - qreal(y)) * dpi / 254.0));
}

// Checks that the blue step line of a profile lies where the layout puts it:
// in the middle of each hour at B + 20 r, and not 2 mm below or above it
// (above, beside the hour's value label).
inline void verifyStepLine(const QImage& page, const QPointF& originMm, int dpi, qint64 maximum,
                           const std::array<int, 24>& rates)
{
    QVERIFY(!page.isNull());
    const qint64 base = -700 - 20 * maximum;
    for (int h = 0; h < 24; ++h) {
        const qint64 x = 150 + 70 * h + 35;
        const qint64 y = base + 20 * rates[size_t(h)];
        const QPoint on = pagePixel(originMm, x, y, dpi);
        QVERIFY2(isBlue(page.pixel(on)),
                 qPrintable(QStringLiteral("hour %1 at %2,%3").arg(h).arg(on.x()).arg(on.y())));
        QVERIFY(!isBlue(page.pixel(pagePixel(originMm, x, y - 20, dpi))));
        QVERIFY(!isBlue(page.pixel(pagePixel(originMm, x + 27, y + 20, dpi))));
    }
}

// How alike the ink of two pages is inside an area given in report units
// from the printable area's corner: the share of dark pixels of either page
// that have a dark pixel of the other page at most one pixel away (1: the
// same marks, 0: nothing in common). The one pixel forgives renderers.
inline qreal inkAgreement(const QImage& a, const QImage& b, const QPointF& originMm,
                          const QRect& area, int dpi)
{
    const QPoint topLeft = pagePixel(originMm, area.left(), -area.top(), dpi);
    const QPoint bottomRight = pagePixel(originMm, area.right(), -area.bottom(), dpi);
    const auto dark = [](const QImage& page, int x, int y) {
        return page.rect().contains(x, y) && qGray(page.pixel(x, y)) < 128;
    };
    const auto near = [&](const QImage& page, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (dark(page, x + dx, y + dy))
                    return true;
            }
        }
        return false;
    };
    int ink = 0;
    int matched = 0;
    for (int y = topLeft.y(); y <= bottomRight.y(); ++y) {
        for (int x = topLeft.x(); x <= bottomRight.x(); ++x) {
            if (dark(a, x, y)) {
                ++ink;
                matched += near(b, x, y) ? 1 : 0;
            }
            if (dark(b, x, y)) {
                ++ink;
                matched += near(a, x, y) ? 1 : 0;
            }
        }
    }
    return ink == 0 ? 0.0 : qreal(matched) / ink;
}

inline bool anyColour(const QImage& page)
{
    for (int y = 0; y < page.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            if (hasColour(row[x]))
                return true;
        }
    }
    return false;
}

} // namespace fendrimo::testing
