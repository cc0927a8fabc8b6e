#include "startup.h"

#include "content/contentpath.h"

#include <QApplication>
#include <QIcon>

namespace app {

void setUpApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Ulmaro"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ui/art/drycell.svg")));
    application.setQuitOnLastWindowClosed(false);
    content::setAppPath(content::appPathFromFolder(QCoreApplication::applicationDirPath()));
}

}  // namespace app
