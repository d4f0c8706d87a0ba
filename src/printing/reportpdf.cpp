#include "printing/reportpdf.h"

#include "files/filename.h"
#include "printing/reportpainter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <exception>

namespace fendrimo {

namespace {

// Fine enough that every 0.1 mm of the page lands on its own pixel column.
constexpr int kPdfResolution = 1200;

} // namespace

bool paintPages(QPainter& painter, QPagedPaintDevice& device, const QList<QList<ReportStep>>& pages,
                const std::function<bool()>& deviceFailed)
{
    try {
        ReportPainter page(painter);
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0 && !device.newPage())
                return false;
            for (const ReportStep& step : pages.at(i)) {
                page.draw(step);
                if (!painter.isActive() || (deviceFailed && deviceFailed()))
                    return false;
            }
        }
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool paintPages(QPainter& painter, QPagedPaintDevice& device, const ReportInput& input)
{
    return paintPages(painter, device, describePages(input, reportPageDepth(device)));
}

JobProblem drawPageJob(QPagedPaintDevice& device, const QList<QList<ReportStep>>& pages,
                       const std::function<bool()>& deviceFailed,
                       const std::function<void()>& abort)
{
    QPainter painter;
    if (!painter.begin(&device))
        return JobProblem::NotBegun;
    if (!paintPages(painter, device, pages, deviceFailed)) {
        if (abort)
            abort();
        if (painter.isActive())
            painter.end();
        return JobProblem::NotDrawn;
    }
    if (!painter.end() || (deviceFailed && deviceFailed()))
        return JobProblem::NotHandedOver;
    return JobProblem::None;
}

PdfSetup pdfFileSetup(const QPageLayout& layout)
{
    //: the PDF document's title
    return {layout, kPdfResolution, QCoreApplication::translate("ReportPdf", "Basalrate")};
}

PdfOutcome reportPdf(const ReportInput& input, const PdfSetup& setup)
{
    PdfOutcome made;
    QBuffer buffer(&made.pdf);
    if (!buffer.open(QIODevice::WriteOnly)) {
        made.problem = JobProblem::NotBegun;
        return made;
    }
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(setup.resolution);
        writer.setPageLayout(setup.layout);
        writer.setCreator(QStringLiteral("Fendrimo"));
        writer.setTitle(setup.title);
        // Described before the job begins: once it runs, only the writer can fail.
        made.problem = drawPageJob(writer, describePages(input, reportPageDepth(writer)));
    }
    if (made.problem != JobProblem::None)
        made.pdf.clear();
    return made;
}

QString proposedPdfFile(const QString& folder, const QString& profileFile)
{
    // A PDF is a new file: its name is one the file dialog can spell.
    const QString base = QFileInfo(displayFileName(profileFile)).completeBaseName();
    const QString name =
        base.isEmpty() ? QStringLiteral("Basalrate.pdf") : base + QStringLiteral(".pdf");
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

} // namespace fendrimo
