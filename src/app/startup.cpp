#include "startup.h"

#include "content/contentpath.h"
#include "ui/pictures/afterpaint.h"

#include <QApplication>
#include <QIcon>


namespace app {
void setUpApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Ulmaro"));
    QApplication::setApplicationVersion(QStringLiteral(ULMARO_VERSION));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ULMARO_DESKTOP_ID));
    // Made once the first window has painted: drawing the icon at every size the desktop may ask
    // for would otherwise delay the first screen.
    ui::runAfterFirstPaint(&application, &application,
                           [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/ui/art/drycell.svg"))); });
    application.setQuitOnLastWindowClosed(false);
    content::setAppPath(content::appPathFromFolder(QCoreApplication::applicationDirPath()));
}

}  // namespace app
