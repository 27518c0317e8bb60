#include "support/WindowRig.h"

using D = DiagramTypeBase;
using WindowRig::Rig;

// The offer to save changed layouts when the window closes, and the save
// lamps the window keeps up while it stays open.
class SaveStatusTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(lanewright);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    // Layout 7 was saved and not changed since; layout 3, emptied by its
    // edits, holds nothing a file could keep: neither is offered.
    void closeOffersChangedLayoutsInOrderWithTheirTabsInFront()
    {
        Rig rig;
        rig.w().show();
        for (int tab : {5, 2, 7, 3}) {
            rig.activate(tab);
            rig.append(D::R3600);
        }
        rig.select({rig.piece(0)});
        rig.w().itemAction(MainWindow::DeleteAction)->trigger();
        rig.activate(7);
        rig.saveAs(rig.file("seven.txt"));
        rig.activate(0);
        rig.rec.mLog.clear();
        rig.rec.mTabsAtQuestion.clear();

        // A Yes whose file dialog is cancelled keeps the window open, and
        // layout 5 is not asked about: the window is not closing.
        rig.rec.mAnswers << true;
        QVERIFY(!rig.w().close());
        QVERIFY(rig.w().isVisible());
        QCOMPARE(rig.rec.mLog.first(), QString("question|Layout Changed|Save Layout 2?"));
        QVERIFY(!rig.rec.mLog.contains("question|Layout Changed|Save Layout 5?"));
        QVERIFY(rig.a(2).mChanged && !rig.a(2).mSaved);
        // Lamp 7 painted stale: the real timer still visits every lamp
        // within 800 ms.
        rig.screen(7).mModifiedLed->showSaveStatus(true, false);
        QTRY_COMPARE_WITH_TIMEOUT(rig.lampCentre(7), QColor(0, 255, 0), 900);

        rig.rec.mLog.clear();
        QVERIFY(rig.w().close());
        QCOMPARE(rig.rec.mLog, (QStringList{"question|Layout Changed|Save Layout 2?",
                                            "question|Layout Changed|Save Layout 5?"}));
        QCOMPARE(rig.rec.mTabsAtQuestion, (QList<int>{2, 2, 5}));
        QVERIFY(!rig.w().isVisible());
        QVERIFY(!rig.w().isTimerRunning());
        QVERIFY(rig.a(2).mChanged && rig.a(5).mChanged);
    }
};

QTEST_MAIN(SaveStatusTest)
#include "test_savestatus.moc"
