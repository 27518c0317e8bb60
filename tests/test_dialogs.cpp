#include "app/LaneColorDialog.h"
#include "app/newLayoutDialog.h"
#include "layout/AddTrackDialog.h"
#include "support/TestRuntime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
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

void clickBox(QWidget &aDialog, QDialogButtonBox::StandardButton aButton)
{
    QTest::mouseClick(child<QDialogButtonBox>(aDialog, "buttonBox")->button(aButton),
                      Qt::LeftButton);
}

void clickTool(QWidget &aDialog, const char *aName)
{
    QTest::mouseClick(child<QToolButton>(aDialog, aName), Qt::LeftButton);
}

const QStringList kLaneNames{"white", "black", "red", "blue"};
const QStringList kDefaultNames{"red", "green", "blue", "yellow"};

} // namespace

// The lane colour chooser, the new-layout dialog and the add-track chooser,
// driven through their buttons as a user would, without a modal loop.
class DialogsTest : public QObject
{
    Q_OBJECT
private slots:
    // --- lane colours ---------------------------------------------------

    void laneLabelStyleUsesTanBehindLightColours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("style");
        const QString beige = "QLabel { color: %1; background-color: beige;}";
        const QString tan = "QLabel { color: %1; background-color: tan;}";
        QTest::newRow("red") << "red" << beige.arg("red");
        QTest::newRow("white") << "white" << tan.arg("white");
    }

    void laneLabelStyleUsesTanBehindLightColours()
    {
        QFETCH(QString, name);
        QFETCH(QString, style);
        QCOMPARE(laneLabelStyleSheet(name), style);
    }

    void okHandsBackTheChosenNamesAndScopes_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("checkLayout");
        QTest::addColumn<bool>("checkDefault");
        QTest::addColumn<bool>("forLayout");
        QTest::addColumn<bool>("asDefault");
        QTest::newRow("layout only") << 4 << true << false << true << false;
        QTest::newRow("Stats tab, layout box ignored") << 0 << true << true << false << true;
    }

    void okHandsBackTheChosenNamesAndScopes()
    {
        QFETCH(int, tab);
        QFETCH(bool, checkLayout);
        QFETCH(bool, checkDefault);
        QFETCH(bool, forLayout);
        QFETCH(bool, asDefault);
        TestRuntime runtime;
        LaneColorDialog dialog(tab, kLaneNames, kDefaultNames);
        dialog.show();
        child<QCheckBox>(dialog, "layoutCheckBox")->setChecked(checkLayout);
        child<QCheckBox>(dialog, "defaultCheckBox")->setChecked(checkDefault);
        child<QComboBox>(dialog, "lane4ColorComboBox")->setCurrentIndex(5);
        clickBox(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.useForLayout(), forLayout);
        QCOMPARE(dialog.useAsDefault(), asDefault);
        QCOMPARE(dialog.chosenNames(), QStringList({"white", "black", "red", "magenta"}));
    }

    void cancelHandsBackNothing()
    {
        TestRuntime runtime;
        LaneColorDialog dialog(1, kLaneNames, kDefaultNames);
        dialog.show();
        child<QCheckBox>(dialog, "defaultCheckBox")->setChecked(true);
        clickBox(dialog, QDialogButtonBox::Cancel);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.useForLayout());
        QVERIFY(!dialog.useAsDefault());
    }

    // --- new layout -----------------------------------------------------

    void laneButtonsSetTheLaneCount()
    {
        TestRuntime runtime;
        int lanes = 0;
        QString name = "unnamed1";
        newLayoutDialog dialog(&lanes, &name);
        dialog.show();
        QTest::mouseClick(child<QRadioButton>(dialog, "FourLanesRadioButton"), Qt::LeftButton);
        QCOMPARE(lanes, 4);
        auto *edit = child<QLineEdit>(dialog, "nameLineEdit");
        edit->clear();
        QTest::keyClicks(edit, "Oval");
        // Enter hands the name over and also presses the default button.
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(name, QString("Oval"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(lanes, 4);
        QCOMPARE(dialog.lanes(), 4);
    }

    void okTakesTheTypedNameEvenWhenTheFieldNeverLostFocus()
    {
        TestRuntime runtime;
        int lanes = 0;
        QString name = "unnamed2";
        newLayoutDialog dialog(&lanes, &name);
        // Never shown, so no focus moves: only OK itself can hand the name over.
        child<QLineEdit>(dialog, "nameLineEdit")->setText("Figure Eight");
        child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(name, QString("Figure Eight"));
        QCOMPARE(dialog.name(), QString("Figure Eight"));
    }

    // --- add track ------------------------------------------------------

    void replaceModeOffersNoBankedTurns()
    {
        TestRuntime runtime;
        AddTrackDialog dialog("replace", nullptr, nullptr);
        QCOMPARE(child<QLabel>(dialog, "noteLabel")->text(),
                 QString("Replace: New track piece replaces selected track piece"));
        for (const char *name : {"R3625_LToolButton", "R3625_RToolButton"})
            QVERIFY(child<QToolButton>(dialog, name)->isHidden());
        QVERIFY(child<QComboBox>(dialog, "turnComboBox")->isHidden());
    }

    void onlyTheLastCheckedPieceStaysChecked()
    {
        TestRuntime runtime;
        QString part;
        QString angle;
        AddTrackDialog dialog("insert", &part, &angle);
        dialog.show();
        clickTool(dialog, "R3601_RToolButton");
        clickTool(dialog, "R3625_RToolButton");
        clickTool(dialog, "R3610_LToolButton");
        const QList<QToolButton *> checked = [&] {
            QList<QToolButton *> list;
            for (QToolButton *button : dialog.findChildren<QToolButton *>())
                if (button->isChecked())
                    list << button;
            return list;
        }();
        QCOMPARE(checked.size(), 1);
        QCOMPARE(checked.first()->objectName(), QString("R3610_LToolButton"));
        QCOMPARE(checked.first()->toolTip(), QString("R3610"));
        QCOMPARE(child<QLineEdit>(dialog, "selectedLineEdit")->text(), QString("R3610_L"));
        clickBox(dialog, QDialogButtonBox::Ok);
        QCOMPARE(part, QString("R3610_L"));
        QCOMPARE(dialog.chosenType(), DiagramTypeBase::R3610_L);
    }

    void eachClickOnOnePieceTogglesTheChoiceWithTheButton()
    {
        TestRuntime runtime;
        QString part = "untouched";
        QString angle;
        AddTrackDialog dialog("append", &part, &angle);
        dialog.show();
        QVERIFY(child<QLineEdit>(dialog, "selectedLineEdit")->text().isEmpty());
        clickTool(dialog, "R3604_LToolButton");
        clickTool(dialog, "R3604_LToolButton");
        QVERIFY(!child<QToolButton>(dialog, "R3604_LToolButton")->isChecked());
        QVERIFY(child<QLineEdit>(dialog, "selectedLineEdit")->text().isEmpty());
        // A third click checks it again, and the choice is it again.
        clickTool(dialog, "R3604_LToolButton");
        QVERIFY(child<QToolButton>(dialog, "R3604_LToolButton")->isChecked());
        QCOMPARE(child<QLineEdit>(dialog, "selectedLineEdit")->text(), QString("R3604_L"));
        clickTool(dialog, "R3604_LToolButton");
        clickBox(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(part.isEmpty());
        QCOMPARE(dialog.chosenType(), DiagramTypeBase::R9999);
        QCOMPARE(angle, QString("30 deg"));
    }

    void bankedTurnReturnsItsAngle()
    {
        TestRuntime runtime;
        QString chosenPart;
        QString chosenAngle;
        AddTrackDialog dialog("insert", &chosenPart, &chosenAngle);
        dialog.show();
        clickTool(dialog, "R3625_LToolButton");
        child<QComboBox>(dialog, "turnComboBox")->setCurrentIndex(7);
        clickBox(dialog, QDialogButtonBox::Ok);
        QCOMPARE(chosenPart, QString("R3625_L"));
        QCOMPARE(chosenAngle, QString("240 deg"));
        QCOMPARE(dialog.turnAngle(), 240);
    }
};

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
