// The basal test through the real window: a Clarity export loaded by the
// menu, evaluated for two nights, and the sheet printed to a PDF file.

#include "basaltest/basaltestdialog.h"
#include "basaltest/sheetblockdialog.h"
#include "glucose/glucosesamples.h"
#include "printing/printcheck.h"
#include "support/mainwindowfixture.h"
#include "support/modalrun.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;
using namespace glucosesamples;

class TestBasalTestCommands : public QObject
{
    Q_OBJECT

private slots:
    void evaluateAndPrint();
};

namespace {

// Hourly from 13.05.2025 20:00 to 15.05.2025 08:00, rising by 2 mg/dL an
// hour, with the sensor's Low at 2 o'clock in the first night.
QByteArray twoNights()
{
    QByteArray file = kClarityHeader + kClarityMetadata;
    const QDateTime first(QDate(2025, 5, 13), QTime(20, 0));
    for (int i = 0; i <= 36; ++i) {
        const QByteArray time = first.addSecs(i * 3600).toString(Qt::ISODate).toLatin1();
        file += clarityRow(4 + i, time, "EGV", i == 6 ? "Low" : QByteArray::number(100 + 2 * i));
    }
    return file;
}

// The print dialog opens once the block's dialog has closed: waits for it.
void onPrintDialog(QObject* context, const std::function<void(TGrafikForm&)>& drive,
                   int tries = 300)
{
    QTimer::singleShot(10, context, [=] {
        auto* form = qobject_cast<TGrafikForm*>(QApplication::activeModalWidget());
        if (form) {
            drive(*form);
            form->reject();
        } else if (tries > 0) {
            onPrintDialog(context, drive, tries - 1);
        }
    });
}

} // namespace

void TestBasalTestCommands::evaluateAndPrint()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(QList<qint32>(24, 8), QStringLiteral("profil.bar"));
    QAction* evaluate = w.openedItem("Glukose1", "BasaltestAuswerten1");
    QVERIFY(!evaluate->isEnabled());
    QFile csv(f.home.path() + QStringLiteral("/c.csv"));
    QVERIFY(csv.open(QIODevice::WriteOnly) && csv.write(twoNights()) && csv.flush());
    f.fake.chooseFile(csv.fileName());
    w.openedItem("Glukose1", "GlukoseLaden1")->trigger();
    QTRY_COMPARE(f.fake.boxes.size(), 1);
    QVERIFY(evaluate->isEnabled());
    // The figures over the block, per day ticked: the last two are at first.
    QStringList shown;
    const auto run = withModal<BasalTestDialog>(
        &w, [&] { evaluate->trigger(); },
        [&](BasalTestDialog* dialog) {
            dialog->DayList->item(0)->setCheckState(Qt::Checked);
            dialog->DayList->item(2)->setCheckState(Qt::Unchecked);
            dialog->findChild<QPushButton*>("Block22")->click();
            for (const int row : {8, 9})
                for (int column = 0; column < dialog->ResultTable->columnCount(); ++column)
                    if (const QTableWidgetItem* item = dialog->ResultTable->item(row, column))
                        shown << item->text();
        });
    QVERIFY(run->found);
    QCOMPARE(shown, (QStringList{"Block 22 bis 6 Uhr", "104", "120", "+2 je Std.", "152", "168",
                                 "+2 je Std.", "Werte im Zielbereich",
                                 "1 von 9 Werten außerhalb 70–180 mg/dL",
                                 "alle 9 Werte in 70–180 mg/dL"}));

    // The sheet in the print dialog without the report's boxes, 22 Uhr's rate edited.
    w.ScrollBar(23)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const QString pdf = f.home.path() + QStringLiteral("/protokoll.pdf");
    f.fake.chooseFile(pdf);
    std::optional<bool> asSheet; // set once the print dialog is seen
    withModal<SheetBlockDialog>(
        &w, [&] { w.openedItem("Glukose1", "BasaltestProtokoll1")->trigger(); },
        [&](SheetBlockDialog* dialog) {
            dialog->findChild<QPushButton*>("Block22")->click();
            onPrintDialog(&w, [&](TGrafikForm& form) {
                asSheet = form.CheckBoxTabelle->isHidden() && form.CheckBoxGlukose->isHidden() &&
                          form.windowTitle() == "Fendrimo - Basaltest-Protokoll drucken";
                form.BitBtnPdf->click();
            });
            dialog->Buttons->button(QDialogButtonBox::Ok)->click();
        });
    QTRY_VERIFY(asSheet.value_or(false));
    const QString text = pdfText(pdf);
    for (const char* part : {"Basalratentest", "22 bis 6 Uhr", "22:00", "06:00", "0,8 IE/h",
                             "Essen", "Bemerkungen", "Diabetesteam"})
        QVERIFY2(text.contains(QString::fromUtf8(part)), part);
    QCOMPARE(text.count(QStringLiteral("0,8 IE/h")), 7);
    QCOMPARE(w.history().count(), 1); // the edit alone
}

QTEST_MAIN(TestBasalTestCommands)
#include "tst_basaltestcommands.moc"
