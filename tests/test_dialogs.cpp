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

} // namespace

// The lane colour chooser, the new-layout dialog and the add-track chooser,
// driven through their buttons as a user would, without a modal loop; and the
// save-status lamp as it paints a layout's flags.
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
};

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
