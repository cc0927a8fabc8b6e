#include "program.h"

#include "content/contentpath.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ulmaro"));
    QApplication::setApplicationVersion(QStringLiteral(ULMARO_VERSION));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ULMARO_DESKTOP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ui/art/drycell.svg")));
    application.setQuitOnLastWindowClosed(false);  // the program decides when it ends
    content::setAppPath(content::appPathFromFolder(QCoreApplication::applicationDirPath()));
    app::Program program;
    program.start();
    return application.exec();
}
