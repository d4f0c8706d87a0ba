// The menus, built from one table: each item's text, keys and where it
// stands. Its command and when it is enabled come from the window or the
// part that does it, found by the item's name; every command runs through
// the command path.

#include "app/tform1.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace fendrimo {

namespace {

// One row of a menu. No name: a separator; a description: the submenu of
// that name, filled by a part. The texts are translated where the menus are
// built.
struct Item
{
    const char* name;
    const char* text;
    // Standard keys where the desktop has one for the command, the same keys
    // shown; explicit keys otherwise.
    QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
    QList<QKeySequence> keys = {};
    const char* description = nullptr;
};

struct Menu
{
    const char* name;
    const char* title;
    const char* description;
    std::vector<Item> items;
    // Its items are made when it first opens: a menu most runs never open
    // costs start-up nothing but its title.
    bool filledOnOpening = false;
};

const Item kSeparator{nullptr, nullptr};

// clang-format off
const std::vector<Menu>& menuTable()
{
    static const std::vector<Menu> table{
        {"DateiMenu", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Datei"),
         QT_TRANSLATE_NOOP("fendrimo::TForm1",
                           "Neu, Laden, Speichern, Drucken, Importieren, Exportieren, zuletzt "
                           "geöffnete Basalraten, Verlauf und Beenden"),
         {{"Neu1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Neu"), QKeySequence::New},
          kSeparator,
          {"Basalrateladen1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Laden"), QKeySequence::Open},
          {"Basalratespeichern1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Speichern"),
           QKeySequence::Save},
          kSeparator,
          {"BasalrateDrucken1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Basalrate Drucken"),
           QKeySequence::Print},
          {"Importieren1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Importieren"), {}, {},
           QT_TRANSLATE_NOOP("fendrimo::TForm1",
                             "Die Basalrate aus Nightscout, OpenAPS oder einer Tabelle "
                             "übernehmen")},
          {"Exportieren1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Exportieren"), {}, {},
           QT_TRANSLATE_NOOP("fendrimo::TForm1",
                             "Die Basalrate für Nightscout, OpenAPS oder eine Tabelle schreiben")},
          {"ZuletztGeoeffnet1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Zuletzt geöffnet"), {}, {},
           QT_TRANSLATE_NOOP("fendrimo::TForm1",
                             "Die zuletzt geladenen oder gespeicherten Basalraten")},
          {"Verlauf1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Verlauf…")},
          kSeparator,
          // The desktop's Quit key differs between desktops; Ctrl+Q everywhere.
          {"Beenden1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Beenden"), {},
           {QKeySequence(Qt::CTRL | Qt::Key_Q)}}}},
        {"Bearbeiten1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Bearbeiten"),
         QT_TRANSLATE_NOOP("fendrimo::TForm1",
                           "Änderungen rückgängig machen oder wiederholen, alle Raten ändern oder "
                           "verschieben, mit einer anderen Basalrate vergleichen"),
         // The standard keys would add Alt+Backspace, which the text fields keep.
         {{"Rueckgaengig1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Rückgängig"), {},
           {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
          {"Wiederholen1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Wiederholen"), {},
           {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
          kSeparator,
          {"RatenProzent1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Alle Raten in &Prozent ändern…")},
          {"Verschieben1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Zeitlich verschieben…")},
          kSeparator,
          {"Vergleichen1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Vergleichen mit…")},
          {"VergleichGespeichert1",
           QT_TRANSLATE_NOOP("fendrimo::TForm1", "Mit &gespeicherter Fassung vergleichen")},
          {"VergleichBeenden1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Vergleich &beenden")},
          {"AusVergleichUebernehmen1",
           QT_TRANSLATE_NOOP("fendrimo::TForm1", "Aus Vergleich &übernehmen…")}}},
        {"Glukose1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Glukose"),
         QT_TRANSLATE_NOOP("fendrimo::TForm1",
                           "Glukosedaten aus CGM-Exporten laden, als Profil neben der "
                           "Basalrate zeigen, einen Basaltest auswerten oder sein Protokoll "
                           "drucken, die Daten wieder entfernen"),
         {{"GlukoseLaden1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Glukosedaten &laden…")},
          {"Glukoseprofil1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Glukose&profil")},
          {"BasaltestAuswerten1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Basaltest &auswerten…")},
          {"BasaltestProtokoll1",
           QT_TRANSLATE_NOOP("fendrimo::TForm1", "Basaltest-&Protokoll drucken…")},
          {"GlukoseEntfernen1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Glukosedaten &entfernen")}},
         true},
        {"Optionen", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Optionen"),
         QT_TRANSLATE_NOOP("fendrimo::TForm1", "Maximum, Druckmethode und Verzeichnis einstellen"),
         {{"Einstellungen", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Einstellungen")}}},
        {"Hilfe1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Hilfe"),
         QT_TRANSLATE_NOOP("fendrimo::TForm1",
                           "Hinweis zur Dokumentation, Programm-Informationen und "
                           "Benutzerhandbuch"),
         {{"HilfezurFendrimo1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Hilfe zur Fendrimo"),
           QKeySequence::HelpContents},
          kSeparator,
          {"Programminfos1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Programm-Infos")},
          {"Benutzerhandbuch1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Benutzerhandbuch")}}},
    };
    return table;
}
// clang-format on

