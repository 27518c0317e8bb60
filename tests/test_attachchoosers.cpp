#include "graphics/R3600Dialog.h"
#include "graphics/R3601Dialog.h"
#include "support/WindowRig.h"

namespace {

QStringList list(const char *aNames)
{
    return QString(aNames).split(' ', Qt::SkipEmptyParts);
}

// The curve chooser for the bare number of a curve, else the straight one.
std::unique_ptr<AttachmentChooser> chooserFor(const QString &aHost, QStringList *aNames)
{
    if (list("R3601 R3604 R3610 R3621 F8517").contains(aHost))
        return std::make_unique<R3601Dialog>(aHost, aNames);
    return std::make_unique<R3600Dialog>(aHost, aNames);
}

} // namespace

// The two attachment choosers driven through their buttons: which places
// they refuse while another is taken, what OK hands back, and what each host
// shows.
class AttachChoosersTest : public QObject
{
    Q_OBJECT
    TestRuntime mRuntime;
private slots:
    void placesTakenAreRefused_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QStringList>("carried");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<int>("refusals");
        const auto row = [](const char *aName, const char *aHost, const char *aCarried,
                            const char *aClicks, const char *aChosen, int aRefusals) {
            QTest::newRow(aName) << aHost << list(aCarried) << list(aClicks) << list(aChosen)
                                 << aRefusals;
        };
        row("fence after a transition apron", "R3600", "R3603R_FU", "R3628o_U",
            "R3603R_FU R3628o_Us", 0);
        row("transition apron after a fence", "R3602_R", "R3628o_Us", "R3603L_BU", "R3628o_Us", 1);
        row("both transition aprons of a side", "R3608", "", "R3603L_FL R3603R_BL",
            "R3603R_BL R3603L_FL", 0);
        row("sides on their own, in place order", "R3600", "", "R3628o_L F7054R_FU R3614_L",
            "F7054R_FU R3628o_Ls", 1);
        row("half straight's own apron", "R3620", "R3620a_L", "R3614_U", "R3620a_U R3620a_L", 0);
        row("one fence only", "R3610", "R3617w", "R3628o R3605", "R3617w", 2);
        row("two transition aprons", "R3604", "R3615R", "R3615L", "R3615R", 1);
    }
    void placesTakenAreRefused()
    {
        QFETCH(QString, host);
        QFETCH(QStringList, carried);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, chosen);
        QFETCH(int, refusals);
        RecordingPrompter rec;
        QStringList names = carried;
        std::unique_ptr<AttachmentChooser> chooser = chooserFor(host, &names);
        chooser->show();
        for (const QString &name : clicks) {
            auto *button = chooser->findChild<QToolButton *>(name + "_ToolButton");
            QVERIFY2(button && button->isVisible(), qPrintable(name));
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(names, carried);
        QCOMPARE(WindowRig::closeDialog(*chooser), int(QDialog::Accepted));
        QCOMPARE(names, chosen);
        QCOMPARE(rec.mLog.size(), refusals);
        for (const QString &line : rec.mLog)
            QVERIFY2(line.startsWith("timed|Location Conflict|") && line.endsWith("|3000"),
                     qPrintable(line));
    }

    // The buttons shown, in the order they are made, as "place:text".
    void eachHostShowsItsOwnPlaces_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("terminal, tab down")
            << "R3602_R"
            << "R3602 Terminal Track Attachments (connection tab down/right)"
            << list("R3603R_FU:R3603R R3603L_BU:R3603L R3603L_FL:R3603L R3603R_BL:R3603R "
                    "F7054R_FU:F7054R F7053L_BU:F7053L R3628o_U:R3628o R3628o_L:R3628o "
                    "R3614_U:R3614");
        QTest::newRow("21 inch curve")
            << "R3610"
            << "R3610 21 Inch Radius Curve Track Attachments"
            << list("R3605:R3611 R3612:R3613 R3615R:R3616R R3615L:R3616L R3617g:R3618g "
                    "R3617w:R3618w R3628o:R3628o");
        QTest::newRow("banked curve")
            << "F8517"
            << "F8517 Banked Curve Track Attachments" << list("R3628o:R3628o");
    }
    void eachHostShowsItsOwnPlaces()
    {
        QFETCH(QString, host);
        QFETCH(QString, title);
        QFETCH(QStringList, shown);
        QStringList names;
        std::unique_ptr<AttachmentChooser> chooser = chooserFor(host, &names);
        chooser->show();
        QCOMPARE(chooser->windowTitle(), title);
        QStringList visible;
        for (QToolButton *button : chooser->findChildren<QToolButton *>()) {
            if (button->isVisible())
                visible << button->objectName().remove("_ToolButton") + ":" + button->text();
        }
        QCOMPARE(visible, shown);
    }
};

QTEST_MAIN(AttachChoosersTest)
#include "test_attachchoosers.moc"
