// The main window as a user meets it: start-up, first run, the stored
// maximum, geometry at two screen sizes, the status panel, closing, help and
// the failure box.

#include "about/aboutbox.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Every line of text is as wide and all lines together as high as the widget.
bool fits(QWidget* widget, const QString& text)
{
    const QFontMetrics metrics(widget->font());
    const QStringList lines = text.split(u'\n');
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > widget->contentsRect().width())
            return false;
    }
    return metrics.height() * lines.size() <= widget->contentsRect().height();
}

} // namespace

using namespace fendrimo;
using namespace fendrimo::testing;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startupShowsEmptyProfile();
    void firstRunCreatesSettingsOnce();
    void firstRunResetsWrongMarker_data();
    void firstRunResetsWrongMarker();
    void storedMaximum_data();
    void storedMaximum();
    void geometry_data();
    void geometry();
    void focusMark_data();
    void focusMark();
    void statusPanel();
    void closing_data();
    void closing();
    void beendenAsksLikeTheCloseBox();
    void loggingOutAsksLikeClosing_data();
    void loggingOutAsksLikeClosing();
    void menu();
    void tabOrderAndFirstFocus();
    void failureBoxAtStartup_data();
    void failureBoxAtStartup();
    void helpShowsNoticeBeforeInformationBox();
    void largestValuesShowWhole_data();
    void largestValuesShowWhole();
};

void TestMainWindow::startupShowsEmptyProfile()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo Version 2.1F"));
    QCOMPARE(w.Maximum(), 30);
    for (int n = 1; n <= 24; ++n) {
        QCOMPARE(w.ScrollBar(n)->minimum(), 0);
        QCOMPARE(w.ScrollBar(n)->maximum(), 30);
        QCOMPARE(w.ScrollBar(n)->value(), 30); // the thumb at the bottom: rate 0
        QCOMPARE(w.Edit(n)->text(), QStringLiteral("0"));
    }
    QCOMPARE(w.LabelSumme->text(), QStringLiteral("0"));
    QCOMPARE(w.LabelMax->text(), QStringLiteral("3 IE/h"));
    QCOMPARE(w.LabelMin->text(), QStringLiteral("0 IE/h"));
    QVERIFY(w.EditBolus1->text().isEmpty());
    QVERIFY(w.EditBolus4->text().isEmpty());
    QVERIFY(w.EditBolus7->text().isEmpty());
    QVERIFY(w.EditDatum->text().isEmpty());
    QVERIFY(w.MemoNotizen->toPlainText().isEmpty());
    QVERIFY(w.CheckBox1->isChecked());
    QVERIFY(w.DatenGespeichert());
    QTRY_COMPARE(w.LabelSaved->text(), QStringLiteral("Daten gespeichert: ja"));
    QVERIFY(f.fake.boxes.isEmpty());
}

void TestMainWindow::firstRunCreatesSettingsOnce()
{
    SettingsHome home;
    useGermanFormats();
    {
        FakePlatform fake;
        bool windowVisibleAtNotice = true;
        fake.onBox = [&](const FakePlatform::Box&) {
            const QWidgetList windows = QApplication::topLevelWidgets();
            windowVisibleAtNotice = std::any_of(windows.cbegin(), windows.cend(),
                                                [](QWidget* w) { return w->isVisible(); });
        };
        Form1UnderTest window;
        QCOMPARE(fake.boxes.size(), 1);
        QCOMPARE(fake.boxes[0].caption, QStringLiteral("Information"));
        QCOMPARE(fake.boxes[0].text,
                 QStringLiteral("Fendrimo:  Es existiert noch keine INI-Datei. Erstelle neue "
                                "INI-Datei mit Standard-Werten. Diese Meldung ist keine "
                                "Fehlermeldung und wird ab jetzt nicht mehr erscheinen."));
        QCOMPARE(fake.boxes[0].buttons, MessageButtons(MessageButton::Ok));
        QVERIFY(!windowVisibleAtNotice);
        QCOMPARE(home.read(), QByteArray("[Einstellungen]\nMaximum=30\nFarbDruck=1\n"
                                         "Verzeichnis=\n[Teststring]\nDatei=Vorhanden\n"));
        QCOMPARE(window.ScrollBar(1)->maximum(), 30);
        QCOMPARE(window.LabelMax->text(), QStringLiteral("3 IE/h"));
        QVERIFY(window.DatenGespeichert());
    }
    FakePlatform fake;
    Form1UnderTest again;
    QVERIFY(fake.boxes.isEmpty());
}

