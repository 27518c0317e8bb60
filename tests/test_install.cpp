#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList filesBelow(const QString &aDir)
{
    QStringList files;
    QDirIterator it(aDir, QDir::Files | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(aDir.size());
    files.sort();
    return files;
}

} // namespace

// cmake --install into a fresh prefix, and the installed programs run from it.
class InstallTest : public QObject
{
    Q_OBJECT
private slots:
    void installedTreeRunsWithTheUsersOwnFolder()
    {
        QTemporaryDir dir;
        const QString prefix = dir.path() + "/prefix";
        QProcess install;
        install.start(LANEWRIGHT_CMAKE, {"--install", LANEWRIGHT_BUILD_DIR, "--prefix", prefix});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());

        const QString share = prefix + "/share/lanewright";
        // The programs are found by running them below.
        for (const char *file : {"/html/help.html", "/track_pieces/catalog/R3600.jpg"})
            QVERIFY2(QFileInfo::exists(share + "/data" + file), file);
        QCOMPARE(filesBelow(share + "/trackplans"),
                 filesBelow(QStringLiteral(LANEWRIGHT_SOURCE_DIR "/trackplans")));
        QFile entry(prefix + "/share/applications/lanewright.desktop");
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QByteArray lines = entry.readAll();
        for (const char *line : {"[Desktop Entry]\n", "\nType=Application\n", "\nExec=lanewright\n",
                                 "\nIcon=lanewright\n"})
            QVERIFY2(lines.contains(line), line);
        QCOMPARE(QImage(prefix + "/share/icons/hicolor/256x256/apps/lanewright.png").size(),
                 QSize(256, 256));
        const QStringList installed = filesBelow(prefix);

        // The tool needs no display.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        QProcess tool;
        tool.setProcessEnvironment(env);
        tool.start(prefix + "/bin/lanewright-report",
                   {"--json", share + "/trackplans/oval-terminal.txt"});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(QJsonDocument::fromJson(tool.readAllStandardOutput()).object()["name"].toString(),
                 QString("Oval with terminal"));

        // The program makes the user's folder, writes its logs there and
        // nothing into the installed tree.
        const QString home = dir.path() + "/data-home";
        env.insert("XDG_DATA_HOME", home);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess program;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dir.path());
        program.start(prefix + "/bin/lanewright", QStringList());
        const QString root = home + "/lanewright";
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(root + "/logs/build.log").size() > 0, 30000);
        program.kill();
        program.waitForFinished();
        QCOMPARE(filesBelow(root + "/trackplans"), filesBelow(share + "/trackplans"));
        QCOMPARE(QFileInfo(root + "/data/html").symLinkTarget(), share + "/data/html");
        QCOMPARE(filesBelow(prefix), installed);
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "test_install.moc"
