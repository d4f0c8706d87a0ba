#pragma once

#include "glucose/basaltest.h"
#include "printing/glucosereport.h"
#include "profile/basalprofile.h"
#include "profile/comparison.h"

#include <QChar>
#include <QColor>
#include <QList>
#include <QPolygon>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace fendrimo {

// What the printed report shows, as handed over by the print command.
struct ReportInput
{
    // The profile as a profile file holds it: what is printed is what is
    // saved. Its notes are not printed from here but as the field shows them.
    ProfileContent profile;
    qint32 maximum = 0; // tenths of IE/h: sets the chart's height
    QStringList notes;  // the lines the notes field shows
    // Printed beside the profile, named by its legend; without one the page
    // is the report alone.
    std::optional<ProfileReference> reference;
    // The profile's file, empty while it has none. Not printed: a PDF of the
    // report is named after it.
    QString profileFile;

    // Set by the print dialog as it prints.
    bool colour = true;
    QString today; // short date of the printing day
    QChar decimalSeparator = QLatin1Char(',');
    // A second page lists the 24 hourly values as a table.
    bool table = false;
    // How the page writes a day: the region's short date (the glucose period).
    QString shortDateFormat = QStringLiteral("dd.MM.yyyy");
    // A last page shows the glucose profile beside the rates; without it
    // the print is the profile's pages alone.
    std::optional<GlucoseReport> glucose;
    // Set, the print is the basal test sheet for this block alone, with the
    // profile's rates; the report's pages and options don't apply to it.
    std::optional<BasalTestBlock> basalTestSheet;
};

// One drawing step of the page. Units are 0.1 mm, x to the right, y upward,
// origin at the top-left corner of the printable area: every y is negative.
struct ReportStep
{
    enum class Kind { Text, Line, Polygon };
    // Where a text stands: x is its cell's left edge, right edge or middle.
    enum class Align { Left, Right, Centre };

    ReportStep() = default;
    ReportStep(Kind kind, qint64 x, qint64 y, qint64 x2, qint64 y2, QString text, int fontHeight,
               int penWidth, const QColor& colour, bool dashed = false)
        : kind(kind), x(x), y(y), x2(x2), y2(y2), text(std::move(text)), fontHeight(fontHeight),
          penWidth(penWidth), colour(colour), dashed(dashed)
    {
    }

    Kind kind = Kind::Text;
    qint64 x = 0; // text: top-left corner of its cell; line: start
    qint64 y = 0;
    qint64 x2 = 0; // line: end
    qint64 y2 = 0;
    QString text;
    int fontHeight = 0; // text: cell height
    int penWidth = 0;   // line
    QColor colour;
    bool dashed = false;       // line
    Align align = Align::Left; // text
    QPolygon polygon;          // polygon: its corners, filled in colour without an outline
};

} // namespace fendrimo

// Its members are: the list can move steps as plain bytes.
Q_DECLARE_TYPEINFO(fendrimo::ReportStep, Q_RELOCATABLE_TYPE);

namespace fendrimo {

inline const QColor kReportBlack{0, 0, 0};
inline const QColor kReportBlue{0, 0, 255};
// The comparison profile: grey reads alike in colour and in black and white.
inline const QColor kReportGrey{110, 110, 110};

// The report page as an ordered list of steps; later texts cover earlier lines.
// pageDepth is the height of the printable area: steps that lie wholly below
// it are left out and lines are cut just below it, so the work and the
// coordinates stay bounded however large the maximum is.
QList<ReportStep> describeReport(const ReportInput& input, qint64 pageDepth);

// The page of hourly values: heading, programmed date, a table of the 24
// hours ("6 bis 7 Uhr", "1,2") and the daily total.
QList<ReportStep> describeTablePage(const ReportInput& input, qint64 pageDepth);

// Every page the print of input has, in order: the report, then the table
// page when asked for, then the glucose profile when there is one; or the
// basal test sheet alone.
QList<QList<ReportStep>> describePages(const ReportInput& input, qint64 pageDepth);

} // namespace fendrimo
