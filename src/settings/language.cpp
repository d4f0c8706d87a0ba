#include "settings/language.h"

namespace fendrimo {

QString interfaceLanguage(const QString& setting, const QStringList& uiLanguages)
{
    if (setting == u"de" || setting == u"en")
        return setting;
    for (const QString& language : uiLanguages) {
        // "de", "de-AT", "en_GB", "en-Latn-US": the language is what comes first.
        const QString code = language.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (code == u"de" || code == u"en")
            return code;
    }
    return QStringLiteral("de");
}

} // namespace fendrimo
