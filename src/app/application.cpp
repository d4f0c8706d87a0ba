#include "app/application.h"

#include "platform/guarded.h"
#include "platform/platform.h"
#include "platform/regional.h"
#include "widgets/artwork.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace fendrimo {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("fendrimo"));
    // Lets the desktop match the window to its launcher and icon.
    setDesktopFileName(QStringLiteral("fendrimo"));
    setWindowIcon(programIcon());
    RegionalFormats::setCurrent(RegionalFormats::fromLocale(QLocale::system()));
    // The program speaks German, so Qt's own dialogs (file dialogs, printer
    // setup) should too, whatever the system language.
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    guarded(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace fendrimo
