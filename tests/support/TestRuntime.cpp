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
    QFile file(path(aRelative));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool TestRuntime::copyData(const QString &aRelative)
{
    const QString source = QStringLiteral(LANEWRIGHT_SOURCE_DIR "/data/") + aRelative;
    const QString target = path(QStringLiteral("data/") + aRelative);
    QFileInfo info(source);
    if (info.isFile()) {
        QDir().mkpath(QFileInfo(target).path());
        return QFile::copy(source, target);
    }
    if (!info.isDir())
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
