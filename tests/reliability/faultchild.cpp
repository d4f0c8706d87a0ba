// A second run of the program for tst_faults: it drives the real main window
// (or the settings file, the way the program writes it) and exits, so that a
// test can kill it half-way or run two at once. The settings folder comes
// from XDG_CONFIG_HOME as for the program.
//
//   save <profile>          enters a profile with the keys and saves it there
//   load <profile>          loads it; a rate above the maximum raises and stores it
//   settings <tag> <rounds> writes Maximum, FarbDruck and Verzeichnis <rounds> times
//   keys <tag> <count>      writes keys <tag>1 ... <tag><count> of section [Probe]
//
// Exit code 0: done; 1: the program showed a failure; 2: wrong arguments.

#include "support/form1undertest.h"
#include "platform/error.h"
#include "platform/fakeplatform.h"
#include "platform/regional.h"
#include "settings/inifile.h"
#include "settings/settingskeys.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLocale>
#include <QScrollBar>
#include <QTest>

#include <cstdio>

using namespace fendrimo;

namespace {

// The rates "save" enters: hour h gets h % 7 + 1 tenths.
void enterProfile(Form1UnderTest& w)
{
    w.CheckBox1->setChecked(false);
    for (int n = 1; n <= Form1UnderTest::Hours; ++n) {
        w.ScrollBar(n)->setFocus();
        for (int i = 0; i <= (n - 1) % 7; ++i)
            QTest::keyClick(w.ScrollBar(n), Qt::Key_Up);
    }
}

int reportBoxes(const FakePlatform& fake)
{
    int failures = 0;
    for (const FakePlatform::Box& box : fake.boxes) {
        std::fprintf(stderr, "box %s: %s\n", qPrintable(box.caption), qPrintable(box.text));
        failures += box.failure || box.caption == QStringLiteral("Fehler") ? 1 : 0;
    }
    return failures == 0 ? 0 : 1;
}

int writeSettings(const QString& tag, int rounds)
{
    const int base = tag == QStringLiteral("a") ? 1000 : 2000;
    IniFile ini(settingsFilePath());
    try {
        for (int i = 0; i < rounds; ++i) {
            ini.writeInteger(settingskeys::einstellungen(), settingskeys::maximum(), base + i);
            ini.writeBool(settingskeys::einstellungen(), settingskeys::farbDruck(), i % 2 == 0);
            ini.writeString(settingskeys::einstellungen(), settingskeys::verzeichnis(),
                            QStringLiteral("/%1/%2/").arg(tag).arg(i));
        }
    } catch (const Failure& failure) {
        std::fprintf(stderr, "refused: %s\n", qPrintable(failure.message()));
        return 1;
    }
    return 0;
}

int writeKeys(const QString& tag, int count)
{
    IniFile ini(settingsFilePath());
    try {
        for (int i = 1; i <= count; ++i)
            ini.writeInteger(QStringLiteral("Probe"), tag + QString::number(i), i);
    } catch (const Failure& failure) {
        std::fprintf(stderr, "refused: %s\n", qPrintable(failure.message()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QStringLiteral("settings"))
        return writeSettings(args[1], args[2].toInt());
    if (args.size() == 3 && args[0] == QStringLiteral("keys"))
        return writeKeys(args[1], args[2].toInt());
    if (args.size() != 2 ||
        (args[0] != QStringLiteral("save") && args[0] != QStringLiteral("load")))
        return 2;

    RegionalFormats::setCurrent(
        RegionalFormats::fromLocale(QLocale(QLocale::German, QLocale::Germany)));
    FakePlatform fake;
    Form1UnderTest w;
    w.show();
    if (args[0] == QStringLiteral("save")) {
        enterProfile(w);
        fake.chooseFile(args[1]);
        w.Basalratespeichern1->trigger();
    } else {
        fake.chooseFile(args[1]);
        w.Basalrateladen1->trigger();
    }
    const int result = reportBoxes(fake);
    std::fprintf(stderr, "done\n");
    return result;
}
