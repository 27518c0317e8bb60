#pragma once

#include <cstdarg>
#include <cstdio>

class QString;

// One of the program's text logs: a C stream plus the flag that says whether
// it opened. Every write tests the flag first, so a log whose directory is
// missing stays silent and costs nothing.
class LogFile
{
public:
    LogFile() = default;
    ~LogFile();
    LogFile(const LogFile &) = delete;
    LogFile &operator=(const LogFile &) = delete;

    // Opens (truncating) the file at aPath; false when it could not be opened.
    bool open(const char *aPath);
    void close();
    bool isOpen() const { return mOpen; }
    FILE *stream() const { return mFile; }

    // printf-style write; does nothing while the log is closed.
    void write(const char *aFormat, ...) __attribute__((format(printf, 2, 3)));
    // The same, followed by a flush: most debug-log lines are flushed at once.
    void writeFlush(const char *aFormat, ...) __attribute__((format(printf, 2, 3)));
    void flush();

private:
    void writeArgs(const char *aFormat, va_list aArgs);

    FILE *mFile = nullptr;
    bool mOpen = false;
};

// Latin-1 bytes of a text, for the logs' "%s" fields.
#define LATIN1(aText) ((aText).toLatin1().constData())
