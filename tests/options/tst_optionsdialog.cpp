// The options dialog alone, without the window: it shows the values it is
// handed and hands back on OK only what the user changed, writing nothing.

#include "options/optionsdialog.h"
#include "platform/fakeplatform.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace fendrimo;

class TestOptionsDialog : public QObject
{
    Q_OBJECT

private slots:
    void handsBackWhatChanged_data();
    void handsBackWhatChanged();
};

void TestOptionsDialog::handsBackWhatChanged_data()
{
    QTest::addColumn<QString>("action"); // "max i", "print i" or "language i"
    QTest::addColumn<int>("stored");     // the values handed in
    QTest::addColumn<bool>("colour");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<int>>("shown"); // the items selected: maximum, print, language
    QTest::addColumn<QString>("changed");  // what OK hands back
    QTest::newRow("nothing changed") << "" << 40 << true << "en" << QList{2, 0, 2} << "";
    QTest::newRow("unusable maximum kept") << "" << -1 << false << "" << QList{-1, 1, 0} << "";
    QTest::newRow("2,0 over none")
        << "max 0" << 35 << true << "de" << QList{-1, 0, 1} << "maximum 20";
    QTest::newRow("black and white")
        << "print 1" << 30 << true << "" << QList{1, 0, 0} << "colour 0";
    QTest::newRow("the desktop's")
        << "language 0" << 60 << false << "en" << QList{4, 1, 2} << "language ''";
}

void TestOptionsDialog::handsBackWhatChanged()
{
    QFETCH(QString, action);
    QFETCH(int, stored);
    QFETCH(bool, colour);
    QFETCH(QString, language);
    QFETCH(QList<int>, shown);
    QFETCH(QString, changed);
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    const FakePlatform fake;
    TFormOptionen dialog(nullptr, OptionsShown{stored, colour, language, QStringLiteral("/p/")});
    QCOMPARE((QList{dialog.RadioGroupMax->itemIndex(), dialog.RadioGroupPrint->itemIndex(),
                    dialog.ComboSprache->currentIndex()}),
             shown);
    QCOMPARE(dialog.LabelVerzeichnis->text(), QStringLiteral("/p/"));
    const int index = action.section(u' ', 1).toInt();
    if (action.startsWith(u"max") || action.startsWith(u"print"))
        (action.startsWith(u"max") ? dialog.RadioGroupMax : dialog.RadioGroupPrint)
            ->setItemIndex(index);
    else if (action.startsWith(u"language"))
        dialog.ComboSprache->setCurrentIndex(index);
    QStringList handed;
    connect(&dialog, &TFormOptionen::chosen, this, [&](const OptionsChange& change) {
        if (change.maximum)
            handed << QStringLiteral("maximum %1").arg(*change.maximum);
        if (change.colour)
            handed << QStringLiteral("colour %1").arg(int(*change.colour));
        if (change.language)
            handed << QStringLiteral("language '%1'").arg(*change.language);
    });
    dialog.BitBtnOK->click();
    QCOMPARE(handed.join(u' '), changed);
    QVERIFY(QDir(home.path()).isEmpty());
}

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
