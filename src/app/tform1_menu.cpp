// The menus, built from one table: each item's text, keys, command, when it
// is enabled and where it stands. Every command runs through command().

#include "app/tform1.h"

#include "exchange/formats.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace fendrimo {

namespace {

using Handler = void (TForm1::*)();
using Rule = bool (TForm1::*)() const;

// One row of a menu. No name: a separator; no handler: the submenu of that
// name, filled elsewhere. The texts are translated where the menus are built.
struct Item
{
    const char* name;
    const char* text;
    // Standard keys where the desktop has one for the command, the same keys
    // shown; explicit keys otherwise.
    QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
    QList<QKeySequence> keys = {};
    Handler handler = nullptr;
    Rule enabled = nullptr; // always enabled without one
    const char* description = nullptr;
};

struct Menu
{
    const char* name;
    const char* title;
    const char* description;
    std::vector<Item> items;
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
         {{"Neu1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Neu"), QKeySequence::New, {},
           &TForm1::Neu1Click},
          kSeparator,
          {"Basalrateladen1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Laden"), QKeySequence::Open,
           {}, &TForm1::Basalrateladen1Click},
          {"Basalratespeichern1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Speichern"),
           QKeySequence::Save, {}, &TForm1::Basalratespeichern1Click},
          kSeparator,
          {"BasalrateDrucken1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Basalrate Drucken"),
           QKeySequence::Print, {}, &TForm1::DruckenClick},
          {"Importieren1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Importieren"), {}, {}, nullptr,
           nullptr,
           QT_TRANSLATE_NOOP("fendrimo::TForm1",
                             "Die Basalrate aus Nightscout, OpenAPS oder einer Tabelle "
                             "übernehmen")},
          {"Exportieren1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Exportieren"), {}, {}, nullptr,
           nullptr,
           QT_TRANSLATE_NOOP("fendrimo::TForm1",
                             "Die Basalrate für Nightscout, OpenAPS oder eine Tabelle schreiben")},
          {"ZuletztGeoeffnet1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Zuletzt geöffnet"), {}, {},
           nullptr, nullptr,
           QT_TRANSLATE_NOOP("fendrimo::TForm1",
                             "Die zuletzt geladenen oder gespeicherten Basalraten")},
          {"Verlauf1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Verlauf…"), {}, {},
           &TForm1::VerlaufClick, &TForm1::hasCurrentFile},
          kSeparator,
          // The desktop's Quit key differs between desktops; Ctrl+Q everywhere.
          {"Beenden1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Beenden"), {},
           {QKeySequence(Qt::CTRL | Qt::Key_Q)}, &TForm1::Beenden1Click}}},
        {"Bearbeiten1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Bearbeiten"),
         QT_TRANSLATE_NOOP("fendrimo::TForm1",
                           "Änderungen rückgängig machen oder wiederholen, alle Raten ändern oder "
                           "verschieben, mit einer anderen Basalrate vergleichen"),
         // The standard keys would add Alt+Backspace, which the text fields keep.
         {{"Rueckgaengig1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Rückgängig"), {},
           {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &TForm1::RueckgaengigClick},
          {"Wiederholen1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Wiederholen"), {},
           {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
           &TForm1::WiederholenClick},
          kSeparator,
          {"RatenProzent1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Alle Raten in &Prozent ändern…"),
           {}, {}, &TForm1::RatenProzentClick},
          {"Verschieben1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Zeitlich verschieben…"), {}, {},
           &TForm1::VerschiebenClick},
          kSeparator,
          {"Vergleichen1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Vergleichen mit…"), {}, {},
           &TForm1::VergleichenClick},
          {"VergleichGespeichert1",
           QT_TRANSLATE_NOOP("fendrimo::TForm1", "Mit &gespeicherter Fassung vergleichen"), {}, {},
           &TForm1::VergleichGespeichertClick},
          {"VergleichBeenden1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Vergleich &beenden"), {}, {},
           &TForm1::VergleichBeendenClick, &TForm1::hasReference},
          {"AusVergleichUebernehmen1",
           QT_TRANSLATE_NOOP("fendrimo::TForm1", "Aus Vergleich &übernehmen…"), {}, {},
           &TForm1::AusVergleichUebernehmenClick, &TForm1::referenceDiffers}}},
        {"Optionen", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Optionen"),
         QT_TRANSLATE_NOOP("fendrimo::TForm1", "Maximum, Druckmethode und Verzeichnis einstellen"),
         {{"Einstellungen", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Einstellungen"), {}, {},
           &TForm1::EinstellungenClick}}},
        {"Hilfe1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "&Hilfe"),
         QT_TRANSLATE_NOOP("fendrimo::TForm1",
                           "Hinweis zur Dokumentation, Programm-Informationen und "
                           "Benutzerhandbuch"),
         {{"HilfezurFendrimo1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Hilfe zur Fendrimo"),
           QKeySequence::HelpContents, {}, &TForm1::HilfezurFendrimo1Click},
          kSeparator,
          {"Programminfos1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Programm-Infos"), {}, {},
           &TForm1::Programminfos1Click},
          {"Benutzerhandbuch1", QT_TRANSLATE_NOOP("fendrimo::TForm1", "Benutzerhandbuch"), {}, {},
           &TForm1::BenutzerhandbuchClick}}},
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

