#pragma once

#include <array>

class QCheckBox;
class QDial;
class QGroupBox;
class QLabel;
class QLedIndicator;
class QLineEdit;
class QPushButton;
class QSlider;
class QTableWidget;
struct LayoutRecord;

// The display widgets of one layout tab, gathered so that the tab's scene and
// the main window's slots can write into them. The widgets belong to the
// window; every pointer stays null until the tabs are built, so writers test
// before they write.
struct LayoutScreen
{
    int mTab = 0; // 1 to 8
    QLineEdit *mNameLineEdit = nullptr;
    QLineEdit *mFilePathLineEdit = nullptr;
    QLineEdit *mLanesLineEdit = nullptr;
    QLineEdit *mCurrentIndexLineEdit = nullptr;
    QLedIndicator *mModifiedLed = nullptr;
    QLineEdit *mCurrentPosXLineEdit = nullptr;
    QLineEdit *mCurrentPosYLineEdit = nullptr;
    QLineEdit *mCurrentAngLineEdit = nullptr;
    QLineEdit *mScaleLineEdit = nullptr;
    QSlider *mScaleSlider = nullptr;
    QLineEdit *mRotateLineEdit = nullptr;
    QCheckBox *mLockRotationCheckBox = nullptr;
    QDial *mRotateDial = nullptr;
    QLabel *mSizeLabel = nullptr;
    QLineEdit *mWidthLineEdit = nullptr;
    QLineEdit *mHeightLineEdit = nullptr;
    QGroupBox *mLaneLengthGroupBox = nullptr;
    std::array<QLineEdit *, 4> mLaneLineEdit{{nullptr, nullptr, nullptr, nullptr}}; // lanes 1 to 4
    std::array<QLabel *, 4> mLaneLabel{{nullptr, nullptr, nullptr, nullptr}};
    QLineEdit *mBtnActiveLineEdit = nullptr;
    QLineEdit *mLastBtnLineEdit = nullptr;
    QLineEdit *mModeLineEdit = nullptr;
    QTableWidget *mTrackTable = nullptr;
    // The checks of the layout: closure, colliding pieces, lane balance per
    // strip (lanes 1 and 2, lanes 3 and 4; HintButton of the window, whose
    // hints fit the room they have) and the straight each balance hint
    // selects when clicked, -1 for none.
    QLineEdit *mClosureLineEdit = nullptr;
    QLineEdit *mOverlapsLineEdit = nullptr;
    std::array<QPushButton *, 2> mBalanceButton{{nullptr, nullptr}};
    std::array<int, 2> mSwapHint{{-1, -1}};
    int mActiveButton = 0;     // toolbox button id, 0 = none
    unsigned char mFilled = 1; // appearance: 1 filled, 0 hollow

    // Shows where aRecord's chain ends, where the next piece goes: the end
    // point, the angle truncated toward zero, and the number of pieces laid.
    void showChainEnd(const LayoutRecord &aRecord) const;
};
