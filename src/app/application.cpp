#include "app/application.h"

#include "app/artwork.h"
#include "platform/error.h"
#include "platform/platform.h"
#include "platform/regional.h"

namespace fendrimo {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("fendrimo"));
    setWindowIcon(programIcon());
    RegionalFormats::setCurrent(RegionalFormats::fromLocale(QLocale::system()));
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
