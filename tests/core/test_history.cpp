#include "catalog/RevellTrack.h"
#include "layout/Chaining.h"
#include "layout/LayoutHistory.h"
#include "layout/TrackPlanFile.h"

#include <QBuffer>
#include <QtTest>

using D = DiagramTypeBase;
using namespace LayoutHistory;

// The steps of a layout's history: what an edit changed, kept small, and
// laid back and forward.
class HistoryTest : public QObject
{
    Q_OBJECT

    RevellTrack mCatalog;

    static QByteArray written(const LayoutRecord &aRecord)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        writeTrackPlan(&buffer, aRecord);
        return buffer.data();
    }
    LayoutRecord oval()
    {
        LayoutRecord record;
        for (D::DiagramType type : {D::R3600, D::R3601_R, D::R3601_R, D::R3601_R, D::R3600,
                                    D::R3601_R, D::R3601_R, D::R3601_R})
            Chaining::layNext(record, mCatalog, type, QPointF(2000, 2000), 0.25, true);
        return record;
    }

private slots:
    // An insert into the middle of a layout keeps one entry, not the layout.
    // The entries after it keep their old places until a replay, so undo
    // and redo give back the very records.
    void stepsKeepOnlyTheRunThatChangedAndRestoreItExactly_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("kept");
        QTest::newRow("insert in the middle") << "insert" << 1;
        QTest::newRow("attach an apron") << "attach" << 2;
        QTest::newRow("every level inverted") << "invert" << 16;
        QTest::newRow("move the first point") << "move" << 0;
    }
    void stepsKeepOnlyTheRunThatChangedAndRestoreItExactly()
    {
        QFETCH(QString, edit);
        QFETCH(int, kept);
        const LayoutRecord before = oval();
        LayoutRecord after = before;
        if (edit == "insert")
            after.mPieces.insert(4, before.mPieces.at(1));
        else if (edit == "attach")
            after.mPieces[5].mAttachments << AttachmentEntry{"R3605_R", -1, 5};
        for (PlacedPiece &piece : after.mPieces)
            piece.mLevel = edit == "invert" ? 1.0 - piece.mLevel : piece.mLevel;
        if (edit == "move")
            after.mFirstPt += QPointF(30, 40);

        const RecordChange change = changeBetween(before, after);
        QCOMPARE(change.mBefore.size() + change.mAfter.size(), kept);
        LayoutRecord record = after;
        QVERIFY(undo(record, change));
        QCOMPARE(written(record), written(before));
        QVERIFY(redo(record, change));
        QCOMPARE(written(record), written(after));
    }

    // Colours an empty layout took from the defaults after a step stay; a
    // record the step does not fit is left alone.
    void stepWritesOnlyWhatItChangedAndOnlyWhereItFits()
    {
        LayoutRecord after = oval();
        after.mName = "club oval";
        after.mPieces.removeLast();
        const RecordChange change = changeBetween(oval(), after);
        LayoutRecord record = after;
        record.mLaneBrush[0] = QBrush(Qt::magenta);
        QVERIFY(undo(record, change));
        QCOMPARE(record.mName, QString());
        QCOMPARE(record.mPieces.size(), 8);
        QCOMPARE(record.mLaneBrush[0], QBrush(Qt::magenta));
        LayoutRecord shorter;
        shorter.mName = "short";
        QVERIFY(!undo(shorter, change));
        QCOMPARE(shorter.mName, QString("short"));
    }
};

QTEST_GUILESS_MAIN(HistoryTest)
#include "test_history.moc"
