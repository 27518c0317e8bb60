#include "TestRuntime.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

TestRuntime::TestRuntime(Option aLogs) : mPreviousDir(QDir::currentPath())
{
    QDir root(mDir.path());
    root.mkpath(QStringLiteral("bin"));
    root.mkpath(QStringLiteral("data"));
    if (aLogs == WithLogs)
        root.mkpath(QStringLiteral("logs"));
    QDir::setCurrent(root.filePath(QStringLiteral("bin")));
}

TestRuntime::~TestRuntime()
{
    QDir::setCurrent(mPreviousDir);
}

QString TestRuntime::path(const QString &aRelative) const
{
    return QDir(mDir.path()).filePath(aRelative);
}

QByteArray TestRuntime::read(const QString &aRelative) const
{
    return readFile(path(aRelative));
}

bool TestRuntime::copyData(const QString &aRelative)
{
    const QString source = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/data/") + aRelative;
    const QString target = path(QStringLiteral("data/") + aRelative);
    if (!QFileInfo(source).isDir())
        return false;
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString dest = target + file.mid(source.size());
        QDir().mkpath(QFileInfo(dest).path());
        if (!QFile::copy(file, dest))
            return false;
    }
    return true;
}

QByteArray readFile(const QString &aPath)
{
    QFile file(aPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &aPath, const QByteArray &aBytes)
{
    QFile file(aPath);
    return file.open(QIODevice::WriteOnly) && file.write(aBytes) == aBytes.size();
}

QString fixturePath(const QString &aName)
{
    return QStringLiteral(LANEWRIGHT_SOURCE_DIR "/tests/fixtures/") + aName;
}

QString fixtureDifference(const QString &aName, const QByteArray &aActual)
{
    QFile file(fixturePath(aName));
    if (qEnvironmentVariableIntValue("LANEWRIGHT_UPDATE_FIXTURES") == 1) {
        if (!file.open(QIODevice::WriteOnly) || file.write(aActual) != aActual.size())
            return QStringLiteral("cannot write ") + file.fileName();
        return QString();
    }
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("missing ") + file.fileName();
    const QByteArray expected = file.readAll();
    if (expected == aActual)
        return QString();
    int at = 0;
    while (at < expected.size() && at < aActual.size() && expected.at(at) == aActual.at(at))
        ++at;
    const int line = expected.left(at).count('\n') + 1;
    return QStringLiteral("%1 differs at line %2:\n  expected: %3\n  actual:   %4")
        .arg(aName)
        .arg(line)
        .arg(QString::fromLatin1(expected.mid(at)).section('\n', 0, 0),
             QString::fromLatin1(aActual.mid(at)).section('\n', 0, 0));
}
