#pragma once

#include "common/Prompter.h"

#include <QQueue>
#include <QStringList>

#include <functional>

class QTabWidget;

// The test prompter: records every prompt as "kind|title|text" and answers
// from scripted queues (questions default to No, file dialogs to Cancel).
// Installs itself on construction and restores the previous one on destruction.
class RecordingPrompter : public Prompter
{
public:
    RecordingPrompter();
    ~RecordingPrompter() override;

    void message(const QString &aText) override;
    void titledMessage(const QString &aTitle, const QString &aText) override;
    // Recorded as "timed|title|text|milliseconds".
    void timedMessage(const QString &aTitle, const QString &aText, int aMs) override;
    bool question(const QString &aTitle, const QString &aText) override;
    QString openFileName(const QString &aCaption, const QString &aDir,
                         const QString &aFilter) override;
    QString saveFileName(const QString &aCaption, const QString &aDir,
                         const QString &aFilter) override;
    // Records "print||", lets mOnPrint set up the printer as a user would
    // in the dialog, then answers from mPrintAnswers (default Cancel).
    bool print(QPrinter &aPrinter) override;

    QStringList mLog;               // everything asked, in order
    QQueue<bool> mAnswers;          // answers to question()
    QQueue<QString> mFileNames;     // answers to the file dialogs
    QQueue<bool> mPrintAnswers;     // answers to print()
    std::function<void(QPrinter &)> mOnPrint;
    // Runs at every message, as the user reads it.
    std::function<void(const QString &)> mOnMessage;
    // The index of mTabs's tab in front at each question, -1 without mTabs.
    QTabWidget *mTabs = nullptr;
    QList<int> mTabsAtQuestion;

private:
    Prompter *mPrevious = nullptr;
};
