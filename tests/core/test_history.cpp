#include "catalog/RevellTrack.h"
#include "layout/Chaining.h"
#include "layout/LayoutHistory.h"
#include "layout/LayoutRecord.h"
#include "layout/TrackPlanFile.h"

#include <QBuffer>
#include <QtTest>

using D = DiagramTypeBase;

// The steps of a layout's history: what an edit changed, kept small, and
// laid back and forward.
class HistoryTest : public QObject
{
    Q_OBJECT

    RevellTrack mCatalog;

    LayoutRecord laid(const QList<D::DiagramType> &aTypes)
    {
        LayoutRecord record;
        for (D::DiagramType type : aTypes)
            Chaining::layNext(record, mCatalog, type, QPointF(2000, 2000), 0.25, true);
        return record;
    }
    // As the scene replays a record after every edit and every undo.
    LayoutRecord replayed(LayoutRecord aRecord)
    {
        Chaining::prepareReplay(aRecord);
        for (int i = 0; i < aRecord.mPieces.size(); ++i)
            Chaining::layNext(aRecord, mCatalog, aRecord.mPieces.at(i).mItemType, aRecord.mFirstPt,
                              aRecord.mPieces.at(i).mLevel, false);
        return aRecord;
    }
    static QByteArray written(const LayoutRecord &aRecord)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        writeTrackPlan(&buffer, aRecord);
        return buffer.data();
    }
    LayoutRecord oval()
    {
        return laid({D::R3600, D::R3601_R, D::R3601_R, D::R3601_R, D::R3600, D::R3601_R, D::R3601_R,
                     D::R3601_R});
    }

private slots:
    // A step keeps the entries that differ and no more: an insert in the
    // middle of a layout keeps one entry, not the layout.
    void stepsKeepOnlyTheRunThatChangedAndRestoreItExactly_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("kept");
        QTest::newRow("insert in the middle") << "insert" << 1;
        QTest::newRow("append at the end") << "append" << 1;
        QTest::newRow("delete the first piece") << "delete" << 1;
        QTest::newRow("replace a curve") << "replace" << 2;
        QTest::newRow("attach an apron") << "attach" << 2;
        QTest::newRow("every level inverted") << "invert" << 16;
        QTest::newRow("rename") << "rename" << 0;
        QTest::newRow("move the first point") << "move" << 0;
    }
    void stepsKeepOnlyTheRunThatChangedAndRestoreItExactly()
    {
        QFETCH(QString, edit);
        QFETCH(int, kept);
        const LayoutRecord before = oval();
        LayoutRecord after = before;
        QList<PlacedPiece> &pieces = after.mPieces;
        const PlacedPiece straight = before.mPieces.first();
        if (edit == "insert")
            pieces.insert(4, straight);
        else if (edit == "append")
            pieces.append(straight);
        else if (edit == "delete")
            pieces.removeFirst();
        else if (edit == "replace")
            pieces[2] = straight;
        else if (edit == "attach")
            pieces[5].mAttachments << AttachmentEntry{"R3605_R", -1, 5};
        else if (edit == "invert")
            for (PlacedPiece &piece : pieces)
                piece.mLevel = 1.0 - piece.mLevel;
        else if (edit == "rename")
            after.mName = "club oval";
        else if (edit == "move")
            after.mFirstPt += QPointF(30, 40);
        after = replayed(after);

        const LayoutHistory::RecordChange change = LayoutHistory::changeBetween(before, after);
        QCOMPARE(change.mBefore.size() + change.mAfter.size(), kept);
        QVERIFY(!change.isEmpty());
        LayoutRecord record = after;
        QVERIFY(LayoutHistory::undo(record, change));
        QCOMPARE(written(replayed(record)), written(before));
        QVERIFY(LayoutHistory::redo(record, change));
        QCOMPARE(written(replayed(record)), written(after));
    }

    void stepLeavesWhatItDidNotChangeAndRefusesARecordItDoesNotFit()
    {
        const LayoutRecord before = oval();
        LayoutRecord after = before;
        after.mName = "club oval";
        after.mPieces.append(before.mPieces.first());
        const LayoutHistory::RecordChange change = LayoutHistory::changeBetween(before, after);
        QVERIFY(LayoutHistory::changeBetween(before, replayed(before)).isEmpty());

        // Colours the layout took from the defaults after the step stay.
        LayoutRecord record = after;
        record.mLaneBrush[0] = QBrush(Qt::magenta);
        QVERIFY(LayoutHistory::undo(record, change));
        QCOMPARE(record.mName, before.mName);
        QCOMPARE(record.mPieces.size(), before.mPieces.size());
        QCOMPARE(record.mLaneBrush[0], QBrush(Qt::magenta));

        LayoutRecord shorter = laid({D::R3600});
        shorter.mName = "short";
        QVERIFY(!LayoutHistory::redo(shorter, LayoutHistory::changeBetween(after, before)));
        QCOMPARE(shorter.mName, QString("short"));
        QCOMPARE(shorter.mPieces.size(), 1);
    }
};

QTEST_GUILESS_MAIN(HistoryTest)
#include "test_history.moc"
