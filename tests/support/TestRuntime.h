#pragma once

#include <QString>
#include <QTemporaryDir>

// A private runtime tree for one test: a temporary directory holding bin/,
// logs/ and data/, with bin/ as the current directory, so the program's
// relative paths ("../logs", "../data") never touch the real ones. The
// previous directory is restored on destruction.
class TestRuntime
{
public:
    enum Option { WithLogs = 1, WithoutLogs = 0 };
    explicit TestRuntime(Option aLogs = WithLogs);
    ~TestRuntime();
    TestRuntime(const TestRuntime &) = delete;
    TestRuntime &operator=(const TestRuntime &) = delete;

    bool isValid() const { return mDir.isValid(); }
    QString root() const { return mDir.path(); }
    // Path of a file relative to the runtime root, e.g. path("logs/debug.log").
    QString path(const QString &aRelative) const;
    // Whole content of a file relative to the runtime root; empty when missing.
    QByteArray read(const QString &aRelative) const;
    // Copies a folder of the repository's data/ into the runtime's data/.
    bool copyData(const QString &aRelative);

private:
    QTemporaryDir mDir;
    QString mPreviousDir;
};

// The whole of the file at aPath; empty when it cannot be read.
QByteArray readFile(const QString &aPath);
// Writes aBytes to aPath, replacing what it held; false when not all are written.
bool writeFile(const QString &aPath, const QByteArray &aBytes);

// Golden files live under tests/fixtures, found from the source tree, never
// through the working directory.
QString fixturePath(const QString &aName);

// Empty when aActual equals the golden file aName byte for byte; otherwise
// where they first differ. With LANEWRIGHT_UPDATE_FIXTURES=1 in the
// environment the golden file is rewritten from aActual instead, for a change
// that is meant: review the difference before committing it.
QString fixtureDifference(const QString &aName, const QByteArray &aActual);
