#include "TabControls.h"

#include "layout/LayoutScreen.h"
#include "ToolBoxBuilder.h"
#include "layout/LayoutRecord.h"
#include "layout/ViewMath.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDial>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QTableWidget>

namespace TabControls {

double viewAngle(const LayoutScreen &aScreen, const LayoutRecord &aRecordA)
{
    if (aScreen.mLockRotationCheckBox->isChecked())
        return aRecordA.mForwardAngle;
    return aScreen.mRotateDial->value();
}

void refreshViewTransform(const LayoutScreen &aScreen, QGraphicsView *aView,
                          const LayoutRecord &aRecordA)
{
    const double angle = viewAngle(aScreen, aRecordA);
    const double scale = ViewMath::scaleForSliderValue(aScreen.mScaleSlider->value());
    QTransform transform;
    transform.rotate(-angle);
    transform.scale(scale, scale);
    if (aView)
        aView->setTransform(transform, false);
    aScreen.mRotateLineEdit->setText(ViewMath::rotationText(angle));
}

void rotateDialChanged(const LayoutScreen &aScreen, QGraphicsView *aView,
                       const LayoutRecord &aRecordA, int aValue)
{
    refreshViewTransform(aScreen, aView, aRecordA);
    // The field answers the dial the user is turning, even while the view
    // follows the track; every tab behaves alike.
    aScreen.mRotateLineEdit->setText(QString::number(aValue));
}

void scaleSliderChanged(const LayoutScreen &aScreen, QGraphicsView *aView,
                        const LayoutRecord &aRecordA, int aValue)
{
    refreshViewTransform(aScreen, aView, aRecordA);
    aScreen.mScaleLineEdit->setText(ViewMath::scaleText(ViewMath::scaleForSliderValue(aValue)));
}

void zoomAbout(const LayoutScreen &aScreen, QGraphicsView *aView, const QPoint &aViewportPos,
               int aSteps)
{
    if (!aView || aSteps == 0)
        return;
    const QPointF anchor = aView->mapToScene(aViewportPos);
    aScreen.mScaleSlider->setValue(aScreen.mScaleSlider->value() + aSteps);
    // The new transform kept the view's centre; scroll the anchor back under the mouse.
    const QPoint drift = aView->mapFromScene(anchor) - aViewportPos;
    aView->horizontalScrollBar()->setValue(aView->horizontalScrollBar()->value() + drift.x());
    aView->verticalScrollBar()->setValue(aView->verticalScrollBar()->value() + drift.y());
}

bool fitToView(const LayoutScreen &aScreen, QGraphicsView *aView, const LayoutRecord &aRecordA)
{
    // Pixels kept clear around the layout, so its edge pieces do not touch the frame.
    constexpr int kBorder = 12;
    if (!aView || !aView->scene())
        return false;
    const QRectF bounds = aView->scene()->itemsBoundingRect();
    const QSize room = aView->viewport()->size() - QSize(2 * kBorder, 2 * kBorder);
    const double scale = ViewMath::fitScale(bounds, viewAngle(aScreen, aRecordA), room);
    if (!(scale > 0.0))
        return false;
    aScreen.mScaleSlider->setValue(ViewMath::sliderValueForScale(scale));
    aView->centerOn(bounds.center());
    return true;
}

void setUnitTitles(const LayoutScreen &aScreen, const QString &aUnit)
{
    aScreen.mLaneLengthGroupBox->setTitle(QStringLiteral("Lane Lengths (%1)").arg(aUnit));
    aScreen.mSizeLabel->setText(QStringLiteral("Layout Size (%1)").arg(aUnit));
    aScreen.mSizeLabel->adjustSize();
}

void resetToolSelection(LayoutScreen &aScreen, const ToolBoxParts &aToolBox)
{
    aToolBox.clearPieceSelection();
    aScreen.mBtnActiveLineEdit->clear();
    aScreen.mLastBtnLineEdit->setText(QStringLiteral("0"));
    aScreen.mActiveButton = 0;
}

bool applyPieceButtonClick(QButtonGroup *aGroup, int aId, LayoutScreen &aScreen)
{
    QAbstractButton *clicked = aGroup->button(aId);
    if (!clicked)
        return false;
    const bool checked = clicked->isChecked();
    if (checked) {
        for (QAbstractButton *other : aGroup->buttons()) {
            if (other != clicked)
                other->setChecked(false);
        }
        aScreen.mBtnActiveLineEdit->setText(clicked->toolTip());
        aScreen.mLastBtnLineEdit->setText(QString::number(aId));
        aScreen.mActiveButton = aId;
    } else {
        aScreen.mBtnActiveLineEdit->clear();
        aScreen.mLastBtnLineEdit->clear();
        aScreen.mActiveButton = 0;
    }
    return checked;
}

void setZeroRowsHidden(QTableWidget *aTable, int aColumn, bool aHide, QTableWidget *aAlso)
{
    for (int row = 0; row < aTable->rowCount(); ++row) {
        if (aHide) {
            const QTableWidgetItem *item = aTable->item(row, aColumn);
            if (!item || item->text() != QLatin1String("0"))
                continue;
        } else if (!aTable->isRowHidden(row)) {
            continue;
        }
        aTable->setRowHidden(row, aHide);
        // The Stats tables list the same parts row for row.
        if (aAlso && row < aAlso->rowCount())
            aAlso->setRowHidden(row, aHide);
    }
}

} // namespace TabControls
