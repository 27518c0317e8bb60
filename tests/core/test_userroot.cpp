#include "common/RuntimeRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool write(const QString &aPath, const QByteArray &aBytes = "x")
{
    QDir().mkpath(QFileInfo(aPath).path());
    QFile file(aPath);
    return file.open(QIODevice::WriteOnly) && file.write(aBytes) == aBytes.size();
}

// An installed tree: <prefix>/bin and <prefix>/share/lanewright with the
// shipped data and one sample.
bool makeInstall(const QString &aPrefix)
{
    const QString share = aPrefix + "/share/lanewright";
    return QDir().mkpath(aPrefix + "/bin") && write(share + "/data/html/help.html") &&
           write(share + "/data/track_pieces/catalog/R3600.jpg") &&
           write(share + "/trackplans/oval.txt", "Oval\n");
}

} // namespace

// The per-user folder of an installed program, made and kept at every start.
class UserRootTest : public QObject
{
    Q_OBJECT
private slots:
    void installedOnlyWithShippedData()
    {
        QTemporaryDir dir;
        QCOMPARE(RuntimeRoot::installedShare(dir.path() + "/bin", "../share/lanewright"),
                 QString());
        QVERIFY(makeInstall(dir.path()));
        QCOMPARE(RuntimeRoot::installedShare(dir.path() + "/bin", "../share/lanewright"),
                 dir.path() + "/share/lanewright");
        QCOMPARE(RuntimeRoot::installedShare(dir.path() + "/bin", QString()), QString());
    }

    // The first start makes the folders, links the shipped data and copies
    // the samples; later starts follow a moved install, keep the user's own
    // folder in place of a link, and do not bring back a deleted sample.
    void madeOnceAndKeptAfterwards()
    {
        QTemporaryDir dir;
        const QString first = dir.path() + "/first";
        const QString moved = dir.path() + "/moved";
        const QString root = dir.path() + "/home";
        QVERIFY(makeInstall(first) && makeInstall(moved));
        QString error;
        QCOMPARE(RuntimeRoot::prepareUserRoot(first + "/share/lanewright", root, &error),
                 root + "/bin");
        for (const char *folder : {"bin", "logs", "PDF", "trackplans"})
            QVERIFY2(QFileInfo(root + "/" + folder).isDir(), folder);
        QVERIFY(QFileInfo::exists(root + "/data/html/help.html"));
        QVERIFY(QFileInfo::exists(root + "/data/track_pieces/catalog/R3600.jpg"));
        QVERIFY(QFileInfo(root + "/trackplans/oval.txt").isWritable());

        QVERIFY(QFile::remove(root + "/trackplans/oval.txt"));
        QVERIFY(QFile::remove(root + "/data/html"));
        QVERIFY(QDir().mkpath(root + "/data/html/mine"));
        QCOMPARE(RuntimeRoot::prepareUserRoot(moved + "/share/lanewright", root, &error),
                 root + "/bin");
        QVERIFY(!QFileInfo::exists(root + "/trackplans/oval.txt"));
        QVERIFY(QFileInfo(root + "/data/html/mine").isDir());
        QCOMPARE(QFileInfo(root + "/data/track_pieces").symLinkTarget(),
                 moved + "/share/lanewright/data/track_pieces");

        QVERIFY(write(dir.path() + "/file"));
        QCOMPARE(
            RuntimeRoot::prepareUserRoot(moved + "/share/lanewright", dir.path() + "/file", &error),
            QString());
        QVERIFY(error.startsWith("cannot make"));
    }
};

QTEST_GUILESS_MAIN(UserRootTest)
#include "test_userroot.moc"
