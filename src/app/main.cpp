#include "app/MainWindow.h"
#include "app/QtPrompter.h"
#include "common/RuntimeRoot.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

namespace {

// An installed program runs in a runtime root of the user's own, since the
// installed tree is read-only; built in the repository it runs where it was
// started. False when the user's root could not be made.
bool enterRuntimeRoot()
{
    const QString share = RuntimeRoot::installedShare(QCoreApplication::applicationDirPath(),
                                                      QStringLiteral(LANEWRIGHT_SHARE_FROM_BIN));
    if (share.isEmpty())
        return true;
    QString error;
    const QString bin = RuntimeRoot::prepareUserRoot(
        share, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), &error);
    if (bin.isEmpty() || !QDir::setCurrent(bin)) {
        QtPrompter().message(QStringLiteral("Lanewright cannot start: %1.").arg(error));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(lanewright);
    int result = 0;
    {
        QApplication app(argc, argv);
        // Names the user's folder of an installed program (~/.local/share/lanewright).
        QCoreApplication::setApplicationName(QStringLiteral("lanewright"));
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/lanewright.png")));
        if (!enterRuntimeRoot())
            return 1;
        MainWindow window;
        window.show();
        result = app.exec();
    }
    return result;
}
