#include "RuntimeRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The shipped folders that stay the installation's: read, never written.
const char *const kSharedDataFolders[] = {"html", "track_pieces"};
// The folders the program writes, made before it starts so that its logs are
// kept from the first run.
const char *const kUserFolders[] = {"bin", "logs", "data", "PDF"};

bool linkTo(const QString &aTarget, const QString &aLink, QString *aError)
{
    const QFileInfo link(aLink);
    if (link.isSymLink()) {
        if (link.symLinkTarget() == QFileInfo(aTarget).absoluteFilePath())
            return true;
        QFile::remove(aLink);
    } else if (link.exists()) {
        return true;
    }
    if (QFile::link(aTarget, aLink))
        return true;
    *aError = QStringLiteral("cannot link %1 to %2").arg(aLink, aTarget);
    return false;
}

bool copySamples(const QDir &aFrom, const QDir &aTo, QString *aError)
{
    const QStringList samples = aFrom.entryList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QString &name : samples) {
        if (!QFile::copy(aFrom.filePath(name), aTo.filePath(name))) {
            *aError = QStringLiteral("cannot copy %1 to %2").arg(name, aTo.path());
            return false;
        }
        // Copies of a read-only install are read-only; the user's are to edit.
        QFile::setPermissions(aTo.filePath(name), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ReadGroup | QFile::ReadOther);
    }
    return true;
}

} // namespace

namespace RuntimeRoot {

QString installedShare(const QString &aAppDir, const QString &aShareFromBin)
{
    if (aShareFromBin.isEmpty())
        return QString();
    const QString share = QDir::cleanPath(QDir(aAppDir).filePath(aShareFromBin));
    return QFileInfo(share + QStringLiteral("/data")).isDir() ? share : QString();
}

QString prepareUserRoot(const QString &aShare, const QString &aRoot, QString *aError)
{
    const QDir root(aRoot);
    for (const char *folder : kUserFolders) {
        if (!root.mkpath(QLatin1String(folder))) {
            *aError = QStringLiteral("cannot make %1").arg(root.filePath(QLatin1String(folder)));
            return QString();
        }
    }
    const QDir share(aShare);
    for (const char *folder : kSharedDataFolders) {
        const QString data = QStringLiteral("data/") + QLatin1String(folder);
        if (!linkTo(share.filePath(data), root.filePath(data), aError))
            return QString();
    }
    const QString plans = QStringLiteral("trackplans");
    if (!root.exists(plans)) {
        if (!root.mkpath(plans)) {
            *aError = QStringLiteral("cannot make %1").arg(root.filePath(plans));
            return QString();
        }
        if (!copySamples(QDir(share.filePath(plans)), QDir(root.filePath(plans)), aError))
            return QString();
    }
    return root.filePath(QStringLiteral("bin"));
}

} // namespace RuntimeRoot
