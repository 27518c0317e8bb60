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
    if (!mOpen)
        return;
    va_list args;
    va_start(args, aFormat);
    std::vfprintf(mFile, aFormat, args);
    va_end(args);
}

void LogFile::writeFlush(const char *aFormat, ...)
{
    if (!mOpen)
        return;
    va_list args;
    va_start(args, aFormat);
    std::vfprintf(mFile, aFormat, args);
    va_end(args);
    std::fflush(mFile);
}

void LogFile::flush()
{
    if (mOpen)
        std::fflush(mFile);
}
