// What a screen reader gets from the program through Qt's accessibility
// interfaces: German names and descriptions for every control, and the
// sliders' values as rates ("1,2 IE/h") rather than inverted positions,
// however the rate got there.

#include "about/aboutbox.h"
#include "app/dialogvalues.h"
#include "files/profilsatz.h"
#include "options/optionsdialog.h"
#include "printing/grafikform.h"
#include "support/mainwindowfixture.h"
#include "support/modalrun.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return iface;
}

QString accessibleValue(QObject* object)
{
    return accessible(object)->text(QAccessible::Value);
}

// The user sets slider n to a rate with the Up key from the bottom.
void keyRate(Form1UnderTest& w, int n, int tenths)
{
    w.ScrollBar(n)->setFocus();
    QTest::keyClick(w.ScrollBar(n), Qt::Key_End);
    for (int i = 0; i < tenths; ++i)
        QTest::keyClick(w.ScrollBar(n), Qt::Key_Up);
}

// Controls a screen reader user works with or reads values from.
bool isControl(const QWidget* widget)
{
    return qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QMenu*>(widget) ||
           qobject_cast<const QMenuBar*>(widget) || qobject_cast<const QGroupBox*>(widget);
}

// Walks the accessible tree as a screen reader does and collects the
// visible controls with their name and description.
void collectControls(QAccessibleInterface* iface, QList<QAccessibleInterface*>& found)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child || child->state().invisible)
            continue;
        if (auto* widget = qobject_cast<QWidget*>(child->object());
            widget && isControl(widget) && !found.contains(child))
            found << child;
        collectControls(child, found);
    }
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void sliderReadsRate_data();
    void sliderReadsRate();
    void sliderValueFollowsCommands_data();
    void sliderValueFollowsCommands();
    void settingValueActsLikeTheUser_data();
    void settingValueActsLikeTheUser();
    void stepActions_data();
    void stepActions();
    void valueLabels_data();
    void valueLabels();
    void everyControlNamedAndDescribed_data();
    void everyControlNamedAndDescribed();
};

void TestAccessibility::sliderReadsRate_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("hour 6 at 1,2 of 3") << 30 << 7 << 12 << "Basalrate 6 bis 7 Uhr"
                                        << "1,2 IE/h";
    QTest::newRow("same rate under maximum 6") << 60 << 7 << 12 << "Basalrate 6 bis 7 Uhr"
                                               << "1,2 IE/h";
    QTest::newRow("first hour at zero") << 30 << 1 << 0 << "Basalrate 0 bis 1 Uhr"
                                        << "0 IE/h";
    QTest::newRow("last hour at the top") << 30 << 24 << 30 << "Basalrate 23 bis 24 Uhr"
                                          << "3 IE/h";
    QTest::newRow("one tenth") << 20 << 13 << 1 << "Basalrate 12 bis 13 Uhr"
                               << "0,1 IE/h";
}

void TestAccessibility::sliderReadsRate()
{
    QFETCH(int, maximum);
    QFETCH(int, slider);
    QFETCH(int, tenths);
    QFETCH(QString, name);
    QFETCH(QString, value);
    MainWindowFixture f(maximum);
    Form1UnderTest& w = f.w();
    w.CheckBox1->setChecked(false);
    keyRate(w, slider, tenths);

    QAccessibleInterface* iface = accessible(w.ScrollBar(slider));
    QCOMPARE(iface->role(), QAccessible::Slider);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Value), value);
    QVERIFY(iface->text(QAccessible::Description)
                .contains(QStringLiteral("%1 bis %2 Uhr").arg(slider - 1).arg(slider)));
    QVERIFY(iface->state().focusable);

    QAccessibleValueInterface* values = iface->valueInterface();
    QVERIFY(values);
    QCOMPARE(values->currentValue().toDouble(), tenths / 10.0);
    QCOMPARE(values->maximumValue().toDouble(), maximum / 10.0);
    QCOMPARE(values->minimumValue().toDouble(), 0.0);
    QCOMPARE(values->minimumStepSize().toDouble(), 0.1);
}

