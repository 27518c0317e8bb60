#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QLabel;
class QLineEdit;
class QToolButton;

// The dialog that edits a banked turn: a button for each of up to eight
// curves, the turn's total angle, and the crash fences on the curves and on
// the two transitions. It only answers; the banked command changes the turn.
class BankedDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kCurveButtons = 8;

    // aDirection "left" or "right" names the turn's hand; aCurves is the
    // number of curves it holds, of which at most eight are shown checked
    // (a note says so for a larger turn). aFenced checks "All Curved Pieces"
    // for a turn whose curves carry their fences, so that accepting keeps them.
    BankedDialog(const QString &aDirection, int aCurves, bool aFenced, QWidget *aParent = nullptr);

    // The curves the turn is to hold: the checked buttons, and for a turn of
    // more than eight curves also those not shown.
    int curveCount() const;
    int totalAngle() const { return mTotalAngle; }
    bool fences() const { return mFences; }
    bool transitions() const { return mTransitions; }

public slots:
    void on_F8517a_ToolButton_clicked(bool aChecked);
    void on_F8517b_ToolButton_clicked(bool aChecked);
    void on_F8517c_ToolButton_clicked(bool aChecked);
    void on_F8517d_ToolButton_clicked(bool aChecked);
    void on_F8517e_ToolButton_clicked(bool aChecked);
    void on_F8517f_ToolButton_clicked(bool aChecked);
    void on_F8517g_ToolButton_clicked(bool aChecked);
    void on_F8517h_ToolButton_clicked(bool aChecked);
    void on_R3628o_ToolButton_clicked(bool aChecked);
    void on_R3628o_transToolButton_clicked(bool aChecked);
    void on_buttonBox_accepted();

private:
    void buildTree();
    QWidget *buildPictureGroup();
    QToolButton *makeFenceButton(const QString &aObjectName);
    void curveClicked(bool aChecked);
    void showTotal();

    int mCurves = 0;  // the turn's curves when the dialog opened
    int mChecked = 0; // curve buttons checked now
    int mTotalAngle = 0;
    bool mFences = false;
    bool mTransitions = false;
    std::array<QToolButton *, kCurveButtons> mCurveButtons{};
    QToolButton *mFenceButton = nullptr;
    QToolButton *mTransButton = nullptr;
    QLabel *mNoteLabel = nullptr;
    QLineEdit *mTotalAngleLineEdit = nullptr;
};
