// The basal test through the real window: a Clarity export loaded by the
// menu, evaluated for two nights, and the sheet printed to a PDF file.

#include "basaltest/basaltestdialog.h"
#include "basaltest/blockchooser.h"
#include "basaltest/sheetblockdialog.h"
#include "glucose/glucosesamples.h"
#include "printing/printcheck.h"
#include "support/mainwindowfixture.h"
#include "support/modalrun.h"

#include <QCheckBox>
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

void tickOnly(QListWidget* days, const QStringList& ticked)
{
    for (int row = 0; row < days->count(); ++row)
        days->item(row)->setCheckState(ticked.contains(days->item(row)->text()) ? Qt::Checked
                                                                                : Qt::Unchecked);
}

// Drives the print dialog once it is the modal window: it opens after the
// block's dialog has closed.
void whenPrintDialogOpens(QObject* context, const std::function<void(TGrafikForm&)>& drive,
                          bool& seen, int tries = 300)
{
    QTimer::singleShot(10, context, [context, drive, &seen, tries] {
        if (auto* form = qobject_cast<TGrafikForm*>(QApplication::activeModalWidget())) {
            seen = true;
            drive(*form);
            if (form->isVisible())
                form->reject();
        } else if (tries > 0) {
            whenPrintDialogOpens(context, drive, seen, tries - 1);
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
    const QString file = f.home.path() + QStringLiteral("/c.csv");
    QFile csv(file);
    QVERIFY(csv.open(QIODevice::WriteOnly) && csv.write(twoNights()));
    csv.close();
    f.fake.chooseFile(file);
    w.openedItem("Glukose1", "GlukoseLaden1")->trigger();
    QTRY_COMPARE(f.fake.boxes.size(), 1);
    QVERIFY(evaluate->isEnabled());

    QMap<QString, QString> shown; // "row,column": text
    const auto run = withModal<BasalTestDialog>(
        &w, [&] { evaluate->trigger(); },
        [&](BasalTestDialog* dialog) {
            tickOnly(dialog->DayList, {"13.05.2025", "14.05.2025"});
            dialog->findChild<QPushButton*>("Block22")->click();
            const QTableWidget* t = dialog->ResultTable;
            for (int r = 0; r < t->rowCount(); ++r)
                for (int c = 0; c < t->columnCount(); ++c)
                    if (t->item(r, c))
                        shown[QStringLiteral("%1,%2").arg(r).arg(c)] = t->item(r, c)->text();
        });
    QVERIFY(run->found);
    const QMap<QString, QString> expected{{"0,0", "22 bis 23 Uhr"},
                                          {"0,1", "0,8 IE/h"},
                                          {"0,2", "104"},
                                          {"0,3", "106"},
                                          {"0,4", "+2"},
                                          {"4,0", "2 bis 3 Uhr"},
                                          {"4,2", "unter Messbereich"},
                                          {"4,4", "–"},
                                          {"8,0", "Block 22 bis 6 Uhr"},
                                          {"8,2", "104"},
                                          {"8,3", "120"},
                                          {"8,4", "+2 je Std."},
                                          {"8,5", "152"},
                                          {"8,6", "168"},
                                          {"9,2", "1 von 9 Werten außerhalb 70–180 mg/dL"},
                                          {"9,5", "alle 9 Werte in 70–180 mg/dL"}};
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(shown.value(it.key()), it.value());

    // The sheet, through the print dialog, without the report's boxes.
    const QString pdf = f.home.path() + QStringLiteral("/protokoll.pdf");
    f.fake.chooseFile(pdf);
    bool printSeen = false;
    bool boxesHidden = false;
    const auto sheet = withModal<SheetBlockDialog>(
        &w, [&] { w.openedItem("Glukose1", "BasaltestProtokoll1")->trigger(); },
        [&](SheetBlockDialog* dialog) {
            dialog->findChild<QPushButton*>("Block22")->click();
            whenPrintDialogOpens(
                &w,
                [&](TGrafikForm& form) {
                    boxesHidden =
                        form.CheckBoxTabelle->isHidden() && form.CheckBoxGlukose->isHidden();
                    form.BitBtnPdf->click();
                },
                printSeen);
            dialog->Buttons->button(QDialogButtonBox::Ok)->click();
        });
    QVERIFY(sheet->found);
    QTRY_VERIFY(printSeen);
    QVERIFY(boxesHidden);
    const QString text = pdfText(pdf);
    for (const char* part : {"Basalratentest", "22 bis 6 Uhr", "22:00", "06:00", "0,8 IE/h",
                             "Essen", "Bemerkungen", "Diabetesteam"})
        QVERIFY2(text.contains(QString::fromUtf8(part)), part);
    QCOMPARE(text.count(QStringLiteral("0,8 IE/h")), 8);
    QVERIFY(w.DatenGespeichert() && w.history().count() == 0);
}

QTEST_MAIN(TestBasalTestCommands)
#include "tst_basaltestcommands.moc"
