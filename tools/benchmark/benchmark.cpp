// Measures the program's hot paths against a baseline measured in the same run, so that the
// figures compare across machines: QT_QPA_PLATFORM=offscreen ulmaro-benchmark
//   baseline       decoding one animation frame with Qt's image reader, nothing else
//   animation tick one step of a lesson's electron flow: two frames read from disk, five moves
//   bubble tick    one step of the Voltaic cell's bubbles: two frames read from disk
//   explanation    an enlargement view: the list emptied and filled from its text file
//   open lesson    a lesson screen built from its layout, loaded and shown, then unloaded
#include "app/program.h"
#include "content/contentpath.h"
#include "ui/controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>

#include <cstdio>
#include <functional>

namespace {

// Best of five runs of `repeat` calls, in microseconds per call: the least disturbed figure.
double measure(int repeat, const std::function<void()>& work)
{
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < repeat; ++i)
            work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1000.0 / repeat);
    }
    return best;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    content::setAppPath(content::appPathFromFolder(QCoreApplication::applicationDirPath()));
    app::Program host({}, [](int) {});  // the measurements run no event loop to leave

    const QString frame = content::contentPath(QStringLiteral("\\画像\\アニメ\\zn_1.gif"));
    const double baseline = measure(500, [&] {
        QImageReader reader(frame);
        (void)reader.read();
    });

    auto volta = app::Program::makeScreen(app::ScreenId::Volta, host);
    volta->show();
    volta->click("Image13");
    volta->click("Command1");
    const double tick = measure(500, [&] { volta->tick("Timer1"); });
    const double bubbles = measure(500, [&] { volta->tick("Timer2"); });
    const double explanation = measure(200, [&] { volta->click("Command2"); });
    volta->unload();
    const double open = measure(20, [&] {
        volta->show();
        volta->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });

    std::printf("%-16s %10s %8s\n", "what", "us/call", "ratio");
    std::printf("%-16s %10.1f %8.2f\n", "baseline", baseline, 1.0);
    std::printf("%-16s %10.1f %8.2f\n", "animation tick", tick, tick / baseline);
    std::printf("%-16s %10.1f %8.2f\n", "bubble tick", bubbles, bubbles / baseline);
    std::printf("%-16s %10.1f %8.2f\n", "explanation", explanation, explanation / baseline);
    std::printf("%-16s %10.1f %8.2f\n", "open lesson", open, open / baseline);
    return 0;
}
