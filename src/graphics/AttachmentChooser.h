#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QGridLayout;
class QLabel;
class QToolButton;

// What the two attachment choosers share: the frame (a grey dialog with the
// host's picture in a "Track Piece" box and OK and Cancel), their checkable
// picture buttons, and the refusal of a place that is taken. A chooser reads
// the caller's list of attachment names when it is made and rewrites it only
// on OK.
class AttachmentChooser : public QDialog
{
    Q_OBJECT
public:
    // The caller's list as it stands: the result once the chooser was accepted.
    const QStringList &names() const { return *mNames; }

protected:
    AttachmentChooser(QStringList *aNames, QWidget *aParent);

    // The grey frame: aGrid, which the chooser fills with its buttons, and
    // the button box below it. OK runs accept() and then the subclass's
    // on_buttonBox_accepted(), connected by name.
    void buildFrame(QGridLayout *aGrid);
    // The "Track Piece" box showing aPicture scaled to fit, with aToolTip.
    QWidget *hostPicture(const QString &aLabelName, const QString &aPicture,
                         const QString &aToolTip);
    // A checkable button named aObjectName with its text under its icon.
    QToolButton *makeButton(const QString &aObjectName);
    // Gives aButton the picture aIconFile (none when the file is missing),
    // aText as text and tool tip, icon size aIconSize; unchecked.
    static void dressButton(QToolButton *aButton, const QString &aIconFile, const QString &aText,
                            const QSize &aIconSize);
    // A place that is taken: the "Location Conflict" box for three seconds
    // and aButton unchecked again.
    void refuse(QToolButton *aButton, const QString &aText);

    QStringList *mNames;
};
