#include "program.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::setUpApplication(application);
    app::Program program;
    if (const auto status = app::applyOptions(QCoreApplication::arguments(), program.viewSettings()))
        return *status;
    program.start();
    return application.exec();
}
