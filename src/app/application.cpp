#include "app/application.h"

#include "widgets/artwork.h"
#include "platform/error.h"
#include "platform/platform.h"
#include "platform/regional.h"

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
    try {
        return QApplication::notify(receiver, event);
    } catch (const Failure& failure) {
        showFailure(activeWindow(), failure.message());
    } catch (const std::exception& failure) {
        showFailure(activeWindow(), QString::fromStdString(failure.what()));
    }
    return false;
}

void showFailure(QWidget* parent, const QString& message)
{
    platform().failure(parent, message + QLatin1Char('.'));
}

} // namespace fendrimo
