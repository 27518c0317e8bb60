#include "catalog/Inventory.h"
#include "catalog/RevellTrack.h"
#include "layout/LayoutRecord.h"
#include "support/TestRuntime.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QtTest>

// The inventory list, its file and the counting of a layout's parts, without a window.
class InventoryTest : public QObject
{
    Q_OBJECT
    TestRuntime mRuntime; // first: the catalog writes its log there
    RevellTrack mCatalog;

    // Entries separated by blanks: "R3601_R+R3605_R" is a piece with an
    // attachment, "~R3600" a piece marked for removal; unknown part numbers
    // get index -1, "X..." one past the catalog.
    void fill(LayoutRecord &aRecord, const QString &aEntries) const
    {
        auto index = [this](const QString &aName) {
            return aName.startsWith('X') ? mCatalog.mNumEntries : mCatalog.findIndex(aName);
        };
        for (QString text : aEntries.split(' ', Qt::SkipEmptyParts)) {
            const bool removed = text.startsWith('~');
            const QStringList names = text.remove('~').split('+');
            PlacedPiece piece(names.first(), index(names.first()), -1, {}, 0, 0);
            piece.mDeleted = removed;
            for (const QString &name : names.mid(1))
                piece.mAttachments.append({name, index(name), 0});
            aRecord.mPieces.append(piece);
        }
    }
    // The counts other than aUnless as "part=count", in row order (the
    // inventory's own counts when aCounts is empty).
    static QString counts(const TrackInventory &aInventory, QVector<int> aCounts, int aUnless)
    {
        QStringList texts;
        for (int row = 0; row < aInventory.size(); ++row) {
            const int count = aCounts.value(row, aInventory.at(row).mCount);
            if (count != aUnless)
                texts << aInventory.at(row).mPartNumber + '=' + QString::number(count);
        }
        return texts.join(' ');
    }

private slots:
    // A fresh install has no folder for the inventory; the first save makes it.
    void savedFileListsEveryPartOnceInCatalogOrder()
    {
        TrackInventory inventory(mCatalog);
        inventory.setCount(35, 12);
        QVERIFY(saveInventoryFile("../data/Inventory/RevellInventory.txt", inventory));
        const QList<QByteArray> lines =
            mRuntime.read("data/Inventory/RevellInventory.txt").split('\n');
        QCOMPARE(lines.size(), 37);
        QCOMPARE(lines.at(0), QByteArray("R3600 0 12 inch straight"));
        QCOMPARE(lines.at(35), QByteArray("R3628o 12 orange curve crash fence"));
    }

    void readerFollowsTheLineRules_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected"); // counts no longer at the start value 7
        QTest::newRow("two blanks: empty count") << QByteArray("R3600  5\n") << "R3600=0";
        QTest::newRow("CR LF, no final LF")
            << QByteArray("R3600 5\r\nR3601 3") << "R3600=5 R3601=3";
        QTest::newRow("directed part number") << QByteArray("R3601_R 4\nR3600\n") << "";
        QTest::newRow("last line wins") << QByteArray("R3600 1 a\nR3600 2 b\n") << "R3600=2";
        QTest::newRow("letters, signs, absurd counts")
            << QByteArray("R3600 x\nR3601 -3\nR3602 10000\nR3604 +4\n")
            << "R3600=0 R3601=0 R3602=0 R3604=0";
        QTest::newRow("255 characters at a time") << QByteArray(255, 'x') + "R3600 4\n"
                                                  << "R3600=4";
    }
    void readerFollowsTheLineRules()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        TrackInventory inventory(mCatalog);
        for (int row = 0; row < inventory.size(); ++row)
            inventory.setCount(row, 7);
        QBuffer in(&text);
        in.open(QIODevice::ReadOnly);
        readInventory(in, inventory);
        QCOMPARE(counts(inventory, {}, 7), expected);
    }

    // "<record A> | <record B> => <counts>"
    void countsByInventoryPart_data()
    {
        QTest::addColumn<int>("lanes");
        QTest::addColumn<QString>("layout");
        QTest::newRow("two lanes: A only") << 2 << "R3600 | R3600 F8517_L => R3600=1";
        QTest::newRow("unknown, removed: nothing")
            << 2 << "X1234+R3605_R R3600+Q9 ~R3610_L | => R3600=1 R3605=1";
    }
    void countsByInventoryPart()
    {
        QFETCH(int, lanes);
        QFETCH(QString, layout);
        const QStringList parts = layout.split(QRegularExpression(" *(\\||=>) *"));
        LayoutRecord recordA;
        LayoutRecord recordB;
        recordA.mLanes = lanes;
        fill(recordA, parts.at(0));
        fill(recordB, parts.at(1));
        const TrackInventory inventory(mCatalog);
        QCOMPARE(counts(inventory, countUsage(inventory, mCatalog, recordA, recordB), 0),
                 parts.at(2));
    }
};

QTEST_GUILESS_MAIN(InventoryTest)
#include "test_inventory.moc"