QMenu* namedMenu(QWidget* parent, const char* name, const char* title, const char* description)
{
    const QString shown = TForm1::tr(title);
    auto* menu = new QMenu(shown, parent);
    menu->setObjectName(QLatin1String(name));
    menu->setAccessibleName(QString(shown).remove(QLatin1Char('&')));
    menu->setAccessibleDescription(TForm1::tr(description));
    return menu;
}

} // namespace

void TForm1::addCommands()
{
    const auto add = [this](const char* name, void (TForm1::*handler)()) {
        m_commands.add(name, [this, handler] { (this->*handler)(); });
    };
    add("Beenden1", &TForm1::Beenden1Click);
    add("Rueckgaengig1", &TForm1::RueckgaengigClick);
    add("Wiederholen1", &TForm1::WiederholenClick);
    add("RatenProzent1", &TForm1::RatenProzentClick);
    add("Verschieben1", &TForm1::VerschiebenClick);
    add("Einstellungen", &TForm1::EinstellungenClick);
    add("HilfezurFendrimo1", &TForm1::HilfezurFendrimo1Click);
    add("Programminfos1", &TForm1::Programminfos1Click);
    add("Benutzerhandbuch1", &TForm1::BenutzerhandbuchClick);
    m_files.addCommands(m_commands);
    m_exchange.addCommands(m_commands);
    m_history.addCommands(m_commands);
    m_printing.addCommands(m_commands);
    m_glucose.addCommands(m_commands);
    m_basalTest.addCommands(m_commands);
}

void TForm1::buildMenus()
{
    menuBar()->setAccessibleName(tr("Menü"));
    menuBar()->setAccessibleDescription(
        tr("Hauptmenü mit Datei, Bearbeiten, Glukose, Optionen und Hilfe"));
    const std::vector<Menu>& table = menuTable();
    for (size_t index = 0; index < table.size(); ++index) {
        const Menu& spec = table[index];
        QMenu* menu = namedMenu(menuBar(), spec.name, spec.title, spec.description);
        menuBar()->addMenu(menu);
        if (!spec.filledOnOpening) {
            fillMenu(menu, index);
            continue;
        }
        connect(menu, &QMenu::aboutToShow, this, [this, menu, index] {
            if (menu->isEmpty())
                fillMenu(menu, index);
        });
    }
    m_ui.ZuletztGeoeffnet1 = findChild<QMenu*>(QStringLiteral("ZuletztGeoeffnet1"));
    m_ui.Rueckgaengig1 = findChild<QAction*>(QStringLiteral("Rueckgaengig1"));
    m_ui.Wiederholen1 = findChild<QAction*>(QStringLiteral("Wiederholen1"));
    // Filled each time it opens: another run of the program may have changed the list.
    connect(m_ui.ZuletztGeoeffnet1, &QMenu::aboutToShow, this,
            [this] { m_files.showRecentFiles(m_ui.ZuletztGeoeffnet1); });
    m_exchange.addFormatItems(findChild<QMenu*>(QStringLiteral("Importieren1")),
                              findChild<QMenu*>(QStringLiteral("Exportieren1")));
}

void TForm1::fillMenu(QMenu* menu, size_t index)
{
    for (const Item& item : menuTable().at(index).items) {
        if (!item.name) {
            menu->addSeparator();
        } else if (item.description) {
            menu->addMenu(namedMenu(menu, item.name, item.text, item.description));
        } else {
            QAction* action = menu->addAction(tr(item.text));
            const QString name = QLatin1String(item.name);
            action->setObjectName(name);
            action->setShortcuts(item.standard != QKeySequence::UnknownKey
                                     ? QKeySequence::keyBindings(item.standard)
                                     : item.keys);
            const CommandPath::Command* command = m_commands.command(name);
            Q_ASSERT(command);
            connect(action, &QAction::triggered, this,
                    [this, command = *command] { m_commands.run(command); });
            if (CommandPath::Rule enabled = m_commands.rule(name)) {
                action->setEnabled(enabled());
                m_ruledActions.emplace_back(action, std::move(enabled));
            }
        }
    }
}

void TForm1::updateActions()
{
    for (const auto& [action, enabled] : m_ruledActions)
        action->setEnabled(enabled());
}

} // namespace fendrimo
