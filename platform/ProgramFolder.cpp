#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &overridden()
{
    static QString folder;
    return folder;
}
}

QString ProgramFolder::path()
{
    if (!overridden().isEmpty())
        return overridden();
    return QCoreApplication::applicationDirPath();
}

void ProgramFolder::setPath(const QString &folder)
{
    overridden() = folder;
}

QString ProgramFolder::file(const QString &name)
{
    return QDir(path()).filePath(name);
}
