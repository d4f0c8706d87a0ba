// Takes the picture of the main window for the documentation: a 1024 x 768
// screen, a typical profile, grabbed offscreen.
// Usage: fendrimo_screenshot <output.png> [<comparison.png> [<preview.png> [<dialog.png>]]]
// The second picture shows the same profile compared with its saved version
// after the morning hours were raised; the third the print preview of it,
// the fourth the print dialog.

#include "app/application.h"
#include "support/mainwindowfixture.h"

#include "printing/grafikform.h"
#include "printing/previewdialog.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    fendrimo::Application app(argc, argv);
    if (argc < 2) {
        qWarning("usage: fendrimo_screenshot <output.png>");
        return 2;
    }
    fendrimo::testing::MainWindowFixture f(30);
    fendrimo::TForm1& w = f.w();
    f.loadRates(
        {8, 8, 8, 8, 8, 8, 12, 12, 12, 12, 10, 10, 10, 10, 10, 10, 10, 10, 9, 9, 9, 9, 9, 9});
    w.EditDatum->setText(QStringLiteral("08.12.2026"));
    w.MemoNotizen->setPlainText(QStringLiteral("Sport\nabends"));
    w.EditBolus1->setText(QStringLiteral("1,5"));
    w.EditBolus4->setText(QStringLiteral("1,0"));
    w.EditBolus7->setText(QStringLiteral("1,2"));
    f.saveProfile();
    w.setWindowTitle(QStringLiteral("Fendrimo - /home/anna/Basalraten/winter.bar"));
    w.TimerTimer();
    QApplication::processEvents();
    if (!w.grab().save(QString::fromLocal8Bit(argv[1])))
        return 1;
    if (argc < 3)
        return 0;
    w.VergleichGespeichert1->trigger();
    // Two tenths more from 4 to 7 Uhr, one less from 20 Uhr, as the arrow keys give them.
    for (int n = 5; n <= 7; ++n) {
        for (int step = 0; step < 2; ++step)
            w.ScrollBar(n)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    for (int n = 21; n <= 24; ++n)
        w.ScrollBar(n)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    w.TimerTimer();
    QApplication::processEvents();
    if (!w.grab().save(QString::fromLocal8Bit(argv[2])))
        return 1;
    if (argc < 4)
        return 0;
    bool saved = false;
    const QString previewPath = QString::fromLocal8Bit(argv[3]);
    QTimer::singleShot(0, &w, [&] {
        auto* form = qobject_cast<fendrimo::TGrafikForm*>(QApplication::activeModalWidget());
        if (!form)
            return;
        QTimer::singleShot(0, form, [&] {
            auto* preview =
                qobject_cast<fendrimo::PreviewDialog*>(QApplication::activeModalWidget());
            if (preview) {
                preview->resize(560, 760);
                preview->Vorschau->fitInView();
                QApplication::processEvents();
                saved = preview->grab().save(previewPath);
                preview->reject();
            }
        });
        form->BitBtnVorschau->click();
        if (argc > 4)
            saved = saved && form->grab().save(QString::fromLocal8Bit(argv[4]));
        form->reject();
    });
    w.BasalrateDrucken1->trigger();
    return saved ? 0 : 1;
}
