#pragma once

#include "printing/reportpage.h"

#include <QByteArray>
#include <QPageLayout>

class QPagedPaintDevice;
class QPainter;

namespace fendrimo {

// Draws the pages of input on a paged device already begun by painter, a new
// page between them. The pages are described for the device's own page depth,
// so a printer, a PDF writer and the preview's printer get the same pages.
// False when the device failed on the way.
bool paintPages(QPainter& painter, QPagedPaintDevice& device, const ReportInput& input);

// The pages of input as a PDF document with the given page layout; empty when
// it can't be made.
QByteArray reportPdf(const ReportInput& input, const QPageLayout& layout);

} // namespace fendrimo
