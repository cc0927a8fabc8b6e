#include "contentpath.h"

#include <QDir>

namespace content {
namespace {
QString& storedAppPath()
{
    static QString path;
    return path;
}
}  // namespace

const QString& appPath()
{
    return storedAppPath();
}

void setAppPath(const QString& folder)
{
    storedAppPath() = folder;
}

QString appPathFromFolder(const QString& executableFolder)
{
    QString path = QDir::fromNativeSeparators(executableFolder);
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString contentPath(const QString& relative)
{
    QString tail = relative;
    tail.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!tail.startsWith(QLatin1Char('/')))
        tail.prepend(QLatin1Char('/'));
    return appPath() + tail;
}

}  // namespace content
