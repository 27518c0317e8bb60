#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "graphics/PieceKinds.h"
#include "layout/LayoutRecord.h"
#include "layout/TrackPlanFile.h"
#include "support/TestRuntime.h"

#include <QBuffer>
#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QtTest>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <tuple>

// The layout file: exact bytes written whatever the locale, what is read back
// whatever the line ends, the open command's validity test, names a file can
// hold, and saves that never destroy the previous file.
class TrackPlanTest : public QObject
{
    Q_OBJECT

    TestRuntime mRuntime; // first: the catalog writes its log there
    RevellTrack mCatalog;
    QStringList mTypes;

    static QByteArray golden() { return readFile(fixturePath("one_piece_layout.txt")); }

    // A piece as the chain leaves it: catalog index and item type from the part number.
    PlacedPiece piece(const QString &aPartNumber, QPointF aOrigin, double aAngle, double aLevel,
                      const QStringList &aAttachments = {}, int aHost = 0) const
    {
        PlacedPiece p(aPartNumber, mCatalog.findIndex(aPartNumber),
                      getDiagramType(aPartNumber, mTypes), aOrigin, aAngle, aLevel);
        p.mNextPt = aOrigin + QPointF(308 * PieceKinds::kDrawScale, 0);
        p.mNextAngle = aAngle;
        for (const QString &name : aAttachments)
            p.mAttachments.append(AttachmentEntry{name, mCatalog.findIndex(name), aHost});
        return p;
    }

    LayoutRecord twoLaneLayout() const
    {
        LayoutRecord r(
            QStringLiteral("Kitchen oval"), 2, 178.0,
            {{QBrush(Qt::cyan), QBrush(Qt::magenta), QBrush(Qt::white), QBrush(Qt::black)}});
        r.mFirst = false;
        r.mFirstPt = QPointF(1234.5678, 987.654);
        r.mForwardPt = QPointF(1298.7345, 1001.1);
        r.mForwardAngle = -300.0;
        r.mReverseAngle = 180.0;
        r.mLaneLength = {{2002.48, 2571.04, 0.0, 0.0}};
        r.mPieces << piece("R3600", {1234.5678, 987.654}, 0.0, 0.25, {"R3614_U", "R3614_L"}, 0)
                  << piece("R3601_R", {1298.73, 987.65}, 0.0, 0.5, {"R3612_R", "R3605_R"}, 1)
                  << piece("R3609", {1300.0, 1050.125}, 60.0, 1.0, {}, 2)
                  << piece("R3621_L", {1310.0, 1100.0}, -29.99, 0.75, {}, 3);
        r.mNextIndex = r.mPieces.size();
        return r;
    }

    std::pair<LayoutRecord, LayoutRecord> fourLaneLayout() const
    {
        LayoutRecord a = twoLaneLayout();
        a.mLanes = 4;
        LayoutRecord b = a;
        b.mFirstPair = false;
        b.mSecondPair = true;
        b.mFirstPt = QPointF(1234.57, 950.57);
        b.mPieces.clear();
        b.mPieces << piece("R3610_R", {1234.57, 950.57}, 0.0, 0.25, {"R3617g_R"}, 0)
                  << piece("R3610_R", {1300.0, 960.0}, 30.0, 0.25) << piece("R3600", {}, 0.0, 0.0);
        b.mNextIndex = b.mPieces.size();
        return {a, b};
    }

