#include "LogFile.h"

#include <cstdarg>

LogFile::~LogFile()
{
    close();
}

bool LogFile::open(const char *aPath)
{
    close();
    mFile = std::fopen(aPath, "w");
    mOpen = mFile != nullptr;
    return mOpen;
}

void LogFile::close()
{
    if (mFile) {
        std::fflush(mFile);
        std::fclose(mFile);
    }
    mFile = nullptr;
    mOpen = false;
}

void LogFile::write(const char *aFormat, ...)
{
    va_list args;
    va_start(args, aFormat);
    writeArgs(aFormat, args);
    va_end(args);
}

void LogFile::writeFlush(const char *aFormat, ...)
{
    va_list args;
    va_start(args, aFormat);
    writeArgs(aFormat, args);
    va_end(args);
    flush();
}

void LogFile::writeArgs(const char *aFormat, va_list aArgs)
{
    if (mOpen)
        std::vfprintf(mFile, aFormat, aArgs);
}

void LogFile::flush()
{
    if (mOpen)
        std::fflush(mFile);
}