void TestMainWindow::firstRunResetsWrongMarker_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<int>("maximum");
    QTest::newRow("lower-case marker") << QByteArray("[Einstellungen]\nMaximum=50\nFarbDruck=0\n"
                                                     "[Teststring]\nDatei=vorhanden\n")
                                       << true << 30;
    QTest::newRow("marker in TestString") << QByteArray("[Einstellungen]\nMaximum=50\n"
                                                        "[TestString]\nDatei=Vorhanden\n")
                                          << false << 50;
    QTest::newRow("no marker") << QByteArray("[Einstellungen]\nMaximum=60\n") << true << 30;
}

void TestMainWindow::firstRunResetsWrongMarker()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, notice);
    QFETCH(int, maximum);
    MainWindowFixture f(settings, false);
    QCOMPARE(f.fake.boxes.size(), notice ? 1 : 0);
    QCOMPARE(f.w().Maximum(), maximum);
    QCOMPARE(f.w().ScrollBar(24)->maximum(), maximum);
}

void TestMainWindow::storedMaximum_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("label");
    QTest::newRow("25 with a comma") << QByteArray("25") << 25 << QStringLiteral("2,5 IE/h");
    QTest::newRow("hexadecimal 0x3C") << QByteArray("0x3C") << 60 << QStringLiteral("6 IE/h");
    QTest::newRow("leading blank") << QByteArray(" 40") << 40 << QStringLiteral("4 IE/h");
    QTest::newRow("letter O: fallback") << QByteArray("4O") << 30 << QStringLiteral("3 IE/h");
    QTest::newRow("zero: fallback") << QByteArray("0") << 30 << QStringLiteral("3 IE/h");
    QTest::newRow("negative: fallback") << QByteArray("-5") << 30 << QStringLiteral("3 IE/h");
    QTest::newRow("absent: fallback") << QByteArray() << 30 << QStringLiteral("3 IE/h");
    QTest::newRow("one tenth") << QByteArray("1") << 1 << QStringLiteral("0,1 IE/h");
    QTest::newRow("beyond any pump: 99,9")
        << QByteArray("2099257380") << 999 << QStringLiteral("99,9 IE/h");
}

void TestMainWindow::storedMaximum()
{
    QFETCH(QByteArray, value);
    QFETCH(int, maximum);
    QFETCH(QString, label);
    const QByteArray line = value.isNull() ? QByteArray() : "Maximum=" + value + "\n";
    MainWindowFixture f("[Einstellungen]\n" + line + "[Teststring]\nDatei=Vorhanden\n", false);
    QVERIFY(f.fake.boxes.isEmpty()); // no message for an unusable maximum
    QCOMPARE(f.w().Maximum(), maximum);
    QCOMPARE(f.w().LabelMax->text(), label);
    for (int n = 1; n <= 24; ++n) {
        QCOMPARE(f.w().ScrollBar(n)->maximum(), maximum);
        QCOMPARE(f.w().ScrollBar(n)->value(), maximum);
    }
    QVERIFY(f.w().DatenGespeichert());
}

