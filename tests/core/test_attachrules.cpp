#include "catalog/RevellTrack.h"
#include "graphics/DiagramTypes.h"
#include "layout/AttachmentRules.h"
#include "layout/LayoutRecord.h"

#include "support/TestRuntime.h"

#include <QtTest>

using Outcome = AttachmentRules::ClickOutcome;

namespace {

// Space-separated names as a list; the empty text gives an empty list.
QStringList list(const char *aNames)
{
    return QString(aNames).split(' ', Qt::SkipEmptyParts);
}

// A record of pieces "part:attachment,attachment ..." in order.
LayoutRecord recordOf(const RevellTrack &aCatalog, const char *aPieces)
{
    LayoutRecord record;
    for (const QString &piece : list(aPieces)) {
        const QString part = piece.section(':', 0, 0);
        PlacedPiece entry(part, aCatalog.findIndex(part), diagramTypeOf(part), QPointF(), 0, 0.25);
        for (const QString &name : piece.section(':', 1).split(',', Qt::SkipEmptyParts))
            entry.mAttachments << AttachmentEntry{name, aCatalog.findIndex(name),
                                                  int(record.mPieces.size())};
        record.mPieces << entry;
    }
    return record;
}

QStringList names(const QList<AttachmentEntry> &aEntries)
{
    QStringList result;
    for (const AttachmentEntry &entry : aEntries)
        result << entry.mName;
    return result;
}

} // namespace

// The attachment rules without a window: what fits where, what a click in
// attach mode does, how an attachment is kept on its host, and what the
// choosers' names stand for.
class AttachRulesTest : public QObject
{
    Q_OBJECT

    TestRuntime mRuntime; // first: the catalog writes its log there
    RevellTrack mCatalog;

private slots:
    // An empty placed part: nothing fits, the requested kind is kept. The
    // last row takes the table of relatives as well as the other hand.
    void fitTestPlacesTheRelativeThatFits_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("placed");
        const auto row = [](const char *aName, const char *aRequested, const char *aHost,
                            const char *aPlaced) {
            QTest::newRow(aName) << aRequested << aHost << aPlaced;
        };
        row("listed beside the host", "R3605", "R3601_R", "R3605");
        row("white fences have no relative", "R3617w", "R3610_R", "");
        row("other hand and other radius", "R3616R_R", "R3601_L", "R3615R_L");
    }
    void fitTestPlacesTheRelativeThatFits()
    {
        QFETCH(QString, requested);
        QFETCH(QString, host);
        QFETCH(QString, placed);
        int result = -1;
        QCOMPARE(AttachmentRules::canAttachType(mCatalog, diagramTypeOf(requested),
                                                diagramTypeOf(host), &result),
                 !placed.isEmpty());
        QCOMPARE(getPartNumber(DiagramTypeBase::DiagramType(result)),
                 placed.isEmpty() ? requested : placed);
    }

    void clickAnswers_data()
    {
        QTest::addColumn<int>("host");
        QTest::addColumn<QString>("requested");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("placed");
        const int present = int(Outcome::AlreadyPresent);
        QTest::newRow("found by the part it becomes") << 2 << "R3628o14" << present << "R3628o14";
        QTest::newRow("does not fit") << 1 << "R3617w" << int(Outcome::DoesNotFit) << "R3617w";
    }
    void clickAnswers()
    {
        QFETCH(int, host);
        QFETCH(QString, requested);
        QFETCH(int, result);
        QFETCH(QString, placed);
        const LayoutRecord record =
            recordOf(mCatalog, "R3601_R:R3605_R R3610_R: R3601_R:R3628o_R14");
        const Outcome outcome =
            AttachmentRules::decideClick(record, mCatalog, diagramTypeOf(requested), host);
        QCOMPARE(int(outcome.mResult), result);
        QCOMPARE(getPartNumber(DiagramTypeBase::DiagramType(outcome.mType)), placed);
        QCOMPARE(outcome.mSubstituted, placed != requested);
    }

    void recordingAnAttachmentTwiceKeepsOneEntry()
    {
        LayoutRecord record = recordOf(mCatalog, "R3601_R:R3605_R");
        // A stale host index, as an entry has before its host is renumbered.
        record.mPieces[0].mAttachments[0].mHostIndex = 7;
        for (const char *name : {"R3605_R", "R3612_R", "R3605_R"})
            AttachmentRules::recordAttachment(record, 0, name, mCatalog.findIndex(name),
                                              diagramTypeOf(name));
        QCOMPARE(names(record.mPieces.at(0).mAttachments), list("R3605_R R3612_R"));
        QCOMPARE(record.mPieces.at(0).mAttachments.at(0).mHostIndex, 0);
    }

    void acceptedChooserKeepsWhatItDoesNotOffer_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("fence the half curve's chooser lacks")
            << "R3621_R:R3617g_R,R3621o_R" << list("") << list("R3617g_R");
        QTest::newRow("order kept, unchecked one dropped, new one last")
            << "R3610_L:R3613_L,R3611_L,R3618w_L" << list("R3605 R3617w R3615R")
            << list("R3611_L R3618w_L R3616R_L");
        QTest::newRow("unknown name kept on a straight")
            << "R3600:R3614_U,X1,R3620a_L" << list("R3614_L") << list("X1 R3614_L");
    }
    void acceptedChooserKeepsWhatItDoesNotOffer()
    {
        QFETCH(QString, host);
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, after);
        const LayoutRecord record = recordOf(mCatalog, qPrintable(host));
        const AttachmentRules::ChooserEdit edit = AttachmentRules::chooserEdit(
            record.mPieces.at(0).mPartNumber, record.mPieces.at(0).mAttachments, chosen);
        QCOMPARE(names(edit.mKept) + edit.mAdded, after);
    }
};

QTEST_GUILESS_MAIN(AttachRulesTest)
#include "test_attachrules.moc"
