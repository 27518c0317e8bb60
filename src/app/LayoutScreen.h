#pragma once

#include <array>

class QCheckBox;
class QDial;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;
class QTableWidget;
class QWidget;

// The display widgets of one layout tab, in one place, so that the tab's
// scene and the main window's handlers write into the tab they serve without
// looking widgets up by name. The pointers are borrowed: the widgets belong
// to the tab page.
struct LayoutScreen
{
    int mTab = 0; // 1 to 8

    QLineEdit *mNameLineEdit = nullptr;         // layoutNNameLineEdit
    QLineEdit *mFilePathLineEdit = nullptr;     // filepathNLineEdit
    QLineEdit *mLanesLineEdit = nullptr;        // lanesNLineEdit
    QLineEdit *mCurrentIndexLineEdit = nullptr; // layoutNCurrentIndexLineEdit
    QWidget *mModifiedLed = nullptr;            // layoutNmodifiedLEDWidget (save status)

    QLineEdit *mCurrentPosXLineEdit = nullptr; // layoutNCurrentPosXLineEdit
    QLineEdit *mCurrentPosYLineEdit = nullptr; // layoutNCurrentPosYLineEdit
    QLineEdit *mCurrentAngLineEdit = nullptr;  // layoutNCurrentAngLineEdit

    QLineEdit *mScaleLineEdit = nullptr; // scaleNLineEdit
    QSlider *mScaleSlider = nullptr;     // scaleNHorizontalSlider

    QLineEdit *mRotateLineEdit = nullptr;       // rotateNLineEdit
    QCheckBox *mLockRotationCheckBox = nullptr; // lockNRotationCheckBox
    QDial *mRotateDial = nullptr;               // rotateNDial

    QLabel *mSizeLabel = nullptr;         // layoutNSizeLabel
    QLineEdit *mWidthLineEdit = nullptr;  // layoutNwidthLineEdit
    QLineEdit *mHeightLineEdit = nullptr; // layoutNheightLineEdit

    QGroupBox *mLaneLengthGroupBox = nullptr;     // laneLengthNGroupBox
    std::array<QLineEdit *, 4> mLaneLineEdit{{}}; // layoutNlane1LineEdit..4
    std::array<QLabel *, 4> mLaneLabel{{}};       // layoutNlane1Label..4

    QLineEdit *mBtnActiveLineEdit = nullptr; // layoutNbtnActiveLineEdit
    QLineEdit *mLastBtnLineEdit = nullptr;   // layoutNlastBtnLineEdit
    QLineEdit *mModeLineEdit = nullptr;      // layoutNmodeLineEdit

    QTableWidget *mTrackTable = nullptr; // trackTableNWidget

    int mActiveButtonId = 0;       // the toolbox button in use; 0 = none
    unsigned char mAppearance = 1; // 1 = filled, 0 = hollow
};