void TestMainWindow::geometry_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("slider1");
    QTest::addColumn<QRect>("slider24");
    QTest::addColumn<QRect>("memo");
    QTest::addColumn<int>("rateFontPixels");
    QTest::addColumn<int>("hourFontPixels");
    // Design coordinates as they are at 1024 pixels.
    QTest::newRow("1024x768") << QSize(1024, 768) << QSize(934, 606) << QRect(38, 76, 33, 201)
                              << QRect(774, 76, 33, 201) << QRect(270, 380, 401, 81) << 15 << 13;
    // At 800 x 600 every edge is scaled by 800/1024 and rounded:
    // 38 -> 29.69 -> 30, 76 -> 59.38 -> 59, 71 -> 55.47 -> 55, 277 -> 216.41 -> 216.
    QTest::newRow("800x600") << QSize(800, 600) << QSize(730, 473) << QRect(30, 59, 25, 157)
                             << QRect(605, 59, 25, 157) << QRect(211, 297, 313, 63) << 12 << 10;
    QTest::newRow("1280x1024") << QSize(1280, 1024) << QSize(1168, 808) << QRect(48, 95, 41, 251)
                               << QRect(968, 95, 41, 251) << QRect(338, 475, 501, 101) << 19 << 16;
    // Wider than 4:3, the height sets the one factor: 1366 x 768 is laid out as
    // 1024 x 768, 1920 x 1080 by 1080/768 (38 -> 53.44 -> 53, 76 -> 106.88 -> 107).
    QTest::newRow("1366x768") << QSize(1366, 768) << QSize(934, 606) << QRect(38, 76, 33, 201)
                              << QRect(774, 76, 33, 201) << QRect(270, 380, 401, 81) << 15 << 13;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QSize(1313, 852) << QRect(53, 107, 47, 283)
                               << QRect(1088, 107, 47, 283) << QRect(380, 534, 564, 114) << 21
                               << 18;
}

void TestMainWindow::geometry()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QFETCH(QRect, slider1);
    QFETCH(QRect, slider24);
    QFETCH(QRect, memo);
    QFETCH(int, rateFontPixels);
    QFETCH(int, hourFontPixels);
    SettingsHome home;
    home.write(setUpSettings(30));
    FakePlatform fake;
    fake.screen = screen;
    Form1UnderTest w;
    QCOMPARE(w.size(), window);
    QCOMPARE(w.ScrollBar(1)->geometry(), slider1);
    QCOMPARE(w.ScrollBar(24)->geometry(), slider24);
    QCOMPARE(w.MemoNotizen->geometry(), memo);
    QCOMPARE(w.Edit(1)->font().pixelSize(), rateFontPixels);
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label1"))->font().pixelSize(), hourFontPixels);
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    // Centred on the screen.
    QCOMPARE(w.x(), (screen.width() - window.width()) / 2);
}

void TestMainWindow::focusMark_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("highContrast");
    QTest::newRow("default") << QSize(1024, 768) << false;
    QTest::newRow("scaled to 800x600") << QSize(800, 600) << false;
    QTest::newRow("high contrast") << QSize(1024, 768) << true;
}

// Tabbing onto a slider shows on the slider and on its hour's rate field.
void TestMainWindow::focusMark()
{
    QFETCH(QSize, screen);
    QFETCH(bool, highContrast);
    const QPalette before = QApplication::palette();
    if (highContrast) {
        QPalette contrast(Qt::white, Qt::black);
        contrast.setColor(QPalette::Highlight, Qt::yellow);
        contrast.setColor(QPalette::HighlightedText, Qt::black);
        QApplication::setPalette(contrast);
    }
    MainWindowFixture f(30, false);
    f.fake.screen = screen;
    f.start(true);
    Form1UnderTest& w = f.w();
    w.ScrollBar(6)->setFocus();
    QTRY_VERIFY(w.ScrollBar(6)->hasFocus());
    const QImage slider = w.ScrollBar(7)->grab().toImage();
    const QImage field = w.Edit(7)->grab().toImage();
    QTest::keyClick(w.ScrollBar(6), Qt::Key_Tab);
    QTRY_VERIFY(w.ScrollBar(7)->hasFocus());
    QVERIFY(w.ScrollBar(7)->grab().toImage() != slider);
    QVERIFY(w.Edit(7)->grab().toImage() != field);
    // The field of the hour left is no longer marked.
    QVERIFY(w.Edit(6)->grab().toImage() == w.Edit(5)->grab().toImage());
    QApplication::setPalette(before);
}

