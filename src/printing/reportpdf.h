#pragma once

#include "printing/reportpage.h"

#include <QByteArray>
#include <QPageLayout>

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace fendrimo {

// Draws pages on a paged device already begun by painter, a new page between
// them; false when the device failed on the way: the painter ended, a drawing
// step threw, or deviceFailed (asked after every step, when given) says so.
bool paintPages(QPainter& painter, QPagedPaintDevice& device, const QList<QList<ReportStep>>& pages,
                const std::function<bool()>& deviceFailed = {});

// The same for the pages of input, described for the device's own page depth,
// so a printer, a PDF writer and the preview's printer get the same pages.
bool paintPages(QPainter& painter, QPagedPaintDevice& device, const ReportInput& input);

// The pages of input as a PDF document with the given page layout; empty when
// it can't be made.
QByteArray reportPdf(const ReportInput& input, const QPageLayout& layout);

// The file a PDF of the report is proposed as, in folder: the profile file's
// name with ".pdf" for its suffix ("a.b.bar" as "a.b.pdf"), shown as the
// window shows it; "Basalrate.pdf" while the profile has no file. The name
// alone without a folder.
QString proposedPdfFile(const QString& folder, const QString& profileFile);

} // namespace fendrimo
