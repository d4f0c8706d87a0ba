#include "app/application.h"

#include "app/translation.h"
#include "platform/guarded.h"
#include "platform/platform.h"
#include "platform/regional.h"
#include "widgets/artwork.h"

namespace fendrimo {

Application::Application(int& argc, char** argv, const Settings& settings)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("fendrimo"));
    // Lets the desktop match the window to its launcher and icon.
    setDesktopFileName(QStringLiteral("fendrimo"));
    setWindowIcon(programIcon());
    // Numbers and dates follow the regional settings whatever the language.
    RegionalFormats::setCurrent(RegionalFormats::fromLocale(QLocale::system()));
    useInterfaceLanguage(chosenLanguage(settings));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    guarded(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace fendrimo