void TestMainWindow::statusPanel()
{
    MainWindowFixture f(30);
    f.fake.clock = QDateTime(QDate(2026, 12, 8), QTime(17, 5, 9));
    QTRY_COMPARE(f.w().LabelDate->text(), QStringLiteral("Datum: 08.12.2026"));
    QTRY_COMPARE(f.w().LabelTime->text(), QStringLiteral("Zeit: 17:05:09 Uhr"));
    QTRY_COMPARE(f.w().LabelSaved->text(), QStringLiteral("Daten gespeichert: ja"));
    // The clock ticks on.
    f.fake.clock = f.fake.clock.addSecs(1);
    QTRY_COMPARE(f.w().LabelTime->text(), QStringLiteral("Zeit: 17:05:10 Uhr"));
    // A slider action by the user shows up within a tick.
    f.w().ScrollBar(3)->setFocus();
    QTest::keyClick(f.w().ScrollBar(3), Qt::Key_Up);
    QTRY_COMPARE(f.w().LabelSaved->text(), QStringLiteral("Daten gespeichert: nein"));
}

void TestMainWindow::closing_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer"); // -1: nothing asked
    QTest::addColumn<bool>("closes");
    QTest::newRow("saved: no question") << false << -1 << true;
    QTest::newRow("unsaved, Ja") << true << int(MessageResult::Ja) << true;
    QTest::newRow("unsaved, Nein") << true << int(MessageResult::Nein) << false;
    QTest::newRow("unsaved, title-bar close") << true << int(MessageResult::Closed) << false;
}

void TestMainWindow::closing()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    if (changed) {
        w.ScrollBar(1)->setFocus();
        QTest::keyClick(w.ScrollBar(1), Qt::Key_Up);
        QVERIFY(!w.DatenGespeichert());
    }
    f.fake.clear();
    if (answer >= 0)
        f.fake.answer(MessageResult(answer));
    QCOMPARE(w.close(), closes);
    QCOMPARE(w.isVisible(), !closes);

    QStringList expected;
    if (changed)
        expected << QStringLiteral(
            "box:Warnung:Aktuelle Werte nicht gespeichert. Trotzdem beenden?");
    if (closes)
        expected << QStringLiteral("beep")
                 << QStringLiteral("box:Information:Vergessen Sie nicht, ggf. Ihre Insulinpumpe "
                                   "umzuprogrammieren!");
    QCOMPARE(f.fake.events, expected);
    if (changed)
        QCOMPARE(f.fake.boxes[0].buttons, MessageButton::Ja | MessageButton::Nein);
    // Nothing is written on the way out.
    QCOMPARE(f.home.read(), setUpSettings(30));
}

void TestMainWindow::beendenAsksLikeTheCloseBox()
{
    MainWindowFixture f(30);
    f.w().EditDatum->setText(QStringLiteral("heute"));
    f.fake.answer(MessageResult::Nein);
    f.w().Beenden1->trigger();
    QVERIFY(f.w().isVisible());
    QCOMPARE(f.fake.boxes.size(), 1);
    f.fake.answer(MessageResult::Ja);
    f.w().Beenden1->trigger();
    QVERIFY(!f.w().isVisible());
    QCOMPARE(f.fake.beeps, 1);
}

void TestMainWindow::loggingOutAsksLikeClosing_data()
{
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<bool>("canAsk");
    QTest::addColumn<QList<MessageResult>>("answers");
    QTest::addColumn<bool>("mayEnd");
    QTest::addColumn<int>("boxes");
    QTest::newRow("saved: nothing to ask") << false << true << QList<MessageResult>{} << true << 0;
    QTest::newRow("unsaved, discarded")
        << true << true << QList<MessageResult>{MessageResult::Ja} << true << 2;
    QTest::newRow("unsaved, kept")
        << true << true << QList<MessageResult>{MessageResult::Nein} << false << 1;
    QTest::newRow("unsaved, no chance to ask")
        << true << false << QList<MessageResult>{} << false << 0;
}

// The session manager's question at logout: never a profile lost unasked.
void TestMainWindow::loggingOutAsksLikeClosing()
{
    QFETCH(bool, unsaved);
    QFETCH(bool, canAsk);
    QFETCH(QList<MessageResult>, answers);
    QFETCH(bool, mayEnd);
    QFETCH(int, boxes);
    MainWindowFixture f(30);
    if (unsaved)
        f.w().EditDatum->setText(QStringLiteral("heute"));
    for (const MessageResult answer : answers)
        f.fake.answer(answer);
    QCOMPARE(f.w().mayEndSession(canAsk), mayEnd);
    QCOMPARE(f.fake.boxes.size(), boxes);
    QCOMPARE(f.w().DatenGespeichert(), !unsaved);
}

