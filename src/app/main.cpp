#include "program.h"

#include "content/contentpath.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);  // the program decides when it ends
    content::setAppPath(content::appPathFromFolder(QCoreApplication::applicationDirPath()));
    app::Program program;
    program.start();
    return application.exec();
}