void TForm1::command(void (TForm1::*handler)())
{
    // A command ends every run of merged steps.
    m_document.breakMerging();
    guarded([this, handler] { (this->*handler)(); });
}

void TForm1::buildMenus()
{
    menuBar()->setAccessibleName(tr("Menü"));
    menuBar()->setAccessibleDescription(tr("Hauptmenü mit Datei, Bearbeiten, Optionen und Hilfe"));
    for (const Menu& spec : menuTable()) {
        QMenu* menu = namedMenu(menuBar(), spec.name, spec.title, spec.description);
        menuBar()->addMenu(menu);
        for (const Item& item : spec.items) {
            if (!item.name) {
                menu->addSeparator();
            } else if (!item.handler) {
                menu->addMenu(namedMenu(menu, item.name, item.text, item.description));
            } else {
                QAction* action = menu->addAction(tr(item.text));
                action->setObjectName(QLatin1String(item.name));
                action->setShortcuts(item.standard != QKeySequence::UnknownKey
                                         ? QKeySequence::keyBindings(item.standard)
                                         : item.keys);
                const Handler handler = item.handler;
                connect(action, &QAction::triggered, this, [this, handler] { command(handler); });
                if (item.enabled)
                    m_ruledActions.push_back({action, item.enabled});
            }
        }
    }
    m_ui.ZuletztGeoeffnet1 = findChild<QMenu*>(QStringLiteral("ZuletztGeoeffnet1"));
    m_ui.Rueckgaengig1 = findChild<QAction*>(QStringLiteral("Rueckgaengig1"));
    m_ui.Wiederholen1 = findChild<QAction*>(QStringLiteral("Wiederholen1"));
    // Filled each time it opens: another run of the program may have changed the list.
    connect(m_ui.ZuletztGeoeffnet1, &QMenu::aboutToShow, this, [this] { showRecentFiles(); });
    addExchangeMenus();
}

void TForm1::addExchangeMenus()
{
    auto* imports = findChild<QMenu*>(QStringLiteral("Importieren1"));
    auto* exports = findChild<QMenu*>(QStringLiteral("Exportieren1"));
    for (const ExchangeFormatInfo& info : exchangeFormats()) {
        const ExchangeFormat format = info.format;
        const QString item = info.itemText();
        QAction* import = imports->addAction(item);
        import->setObjectName(QStringLiteral("Import%1").arg(QLatin1String(info.objectName)));
        connect(import, &QAction::triggered, this, [this, format] {
            m_document.breakMerging();
            guarded([this, format] { ImportierenClick(format); });
        });
        if (!info.exportable())
            continue;
        QAction* export_ = exports->addAction(item);
        export_->setObjectName(QStringLiteral("Export%1").arg(QLatin1String(info.objectName)));
        connect(export_, &QAction::triggered, this, [this, format] {
            m_document.breakMerging();
            guarded([this, format] { ExportierenClick(format); });
        });
    }
}

void TForm1::updateActions()
{
    for (const auto& [action, enabled] : m_ruledActions)
        action->setEnabled((this->*enabled)());
}

} // namespace fendrimo
