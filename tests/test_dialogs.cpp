#include "app/LaneColorDialog.h"
#include "app/newLayoutDialog.h"
#include "layout/AddTrackDialog.h"
#include "support/TestRuntime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
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
        for (const char *name : {"red", "unknown"})
            QTest::newRow(name) << name << beige.arg(name);
        for (const char *name : {"yellow", "cyan", "white"})
            QTest::newRow(name) << name << tan.arg(name);
        // The light-colour test is by exact name, like the names themselves.
        QTest::newRow("White is not white") << "White" << beige.arg("White");
    }

    void laneLabelStyleUsesTanBehindLightColours()
    {
        QFETCH(QString, name);
        QFETCH(QString, style);
        QCOMPARE(laneLabelStyleSheet(name), style);
    }

    void colourDialogOffersTheEightNamesAndStartsOnTheLayoutsColours()
    {
        TestRuntime runtime;
        LaneColorDialog dialog(3, kLaneNames, kDefaultNames);
        QCOMPARE(dialog.windowTitle(), QString("Lane Color Selector"));
        const QStringList eight{"red",  "green",   "blue",  "yellow",
                                "cyan", "magenta", "black", "white"};
        for (int lane = 1; lane <= 4; ++lane) {
            const QByteArray combo =
                QByteArray("lane") + QByteArray::number(lane) + "ColorComboBox";
            auto *box = child<QComboBox>(dialog, combo.constData());
            QStringList items;
            for (int i = 0; i < box->count(); ++i)
                items << box->itemText(i);
            QCOMPARE(items, eight);
            QCOMPARE(box->currentText(), kLaneNames[lane - 1]);
            const QByteArray line = QByteArray("lane") + QByteArray::number(lane) + "Line";
            QCOMPARE(child<QFrame>(dialog, line.constData())->styleSheet(),
                     "background-color: " + kLaneNames[lane - 1] + ";");
            const QByteArray defLine = QByteArray("defLane") + QByteArray::number(lane) + "Line";
            QCOMPARE(child<QFrame>(dialog, defLine.constData())->styleSheet(),
                     "background-color: " + kDefaultNames[lane - 1] + ";");
        }
        QCOMPARE(dialog.chosenNames(), kLaneNames);
        QCOMPARE(child<QCheckBox>(dialog, "layoutCheckBox")->text(),
                 QString("Use colors for selected layout"));
        QCOMPARE(child<QCheckBox>(dialog, "defaultCheckBox")->text(),
                 QString("Use colors for all new layouts (set as default)"));
    }

    void choosingAColourChangesOnlyThatLanesSwatch()
    {
        TestRuntime runtime;
        LaneColorDialog dialog(2, kLaneNames, kDefaultNames);
        dialog.show();
        child<QComboBox>(dialog, "lane2ColorComboBox")->setCurrentIndex(4);
        QCOMPARE(child<QFrame>(dialog, "lane2Line")->styleSheet(),
                 QString("background-color: cyan;"));
        QCOMPARE(child<QFrame>(dialog, "lane1Line")->styleSheet(),
                 QString("background-color: white;"));
        // The default swatches show the defaults as they were on opening.
        QCOMPARE(child<QFrame>(dialog, "defLane2Line")->styleSheet(),
                 QString("background-color: green;"));
        QCOMPARE(dialog.chosenNames(), QStringList({"white", "cyan", "red", "blue"}));
    }

    void okHandsBackTheChosenNamesAndScopes_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("checkLayout");
        QTest::addColumn<bool>("checkDefault");
        QTest::addColumn<bool>("forLayout");
        QTest::addColumn<bool>("asDefault");
        QTest::newRow("layout only") << 4 << true << false << true << false;
        QTest::newRow("default only") << 4 << false << true << false << true;
        QTest::newRow("neither") << 8 << false << false << false << false;
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
        // The layout box starts checked unless the Stats tab shows.
        QCOMPARE(child<QCheckBox>(dialog, "layoutCheckBox")->isChecked(), tab != 0);
        QVERIFY(!child<QCheckBox>(dialog, "defaultCheckBox")->isChecked());
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

    void newLayoutDialogStartsOnTwoLanesWithTheCallersName()
    {
        TestRuntime runtime;
        int lanes = 4;
        QString name = "unnamed3";
        newLayoutDialog dialog(&lanes, &name);
        QCOMPARE(lanes, 2);
        QCOMPARE(dialog.windowTitle(), QString("New Layout"));
        QVERIFY(child<QRadioButton>(dialog, "TwoLanesRadioButton")->isChecked());
        QCOMPARE(child<QLineEdit>(dialog, "nameLineEdit")->text(), QString("unnamed3"));
        QCOMPARE(child<QLabel>(dialog, "noteLabel")->text(),
                 QString("<html><head/><body><p>Note: The Layout screen will be cleared if "
                         "&quot;OK&quot; is selected.</p></body></html>"));
    }

    void laneButtonsSetTheLaneCount()
    {
        TestRuntime runtime;
        int lanes = 0;
        QString name = "unnamed1";
        newLayoutDialog dialog(&lanes, &name);
        dialog.show();
        QTest::mouseClick(child<QRadioButton>(dialog, "FourLanesRadioButton"), Qt::LeftButton);
        QCOMPARE(lanes, 4);
        QTest::mouseClick(child<QRadioButton>(dialog, "TwoLanesRadioButton"), Qt::LeftButton);
        QCOMPARE(lanes, 2);
        QTest::mouseClick(child<QRadioButton>(dialog, "FourLanesRadioButton"), Qt::LeftButton);
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

    void newLayoutCancelClosesRejected()
    {
        TestRuntime runtime;
        int lanes = 0;
        QString name = "unnamed5";
        newLayoutDialog dialog(&lanes, &name);
        dialog.show();
        clickBox(dialog, QDialogButtonBox::Cancel);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // --- add track ------------------------------------------------------

    void chooserModeSetsTextsAndBankedChoices_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("banked");
        QTest::newRow("insert") << "insert"
                                << "Insert Track Piece"
                                << "Insert: New track piece goes BEFORE selected track piece"
                                << true;
        QTest::newRow("append") << "append"
                                << "Append Track Piece"
                                << "Append: New track piece goes AFTER selected track piece"
                                << true;
        QTest::newRow("replace") << "replace"
                                 << "Replace Track Piece"
                                 << "Replace: New track piece replaces selected track piece"
                                 << false;
    }

    void chooserModeSetsTextsAndBankedChoices()
    {
        QFETCH(QString, mode);
        QFETCH(QString, title);
        QFETCH(QString, note);
        QFETCH(bool, banked);
        TestRuntime runtime;
        AddTrackDialog dialog(mode, nullptr, nullptr);
        QCOMPARE(dialog.windowTitle(), QString("Add Track Piece"));
        QCOMPARE(child<QLabel>(dialog, "titleLabel")->text(), title);
        QCOMPARE(child<QLabel>(dialog, "noteLabel")->text(), note);
        for (const char *name : {"R3625_LToolButton", "R3625_RToolButton"}) {
            auto *button = child<QToolButton>(dialog, name);
            QCOMPARE(button->isHidden(), !banked);
            QCOMPARE(button->isEnabled(), banked);
        }
        auto *turns = child<QComboBox>(dialog, "turnComboBox");
        QCOMPARE(turns->isHidden(), !banked);
        QCOMPARE(turns->isEnabled(), banked);
        QVERIFY(child<QToolButton>(dialog, "emptyToolButton")->isHidden());
        QVERIFY(!child<QToolButton>(dialog, "R3600ToolButton")->isHidden());
        QVERIFY(child<QLineEdit>(dialog, "selectedLineEdit")->text().isEmpty());
        QVERIFY(child<QLineEdit>(dialog, "selectedLineEdit")->isReadOnly());
    }

    void eachPieceButtonSelectsItsPartNumber_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("selection");
        // One of each kind: plain, right and left hand, banked.
        const char *rows[][3] = {
            {"R3620dcToolButton", "R3620dc", "R3620dc"},
            {"R3627_RToolButton", "R3627", "R3627_R"},
            {"R3610_LToolButton", "R3610", "R3610_L"},
            {"R3625_LToolButton", "R3625L", "R3625_L"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[0] << row[1] << row[2];
    }

    void eachPieceButtonSelectsItsPartNumber()
    {
        QFETCH(QString, button);
        QFETCH(QString, toolTip);
        QFETCH(QString, selection);
        TestRuntime runtime;
        QString part = "untouched";
        QString angle;
        AddTrackDialog dialog("append", &part, &angle);
        dialog.show();
        auto *tool = child<QToolButton>(dialog, button.toLatin1().constData());
        QCOMPARE(tool->toolTip(), toolTip);
        QVERIFY(tool->isCheckable());
        QVERIFY(!tool->isChecked());
        QTest::mouseClick(tool, Qt::LeftButton);
        QVERIFY(tool->isChecked());
        QCOMPARE(child<QLineEdit>(dialog, "selectedLineEdit")->text(), selection);
        QCOMPARE(dialog.chosenType(),
                 DiagramTypeBase::DiagramType(
                     QMetaEnum::fromType<DiagramTypeBase::DiagramType>().keyToValue(
                         selection.toLatin1().constData())));
        clickBox(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(part, selection);
    }

    void onlyTheLastCheckedPieceStaysChecked()
    {
        TestRuntime runtime;
        QString part;
        QString angle;
        AddTrackDialog dialog("insert", &part, &angle);
        dialog.show();
        clickTool(dialog, "R3601_RToolButton");
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
        // A plain piece after a banked turn unchecks the turn too.
        clickTool(dialog, "R3625_RToolButton");
        clickTool(dialog, "R3600ToolButton");
        QVERIFY(!child<QToolButton>(dialog, "R3625_RToolButton")->isChecked());
        QVERIFY(!child<QToolButton>(dialog, "R3610_LToolButton")->isChecked());
        clickBox(dialog, QDialogButtonBox::Ok);
        QCOMPARE(part, QString("R3600"));
        QCOMPARE(dialog.chosenType(), DiagramTypeBase::R3600);
    }

    void clickingTheCheckedPieceAgainLeavesNoChoice()
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
        // Checking another afterwards still works from the cleared state.
        clickTool(dialog, "R3609ToolButton");
        clickTool(dialog, "R3609ToolButton");
        clickBox(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(part.isEmpty());
        QCOMPARE(dialog.chosenType(), DiagramTypeBase::R9999);
        QCOMPARE(angle, QString("30 deg"));
    }

    void bankedTurnReturnsItsAngle_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<int>("degrees");
        QTest::newRow("right 90") << "R3625_RToolButton" << 2 << "R3625_R"
                                  << "90 deg" << 90;
        QTest::newRow("left 240") << "R3625_LToolButton" << 7 << "R3625_L"
                                  << "240 deg" << 240;
    }

    void bankedTurnReturnsItsAngle()
    {
        QFETCH(QString, button);
        QFETCH(int, index);
        QFETCH(QString, part);
        QFETCH(QString, angle);
        QFETCH(int, degrees);
        TestRuntime runtime;
        QString chosenPart;
        QString chosenAngle;
        AddTrackDialog dialog("insert", &chosenPart, &chosenAngle);
        dialog.show();
        auto *turns = child<QComboBox>(dialog, "turnComboBox");
        QStringList items;
        for (int i = 0; i < turns->count(); ++i)
            items << turns->itemText(i);
        QCOMPARE(items, QStringList({"30 deg", "60 deg", "90 deg", "120 deg", "150 deg", "180 deg",
                                     "210 deg", "240 deg"}));
        QCOMPARE(turns->currentIndex(), 0);
        QCOMPARE(child<QToolButton>(dialog, button.toLatin1().constData())->text(),
                 QString("R3625"));
        clickTool(dialog, button.toLatin1().constData());
        turns->setCurrentIndex(index);
        clickBox(dialog, QDialogButtonBox::Ok);
        QCOMPARE(chosenPart, part);
        QCOMPARE(chosenAngle, angle);
        QCOMPARE(dialog.turnAngle(), degrees);
    }

    void replaceStillReturnsTheFirstAngle()
    {
        TestRuntime runtime;
        QString part;
        QString angle;
        AddTrackDialog dialog("replace", &part, &angle);
        dialog.show();
        clickTool(dialog, "R3621_RToolButton");
        clickBox(dialog, QDialogButtonBox::Ok);
        QCOMPARE(part, QString("R3621_R"));
        QCOMPARE(angle, QString("30 deg"));
    }

    void cancelLeavesTheCallersTextsAlone()
    {
        TestRuntime runtime;
        QString part = "before";
        QString angle = "before";
        AddTrackDialog dialog("append", &part, &angle);
        dialog.show();
        clickTool(dialog, "R3608ToolButton");
        clickBox(dialog, QDialogButtonBox::Cancel);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(part, QString("before"));
        QCOMPARE(angle, QString("before"));
    }

    void picturesComeFromTheDataFolderAndMayBeMissing()
    {
        TestRuntime runtime;
        {
            AddTrackDialog dialog("append", nullptr, nullptr);
            QVERIFY(child<QToolButton>(dialog, "R3625_RToolButton")->icon().isNull());
            QVERIFY(child<QLabel>(dialog, "legendLabel")->pixmap(Qt::ReturnByValue).isNull());
        }
        QVERIFY(QDir().mkpath("../data/track_pieces/catalog"));
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::darkGray);
        QVERIFY(picture.save("../data/track_pieces/catalog/r3625_Rq.jpg"));
        QVERIFY(picture.save("../data/track_pieces/catalog/legend.jpg"));
        AddTrackDialog dialog("append", nullptr, nullptr);
        auto *right = child<QToolButton>(dialog, "R3625_RToolButton");
        QVERIFY(!right->icon().isNull());
        QCOMPARE(right->iconSize(), QSize(257, 184));
        QVERIFY(child<QToolButton>(dialog, "R3625_LToolButton")->icon().isNull());
        QCOMPARE(child<QLabel>(dialog, "legendLabel")->pixmap(Qt::ReturnByValue).size(),
                 QSize(20, 10));
        QCOMPARE(child<QToolButton>(dialog, "R3600ToolButton")->iconSize(), QSize(60, 60));
    }
};

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
