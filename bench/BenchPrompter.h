#pragma once

#include "common/Prompter.h"

#include <QString>

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
