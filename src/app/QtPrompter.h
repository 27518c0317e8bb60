#pragma once

#include "common/Prompter.h"

class QWidget;

// The desktop's prompter: real message boxes and file dialogs over aParent,
// and the print dialog.
class QtPrompter : public Prompter
{
public:
    explicit QtPrompter(QWidget *aParent = nullptr) : mParent(aParent) {}

    void message(const QString &aText) override;
    void titledMessage(const QString &aTitle, const QString &aText) override;
    // Shown over the modal dialog in front, if any, so that it is seen.
    void timedMessage(const QString &aTitle, const QString &aText, int aMs) override;
    bool question(const QString &aTitle, const QString &aText) override;
    QString openFileName(const QString &aCaption, const QString &aDir,
                         const QString &aFilter) override;
    QString saveFileName(const QString &aCaption, const QString &aDir,
                         const QString &aFilter) override;
    bool print(QPrinter &aPrinter) override;

private:
    QWidget *mParent;
};
