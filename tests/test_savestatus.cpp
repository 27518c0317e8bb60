#include "app/LayoutScreen.h"
#include "app/MainWindow.h"
#include "app/QLedIndicator.h"
#include "app/newLayoutDialog.h"
#include "graphics/DiagramItem.h"
#include "layout/DiagramScene.h"
#include "layout/LayoutRecord.h"

#include "support/RecordingPrompter.h"
#include "support/TestRuntime.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using D = DiagramTypeBase;

static void initResources()
{
    Q_INIT_RESOURCE(lanewright);
}

namespace {

// Notes which tab is in front whenever a question is asked.
class TabWatchingPrompter : public RecordingPrompter
{
public:
    bool question(const QString &aTitle, const QString &aText) override
    {
        mTabsAtQuestion << (mTabs ? mTabs->currentIndex() : -1);
        return RecordingPrompter::question(aTitle, aText);
    }
    QTabWidget *mTabs = nullptr;
    QList<int> mTabsAtQuestion;
};

// A window in its own runtime with the prompts recorded; New answers OK.
struct Rig
{
    Rig()
    {
        rec.mTabs = w().tabWidget();
        w().setNewLayoutDialogRunner([](newLayoutDialog &) { return int(QDialog::Accepted); });
    }

    TabWatchingPrompter rec;
    TestRuntime rt;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();

    MainWindow &w() { return *window; }
    void activate(int aTab) { w().tabWidget()->setCurrentIndex(aTab); }
    LayoutRecord &a(int aTab) { return w().recordA(aTab - 1); }
    LayoutScreen &screen(int aTab) { return w().layoutScreen(aTab - 1); }
    void trigger(const char *aAction) { w().findChild<QAction *>(aAction)->trigger(); }
    void newLayout() { trigger("actionNew"); }
    void saveAs(const QString &aPath)
    {
        rec.mFileNames.enqueue(aPath);
        trigger("actionSave_Layout_As");
    }
    DiagramItem *append(D::DiagramType aType)
    {
        return w().activeScene()->appendTrackPiece(true, aType, QPointF(1000, 1000), 0.25, false);
    }
    QString file(const QString &aName) const { return rt.path(aName); }
    // Runs the housekeeping timer through all eight layouts once.
    void tickAllLamps()
    {
        for (int i = 0; i < 8; ++i)
            w().housekeepingTick();
    }
    QColor lampCentre(int aTab) { return screen(aTab).mModifiedLed->onColor1(); }
};

} // namespace

