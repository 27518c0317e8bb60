#include "RecordingPrompter.h"

#include <QTabWidget>

RecordingPrompter::RecordingPrompter()
{
    mPrevious = setPrompter(this);
}

RecordingPrompter::~RecordingPrompter()
{
    setPrompter(mPrevious);
}

void RecordingPrompter::message(const QString &aText)
{
    mLog << QStringLiteral("message||") + aText;
    if (mOnMessage)
        mOnMessage(aText);
}

void RecordingPrompter::titledMessage(const QString &aTitle, const QString &aText)
{
    mLog << QStringLiteral("message|%1|%2").arg(aTitle, aText);
}

void RecordingPrompter::timedMessage(const QString &aTitle, const QString &aText, int aMs)
{
    mLog << QStringLiteral("timed|%1|%2|%3").arg(aTitle, aText).arg(aMs);
}

bool RecordingPrompter::question(const QString &aTitle, const QString &aText)
{
    mLog << QStringLiteral("question|%1|%2").arg(aTitle, aText);
    mTabsAtQuestion << (mTabs ? mTabs->currentIndex() : -1);
    return mAnswers.isEmpty() ? false : mAnswers.dequeue();
}

QString RecordingPrompter::openFileName(const QString &aCaption, const QString &aDir,
                                        const QString &aFilter)
{
    mLog << QStringLiteral("open|%1|%2|%3").arg(aCaption, aDir, aFilter);
    return mFileNames.isEmpty() ? QString() : mFileNames.dequeue();
}

QString RecordingPrompter::saveFileName(const QString &aCaption, const QString &aDir,
                                        const QString &aFilter)
{
    mLog << QStringLiteral("save|%1|%2|%3").arg(aCaption, aDir, aFilter);
    return mFileNames.isEmpty() ? QString() : mFileNames.dequeue();
}

bool RecordingPrompter::print(QPrinter &aPrinter)
{
    mLog << QStringLiteral("print||");
    if (mOnPrint)
        mOnPrint(aPrinter);
    return mPrintAnswers.isEmpty() ? false : mPrintAnswers.dequeue();
}
