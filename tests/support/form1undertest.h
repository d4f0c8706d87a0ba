#pragma once

// The main window as the tests drive it: its controls found by their object
// names (the names of the window design), under the same names.

#include "app/clockticker.h"
#include "app/tform1.h"
#include "settings/settings.h"
#include "widgets/textfields.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace fendrimo {

// The settings handle a window under test is handed, made before the window
// (a base before TForm1), over the settings file of the test's config home.
struct OwnSettings
{
    Settings ownSettings;
};

class Form1UnderTest final : private OwnSettings, public TForm1
{
public:
    explicit Form1UnderTest(QWidget* parent = nullptr) : TForm1(ownSettings, parent) {}

    // The handle the window reads and writes through, for its dialogs made directly.
    Settings& settings() { return ownSettings; }

    // What the window shows of its document, in the design's words.
    using TForm1::DatenGespeichert;
    using TForm1::history;
    using TForm1::Maximum;
    using TForm1::printing;
    using TForm1::profile;
    using TForm1::rate;
    using TForm1::reference;

    // Handlers, reached as the user and the clock reach them.
    void TimerTimer() const { emit Timer->tick(); }
    void Neu1Click() const { Neu1->trigger(); }
    void Basalrateladen1Click() const { Basalrateladen1->trigger(); }

    RateSlider* ScrollBar(int n) const
    {
        return named<RateSlider>(QStringLiteral("ScrollBar%1").arg(n));
    }
    RateField* Edit(int n) const { return named<RateField>(QStringLiteral("Edit%1").arg(n)); }

    QCheckBox* const CheckBox1 = named<QCheckBox>("CheckBox1");
    QPushButton* const ButtonSumme = named<QPushButton>("ButtonSumme");
    QLabel* const LabelSumme = named<QLabel>("LabelSumme");
    QLabel* const LabelMax = named<QLabel>("LabelMax");
    QLabel* const LabelMin = named<QLabel>("LabelMin");
    QLabel* const LabelVergleich = named<QLabel>("LabelVergleich");
    QLineEdit* const EditBolus1 = named<QLineEdit>("EditBolus1");
    QLineEdit* const EditBolus4 = named<QLineEdit>("EditBolus4");
    QLineEdit* const EditBolus7 = named<QLineEdit>("EditBolus7");
    QLineEdit* const EditDatum = named<QLineEdit>("EditDatum");
    NotesEdit* const MemoNotizen = named<NotesEdit>("MemoNotizen");
    QLabel* const Image1 = named<QLabel>("Image1");
    QLabel* const Label32 = named<QLabel>("Label32");
    QFrame* const PanelStatus = named<QFrame>("PanelStatus");
    QLabel* const LabelDate = named<QLabel>("LabelDate");
    QLabel* const LabelTime = named<QLabel>("LabelTime");
    QLabel* const LabelSaved = named<QLabel>("LabelSaved");
    ClockTicker* const Timer = named<ClockTicker>("Timer");

    QAction* const Neu1 = named<QAction>("Neu1");
    QAction* const Basalrateladen1 = named<QAction>("Basalrateladen1");
    QAction* const Basalratespeichern1 = named<QAction>("Basalratespeichern1");
    QAction* const BasalrateDrucken1 = named<QAction>("BasalrateDrucken1");
    QMenu* const Importieren1 = named<QMenu>("Importieren1");
    QMenu* const Exportieren1 = named<QMenu>("Exportieren1");
    QMenu* const ZuletztGeoeffnet1 = named<QMenu>("ZuletztGeoeffnet1");
    QAction* const Verlauf1 = named<QAction>("Verlauf1");
    QAction* const Beenden1 = named<QAction>("Beenden1");
    QAction* const Rueckgaengig1 = named<QAction>("Rueckgaengig1");
    QAction* const Wiederholen1 = named<QAction>("Wiederholen1");
    QAction* const RatenProzent1 = named<QAction>("RatenProzent1");
    QAction* const Verschieben1 = named<QAction>("Verschieben1");
    QAction* const Vergleichen1 = named<QAction>("Vergleichen1");
    QAction* const VergleichGespeichert1 = named<QAction>("VergleichGespeichert1");
    QAction* const VergleichBeenden1 = named<QAction>("VergleichBeenden1");
    QAction* const Einstellungen = named<QAction>("Einstellungen");
    QAction* const HilfezurFendrimo1 = named<QAction>("HilfezurFendrimo1");
    QAction* const Programminfos1 = named<QAction>("Programminfos1");

    // An item of a menu made when it first opens, after opening it as the user would.
    QAction* openedItem(const char* menu, const char* item) const
    {
        emit named<QMenu>(menu)->aboutToShow();
        return named<QAction>(item);
    }

private:
    // A control that isn't there stops the test at once, naming it.
    template <typename T> T* named(const QString& name) const
    {
        T* found = findChild<T*>(name);
        if (!found)
            qFatal("The main window has no %s named %s", T::staticMetaObject.className(),
                   qPrintable(name));
        return found;
    }
    template <typename T> T* named(const char* name) const { return named<T>(QLatin1String(name)); }
};

} // namespace fendrimo
