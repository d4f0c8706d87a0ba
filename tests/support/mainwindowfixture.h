#pragma once

// Helpers for tests that drive the real main window offscreen: a private
// settings folder, the platform fake, German regional formats, and real
// mouse and key events on the sliders.

#include "files/profilefile.h"
#include "files/profilsatz.h"
#include "platform/fakeplatform.h"
#include "platform/regional.h"
#include "profile/zehntel.h"
#include "support/form1undertest.h"
#include "widgets/textfields.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace fendrimo::testing {

inline QByteArray setUpSettings(int maximum)
{
    return QStringLiteral("[Einstellungen]\nMaximum=%1\nFarbDruck=1\nVerzeichnis=\n"
                          "[Teststring]\nDatei=Vorhanden\n")
        .arg(maximum)
        .toUtf8();
}

// A private XDG config home for one test; restores nothing, every test makes its own.
class SettingsHome
{
public:
    SettingsHome() { qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit()); }
    QString iniPath() const { return m_dir.path() + QStringLiteral("/fendrimo/fendr21f.ini"); }
    void write(const QByteArray& content) const
    {
        QDir().mkpath(m_dir.path() + QStringLiteral("/fendrimo"));
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    QByteArray read() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

inline void useGermanFormats()
{
    RegionalFormats::setCurrent(
        RegionalFormats::fromLocale(QLocale(QLocale::German, QLocale::Germany)));
}

// The main window, created with a given stored maximum and shown.
struct MainWindowFixture
{
    SettingsHome home;
    FakePlatform fake;
    std::unique_ptr<Form1UnderTest> window;

    explicit MainWindowFixture(int maximum = 30, bool show = true)
    {
        useGermanFormats();
        home.write(setUpSettings(maximum));
        start(show);
    }
    MainWindowFixture(const QByteArray& settings, bool show)
    {
        useGermanFormats();
        if (!settings.isNull())
            home.write(settings);
        start(show);
    }
    ~MainWindowFixture()
    {
        if (window)
            window->hide();
    }
    void start(bool show)
    {
        window = std::make_unique<Form1UnderTest>();
        if (show) {
            window->show();
            QApplication::setActiveWindow(window.get());
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        }
    }
    Form1UnderTest& w() { return *window; }

    // Saves the profile on screen with "Speichern" to a file in the test's own
    // folder, so the window holds a saved profile as a user would make it.
    // The fake's records of the save are cleared again.
    QString saveProfile(const QString& name = QStringLiteral("gespeichert.bar"))
    {
        const QString path = home.path() + QLatin1Char('/') + name;
        fake.chooseFile(path);
        window->Basalratespeichern1->trigger();
        fake.clear();
        return path;
    }

    // Opens a profile with these rates (tenths of IE/h, hour 0 first) with
    // "Laden" from a file in the test's own folder; the fake's records of
    // the load are cleared again.
    void loadRates(const QList<qint32>& rates, const QString& name = QStringLiteral("raten.bar"))
    {
        Profilsatz record;
        for (int h = 0; h < Profilsatz::Hours; ++h)
            record.setRate(h, rates.value(h));
        const QString path = home.path() + QLatin1Char('/') + name;
        QVERIFY(writeProfileFile(path, record).ok());
        fake.answer(MessageResult::Ja);
        fake.chooseFile(path);
        window->Basalrateladen1->trigger();
        fake.clear();
    }
};

// Where to click on a slider's parts.
inline QRect sliderPart(QScrollBar* slider, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    option.upsideDown = slider->invertedAppearance();
    if (slider->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return slider->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, slider);
}

inline void clickPart(QScrollBar* slider, QStyle::SubControl part,
                      Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint at = sliderPart(slider, part).center();
    QTest::mousePress(slider, button, Qt::NoModifier, at);
    QTest::mouseRelease(slider, button, Qt::NoModifier, at);
}

inline void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace fendrimo::testing
