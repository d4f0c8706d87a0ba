// Start-up and idle of the real main window, started as src/app/main.cpp
// starts it. A first run needs a settings folder of its own (XDG_CONFIG_HOME)
// without a settings file, and the platform fake answers the first-run
// notice; with --later-start the settings file must be there already.
// While idle the keyboard focus is on the first hour's slider: in a text
// field the cursor would blink and wake the program on its own.

#include "app/application.h"
#include "app/tform1.h"
#include "platform/fakeplatform.h"
#include "probe.h"
#include "settings/settings.h"

#include <QScrollBar>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    fendrimo::bench::restartWithStartClock(argv);
    fendrimo::Settings settings;
    fendrimo::Application app(argc, argv, settings);
    QStringList arguments = QCoreApplication::arguments();
    const bool laterStart = arguments.removeAll(QStringLiteral("--later-start")) > 0;
    const fendrimo::bench::ProbeOptions options = fendrimo::bench::parseProbeOptions(arguments);

    auto fake = std::make_unique<fendrimo::FakePlatform>();
    fendrimo::TForm1 window(settings);
    const qsizetype notices = fake->boxes.size();
    // The real platform from here on: its clock moves, so the status panel
    // changes its time text once a second as it does for the user.
    fake.reset();
    if (notices != (laterStart ? 0 : 1)) {
        std::fprintf(stderr, "%d message boxes at start-up: the settings folder is not as %s\n",
                     int(notices), laterStart ? "a first run left it" : "new");
        return 2;
    }
    window.show();
    // Found by its name in the window design, as the tests find it.
    auto* const firstSlider = window.findChild<QScrollBar*>(QStringLiteral("ScrollBar1"));
    if (!firstSlider) {
        std::fprintf(stderr, "the main window has no slider ScrollBar1\n");
        return 2;
    }
    firstSlider->setFocus(Qt::OtherFocusReason);
    fendrimo::bench::StartupProbe probe(
        window, laterStart ? QStringLiteral("fendrimo-later") : QStringLiteral("fendrimo"),
        options.idleMs, firstSlider);
    return app.exec();
}
