#pragma once

#include "common/Prompter.h"

#include <QString>
#include <QtGlobal>

#include <time.h>

// Processor time of this thread, in nanoseconds: the machine is shared, and
// time spent waiting for other programs says nothing about this one.
inline qint64 cpuNow()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

class CpuTimer
{
public:
    void start() { mStart = cpuNow(); }
    qint64 nsecsElapsed() const { return cpuNow() - mStart; }

private:
    qint64 mStart = 0;
};

// Answers the Open command's file dialog with a fixed file and counts the
// boxes it shows; every question is answered No.
class OpenPrompter : public Prompter
{
public:
    void message(const QString &) override { ++mMessages; }
    bool question(const QString &, const QString &) override { return false; }
    QString openFileName(const QString &, const QString &, const QString &) override
    {
        return mFile;
    }
    QString saveFileName(const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    bool print(QPrinter &) override { return false; }
    QString mFile;
    int mMessages = 0;
};
