#include "app/LaneColorDialog.h"
#include "app/QLedIndicator.h"
#include "app/newLayoutDialog.h"
#include "layout/AddTrackDialog.h"
#include "support/TestRuntime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

namespace {

template <typename T> T *child(QWidget &aDialog, const char *aName)
{
    T *widget = aDialog.findChild<T *>(QLatin1String(aName));
    if (!widget)
        qFatal("no child %s", aName);
    return widget;
}

void clickOk(QWidget &aDialog)
{
    QTest::mouseClick(child<QDialogButtonBox>(aDialog, "buttonBox")->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
}

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
private slots:
    void lightLaneColoursAreLabelledOnTan()
    {
        QCOMPARE(laneLabelStyleSheet("red"),
                 QString("QLabel { color: red; background-color: beige;}"));
        QCOMPARE(laneLabelStyleSheet("white"),
                 QString("QLabel { color: white; background-color: tan;}"));
    }

    // Cancel is driven through the window by test_surface.
    void laneColorsOkHandsBackTheChosenNamesAndScopes_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("checkDefault");
        QTest::addColumn<bool>("forLayout");
        QTest::newRow("layout only") << 4 << false << true;
        QTest::newRow("Stats tab, layout box ignored") << 0 << true << false;
    }
    void laneColorsOkHandsBackTheChosenNamesAndScopes()
    {
        QFETCH(int, tab);
        QFETCH(bool, checkDefault);
        QFETCH(bool, forLayout);
        TestRuntime runtime;
        LaneColorDialog dialog(tab, {"white", "black", "red", "blue"},
                               {"red", "green", "blue", "yellow"});
        dialog.show();
        child<QCheckBox>(dialog, "layoutCheckBox")->setChecked(true);
        child<QCheckBox>(dialog, "defaultCheckBox")->setChecked(checkDefault);
        child<QComboBox>(dialog, "lane4ColorComboBox")->setCurrentIndex(5);
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.useForLayout(), forLayout);
        QCOMPARE(dialog.useAsDefault(), checkDefault);
        QCOMPARE(dialog.chosenNames(), QStringList({"white", "black", "red", "magenta"}));
    }

    void newLayoutTakesTheTypedName_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("Return in the shown dialog, four lanes") << true;
        // Never shown, so no focus moves: only OK itself can hand the name over.
        QTest::newRow("OK while the field has the focus") << false;
    }
    void newLayoutTakesTheTypedName()
    {
        QFETCH(bool, shown);
        TestRuntime runtime;
        int lanes = 0;
        QString name = "unnamed1";
        newLayoutDialog dialog(&lanes, &name);
        auto *edit = child<QLineEdit>(dialog, "nameLineEdit");
        if (shown) {
            dialog.show();
            QTest::mouseClick(child<QRadioButton>(dialog, "FourLanesRadioButton"), Qt::LeftButton);
            edit->clear();
            QTest::keyClicks(edit, "Oval");
            // Enter hands the name over and also presses the default button.
            QTest::keyClick(edit, Qt::Key_Return);
        } else {
            edit->setText("Oval");
            child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(name, QString("Oval"));
        QCOMPARE(lanes, shown ? 4 : 2);
    }

    void addTrackReplaceOffersNoBankedTurns()
    {
        TestRuntime runtime;
        AddTrackDialog dialog("replace", nullptr, nullptr);
        for (const char *name : {"R3625_LToolButton", "R3625_RToolButton"})
            QVERIFY(child<QToolButton>(dialog, name)->isHidden());
        QVERIFY(child<QComboBox>(dialog, "turnComboBox")->isHidden());
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
        TestRuntime runtime;
        AddTrackDialog dialog("insert", nullptr, nullptr);
        dialog.show();
        for (const QString &name : clicks)
            QTest::mouseClick(child<QToolButton>(dialog, qPrintable(name + "ToolButton")),
                              Qt::LeftButton);
        if (turn >= 0)
            child<QComboBox>(dialog, "turnComboBox")->setCurrentIndex(turn);
        QStringList checked;
        for (QToolButton *button : dialog.findChildren<QToolButton *>()) {
            if (button->isChecked())
                checked << button->objectName().remove("ToolButton");
        }
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QStringLiteral("%1 | %2 | %3 %4")
                     .arg(checked.join(' '), child<QLineEdit>(dialog, "selectedLineEdit")->text(),
                          dialog.selection(), dialog.angleText()),
                 answer);
    }

    // Which flags light which colour is checked through the window by
    // test_filecommands and test_undo; here the lamp paints it. The light
    // falls from the upper left, so the middle shows the centre colour about
    // halfway to the edge colour.
    void lampPaintsTheColourOfTheFlagsLitAndDarkWhenNot()
    {
        TestRuntime runtime;
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
