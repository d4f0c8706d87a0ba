#include "app/translation.h"

#include "settings/language.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace fendrimo {

namespace {

QString g_language = QStringLiteral("de");
std::unique_ptr<QTranslator> g_translator;

} // namespace

QString chosenLanguage(const Settings& settings)
{
    return interfaceLanguage(settings.sprache(), QLocale::system().uiLanguages());
}

void useInterfaceLanguage(const QString& language)
{
    g_language = language;
    if (g_translator)
        QCoreApplication::removeTranslator(g_translator.get());
    g_translator = std::make_unique<QTranslator>();
    // English texts are the program's own translation; Qt's dialogs need none.
    const bool loaded =
        g_language == u"en"
            ? g_translator->load(QStringLiteral(":/i18n/fendrimo_en.qm"))
            : g_translator->load(QLocale(QLocale::German, QLocale::Germany),
                                 QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QCoreApplication::installTranslator(g_translator.get());
}

QString interfaceLanguageInUse()
{
    return g_language;
}

QString translatedBeforeStart(const Settings& settings, const char* context, const char* text)
{
    // Chosen and loaded once: a refusal needs its reason and the usage.
    static const std::unique_ptr<QTranslator> english = [&settings] {
        auto translator = std::make_unique<QTranslator>();
        return chosenLanguage(settings) == u"en" &&
                       translator->load(QStringLiteral(":/i18n/fendrimo_en.qm"))
                   ? std::move(translator)
                   : nullptr;
    }();
    const QString translated = english ? english->translate(context, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

} // namespace fendrimo
