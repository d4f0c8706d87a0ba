// The baseline: a bare Qt Widgets window with one label, the least any Qt
// Widgets program does. Measured exactly as the real main window is; given
// the main window's size, so both draw and keep a window of the same area.

#include "probe.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    fendrimo::bench::restartWithStartClock(argv);
    QApplication app(argc, argv);
    const fendrimo::bench::ProbeOptions options =
        fendrimo::bench::parseProbeOptions(QCoreApplication::arguments());

    QWidget window;
    window.setWindowTitle(QStringLiteral("Fendrimo Version 2.1F"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Basalrate"), &window));
    if (!options.size.isEmpty())
        window.resize(options.size);
    window.show();
    fendrimo::bench::StartupProbe probe(window, QStringLiteral("baseline"), options.idleMs);
    return app.exec();
}
