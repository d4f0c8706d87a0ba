#pragma once

#include "document/profiledocument.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class QWidget;

namespace fendrimo {

struct GlucoseFile;

// The one place the main window words what an operation came to: the core
// and the document return outcomes, these boxes tell the user, over parent.
class WindowMessages
{
    Q_DECLARE_TR_FUNCTIONS(fendrimo::TForm1)

public:
    // A failure in the failure box ("Fendrimo", stop icon), with a full stop.
    static void failure(QWidget* parent, const QString& message);
    static void loadFailed(QWidget* parent, const QString& path);
    static void raisedMaximum(QWidget* parent, const std::optional<RaisedMaximum>& raised);
    // The profile was saved or loaded; only remembering its file failed.
    static void settingsNotStored(QWidget* parent, const QString& error);
    static void importRefused(QWidget* parent, const QString& path, const QString& error);
    static void comparisonRefused(QWidget* parent, const QString& path, const QString& error);
    static void exportFailed(QWidget* parent, const QString& path, int fileErrorCode);
    static void maximumRefused(QWidget* parent, qint32 highest);
    static void glucoseRefused(QWidget* parent, const QString& path, const QString& error);
    // What a glucose file added to the data set, present: its readings the
    // data held already.
    static void glucoseLoaded(QWidget* parent, const QString& path, const GlucoseFile& file,
                              int present);
};

} // namespace fendrimo
