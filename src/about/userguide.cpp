#include "about/userguide.h"

#include <QDir>
#include <QFileInfo>

namespace fendrimo {

QString userGuideFileName(const QString& language)
{
    return language == u"en" ? QStringLiteral("README-en.TXT") : QStringLiteral("README.TXT");
}

QStringList userGuideFolders(const QString& programFolder)
{
    return {QDir::cleanPath(programFolder + u'/' + QStringLiteral(FENDRIMO_GUIDE_FROM_PROGRAM)),
            QStringLiteral(FENDRIMO_GUIDE_SOURCE_DIR)};
}

QString findUserGuide(const QString& language, const QStringList& folders)
{
    const QString name = userGuideFileName(language);
    for (const QString& folder : folders) {
        const QString path = folder + u'/' + name;
        if (QFileInfo(path).isFile())
            return path;
    }
    return folders.value(0) + u'/' + name;
}

} // namespace fendrimo
