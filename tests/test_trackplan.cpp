#include "catalog/RevellTrack.h"
#include "common/LogFile.h"
#include "graphics/DiagramTypes.h"
#include "layout/LayoutRecord.h"
#include "layout/TrackPlanFile.h"
#include "support/TestRuntime.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <csignal>
#include <memory>
#include <random>
#include <sys/resource.h>
#include <tuple>

Q_DECLARE_METATYPE(TrackPlanRead)

// The layout file: exact bytes written, what is read back and recomputed, the
// open command's validity test, and a reader that survives any input.
class TrackPlanTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestRuntime> mRuntime;
    std::unique_ptr<RevellTrack> mCatalog;
    QStringList mTypes;

    static QString fixture(const QString &aName)
    {
        return QStringLiteral(LANEWRIGHT_SOURCE_DIR "/tests/fixtures/") + aName;
    }
    static QByteArray fileBytes(const QString &aPath)
    {
        QFile file(aPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void putFile(const QString &aPath, const QByteArray &aBytes)
    {
        QFile file(aPath);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(aBytes), qint64(aBytes.size()));
    }

    // A piece as the chain leaves it: catalog index and item type from the part number.
    PlacedPiece piece(const QString &aPartNumber, QPointF aOrigin, double aAngle, double aLevel,
                      const QStringList &aAttachments = {}, int aHost = 0) const
    {
        PlacedPiece p(aPartNumber, mCatalog->findIndex(aPartNumber),
                      getDiagramType(aPartNumber, mTypes), aOrigin, aAngle, aLevel);
        p.mNextPt = aOrigin + QPointF(64.1666667, 0.3333333);
        p.mNextAngle = aAngle + 60.0;
        for (const QString &name : aAttachments)
            p.mAttachments.append(AttachmentEntry{name, mCatalog->findIndex(name), aHost});
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
        a.mName = QStringLiteral("Club four-lane");
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

    TrackPlanRead readFrom(const QByteArray &aBytes, LayoutRecord &aRecord) const
    {
        QBuffer buffer;
        buffer.setData(aBytes);
        buffer.open(QIODevice::ReadOnly);
        return readTrackPlan(&buffer, aRecord, *mCatalog, mTypes);
    }

    // Reads record A and, for four lanes, record B from one stream, as the open command does.
    void readPair(const QByteArray &aBytes, LayoutRecord &aA, LayoutRecord &aB) const
    {
        QBuffer buffer;
        buffer.setData(aBytes);
        buffer.open(QIODevice::ReadOnly);
        readTrackPlan(&buffer, aA, *mCatalog, mTypes);
        if (aA.mLanes == 4)
            readTrackPlan(&buffer, aB, *mCatalog, mTypes);
        QVERIFY(buffer.pos() <= aBytes.size());
    }

    // What any read must leave, however mangled the input: a consistent list.
    void checkConsistent(const LayoutRecord &aRecord) const
    {
        QCOMPARE(aRecord.mNextIndex, aRecord.mPieces.size());
        for (int i = 0; i < aRecord.mPieces.size(); ++i) {
            const PlacedPiece &p = aRecord.mPieces.at(i);
            QCOMPARE(p.mDbIndex, mCatalog->findIndex(p.mPartNumber));
            QCOMPARE(p.mItemType, getDiagramType(p.mPartNumber, mTypes));
            for (const AttachmentEntry &e : p.mAttachments) {
                QCOMPARE(e.mHostIndex, i);
                QCOMPARE(e.mDbIndex, mCatalog->findIndex(e.mName));
            }
        }
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<TrackPlanRead>();
        mRuntime = std::make_unique<TestRuntime>();
        QVERIFY(mRuntime->isValid());
        QVERIFY(QDir().mkpath(mRuntime->path("trackplans")));
        mCatalog = std::make_unique<RevellTrack>();
        initDiagramTypeList(mTypes);
    }
    void cleanupTestCase()
    {
        mCatalog.reset();
        mRuntime.reset();
    }

    void goldenOnePieceFileIsWrittenByteForByte()
    {
        const QByteArray golden = fileBytes(fixture("one_piece_layout.txt"));
        QCOMPARE(golden.count('\n'), 21);
        LayoutRecord r(QStringLiteral("Golden Oval"), 2, 178.0,
                       {{QBrush(Qt::white), QBrush(Qt::black), QBrush(Qt::red), QBrush(Qt::blue)}});
        r.mFirst = false;
        r.mFirstPt = QPointF(1000, 1000);
        r.mForwardPt = QPointF(1000 + 308 * 5.0 / 24.0, 1000);
        r.mLaneLength = {{308.0, 308.0, 0.0, 0.0}};
        PlacedPiece p = piece("R3600", {1000, 1000}, 0.0, 0.25, {"R3614_U"});
        p.mNextPt = r.mForwardPt;
        p.mNextAngle = 0.0;
        r.mPieces << p;
        r.mNextIndex = 1;
        QCOMPARE(written(r), golden);

        LayoutRecord back;
        QCOMPARE(readFrom(golden, back), TrackPlanRead::Complete);
        QCOMPARE(written(back), golden);
    }

    void roundTripIsByteExact_data()
    {
        QTest::addColumn<bool>("fourLanes");
        QTest::newRow("two lanes") << false;
        QTest::newRow("four lanes") << true;
    }
    void roundTripIsByteExact()
    {
        QFETCH(bool, fourLanes);
        LayoutRecord a = twoLaneLayout();
        LayoutRecord b;
        if (fourLanes)
            std::tie(a, b) = fourLaneLayout();
        const QString path = mRuntime->path("trackplans/roundtrip.txt");
        QVERIFY(saveTrackPlanFile(path, a, b));
        const QByteArray first = fileBytes(path);
        const int lines =
            fourLanes ? 24 + 9 * (a.mPieces.size() + b.mPieces.size()) : 12 + 9 * a.mPieces.size();
        QCOMPARE(first.count('\n'), lines);

        LayoutRecord a2;
        LayoutRecord b2;
        QCOMPARE(loadTrackPlanFile(path, a2, b2, *mCatalog, mTypes), TrackPlanRead::Complete);
        QVERIFY(saveTrackPlanFile(path, a2, b2));
        QCOMPARE(fileBytes(path), first);

        // The values that survive the replay after an open come back as written.
        QCOMPARE(a2.mName, a.mName);
        QCOMPARE(a2.mLanes, a.mLanes);
        QCOMPARE(a2.mLaneBrush, a.mLaneBrush);
        QCOMPARE(a2.mReverseAngle, a.mReverseAngle);
        QCOMPARE(a2.mFirstPt, QPointF(1234.57, 987.65));
        QCOMPARE(a2.mPieces.size(), a.mPieces.size());
        for (int i = 0; i < a.mPieces.size(); ++i) {
            QCOMPARE(a2.mPieces[i].mPartNumber, a.mPieces[i].mPartNumber);
            QCOMPARE(a2.mPieces[i].mLevel, a.mPieces[i].mLevel);
        }
        checkConsistent(a2);
        const QList<AttachmentEntry> &list = a2.mPieces[1].mAttachments;
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].mName + ' ' + list[1].mName, QString("R3612_R R3605_R"));
        QVERIFY(a2.mFirstPair && !a2.mSecondPair);
        QVERIFY(!b2.mFirstPair && b2.mSecondPair);
        QCOMPARE(b2.mPieces.size(), b.mPieces.size());
    }

    void indexesComeFromThePartNumberNotTheFile()
    {
        QByteArray bytes = fileBytes(fixture("one_piece_layout.txt"));
        bytes.replace("   DB index: 0\n", "   DB index: 99\n");
        bytes.replace("   item type: 0\n", "   item type: 77\n");
        bytes.replace("0 part number: R3600", "7 part number: R3600");
        LayoutRecord r;
        QCOMPARE(readFrom(bytes, r), TrackPlanRead::Complete);
        QCOMPARE(r.mPieces.size(), 1);
        QCOMPARE(r.mPieces[0].mDbIndex, mCatalog->findIndex("R3600"));
        QCOMPARE(r.mPieces[0].mItemType, int(DiagramTypeBase::R3600));
        QVERIFY(r.mPieces[0].mDbIndex != 99);

        // Unknown part numbers keep their text, with index -1.
        bytes.replace("part number: R3600", "part number:  X9999 ");
        bytes.replace("attachments: R3614_U ", "attachments: Q1 R3614_U ");
        QCOMPARE(readFrom(bytes, r), TrackPlanRead::Complete);
        QCOMPARE(r.mPieces[0].mPartNumber, QString("X9999"));
        QCOMPARE(r.mPieces[0].mDbIndex, -1);
        QCOMPARE(r.mPieces[0].mItemType, -1);
        QCOMPARE(r.mPieces[0].mAttachments[0].mName, QString("Q1"));
        QCOMPARE(r.mPieces[0].mAttachments[0].mDbIndex, -1);
        QVERIFY(r.mPieces[0].mAttachments[1].mDbIndex >= 0);
    }

    void laneColours_data()
    {
        QTest::addColumn<QByteArray>("lanesLine");
        QTest::addColumn<int>("lanes");
        QTest::addColumn<QList<QColor>>("colours");
        using C = QList<QColor>;
        const C defaults{Qt::red, Qt::green, Qt::blue, Qt::yellow};
        QTest::newRow("unknown reads black") << QByteArray("lanes: 2 unknown red Purple green") << 2
                                             << C{Qt::black, Qt::red, Qt::black, Qt::green};
        QTest::newRow("five fields keep the count, default colours")
            << QByteArray("lanes: 4 white black cyan") << 4 << defaults;
        QTest::newRow("an empty field counts, and reads black")
            << QByteArray("lanes: 2 white  cyan magenta") << 2
            << C{Qt::white, Qt::black, Qt::cyan, Qt::magenta};
        QTest::newRow("a tab is no separator")
            << QByteArray("lanes: 2 white\tred cyan magenta") << 2 << defaults;
    }
    void laneColours()
    {
        QFETCH(QByteArray, lanesLine);
        QFETCH(int, lanes);
        QFETCH(QList<QColor>, colours);
        QByteArray bytes = fileBytes(fixture("one_piece_layout.txt"));
        bytes.replace("lanes: 2 white black red blue", lanesLine);
        LayoutRecord r;
        QCOMPARE(readFrom(bytes, r), TrackPlanRead::Complete);
        QCOMPARE(r.mLanes, lanes);
        for (int lane = 0; lane < 4; ++lane)
            QCOMPARE(r.mLaneBrush[lane], QBrush(colours[lane]));
    }

    void brushOutsideTheEightIsWrittenUnknownAndReadBlack()
    {
        LayoutRecord r = twoLaneLayout();
        r.mLaneBrush[1] = QBrush(QColor(10, 20, 30));
        r.mLaneBrush[2] = QBrush(Qt::red, Qt::Dense4Pattern);
        const QByteArray bytes = written(r);
        QVERIFY(bytes.contains("\nlanes: 2 cyan unknown unknown black\n"));
        LayoutRecord back;
        readFrom(bytes, back);
        QCOMPARE(back.mLaneBrush[1], QBrush(Qt::black));
    }

    void emptyLayoutHasHeaderOnlyAndReadsBackEmpty()
    {
        LayoutRecord r(
            QStringLiteral("unnamed3"), 2, 178.0,
            {{QBrush(Qt::red), QBrush(Qt::green), QBrush(Qt::blue), QBrush(Qt::yellow)}});
        const QByteArray bytes = written(r);
        QCOMPARE(bytes.count('\n'), 12);
        QVERIFY(bytes.endsWith("\ntrack pieces: 0\n"));
        QVERIFY(bytes.startsWith("unnamed3\nlanes: 2 red green blue yellow\n"
                                 "base width, mm: 178.00\nfirst: 1\nforward: 1\n"
                                 "first point: 2500.00 2500.00\nfwd point: 2500.00 2500.00\n"
                                 "fwd angle: 0.00\nrev point: 2500.00 178.00\n"
                                 "rev angle: 180.00\ntrack lengths: 0.00 0.00\n"));
        LayoutRecord back = twoLaneLayout();
        QCOMPARE(readFrom(bytes, back), TrackPlanRead::Complete);
        QVERIFY(back.mPieces.isEmpty() && back.mNextIndex == 0 && back.mFirst);
    }

    void lineEndingsAreAllAccepted_data()
    {
        QTest::addColumn<QByteArray>("ending");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("CR CR LF") << QByteArray("\r\r\n");
    }
    void lineEndingsAreAllAccepted()
    {
        QFETCH(QByteArray, ending);
        const QByteArray golden = fileBytes(fixture("one_piece_layout.txt"));
        QByteArray bytes = golden;
        bytes.replace("\n", ending);
        LayoutRecord r;
        QCOMPARE(readFrom(bytes, r), TrackPlanRead::Complete);
        QCOMPARE(written(r), golden);
        const QString path = mRuntime->path("trackplans/endings.txt");
        putFile(path, bytes);
        QVERIFY(isTrackPlanFile(path));
    }

    void lineBreakInANameCannotShiftTheFields()
    {
        LayoutRecord r = twoLaneLayout();
        r.mName = QStringLiteral("two\nlines\r");
        LayoutRecord back;
        QCOMPARE(readFrom(written(r), back), TrackPlanRead::Complete);
        QCOMPARE(back.mName, QString("two lines "));
        QCOMPARE(back.mPieces.size(), r.mPieces.size());
    }

    void validityTest_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        const QByteArray golden = fileBytes(fixture("one_piece_layout.txt"));
        const QByteArray head = "lanes: 2 red green blue yellow\nbase width, mm: 178.00\n";
        QTest::newRow("written file") << golden << true;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("starts with the lanes line")
            << QByteArray(head + "track pieces: 0\n") << false;
        QTest::newRow("no lanes line") << QByteArray("Oval\ntrack pieces: 0\n") << false;
        QTest::newRow("empty lanes value")
            << QByteArray("Oval\nlanes: \ntrack pieces: 0\n") << false;
        QTest::newRow("count only after the first piece line")
            << QByteArray("Oval\n" + head + "0 part number: R3600\ntrack pieces: 1\n") << false;
        QTest::newRow("a later empty line replaces the name")
            << QByteArray("Oval\n" + head + "\ntrack pieces: 0\n") << false;
        QTest::newRow("a later name line is the name")
            << QByteArray("\n" + head + "Oval\ntrack pieces: 0\n") << true;
        QTest::newRow("name starting with a digit can be opened")
            << QByteArray("2 lane oval\n" + head + "track pieces: 0\n") << true;
        QTest::newRow("overlong name line")
            << QByteArray(QByteArray(4000, 'n') + "\n" + head + "track pieces: 0\n") << true;
        QTest::newRow("binary junk") << QByteArray("\0\1\2\xff: lanes\n\0\0", 14) << false;
    }
    void validityTest()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        const QString path = mRuntime->path("trackplans/validity.txt");
        putFile(path, bytes);
        QCOMPARE(isTrackPlanFile(path), valid);
    }

    void nullStreamsOnlyLogTheirCall()
    {
        LogFile log;
        QVERIFY(log.open("../logs/debug.log"));
        LayoutRecord r = twoLaneLayout();
        QVERIFY(!writeTrackPlan(nullptr, r, &log));
        QCOMPARE(readTrackPlan(nullptr, r, *mCatalog, mTypes, &log), TrackPlanRead::Failed);
        log.close();
        QCOMPARE(mRuntime->read("logs/debug.log"),
                 QByteArray("writeTrackPlan()\nreadTrackPlan()\n"));
        QCOMPARE(r.mPieces.size(), twoLaneLayout().mPieces.size());
    }

    void failedReadLeavesBothRecordsUntouched()
    {
        auto [a, b] = fourLaneLayout();
        LayoutRecord a2 = a;
        LayoutRecord b2 = b;
        QCOMPARE(readFrom(QByteArray(), a2), TrackPlanRead::Failed);
        QCOMPARE(
            loadTrackPlanFile(mRuntime->path("trackplans/none.txt"), a2, b2, *mCatalog, mTypes),
            TrackPlanRead::Failed);
        QCOMPARE(written(a2), written(a));
        QCOMPARE(written(b2), written(b));
        QVERIFY(!isTrackPlanFile(mRuntime->path("trackplans/none.txt")));
    }

    void openingReplacesRecordBToo_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TrackPlanRead>("result");
        QTest::addColumn<int>("lanes");
        auto [a, b] = fourLaneLayout();
        const QByteArray aSection = written(a);
        QTest::newRow("two-lane file") << written(twoLaneLayout()) << TrackPlanRead::Complete << 2;
        QTest::newRow("four-lane file without its second section")
            << aSection << TrackPlanRead::Truncated << 4;
    }
    void openingReplacesRecordBToo()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(TrackPlanRead, result);
        QFETCH(int, lanes);
        auto [a, b] = fourLaneLayout();
        b.mPath = QStringLiteral("kept");
        const QString path = mRuntime->path("trackplans/replace.txt");
        putFile(path, bytes);
        QCOMPARE(loadTrackPlanFile(path, a, b, *mCatalog, mTypes), result);
        // No piece of the layout that was open before may survive in record B.
        QVERIFY(b.mPieces.isEmpty());
        QCOMPARE(b.mNextIndex, 0);
        QCOMPARE(b.mLanes, lanes);
        QCOMPARE(b.mName, a.mName);
        QCOMPARE(b.mPath, QString("kept"));
        QVERIFY(b.mSecondPair && !b.mFirstPair);
    }

    void truncatedPieceListKeepsThePiecesBegun()
    {
        const QByteArray bytes = written(twoLaneLayout());
        // Cut inside the third piece, after its level line.
        const int cut = bytes.indexOf("   level: 1.00\n") + 15;
        LayoutRecord r;
        QCOMPARE(readFrom(bytes.left(cut), r), TrackPlanRead::Truncated);
        QCOMPARE(r.mPieces.size(), 3);
        checkConsistent(r);
        QCOMPARE(r.mPieces[2].mPartNumber, QString("R3609"));
        QCOMPARE(r.mPieces[2].mLevel, 1.0);
    }

    // Every prefix of a four-lane file, cut at every byte.
    void everyTruncationReadsWithoutHarm()
    {
        auto [a, b] = fourLaneLayout();
        const QByteArray bytes = written(a) + written(b);
        const QString path = mRuntime->path("trackplans/cut.txt");
        for (int length = 0; length <= bytes.size(); ++length) {
            LayoutRecord a2;
            LayoutRecord b2;
            readPair(bytes.left(length), a2, b2);
            checkConsistent(a2);
            checkConsistent(b2);
            // What was read is the beginning of what was written.
            QVERIFY(a2.mPieces.size() <= a.mPieces.size());
            for (int i = 0; i + 1 < a2.mPieces.size(); ++i)
                QCOMPARE(a2.mPieces[i].mPartNumber, a.mPieces[i].mPartNumber);
            if (length % 7 == 0) {
                putFile(path, bytes.left(length));
                isTrackPlanFile(path);
            }
        }
    }

    void lineWithoutSeparatorGivesAnEmptyValue()
    {
        const QByteArray bytes = written(twoLaneLayout());
        QList<QByteArray> lines = bytes.split('\n');
        lines.removeLast();
        for (int i = 1; i < lines.size(); ++i) {
            QList<QByteArray> mangled = lines;
            mangled[i].replace(": ", "");
            LayoutRecord r;
            const TrackPlanRead result = readFrom(mangled.join('\n') + '\n', r);
            checkConsistent(r);
            if (i == 11) { // the piece count
                QVERIFY(r.mPieces.isEmpty());
                continue;
            }
            QCOMPARE(result, TrackPlanRead::Complete);
            QCOMPARE(r.mPieces.size(), 4);
            if (i >= 12 && (i - 12) % 9 == 0)
                QCOMPARE(r.mPieces[(i - 12) / 9].mPartNumber, QString());
        }
    }

    void overlongLineDoesNotShiftTheFieldsAfterIt()
    {
        auto [a, b] = fourLaneLayout();
        QList<QByteArray> lines = (written(a) + written(b)).split('\n');
        lines.removeLast();
        for (int i = 0; i < lines.size(); ++i) {
            QList<QByteArray> mangled = lines;
            mangled[i] += QByteArray(5000, 'x');
            LayoutRecord a2;
            LayoutRecord b2;
            readPair(mangled.join('\n') + '\n', a2, b2);
            checkConsistent(a2);
            checkConsistent(b2);
            QCOMPARE(a2.mPieces.size(), a.mPieces.size());
            QCOMPARE(b2.mPieces.size(), b.mPieces.size());
            // Only the lengthened line itself may read differently.
            for (int k = 0; k < a.mPieces.size(); ++k)
                QVERIFY(a2.mPieces[k].mPartNumber.startsWith(a.mPieces[k].mPartNumber));
            for (int k = 0; k < b.mPieces.size(); ++k)
                QVERIFY(b2.mPieces[k].mPartNumber.startsWith(b.mPieces[k].mPartNumber));
            if (i == 0)
                QCOMPARE(a2.mName.size(), 1023);
        }
    }

    void randomBytesReadWithoutHarm()
    {
        std::mt19937 random(20240611u);
        auto [a, b] = fourLaneLayout();
        const QByteArray sample = written(a) + written(b);
        const QByteArray alphabet("0123456789: \r\n\t-.eabR_", 23);
        const QString path = mRuntime->path("trackplans/junk.txt");
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes;
            if (round % 2 == 0) {
                bytes.resize(int(random() % 3000));
                for (char &c : bytes)
                    c = (random() % 2) ? char(random() % 256) : alphabet[int(random() % 23)];
            } else {
                // A real file with a span overwritten by junk.
                bytes = sample;
                const int start = int(random() % unsigned(bytes.size()));
                const int span = int(random() % 200);
                for (int i = start; i < qMin(bytes.size(), start + span); ++i)
                    bytes[i] = char(random() % 256);
            }
            LayoutRecord a2;
            LayoutRecord b2;
            readPair(bytes, a2, b2);
            checkConsistent(a2);
            checkConsistent(b2);
            putFile(path, bytes);
            isTrackPlanFile(path);
            loadTrackPlanFile(path, a2, b2, *mCatalog, mTypes);
            checkConsistent(a2);
            checkConsistent(b2);
        }
    }

    void unwritablePathReportsFailure()
    {
        const QString blocker = mRuntime->path("trackplans/plain-file");
        putFile(blocker, "not a directory");
        QVERIFY(!saveTrackPlanFile(blocker + "/layout.txt", twoLaneLayout(), LayoutRecord()));
        QCOMPARE(fileBytes(blocker), QByteArray("not a directory"));
    }

    void saveThatFailsMidwayKeepsThePreviousFile()
    {
        const QString dir = mRuntime->path("full");
        QDir().mkpath(dir);
        const QString path = dir + "/layout.txt";
        const QByteArray previous = written(twoLaneLayout());
        putFile(path, previous);
        auto [a, b] = fourLaneLayout();

        // A file size limit makes the disk "full" after a few bytes, for any user.
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = saved;
        tight.rlim_cur = 100;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &tight) == 0);
        const bool saved4 = saveTrackPlanFile(path, a, b);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!saved4);
        QCOMPARE(fileBytes(path), previous);
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{"layout.txt"});
    }
};

QTEST_GUILESS_MAIN(TrackPlanTest)
#include "test_trackplan.moc"
