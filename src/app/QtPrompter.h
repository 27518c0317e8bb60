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
    bool question(const QString &aTitle, const QString &aText) override;
    QString openFileName(const QString &aCaption, const QString &aDir,
                         const QString &aFilter) override;
    QString saveFileName(const QString &aCaption, const QString &aDir,
                         const QString &aFilter) override;
    bool print(QPrinter &aPrinter) override;

private:
    QWidget *mParent;
};