void TestAccessibility::sliderValueFollowsCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("value");
    QTest::addColumn<double>("maximum");
    // Loading 6,5 IE/h raises the maximum from 3 to 7 IE/h.
    QTest::newRow("load raising the maximum") << "load"
                                              << "6,5 IE/h" << 7.0;
    QTest::newRow("Neu") << "neu"
                         << "0 IE/h" << 3.0;
    QTest::newRow("new maximum keeps the rate") << "options"
                                                << "1,2 IE/h" << 6.0;
}

void TestAccessibility::sliderValueFollowsCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, value);
    QFETCH(double, maximum);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    keyRate(w, 1, 12); // linked: every hour at 1,2
    QCOMPARE(accessibleValue(w.ScrollBar(1)), QStringLiteral("1,2 IE/h"));

    if (command == QLatin1String("load")) {
        Profilsatz profile;
        profile.setRate(0, 65);
        const QString path = f.home.path() + QStringLiteral("/hoch.bar");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(profile.toBytes());
        file.close();
        f.fake.answer(MessageResult::Ja);
        f.fake.chooseFile(path);
        w.guarded([&] { w.Basalrateladen1Click(); });
    } else if (command == QLatin1String("neu")) {
        f.fake.answer(MessageResult::Ja);
        w.guarded([&] { w.Neu1Click(); });
    } else {
        // "OK und speichern" with 6,0 IE/h chosen.
        const auto run = withModal<TFormOptionen>(
            &w, [&w] { w.Einstellungen->trigger(); },
            [](TFormOptionen* dialog) {
                dialog->RadioGroupMax->setItemIndex(4);
                dialog->BitBtnOK->click();
            });
        QVERIFY(run->found);
    }
    QCOMPARE(accessibleValue(w.ScrollBar(1)), value);
    QCOMPARE(accessible(w.ScrollBar(1))->valueInterface()->maximumValue().toDouble(), maximum);
    QCOMPARE(accessible(w.ScrollBar(1))->valueInterface()->currentValue().toDouble(),
             w.rate(1) / 10.0);
}

void TestAccessibility::settingValueActsLikeTheUser_data()
{
    QTest::addColumn<bool>("linked");
    QTest::addColumn<double>("wanted");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("follower"); // what slider 6 reads afterwards
    QTest::addColumn<QString>("total");
    QTest::newRow("linked drags the followers") << true << 1.5 << "1,5 IE/h"
                                                << "1,5 IE/h"
                                                << "30";
    QTest::newRow("unlinked moves one hour") << false << 1.5 << "1,5 IE/h"
                                             << "0 IE/h"
                                             << "1,5";
    QTest::newRow("above the maximum is clamped") << false << 9.9 << "3 IE/h"
                                                  << "0 IE/h"
                                                  << "3";
    QTest::newRow("rounded to a tenth") << false << 0.44 << "0,4 IE/h"
                                        << "0 IE/h"
                                        << "0,4";
}

void TestAccessibility::settingValueActsLikeTheUser()
{
    QFETCH(bool, linked);
    QFETCH(double, wanted);
    QFETCH(QString, value);
    QFETCH(QString, follower);
    QFETCH(QString, total);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.CheckBox1->setChecked(linked);
    QVERIFY(w.DatenGespeichert());

    accessible(w.ScrollBar(5))->valueInterface()->setCurrentValue(wanted);

    QCOMPARE(accessibleValue(w.ScrollBar(5)), value);
    QCOMPARE(w.Edit(5)->text() + QStringLiteral(" IE/h"), value);
    QCOMPARE(accessibleValue(w.ScrollBar(6)), follower);
    QCOMPARE(accessibleValue(w.ScrollBar(4)), QStringLiteral("0 IE/h"));
    QCOMPARE(w.LabelSumme->text(), total);
    QVERIFY(!w.DatenGespeichert()); // the scroll handler ran
}

void TestAccessibility::stepActions_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("value");
    QTest::newRow("increase from zero")
        << 0 << QAccessibleActionInterface::increaseAction() << "0,1 IE/h";
    QTest::newRow("decrease") << 12 << QAccessibleActionInterface::decreaseAction() << "1,1 IE/h";
    QTest::newRow("decrease at zero stays")
        << 0 << QAccessibleActionInterface::decreaseAction() << "0 IE/h";
    QTest::newRow("increase at the top stays")
        << 30 << QAccessibleActionInterface::increaseAction() << "3 IE/h";
}

