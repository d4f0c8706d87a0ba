// Takes the picture of the main window for the documentation: a 1024 x 768
// screen, a typical profile, grabbed offscreen.
// Usage: fendrimo_screenshot <output.png> [<comparison.png> [<preview.png> [<dialog.png>
//        [<history.png>]]]]
// The second picture shows the same profile compared with its saved version
// after the morning hours were raised; the third the print preview of it,
// the fourth the print dialog, the fifth the history window of a profile
// saved four times over a season.

#include "app/application.h"
#include "support/mainwindowfixture.h"

#include "files/profilerecord.h"
#include "history/historydialog.h"
#include "history/versionstore.h"
#include "printing/grafikform.h"
#include "printing/previewdialog.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

using fendrimo::ProfileContent;

// Four saves of one profile: the morning raised, then the late evening
// lowered and a bolus factor changed, then the notes.
bool historyPicture(const QString& output)
{
    const QString profile = QStringLiteral("/home/anna/Basalraten/winter.bar");
    const fendrimo::VersionStore store;
    ProfileContent content;
    content.rates = {8,  8,  8,  8,  8,  8,  10, 10, 10, 12, 10, 10,
                     10, 10, 10, 10, 10, 10, 9,  9,  9,  9,  9,  9};
    content.bolus = {QStringLiteral("1,5"), QStringLiteral("1,0"), QStringLiteral("1,2")};
    content.datum = QStringLiteral("12.09.2026");
    const auto keep = [&](const QDate& date, int hour, int minute) {
        fendrimo::Profilsatz record;
        fendrimo::storeInRecord(content, record);
        store.keep(profile, record.toBytes(), QDateTime(date, QTime(hour, minute), Qt::UTC));
    };
    keep(QDate(2026, 9, 12), 19, 4);
    for (int h = 6; h < 9; ++h)
        content.rates.at(size_t(h)) = 12;
    content.datum = QStringLiteral("03.10.2026");
    keep(QDate(2026, 10, 3), 8, 41);
    for (int h = 22; h < 24; ++h)
        content.rates.at(size_t(h)) = 8;
    content.bolus.at(1) = QStringLiteral("1,2");
    content.datum = QStringLiteral("14.11.2026");
    keep(QDate(2026, 11, 14), 21, 15);
    content.notizen = QStringLiteral("Sport\r\nabends");
    content.datum = QStringLiteral("08.12.2026");
    keep(QDate(2026, 12, 8), 18, 2);

    fendrimo::HistoryDialog dialog(nullptr, profile, true, QString());
    dialog.setVersions(store.versions(profile));
    dialog.ListeVerlauf->selectRow(1);
    dialog.show();
    QApplication::processEvents();
    return dialog.versions().size() == 4 && dialog.grab().save(output);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The history of the pictures' profile stays out of the user's data folder.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    fendrimo::Application app(argc, argv);
    if (argc < 2) {
        qWarning("usage: fendrimo_screenshot <output.png>");
        return 2;
    }
    fendrimo::testing::MainWindowFixture f(30);
    fendrimo::Form1UnderTest& w = f.w();
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
    if (!saved)
        return 1;
    if (argc < 6)
        return 0;
    return historyPicture(QString::fromLocal8Bit(argv[5])) ? 0 : 1;
}
