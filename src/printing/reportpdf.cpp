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

QByteArray reportPdf(const ReportInput& input, const QPageLayout& layout)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(layout);
        writer.setCreator(QStringLiteral("Fendrimo"));
        //: the PDF document's title
        writer.setTitle(QCoreApplication::translate("ReportPdf", "Basalrate"));
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        painted = paintPages(painter, writer, input);
        painted = painter.end() && painted;
    }
    return painted ? pdf : QByteArray();
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
