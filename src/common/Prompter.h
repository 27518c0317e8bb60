#pragma once

#include <QString>

class QPrinter;

// The one seam through which every message box, question box, file dialog
// and print dialog of the program passes. The desktop installs one that
// shows real dialogs; tests install one that records the texts and answers
// from a script.
class Prompter
{
public:
    virtual ~Prompter() = default;

    // A plain message box without a title holding one sentence and an OK button.
    virtual void message(const QString &aText) = 0;
    // A message box titled aTitle holding aText and an OK button. A prompter
    // that cannot show a title shows the plain message.
    virtual void titledMessage(const QString &aTitle, const QString &aText);
    // A box titled aTitle holding aText that closes itself after aMs
    // milliseconds; it does not wait for the user. A prompter that cannot
    // time a box shows nothing.
    virtual void timedMessage(const QString &aTitle, const QString &aText, int aMs);
    // A question box with Yes and No; true when the answer is Yes.
    virtual bool question(const QString &aTitle, const QString &aText) = 0;
    // File dialogs; an empty text means the user cancelled.
    virtual QString openFileName(const QString &aCaption, const QString &aDir,
                                 const QString &aFilter) = 0;
    virtual QString saveFileName(const QString &aCaption, const QString &aDir,
                                 const QString &aFilter) = 0;
    // The print dialog for aPrinter, whose page set-up it starts from; true
    // when the user chose to print, with the printer set up as they chose.
    virtual bool print(QPrinter &aPrinter) = 0;
};

// The prompter in force. Never null: until one is installed, a silent one
// answers No and Cancel, so code without a window never blocks.
Prompter &prompter();
// Installs aPrompter (not owned); null restores the silent one. Returns the previous one.
Prompter *setPrompter(Prompter *aPrompter);
