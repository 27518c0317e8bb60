#include "LayoutScreen.h"

#include "layout/Chaining.h"
#include "layout/LayoutRecord.h"

#include <QLineEdit>

namespace {

void writeLineEdit(QLineEdit *aEdit, const QString &aText)
{
    if (aEdit)
        aEdit->setText(aText);
}

} // namespace

void LayoutScreen::showChainEnd(const LayoutRecord &aRecord) const
{
    writeLineEdit(mCurrentPosXLineEdit, QString::asprintf("%.2lf", aRecord.mForwardPt.x()));
    writeLineEdit(mCurrentPosYLineEdit, QString::asprintf("%.2lf", aRecord.mForwardPt.y()));
    writeLineEdit(mCurrentAngLineEdit,
                  QString::number(Chaining::displayedAngle(aRecord.mForwardAngle)));
    writeLineEdit(mCurrentIndexLineEdit, QString::number(aRecord.mNextIndex));
}