void TestMainWindow::menu()
{
    MainWindowFixture f(30, false);
    const QList<QAction*> menus = f.w().menuBar()->actions();
    QStringList titles;
    for (QAction* action : menus)
        titles << action->text();
    QCOMPARE(titles, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"),
                                  QStringLiteral("&Glukose"), QStringLiteral("Optionen"),
                                  QStringLiteral("&Hilfe")}));
    // Each item with the shortcuts it shows, a submenu with its title, as
    // the menu shows them when opened.
    const auto items = [&](int index) {
        emit menus[index]->menu()->aboutToShow();
        QStringList texts;
        for (QAction* action : menus[index]->menu()->actions()) {
            QString text = action->isSeparator() ? QStringLiteral("-") : action->text();
            const QList<QKeySequence> keys = action->shortcuts();
            for (const QKeySequence& key : keys)
                text += QLatin1Char(' ') + key.toString(QKeySequence::PortableText);
            if (action->menu())
                text += QStringLiteral(" >");
            texts << text;
        }
        return texts;
    };
    QCOMPARE(items(0), (QStringList{"Neu Ctrl+N", "-", "Laden Ctrl+O", "Speichern Ctrl+S", "-",
                                    "Basalrate Drucken Ctrl+P", "&Importieren >", "&Exportieren >",
                                    "&Zuletzt geöffnet >", "&Verlauf…", "-", "Beenden Ctrl+Q"}));
    QCOMPARE(items(1), (QStringList{"Rückgängig Ctrl+Z", "Wiederholen Ctrl+Y Ctrl+Shift+Z", "-",
                                    "Alle Raten in &Prozent ändern…", "&Zeitlich verschieben…", "-",
                                    "&Vergleichen mit…", "Mit &gespeicherter Fassung vergleichen",
                                    "Vergleich &beenden", "Aus Vergleich &übernehmen…"}));
    // Made when the menu first opens: opened again, it is the same.
    for (int opened = 1; opened <= 2; ++opened)
        QCOMPARE(items(2),
                 (QStringList{"Glukosedaten &laden…", "Glukose&profil", "Basaltest &auswerten…",
                              "Basaltest-&Protokoll drucken…", "Glukosedaten &entfernen"}));
    QCOMPARE(items(3), QStringList{"Einstellungen"});
    QCOMPARE(items(4),
             (QStringList{"Hilfe zur Fendrimo F1", "-", "Programm-Infos", "Benutzerhandbuch"}));
}

void TestMainWindow::tabOrderAndFirstFocus()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.ScrollBar(1)));
    QStringList visited;
    for (int i = 0; i < 30; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList expected;
    for (int n = 1; n <= 24; ++n)
        expected << QStringLiteral("ScrollBar%1").arg(n);
    expected << "EditBolus1"
             << "EditBolus4"
             << "EditBolus7"
             << "EditDatum"
             << "MemoNotizen"
             << "CheckBox1";
    QCOMPARE(visited, expected);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.ScrollBar(1)));
}

void TestMainWindow::failureBoxAtStartup_data()
{
    QTest::addColumn<QString>("blocked"); // made a regular file or a folder, in the way
    QTest::newRow("settings folder can't be created") << "blocker";
    QTest::newRow("a folder in place of fendr21f.ini") << "blocker/fendrimo/fendr21f.ini";
}

void TestMainWindow::failureBoxAtStartup()
{
    QFETCH(QString, blocked);
    QTemporaryDir dir;
    const bool folder = blocked.endsWith(QLatin1String(".ini"));
    QFile blocker(dir.filePath(blocked));
    QVERIFY(folder ? QDir().mkpath(blocker.fileName()) : blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME",
            dir.filePath(QStringLiteral("blocker")).toLocal8Bit() + (folder ? "" : "/config"));
    useGermanFormats();
    FakePlatform fake;
    Form1UnderTest w;
    QCOMPARE(fake.boxes.size(), 2);
    QCOMPARE(fake.boxes[0].caption, QStringLiteral("Information")); // the first-run notice
    QCOMPARE(fake.boxes[1].caption, QStringLiteral("Fendrimo"));
    QVERIFY(fake.boxes[1].failure);
    QCOMPARE(fake.boxes[1].text, QStringLiteral("Kann nicht nach fendr21f.ini schreiben."));
    // The window opens and runs on, on the defaults, its empty profile saved.
    QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo Version 2.1F"));
    QCOMPARE(w.Maximum(), 30);
    QVERIFY(w.DatenGespeichert());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    qInfo("fault | start-up, %s | first-run notice, \"%s\", then the window on the defaults | "
          "%s unchanged",
          QTest::currentDataTag(), qPrintable(fake.boxes[1].text), qPrintable(blocked));
}