    QByteArray written(const LayoutRecord &aRecord) const
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        writeTrackPlan(&buffer, aRecord);
        return buffer.data();
    }

    LayoutRecord goldenRecord() const
    {
        LayoutRecord r(QStringLiteral("Golden Oval"), 2, 178.0,
                       {{QBrush(Qt::white), QBrush(Qt::black), QBrush(Qt::red), QBrush(Qt::blue)}});
        r.mFirst = false;
        r.mFirstPt = QPointF(1000, 1000);
        r.mForwardPt = QPointF(1000 + 308 * PieceKinds::kDrawScale, 1000);
        r.mLaneLength = {{308.0, 308.0, 0.0, 0.0}};
        r.mPieces << piece("R3600", {1000, 1000}, 0.0, 0.25, {"R3614_U"});
        r.mNextIndex = 1;
        return r;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(mRuntime.path("trackplans")));
        initDiagramTypeList(mTypes);
    }

    // The program runs with the user's locale; a decimal comma in the file
    // would make it unreadable everywhere else, and by the program itself.
    void goldenFileIsWrittenByteForByteInADecimalCommaLocaleToo()
    {
        QCOMPARE(written(goldenRecord()), golden());
        const QString dir = mRuntime.path("locale");
        QVERIFY(QDir().mkpath(dir));
        QCOMPARE(QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8",
                                                 dir + "/de_DE.UTF-8"}),
                 0);
        qputenv("LOCPATH", dir.toLocal8Bit());
        QVERIFY(setlocale(LC_NUMERIC, "de_DE.UTF-8"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.2f", 1.5);
        const QByteArray bytes = written(goldenRecord());
        setlocale(LC_NUMERIC, "C");
        QLocale::setDefault(QLocale::c());
        QCOMPARE(QByteArray(probe), QByteArray("1,50")); // the locale was in force
        QCOMPARE(bytes, golden());
    }

    // A file passed through another system's line ends reads as the same
    // layout: saving what was read writes the bytes saved first. An empty
    // layout reads back empty, its chain reset, whatever the record held.
    void roundTripIsByteExactWhateverTheLineEnds_data()
    {
        QTest::addColumn<int>("lanes");
        QTest::addColumn<QByteArray>("end");
        QTest::newRow("two lanes, LF") << 2 << QByteArray("\n");
        QTest::newRow("empty, LF") << 0 << QByteArray("\n");
        QTest::newRow("CR LF") << 4 << QByteArray("\r\n");
        QTest::newRow("CR") << 4 << QByteArray("\r");
        QTest::newRow("CR CR LF") << 4 << QByteArray("\r\r\n");
    }
    void roundTripIsByteExactWhateverTheLineEnds()
    {
        QFETCH(int, lanes);
        QFETCH(QByteArray, end);
        LayoutRecord a = twoLaneLayout();
        LayoutRecord b;
        if (lanes == 4)
            std::tie(a, b) = fourLaneLayout();
        if (lanes == 0) {
            a.mPieces.clear();
            a.resetChain();
        }
        const QString path = mRuntime.path("trackplans/roundtrip.txt");
        QVERIFY(saveTrackPlanFile(path, a, b));
        const QByteArray first = readFile(path);
        QVERIFY(writeFile(path, QByteArray(first).replace("\n", end)));
        QVERIFY(isTrackPlanFile(path));
        LayoutRecord a2 = twoLaneLayout();
        LayoutRecord b2;
        QCOMPARE(loadTrackPlanFile(path, a2, b2, mCatalog, mTypes), TrackPlanRead::Complete);
        QVERIFY(saveTrackPlanFile(path, a2, b2));
        QCOMPARE(readFile(path), first);
        QCOMPARE(a2.mFirst, lanes == 0);
        QCOMPARE(a2.mNextIndex, a.mNextIndex);
        // The file names attachments only: the read finds their index and host.
        if (lanes) {
            const AttachmentEntry &apron = a2.mPieces[1].mAttachments[1];
            QCOMPARE(apron.mDbIndex, mCatalog.findIndex("R3605_R"));
            QCOMPARE(apron.mHostIndex, 1);
        }
    }

    // The name is the file's first line: a name the open command would not
    // take for one is refused before anything is written, and a line break
    // in one cannot shift the fields that follow.
    void namesTheFileCannotHoldAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("read");
        QTest::newRow("a lanes line") << "lanes: 2 red green blue yellow" << "";
        QTest::newRow("starts with a digit") << "2 lane oval" << "2 lane oval";
        QTest::newRow("holds a colon") << "Oval: v2" << "Oval: v2";
        QTest::newRow("line breaks") << "two\nlines\r" << "two lines ";
    }
    void namesTheFileCannotHoldAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, read);
        const bool refused = read.isEmpty();
        QCOMPARE(!layoutNameProblem(name).isEmpty(), refused);
        LayoutRecord r = twoLaneLayout();
        r.mName = name;
        const QString path = mRuntime.path("trackplans/named.txt");
        QVERIFY(writeFile(path, "previous"));
        QCOMPARE(saveTrackPlanFile(path, r, LayoutRecord()), !refused);
        if (refused) {
            QCOMPARE(readFile(path), QByteArray("previous"));
            return;
        }
        LayoutRecord back, b;
        QCOMPARE(loadTrackPlanFile(path, back, b, mCatalog, mTypes), TrackPlanRead::Complete);
        QCOMPARE(back.mName, read);
        QCOMPARE(back.mPieces.size(), r.mPieces.size());
    }

    // The DB index, item type and piece index lines are not trusted: the
    // part number decides them.
    void readValuesFollowThePartNumber()
    {
        QByteArray bytes = golden();
        bytes.replace("   DB index: 0\n", "   DB index: 99\n");
        bytes.replace("   item type: 0\n", "   item type: 77\n");
        bytes.replace("0 part number: R3600", "7 part number: R3600");
        const QString path = mRuntime.path("trackplans/values.txt");
        QVERIFY(writeFile(path, bytes));
        LayoutRecord r, b;
        QCOMPARE(loadTrackPlanFile(path, r, b, mCatalog, mTypes), TrackPlanRead::Complete);
        QCOMPARE(r.mPieces.size(), 1);
        QCOMPARE(r.mNextIndex, 1);
        QCOMPARE(r.mPieces[0].mDbIndex, mCatalog.findIndex("R3600"));
        QCOMPARE(r.mPieces[0].mItemType, int(DiagramTypeBase::R3600));
    }

    void validityTest_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        const QByteArray head = "lanes: 2 red green blue yellow\nbase width, mm: 178.00\n";
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("binary junk") << QByteArray("\0\1\2\xff: lanes\n\0\0", 14) << false;
        QTest::newRow("starts with the lanes line")
            << QByteArray(head + "track pieces: 0\n") << false;
        QTest::newRow("a later name line is the name")
            << QByteArray("\n" + head + "Oval\ntrack pieces: 0\n") << true;
    }
    void validityTest()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        const QString path = mRuntime.path("trackplans/validity.txt");
        QVERIFY(writeFile(path, bytes));
        QCOMPARE(isTrackPlanFile(path), valid);
    }

    // Half a four-lane layout would leave record B holding the layout open
    // before, or nothing: the file is refused and both records stay.
    void openingAFourLaneFileWithoutItsSecondSectionChangesNothing()
    {
        auto [a, b] = fourLaneLayout();
        const QString path = mRuntime.path("trackplans/replace.txt");
        QVERIFY(writeFile(path, written(a))); // its second section is missing
        LayoutRecord a2 = twoLaneLayout();
        LayoutRecord b2 = b;
        QCOMPARE(loadTrackPlanFile(path, a2, b2, mCatalog, mTypes), TrackPlanRead::NotALayout);
        QCOMPARE(written(a2), written(twoLaneLayout()));
        QCOMPARE(written(b2), written(b));
    }

    void saveThatFailsMidwayKeepsThePreviousFile()
    {
        const QString dir = mRuntime.path("full");
        QDir().mkpath(dir);
        const QString path = dir + "/layout.txt";
        const QByteArray previous = written(twoLaneLayout());
        QVERIFY(writeFile(path, previous));
        auto [a, b] = fourLaneLayout();

        // A file size limit makes the disk "full" after a few bytes, for any user.
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit tight{100, saved.rlim_max};
        QVERIFY(setrlimit(RLIMIT_FSIZE, &tight) == 0);
        const bool saved4 = saveTrackPlanFile(path, a, b);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!saved4);
        QCOMPARE(readFile(path), previous);
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{"layout.txt"});
    }
};

QTEST_GUILESS_MAIN(TrackPlanTest)
#include "test_trackplan.moc"