void TestAccessibility::stepActions()
{
    QFETCH(int, start);
    QFETCH(QString, action);
    QFETCH(QString, value);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.CheckBox1->setChecked(false);
    keyRate(w, 10, start);
    f.saveProfile();

    QAccessibleInterface* iface = accessible(w.ScrollBar(10));
    QVERIFY(iface->actionInterface());
    QVERIFY(iface->actionInterface()->actionNames().contains(action));
    iface->actionInterface()->doAction(action);

    QCOMPARE(accessibleValue(w.ScrollBar(10)), value);
    QCOMPARE(w.Edit(10)->text() + QStringLiteral(" IE/h"), value);
    // Like an arrow pressed at the end of the range: still a user action.
    QVERIFY(!w.DatenGespeichert());
}

void TestAccessibility::valueLabels_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("name");
    QTest::newRow("total of 24 hours at 1,2") << "LabelSumme" << 30 << "Tagessumme: 28,8 IE";
    QTest::newRow("maximum 2,5") << "LabelMax" << 25 << "Höchste einstellbare Rate: 2,5 IE/h";
    QTest::newRow("bottom of the scale") << "LabelMin" << 30 << "Niedrigste Rate: 0 IE/h";
}

void TestAccessibility::valueLabels()
{
    QFETCH(QString, label);
    QFETCH(int, maximum);
    QFETCH(QString, name);
    MainWindowFixture f(maximum);
    Form1UnderTest& w = f.w();
    keyRate(w, 1, 12);
    QAccessibleInterface* iface = accessible(w.findChild<QLabel*>(label));
    QCOMPARE(iface->text(QAccessible::Name), name);
    QVERIFY(name.endsWith(iface->text(QAccessible::Value)));
    QVERIFY(!iface->text(QAccessible::Description).isEmpty());
}

void TestAccessibility::everyControlNamedAndDescribed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("atLeast");
    // 24 sliders and rate fields, 3 bolus fields, date, notes, check box, menu bar.
    QTest::newRow("main window") << "main" << 55;
    QTest::newRow("options dialog") << "options" << 12;
    QTest::newRow("information box") << "about" << 1;
    QTest::newRow("print dialog") << "print" << 6;
}

void TestAccessibility::everyControlNamedAndDescribed()
{
    QFETCH(QString, window);
    QFETCH(int, atLeast);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    std::unique_ptr<QWidget> dialog;
    QWidget* top = &w;
    if (window == QLatin1String("options"))
        dialog = std::make_unique<TFormOptionen>(&w, optionsShown(w.settings()));
    else if (window == QLatin1String("about"))
        dialog = std::make_unique<TAboutBox>(&w);
    else if (window == QLatin1String("print"))
        dialog = std::make_unique<TGrafikForm>(&w, ReportInput{}, printOptions(w.settings()));
    if (dialog) {
        dialog->show();
        top = dialog.get();
    }
    QAccessibleInterface* root = accessible(top);
    QVERIFY(!root->text(QAccessible::Name).isEmpty());
    QVERIFY(!root->text(QAccessible::Description).isEmpty());

    QList<QAccessibleInterface*> controls;
    collectControls(root, controls);
    if (top == &w) {
        // The menus open from the menu bar's items.
        for (QAction* item : w.menuBar()->actions()) {
            auto* menu = item->menu<QMenu*>();
            QVERIFY(menu);
            if (!controls.contains(accessible(menu)))
                controls << accessible(menu);
        }
    }
    QVERIFY2(controls.size() >= atLeast, qPrintable(QString::number(controls.size())));
    QSet<QString> names;
    for (QAccessibleInterface* control : controls) {
        const QString name = control->text(QAccessible::Name);
        const QString what = QLatin1String(control->object()->metaObject()->className()) +
                             QLatin1Char(' ') + control->object()->objectName() + QLatin1Char(' ') +
                             name;
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(what));
        QVERIFY2(!control->text(QAccessible::Description).trimmed().isEmpty(), qPrintable(what));
        // No two controls of a window sound alike.
        QVERIFY2(!names.contains(name), qPrintable(what));
        names.insert(name);
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
