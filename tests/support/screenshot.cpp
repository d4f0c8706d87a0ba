// Takes the picture of the main window for the documentation: a 1024 x 768
// screen, a typical profile, grabbed offscreen (with FENDRIMO_WIDE_SCREEN set,
// only the window on a 1366 x 768 screen).
// Usage: fendrimo_screenshot <output.png> [<comparison.png> [<preview.png> [<dialog.png>
//        [<history.png> [<take.png> <table.pdf>]]]]]
// The second picture shows the same profile compared with its saved version
// after the morning hours were raised; the third the print preview of it,
// the fourth the print dialog, the fifth the history window of a profile
// saved four times over a season; the sixth the hours to take from an
// autotune result compared with the profile, the seventh (a PDF) the printed
// table beside it.

#include "app/application.h"
#include "app/translation.h"
#include "support/mainwindowfixture.h"

#include "files/profilerecord.h"
#include "history/historydialog.h"
#include "history/versionstore.h"
#include "printing/grafikform.h"
#include "printing/previewdialog.h"
#include "settings/settings.h"
#include "tools/takehoursdialog.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

using fendrimo::ProfileContent;

// The pictures' profile.
const QList<qint32> kPictureRates{8,  8,  8,  8,  8,  8,  12, 12, 12, 12, 10, 10,
                                  10, 10, 10, 10, 10, 10, 9,  9,  9,  9,  9,  9};

// The main window as it opens on a 1366 x 768 screen, on a plain desktop.
bool wideScreenPicture(const QString& output)
{
    fendrimo::testing::MainWindowFixture f(30, false);
    f.fake.screen = QSize(1366, 768);
    f.start(true);
    f.loadRates(kPictureRates);
    f.w().TimerTimer();
    QApplication::processEvents();
    QImage screen(f.fake.screen, QImage::Format_RGB32);
    screen.fill(QColor(58, 110, 165));
    QPainter painter(&screen);
    painter.drawPixmap(f.w().pos(), f.w().grab());
    painter.end();
    return screen.save(output);
}

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

// An autotune result for the pictures' profile: mostly the same rates to the
// tenth, four hours otherwise, some untuned on a few days.
QByteArray autotuneResult()
{
    const double rates[24] = {0.812, 0.808, 0.795, 0.803, 0.861, 0.874, 1.205, 1.247,
                              1.262, 1.188, 1.004, 0.998, 1.012, 0.981, 0.997, 1.003,
                              1.049, 1.062, 0.903, 0.896, 0.902, 0.889, 0.846, 0.911};
    const int untuned[24] = {0, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0,
                             0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0};
    QByteArray json = R"({"carb_ratio": 10, "basalprofile": [)";
    for (int h = 0; h < 24; ++h) {
        json += QStringLiteral(
                    R"(%1{"i": %2, "start": "%3:00:00", "minutes": %4, "rate": %5, "untuned": %6})")
                    .arg(h == 0 ? "" : ", ")
                    .arg(h)
                    .arg(h, 2, 10, QLatin1Char('0'))
                    .arg(h * 60)
                    .arg(rates[h], 0, 'f', 3)
                    .arg(untuned[h])
                    .toUtf8();
    }
    return json + "]}";
}

// The take dialog over the window compared with an autotune result, and the
// printed table with the comparison as a PDF.
bool takePictures(fendrimo::testing::MainWindowFixture& f, const QString& take,
                  const QString& table)
{
    fendrimo::Form1UnderTest& w = f.w();
    const QString source = f.home.path() + QStringLiteral("/autotune-profile.json");
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly) || file.write(autotuneResult()) < 0)
        return false;
    file.close();
    f.fake.chooseFile(source);
    w.Vergleichen1->trigger();
    bool saved = false;
    QTimer::singleShot(0, &w, [&] {
        if (auto* dialog =
                qobject_cast<fendrimo::TakeHoursDialog*>(QApplication::activeModalWidget())) {
            dialog->runBoxes.at(3)->setChecked(false);
            QApplication::processEvents();
            saved = dialog->grab().save(take);
            dialog->reject();
        }
    });
    w.findChild<QAction*>(QStringLiteral("AusVergleichUebernehmen1"))->trigger();
    fendrimo::Settings().setTabelle(true);
    f.fake.chooseFile(table);
    QTimer::singleShot(0, &w, [&] {
        if (auto* form = qobject_cast<fendrimo::TGrafikForm*>(QApplication::activeModalWidget())) {
            form->BitBtnPdf->click();
            form->reject();
        }
    });
    w.BasalrateDrucken1->trigger();
    return saved && QFileInfo::exists(table);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The history of the pictures' profile stays out of the user's data folder.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    const fendrimo::Settings settings;
    fendrimo::Application app(argc, argv, settings);
    if (argc < 2) {
        qWarning("usage: fendrimo_screenshot <output.png>");
        return 2;
    }
    // FENDRIMO_WIDE_SCREEN=<output.png>: the window on a wide screen, alone.
    const QString wide = qEnvironmentVariable("FENDRIMO_WIDE_SCREEN");
    if (!wide.isEmpty())
        return wideScreenPicture(wide) ? 0 : 1;
    fendrimo::testing::MainWindowFixture f(30);
    fendrimo::Form1UnderTest& w = f.w();
    // In English (LANGUAGE=en) the pictures show an English desktop's numbers
    // and dates, and what such a user would write.
    const bool english = fendrimo::interfaceLanguageInUse() == QLatin1String("en");
    if (english) {
        fendrimo::RegionalFormats::setCurrent(fendrimo::RegionalFormats::fromLocale(
            QLocale(QLocale::English, QLocale::UnitedKingdom)));
    }
    f.loadRates(kPictureRates);
    w.EditDatum->setText(english ? QStringLiteral("08/12/2026") : QStringLiteral("08.12.2026"));
    w.MemoNotizen->setPlainText(english ? QStringLiteral("Sport\nevenings")
                                        : QStringLiteral("Sport\nabends"));
    w.EditBolus1->setText(english ? QStringLiteral("1.5") : QStringLiteral("1,5"));
    w.EditBolus4->setText(english ? QStringLiteral("1.0") : QStringLiteral("1,0"));
    w.EditBolus7->setText(english ? QStringLiteral("1.2") : QStringLiteral("1,2"));
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
    if (!historyPicture(QString::fromLocal8Bit(argv[5])))
        return 1;
    if (argc < 8)
        return 0;
    // Back to the saved profile, without the comparison.
    w.VergleichBeenden1->trigger();
    f.fake.answer(fendrimo::MessageResult::Ja);
    f.fake.chooseFile(f.home.path() + QStringLiteral("/gespeichert.bar"));
    w.Basalrateladen1->trigger();
    return takePictures(f, QString::fromLocal8Bit(argv[6]), QString::fromLocal8Bit(argv[7])) ? 0
                                                                                             : 1;
}