// The save lamps and the offer to save changed layouts when the window closes.
class SaveStatusTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initResources();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void lampShowsChangedSavedAndNewLayouts()
    {
        Rig rig;
        rig.activate(4);
        // A new window's lamps are dark until the timer has visited them.
        QVERIFY(!rig.screen(4).mModifiedLed->isChecked());
        rig.tickAllLamps();
        for (int tab = 1; tab <= 8; ++tab) {
            QVERIFY(rig.screen(tab).mModifiedLed->isChecked());
            QCOMPARE(rig.lampCentre(tab), QColor(255, 0, 0));
        }
        rig.append(D::R3600);
        rig.tickAllLamps();
        QCOMPARE(rig.lampCentre(4), QColor(255, 255, 0));
        QCOMPARE(rig.screen(4).mModifiedLed->onColor2(), QColor(192, 192, 0));
        QCOMPARE(rig.lampCentre(3), QColor(255, 0, 0));
        rig.saveAs(rig.file("lamp.txt"));
        rig.tickAllLamps();
        QCOMPARE(rig.lampCentre(4), QColor(0, 255, 0));
        rig.newLayout();
        // The real timer visits every lamp within 800 ms.
        QTRY_COMPARE_WITH_TIMEOUT(rig.lampCentre(4), QColor(255, 0, 0), 900);
    }

    void lampVisitsOneLayoutPerTick()
    {
        Rig rig;
        rig.activate(3);
        rig.append(D::R3600);
        const int start = rig.w().tickCount();
        // Tick until the timer's next visit is to layout 3 (index 2).
        while ((rig.w().tickCount() + 1) % 8 != 2)
            rig.w().housekeepingTick();
        QVERIFY(!rig.screen(3).mModifiedLed->isChecked() ||
                rig.lampCentre(3) != QColor(255, 255, 0));
        rig.w().housekeepingTick();
        QCOMPARE(rig.lampCentre(3), QColor(255, 255, 0));
        QVERIFY(rig.w().tickCount() > start);
    }

    void closeOffersChangedLayoutsInOrderWithTheirTabsInFront()
    {
        Rig rig;
        rig.w().show();
        for (int tab : {5, 2, 7}) {
            rig.activate(tab);
            rig.append(D::R3600);
        }
        // Layout 7 was saved and not changed since: no prompt.
        rig.saveAs(rig.file("seven.txt"));
        rig.activate(0);
        rig.rec.mLog.clear();
        rig.rec.mTabsAtQuestion.clear();
        QVERIFY(rig.w().close());
        QCOMPARE(rig.rec.mLog, (QStringList{"question|Layout Changed|Save Layout 2?",
                                            "question|Layout Changed|Save Layout 5?"}));
        QCOMPARE(rig.rec.mTabsAtQuestion, (QList<int>{2, 5}));
        QVERIFY(!rig.w().isVisible());
        QVERIFY(!rig.w().isTimerRunning());
        QVERIFY(rig.a(2).mChanged && rig.a(5).mChanged);
    }

    void yesAtCloseSavesTheLayoutAndGoesOn()
    {
        Rig rig;
        rig.w().show();
        for (int tab : {2, 5}) {
            rig.activate(tab);
            rig.append(D::R3600);
        }
        rig.rec.mAnswers << true << false;
        rig.rec.mFileNames << rig.file("two.txt");
        QVERIFY(rig.w().close());
        QVERIFY(QFile::exists(rig.file("two.txt")));
        QCOMPARE(rig.rec.mLog.size(), 3);
        QVERIFY(rig.a(2).mSaved);
    }

    void windowStaysOpenWhenAYesSaveDidNotHappen_data()
    {
        QTest::addColumn<QString>("fileName"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("how");      // "close" or the Exit action
        QTest::newRow("cancelled, close") << QString() << "close";
        QTest::newRow("cancelled, exit") << QString() << "actionExit";
        QTest::newRow("unwritable, close") << "no/folder/x.txt"
                                           << "close";
    }

    void windowStaysOpenWhenAYesSaveDidNotHappen()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, how);
        Rig rig;
        rig.w().show();
        for (int tab : {2, 5}) {
            rig.activate(tab);
            rig.append(D::R3600);
        }
        rig.rec.mAnswers << true;
        if (!fileName.isEmpty())
            rig.rec.mFileNames << rig.file(fileName);
        if (how == QLatin1String("close"))
            QVERIFY(!rig.w().close());
        else
            rig.trigger("actionExit");
        QVERIFY(rig.w().isVisible());
        QVERIFY(rig.w().isTimerRunning());
        // Layout 5 is not asked about: the window is not closing.
        QCOMPARE(rig.rec.mLog.first(), QString("question|Layout Changed|Save Layout 2?"));
        QVERIFY(!rig.rec.mLog.contains("question|Layout Changed|Save Layout 5?"));
        QVERIFY(rig.a(2).mChanged && !rig.a(2).mSaved);

        // Answering No lets it close.
        rig.rec.mLog.clear();
        QVERIFY(rig.w().close());
        QCOMPARE(rig.rec.mLog, (QStringList{"question|Layout Changed|Save Layout 2?",
                                            "question|Layout Changed|Save Layout 5?"}));
    }

    void emptyChangedLayoutNeverHoldsTheWindowOpen()
    {
        Rig rig;
        rig.w().show();
        rig.activate(3);
        rig.w().markChanged();
        rig.rec.mAnswers << true;
        QVERIFY(rig.w().close());
        QCOMPARE(rig.rec.mLog, (QStringList{"question|Layout Changed|Save Layout 3?",
                                            "message||This layout is empty."}));
    }
};

QTEST_MAIN(SaveStatusTest)
#include "test_savestatus.moc"
