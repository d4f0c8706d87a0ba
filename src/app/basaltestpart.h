#pragma once

#include "app/commandpath.h"
#include "glucose/basaltest.h"

#include <QCoreApplication>

namespace fendrimo {

class GlucosePart;
class PrintingPart;

// "Basaltest auswerten" over the loaded glucose data and "Basaltest-Protokoll
// drucken" for a test with a meter: facts and a sheet, never a verdict on the
// rate and never a change to the profile.
class BasalTestPart
{
    Q_DECLARE_TR_FUNCTIONS(fendrimo::TForm1)

public:
    BasalTestPart(const WindowContext& context, const GlucosePart& glucose, PrintingPart& printing)
        : m_context(context), m_glucose(glucose), m_printing(printing)
    {
    }

    void addCommands(CommandPath& commands);

private:
    void BasaltestAuswertenClick();
    void BasaltestProtokollClick();

    WindowContext m_context;
    const GlucosePart& m_glucose;
    PrintingPart& m_printing;
    // The block last chosen, offered again for the run.
    BasalTestBlock m_block{22, 6};
};

} // namespace fendrimo
