#pragma once

#include "app/commandpath.h"

#include <QCoreApplication>
#include <QString>

namespace fendrimo {

class HistoryDialog;

// "Verlauf…": the versions kept at each save of the profile file last saved
// or loaded, a comparison with one, or one brought back.
class HistoryPart
{
    Q_DECLARE_TR_FUNCTIONS(fendrimo::TForm1)

public:
    explicit HistoryPart(const WindowContext& context) : m_context(context) {}

    void addCommands(CommandPath& commands);

private:
    void VerlaufClick();
    void deleteHistory(HistoryDialog& dialog, const QString& path);
    bool hasCurrentFile() const;

    WindowContext m_context;
};

} // namespace fendrimo
