#include "common/RuntimeRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

// The per-user folder of an installed program, made at the first start and
// kept at every later one.
class UserRootTest : public QObject
{
    Q_OBJECT
private slots:
    // Later starts follow a moved install, keep the user's own folder in
    // place of a link and do not bring back a sample the user deleted.
    void madeOnceAndKeptAfterwards()
    {
        QTemporaryDir dir;
        const QString home = dir.path() + "/home";
        const auto install = [&](const QString &aPrefix) {
            const QString share = dir.path() + aPrefix + "/share/lanewright";
            for (const char *file :
                 {"/data/html/help.html", "/data/track_pieces/a.jpg", "/trackplans/oval.txt"}) {
                QDir().mkpath(QFileInfo(share + file).path());
                QFile(share + file).open(QIODevice::WriteOnly);
            }
            return share;
        };
        QCOMPARE(RuntimeRoot::installedShare(dir.path() + "/a/bin", "../share/lanewright"),
                 QString());
        const QString first = install("/a");
        QString error;
        QCOMPARE(RuntimeRoot::prepareUserRoot(first, home, &error), home + "/bin");
        for (const char *made : {"/PDF", "/data/track_pieces/a.jpg"})
            QVERIFY2(QFileInfo::exists(home + made), made);
        QVERIFY(QFileInfo(home + "/trackplans/oval.txt").isWritable());

        QVERIFY(QFile::remove(home + "/trackplans/oval.txt") && QFile::remove(home + "/data/html"));
        QVERIFY(QDir().mkpath(home + "/data/html/mine"));
        const QString moved = install("/b");
        QCOMPARE(RuntimeRoot::prepareUserRoot(moved, home, &error), home + "/bin");
        QVERIFY(!QFileInfo::exists(home + "/trackplans/oval.txt"));
        QVERIFY(QFileInfo(home + "/data/html/mine").isDir());
        QCOMPARE(QFileInfo(home + "/data/track_pieces").symLinkTarget(),
                 moved + "/data/track_pieces");

        QCOMPARE(RuntimeRoot::prepareUserRoot(moved, first + "/trackplans/oval.txt", &error),
                 QString());
        QVERIFY(error.startsWith("cannot make"));
    }
};

QTEST_GUILESS_MAIN(UserRootTest)
#include "test_userroot.moc"
