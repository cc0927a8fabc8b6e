// The bare window as a program of its own, for the figures that need a fresh process: start-up to
// the window painted, memory and idle wake-ups. Tells the benchmark "painted NS" (monotonic clock)
// once the window is on the screen, then waits for "quit" on stdin. --fullscreen shows a picture
// the display's size, full screen.
#include "barewindow.h"
#include "probe.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    bench::quietPlatformWarnings();
    QApplication application(argc, argv);
    bench::PaintWatch watch;
    bench::BareWindow window(application.arguments().contains(QStringLiteral("--fullscreen")));
    window.showOnDisplay();
    if (!watch.waitForWindowPaint())
        return 1;
    bench::tell("painted", bench::monotonicNs());
    bench::listenToParent([](const QByteArray&) {});
    return application.exec();
}
