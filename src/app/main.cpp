#include "options.h"
#include "program.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // --help and --version are answered before the window system is reached, so they work
    // without a display; the rest is read once Qt has taken its own options (-platform …).
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    for (const char* answered : {"-h", "--help", "--version"})
        if (given.contains(QLatin1String(answered)))
            return app::parseOptions(given).exitStatus.value_or(0);
    QApplication application(argc, argv);
    const app::ParsedOptions parsed = app::parseOptions(QCoreApplication::arguments().mid(1));
    if (parsed.exitStatus)
        return *parsed.exitStatus;
    app::setUpApplication(application);
    app::Program program;
    program.viewSettings() = parsed.options.view;
    program.muting().setMuted(parsed.options.muted);
    program.start();
    return application.exec();
}