void TestMainWindow::helpShowsNoticeBeforeInformationBox()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    bool boxOpenAtNotice = true;
    f.fake.onBox = [&](const FakePlatform::Box&) {
        boxOpenAtNotice = !w.findChildren<TAboutBox*>().isEmpty();
    };
    int noticesBeforeBox = -1;
    bool boxSeen = false;
    QTimer::singleShot(0, &w, [&] {
        auto* box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        boxSeen = true;
        noticesBeforeBox = int(f.fake.boxes.size());
        QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        if (box->isVisible())
            box->reject();
    });
    w.HilfezurFendrimo1->trigger();
    QVERIFY(boxSeen);
    QVERIFY(!boxOpenAtNotice);
    QCOMPARE(noticesBeforeBox, 1);
    QCOMPARE(f.fake.boxes.size(), 1);
    QCOMPARE(f.fake.boxes[0].caption, QStringLiteral("Information"));
    QVERIFY(f.fake.boxes[0].text.startsWith(
        QStringLiteral("Leider gibt es für dieses Programm keine Hilfedatei! Bitte lesen Sie "
                       "die mitgelieferte Dokumentation README.TXT.")));
    QVERIFY(f.fake.boxes[0].text.endsWith(QStringLiteral("Klicken Sie bitte auf OK!")));
    QVERIFY(w.findChildren<TAboutBox*>().isEmpty());
}

void TestMainWindow::largestValuesShowWhole_data()
{
    QTest::addColumn<int>("rate");     // every hour's, in tenths
    QTest::addColumn<int>("compared"); // every hour's of the comparison
    QTest::newRow("99,9 every hour, compared with 0") << 999 << 0;
    QTest::newRow("0 every hour, compared with 99,9") << 0 << 999;
}

// At the design size the largest rates and totals show whole, and the
// comparison's total stays clear of the daily total.
void TestMainWindow::largestValuesShowWhole()
{
    QFETCH(int, rate);
    QFETCH(int, compared);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    for (const int tenths : {rate, compared}) { // opened, then compared with
        Profilsatz record;
        for (int h = 0; h < Profilsatz::Hours; ++h)
            record.setRate(h, tenths);
        const bool first = f.fake.fileDialogs.isEmpty();
        const QString path = f.home.path() + (first ? "/profil.bar" : "/vergleich.bar");
        QVERIFY(writeProfileFile(path, record).ok());
        f.fake.chooseFile(path);
        (first ? w.Basalrateladen1 : w.Vergleichen1)->trigger();
    }
    for (int n = 1; n <= 24; ++n)
        QVERIFY(fits(w.Edit(n), ZehntelText(rate)));
    const auto* caption = w.findChild<QLabel*>(QStringLiteral("Label29")); // "Tagessumme:"
    const auto* unit = w.findChild<QLabel*>(QStringLiteral("Label30"));    // "IE"
    QCOMPARE(w.LabelSumme->text(), ZehntelText(24 * rate));
    QVERIFY(fits(w.LabelSumme, w.LabelSumme->text()));
    QVERIFY(!w.LabelSumme->geometry().intersects(caption->geometry()));
    QVERIFY(!w.LabelSumme->geometry().intersects(unit->geometry()));
    QVERIFY(fits(w.LabelVergleich, w.LabelVergleich->text()));
    QVERIFY(!w.LabelVergleich->geometry().intersects(caption->geometry()));
    qInfo("fault | largest values at 1024x768: %s | \"%s\" and \"%s\" whole, apart | nothing",
          QTest::currentDataTag(), qPrintable(w.LabelSumme->text()),
          qPrintable(w.LabelVergleich->text().replace(u'\n', QStringLiteral(" / "))));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
