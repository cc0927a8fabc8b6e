#include "program.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::setUpApplication(application);
    app::Program program;
    program.start();
    return application.exec();
}
