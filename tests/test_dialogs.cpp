#include "graphics/R3600Dialog.h"
#include "graphics/R3601Dialog.h"
#include "support/WindowRig.h"

#include <QGroupBox>
#include <QImage>

using WindowRig::closeDialog;

namespace {

// Empty when the lamp's middle pixel, as the screen would show it, is opaque
// and within 8 of aWanted in each channel; else that pixel.
QString unlikeMiddle(QLedIndicator &aLamp, const QColor &aWanted)
{
    QImage image(aLamp.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    aLamp.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    // Outside the round lamp nothing is painted.
    const QRgb pixel = qAlpha(image.pixel(0, 0)) == 0 ? image.pixel(15, 15) : 0;
    const bool near = qAlpha(pixel) == 255 && qAbs(qRed(pixel) - aWanted.red()) <= 8 &&
                      qAbs(qGreen(pixel) - aWanted.green()) <= 8 &&
                      qAbs(qBlue(pixel) - aWanted.blue()) <= 8;
    return near ? QString() : QColor::fromRgba(pixel).name(QColor::HexArgb);
}

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

// The lane colour chooser, the new-layout dialog, the add-track chooser and
// the attachment choosers, driven through their buttons as a user would,
// without a modal loop; and the save-status lamp as it paints a layout's flags.
class DialogsTest : public QObject
{
    Q_OBJECT
    TestRuntime mRuntime;
private slots:
    void lightLaneColoursAreLabelledOnTan()
    {
        QVERIFY(laneLabelStyleSheet("white").endsWith("background-color: tan;}"));
        QVERIFY(laneLabelStyleSheet("red").endsWith("background-color: beige;}"));
    }

    // Cancel is driven through the window by test_surface. On the Stats tab
    // (0) the layout box is ignored even when ticked.
    void laneColorsOkHandsBackTheChosenNamesAndScopes()
    {
        for (const int tab : {4, 0}) {
            LaneColorDialog dialog(tab, {"white", "black", "red", "blue"},
                                   {"red", "green", "blue", "yellow"});
            dialog.show();
            dialog.findChild<QCheckBox *>("layoutCheckBox")->setChecked(true);
            dialog.findChild<QCheckBox *>("defaultCheckBox")->setChecked(tab == 0);
            dialog.findChild<QComboBox *>("lane4ColorComboBox")->setCurrentIndex(5);
            QCOMPARE(closeDialog(dialog), int(QDialog::Accepted));
            QCOMPARE(dialog.useForLayout(), tab != 0);
            QCOMPARE(dialog.useAsDefault(), tab == 0);
            QCOMPARE(dialog.chosenNames(), QStringList({"white", "black", "red", "magenta"}));
        }
    }

    // Return in the shown dialog, with four lanes; and OK in one never shown,
    // so no focus moves: only OK itself can hand the name over.
    void newLayoutTakesTheTypedName()
    {
        for (const bool shown : {true, false}) {
            int lanes = 0;
            QString name = "unnamed1";
            newLayoutDialog dialog(&lanes, &name);
            auto *edit = dialog.findChild<QLineEdit *>("nameLineEdit");
            if (shown) {
                dialog.show();
                QTest::mouseClick(dialog.findChild<QRadioButton *>("FourLanesRadioButton"),
                                  Qt::LeftButton);
                edit->clear();
                QTest::keyClicks(edit, "Oval");
                // Enter hands the name over and also presses the default button.
                QTest::keyClick(edit, Qt::Key_Return);
            } else {
                edit->setText("Oval");
                closeDialog(dialog);
            }
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(name, QString("Oval"));
            QCOMPARE(lanes, shown ? 4 : 2);
        }
    }

    void addTrackReplaceOffersNoBankedTurns()
    {
        AddTrackDialog dialog("replace", nullptr, nullptr);
        dialog.show();
        // Not even the empty box and its labels are left.
        QVERIFY(!dialog.findChild<QGroupBox *>("bankedGroupBox")->isVisible());
        for (const char *name : {"R3625_LToolButton", "R3625_RToolButton"})
            QVERIFY(!dialog.findChild<QToolButton *>(name)->isVisible());
        QVERIFY(!dialog.findChild<QComboBox *>("turnComboBox")->isVisible());
    }

    // What the chooser shows and what OK returns must agree: "<checked
    // buttons> | <selection field> | <selection> <turn angle>".
    void addTrackButtonsAndChoiceAgree_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("turn"); // the turn list's row, or -1 untouched
        QTest::addColumn<QString>("answer");
        QTest::newRow("only the last checked piece stays checked")
            << QStringList{"R3601_R", "R3625_R", "R3610_L"} << -1
            << "R3610_L | R3610_L | R3610_L 30 deg";
        QTest::newRow("a second click clears button and choice")
            << QStringList{"R3604_L", "R3604_L"} << -1 << " |  |  30 deg";
        QTest::newRow("a third click sets both again")
            << QStringList{"R3604_L", "R3604_L", "R3604_L"} << -1
            << "R3604_L | R3604_L | R3604_L 30 deg";
        QTest::newRow("banked turn with its angle")
            << QStringList{"R3625_L"} << 7 << "R3625_L | R3625_L | R3625_L 240 deg";
    }
    void addTrackButtonsAndChoiceAgree()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, turn);
        QFETCH(QString, answer);
        AddTrackDialog dialog("insert", nullptr, nullptr);
        dialog.show();
        for (const QString &name : clicks)
            QTest::mouseClick(dialog.findChild<QToolButton *>(name + "ToolButton"), Qt::LeftButton);
        if (turn >= 0)
            dialog.findChild<QComboBox *>("turnComboBox")->setCurrentIndex(turn);
        QStringList checked;
        for (QToolButton *button : dialog.findChildren<QToolButton *>()) {
            if (button->isChecked())
                checked << button->objectName().remove("ToolButton");
        }
        QCOMPARE(closeDialog(dialog), int(QDialog::Accepted));
        QCOMPARE(QStringLiteral("%1 | %2 | %3 %4")
                     .arg(checked.join(' '),
                          dialog.findChild<QLineEdit *>("selectedLineEdit")->text(),
                          dialog.selection(), dialog.angleText()),
                 answer);
    }

    // Which flags light which colour is checked through the window by
    // test_filecommands and test_undo; here the lamp paints it. The light
    // falls from the upper left, so the middle shows the centre colour about
    // halfway to the edge colour.
    void lampPaintsTheColourOfTheFlagsLitAndDarkWhenNot()
    {
        QLedIndicator lamp;
        lamp.resize(30, 30);
        lamp.showSaveStatus(true, false);
        QCOMPARE(unlikeMiddle(lamp, QColor(224, 224, 0)), QString());
        // Not a state the commands make: the lamp keeps the colour it had.
        lamp.showSaveStatus(true, true);
        QCOMPARE(unlikeMiddle(lamp, QColor(224, 224, 0)), QString());
        lamp.setChecked(false);
        QCOMPARE(unlikeMiddle(lamp, QColor(0, 74, 0)), QString());
    }

    // The two attachment choosers: which places they refuse while another
    // is taken, what OK hands back, and what each host shows.
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

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
