#include "startup.h"

#include "content/contentpath.h"

#include <QApplication>
#include <QIcon>

namespace app {

void setUpApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Ulmaro"));
    QApplication::setApplicationVersion(QStringLiteral(ULMARO_VERSION));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ULMARO_DESKTOP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ui/art/drycell.svg")));
    application.setQuitOnLastWindowClosed(false);
    content::setAppPath(content::appPathFromFolder(QCoreApplication::applicationDirPath()));
}

}  // namespace app
