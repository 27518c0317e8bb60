#include "HelpPages.h"

namespace HelpPages {

QString htmlDirectory(const QString &aCurrentDir)
{
    static const QString kBin = QStringLiteral("/bin");
    QString base = aCurrentDir;
    if (base.endsWith(kBin))
        base.chop(kBin.size());
    return base + QStringLiteral("/data/html/");
}

QUrl pageUrl(const QString &aHtmlDirectory, const QString &aPage)
{
    return QUrl::fromLocalFile(aHtmlDirectory + aPage);
}

} // namespace HelpPages
