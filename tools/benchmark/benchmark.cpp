// Measures Ulmaro as a user meets it, each figure as a ratio to a bare Qt Widgets window (one
// 800 x 500 picture in a fixed window, tools/benchmark/bare.cpp) measured in the same run:
//   ulmaro-benchmark            under X when DISPLAY is set, otherwise on the offscreen platform
//   start-up      a fresh process until the menu is painted, against the bare program's window
//   switch        a click that leaves one screen for another until the new one is painted,
//                 against a bare window replacing itself
//   tick          one tick of each clock: its handler and the paint it causes
//   slide         CPU time while a page slides in, against a bare picture sliding at 10 ms
//   memory        RSS (and PSS) of a process that has visited every screen, against the bare one
//   wake-ups      per second while the menu waits for the user, after every screen was visited
//   full screen   start-up and the switch from the menu to a lesson with the window full screen,
//                 against the bare window showing one picture the display's size, full screen;
//                 the offscreen platform's display is 1920 x 1080 (display-1920x1080.json)
// A clean build is measured by tools/benchmark/buildtime.sh.
#include "barewindow.h"
#include "probe.h"

#include "app/program.h"
#include "app/startup.h"
#include "drill/drillscreen.h"
#include "principle/principlescreen.h"
#include "ui/controls/form.h"
#include "ui/pictures/picture.h"
#include "ui/screen/controls.h"
#include "ui/sound/soundsink.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using app::ScreenId;

// A sliding page of the principle screen, the size of the bare window's sliding picture.
const QSize kPageSize(747, 411);

// ---------------------------------------------------------------------------------------------
// Figures

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto rank = std::size_t(std::ceil(fraction * double(values.size())));
    return values[std::min(values.size() - 1, rank == 0 ? 0 : rank - 1)];
}

double msSince(qint64 startNs)
{
    return double(bench::monotonicNs() - startNs) / 1e6;
}

void printHeading(const char* heading)
{
    std::printf("\n%-46s %11s %11s %8s   %s\n", heading, "Ulmaro", "bare", "ratio", "goal");
}

void printFigure(const std::string& what, double ulmaro, double bare, const char* unit, const char* goal = "")
{
    char left[32], right[32];
    std::snprintf(left, sizeof left, "%.2f %s", ulmaro, unit);
    std::snprintf(right, sizeof right, "%.2f %s", bare, unit);
    char ratio[16] = "-";
    if (bare > 0)
        std::snprintf(ratio, sizeof ratio, "%.2f×", ulmaro / bare);
    std::printf("%-46s %11s %11s %8s   %s\n", what.c_str(), left, right, ratio, goal);
    std::fflush(stdout);
}

// ---------------------------------------------------------------------------------------------
// Roads between the screens, as the user clicks them: together a round trip through every screen
// from the menu back to the menu.

struct Road {
    const char* name;
    ScreenId from;
    ui::ControlRef button;
    ScreenId to;
};

const Road kRoads[] = {
    {"menu -> principle", ScreenId::Menu, {"Command1", 0}, ScreenId::Principle},
    {"principle -> menu", ScreenId::Principle, {"Command1"}, ScreenId::Menu},
    {"menu -> volta", ScreenId::Menu, {"Command1", 1}, ScreenId::Volta},
    {"volta -> menu", ScreenId::Volta, {"Command4"}, ScreenId::Menu},
    {"menu -> daniell", ScreenId::Menu, {"Command1", 2}, ScreenId::Daniell},
    {"daniell -> menu", ScreenId::Daniell, {"Command4"}, ScreenId::Menu},
    {"menu -> manganese", ScreenId::Menu, {"Command1", 3}, ScreenId::Manganese},
    {"manganese -> menu", ScreenId::Manganese, {"Command4"}, ScreenId::Menu},
    {"menu -> lead", ScreenId::Menu, {"Command1", 4}, ScreenId::Lead},
    {"lead -> menu", ScreenId::Lead, {"Command4"}, ScreenId::Menu},
    {"menu -> drill start", ScreenId::Menu, {"Command1", 5}, ScreenId::DrillStart},
    {"drill start -> drill", ScreenId::DrillStart, {"Command1"}, ScreenId::Drill},
    {"drill -> menu", ScreenId::Drill, {"Command2"}, ScreenId::Menu},
};

// Takes one road and waits until the new screen is painted and the old window is gone.
bool take(app::Program& program, bench::PaintWatch& watch, const Road& road)
{
    watch.arm();
    if (!program.screen(road.from).click(road.button))
        return false;
    const bool painted = watch.waitForWindowPaint();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return painted && program.screen(road.to).isLoaded();
}

// The bare window's switch: it hides, a new one is made and shown, the old one is deleted.
bench::BareWindow* replaceBare(bench::BareWindow* old, bench::PaintWatch& watch, bool fullScreen = false)
{
    watch.arm();
    old->hide();
    old->deleteLater();
    auto* next = new bench::BareWindow(fullScreen);
    next->showOnDisplay();
    watch.waitForWindowPaint();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return next;
}

// ---------------------------------------------------------------------------------------------
// The child process: the program started as its main() starts it, told by the parent to visit
// every screen; the parent reads its memory and wake-ups from /proc.

int runChild(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::setUpApplication(application);
    bench::PaintWatch watch;
    app::Program program;
    program.viewSettings().fullScreen = QCoreApplication::arguments().contains(QStringLiteral("--fullscreen"));
    program.start();
    if (!watch.waitForWindowPaint())
        return 1;
    bench::tell("painted", bench::monotonicNs());
    bench::listenToParent([&](const QByteArray& command) {
        if (command != "visit")
            return;
        bool all = true;
        for (const Road& road : kRoads)
            all = take(program, watch, road) && all;
        bench::tell("visited", all ? 1 : 0);
    });
    return application.exec();
}

class Child {
public:
    explicit Child(const QString& program, const QStringList& arguments = {})
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_startNs = bench::monotonicNs();
        m_process.start(program, arguments);
    }
    ~Child()
    {
        m_process.write("quit\n");
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(1000);
    }
    qint64 pid() const { return m_process.processId(); }
    qint64 startNs() const { return m_startNs; }
    void send(const QByteArray& command) { m_process.write(command + '\n'); }

    // The value of the next line "KEY VALUE" the child prints.
    std::optional<qint64> await(const QByteArray& key, int timeoutMs = 20000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            while (m_process.canReadLine()) {
                const QList<QByteArray> words = m_process.readLine().trimmed().split(' ');
                if (words.size() == 2 && words[0] == key)
                    return words[1].toLongLong();
            }
            if (!m_process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
                break;
        }
        std::fprintf(stderr, "ulmaro-benchmark: %s did not say %s\n", qPrintable(m_process.program()), key.constData());
        return std::nullopt;
    }

private:
    QProcess m_process;
    qint64 m_startNs;
};

QString selfPath()
{
    return QCoreApplication::applicationFilePath();
}
QString barePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/ulmaro-bare");
}

// Milliseconds from starting a process to its first window painted, or nothing.
std::optional<double> startUp(const QString& program, const QStringList& arguments)
{
    Child child(program, arguments);
    const auto painted = child.await("painted");
    if (!painted)
        return std::nullopt;
    return double(*painted - child.startNs()) / 1e6;
}

QString displayName()
{
    const QSize size = bench::displaySize();
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// Full screen, both programs are told so and the bare one shows a picture the display's size.
void measureStartUp(bool fullScreen)
{
    constexpr int kRuns = 7;
    QStringList ulmaroArguments{QStringLiteral("--child")}, bareArguments;
    if (fullScreen) {
        ulmaroArguments << QStringLiteral("--fullscreen");
        bareArguments << QStringLiteral("--fullscreen");
    }
    std::vector<double> ulmaro, bare;
    // One run of each first to warm the file cache, then the two interleaved.
    startUp(barePath(), bareArguments);
    startUp(selfPath(), ulmaroArguments);
    for (int run = 0; run < kRuns; ++run) {
        if (auto ms = startUp(barePath(), bareArguments))
            bare.push_back(*ms);
        if (auto ms = startUp(selfPath(), ulmaroArguments))
            ulmaro.push_back(*ms);
    }
    if (fullScreen)
        printFigure("full-screen start-up " + displayName().toStdString() + ", median of " + std::to_string(kRuns),
                    median(ulmaro), median(bare), "ms");
    else
        printFigure("start-up to menu painted, median of " + std::to_string(kRuns), median(ulmaro), median(bare),
                    "ms", "≤ 1.15 ×");
}

struct Idle {
    bench::Memory memory;
    double wakeUpsPerSecond = 0;
};

// Lets a started child settle, counts its wake-ups over two seconds, then reads its memory.
Idle idleOf(Child& child)
{
    constexpr int kCountMs = 2000;
    QThread::msleep(1000);
    const auto before = bench::switchesOf(child.pid());
    QThread::msleep(kCountMs);
    const auto after = bench::switchesOf(child.pid());
    return {bench::memoryOf(child.pid()), double(bench::switchesBetween(before, after)) * 1000.0 / kCountMs};
}

void measureMemoryAndIdle()
{
    Idle ulmaro, bare;
    {
        Child child(selfPath(), {QStringLiteral("--child")});
        if (!child.await("painted"))
            return;
        child.send("visit");
        if (child.await("visited").value_or(0) != 1)
            std::fprintf(stderr, "ulmaro-benchmark: not every screen could be visited\n");
        ulmaro = idleOf(child);
    }
    {
        Child child(barePath());
        if (!child.await("painted"))
            return;
        bare = idleOf(child);
    }
    printFigure("RSS after visiting every screen", double(ulmaro.memory.rssKiB) / 1024.0,
                double(bare.memory.rssKiB) / 1024.0, "MiB", "≤ 1.3 ×");
    printFigure("PSS after visiting every screen", double(ulmaro.memory.pssKiB) / 1024.0,
                double(bare.memory.pssKiB) / 1024.0, "MiB");
    printFigure("wake-ups while the menu waits", ulmaro.wakeUpsPerSecond, bare.wakeUpsPerSecond, "/s",
                "0 (none while nothing runs)");
}

// ---------------------------------------------------------------------------------------------
// In this process: switches, ticks and slides, with the bare window beside them.

// Sounds are not what is measured here; the drill's answers stay silent.
struct Bench {
    bench::PaintWatch watch;
    drill::HandClock* drillClock = nullptr;  // the drill's waits end when the benchmark moves it
    app::Program program{[this](ScreenId id, ui::ScreenHost& host) -> std::unique_ptr<ui::Screen> {
                             if (id != ScreenId::Drill)
                                 return app::Program::makeScreen(id, host);
                             auto clock = std::make_unique<drill::HandClock>(36000.2);
                             drillClock = clock.get();
                             return std::make_unique<drill::DrillScreen>(host, std::move(clock));
                         },
                         [](int) {}, nullptr,
                         [] { return std::unique_ptr<ui::SoundSink>(std::make_unique<ui::SilentSink>()); }};

    static constexpr ScreenId kScreens[] = {ScreenId::Menu,       ScreenId::Principle, ScreenId::Volta,
                                            ScreenId::Daniell,    ScreenId::Manganese, ScreenId::Lead,
                                            ScreenId::DrillStart, ScreenId::Drill};

    // The screen freshly loaded and painted, the only one loaded.
    ui::Screen& open(ScreenId id)
    {
        for (ScreenId other : kScreens)
            if (program.isCreated(other))
                program.screen(other).unload();
        ui::Screen& screen = program.screen(id);
        watch.arm();
        screen.show();
        watch.waitForWindowPaint();
        // What the program queued for after the first paint runs, as it does while the learner
        // looks at the new screen.
        QCoreApplication::sendPostedEvents();
        settle();
        return screen;
    }
    // Hides the loaded screen's window, so that the bare window has the display to itself.
    ui::Form* stepAside()
    {
        for (ScreenId id : kScreens)
            if (program.isCreated(id) && program.screen(id).isLoaded()) {
                ui::Form* form = program.screen(id).window();
                form->hide();
                return form;
            }
        return nullptr;
    }
    void stepBack(ui::Form* form)
    {
        watch.arm();
        form->show();
        watch.waitForWindowPaint();
    }
    void showBare(bench::BareWindow& window)
    {
        watch.arm();
        window.showOnDisplay();
        watch.waitForWindowPaint();
    }
    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bench::paintPending();
    }
    // Runs a screen's clock for real until it stops.
    void runUntilStopped(ui::Screen& screen, const char* timer)
    {
        bench::runWhile([&] { return screen.timer(timer).isRunning(); });
    }
};

void measureSwitches(Bench& b)
{
    constexpr int kRounds = 5;
    std::vector<std::vector<double>> roads(std::size(kRoads));
    std::vector<double> bare, all;
    b.open(ScreenId::Menu);
    for (int round = 0; round < kRounds; ++round) {
        // The bare window has the screen to itself while it replaces itself, then Ulmaro.
        ui::Form* menu = b.stepAside();
        auto* window = new bench::BareWindow;
        b.showBare(*window);
        for (std::size_t i = 0; i < std::size(kRoads); ++i) {
            const qint64 start = bench::monotonicNs();
            window = replaceBare(window, b.watch);
            bare.push_back(msSince(start));
        }
        delete window;
        b.stepBack(menu);
        for (std::size_t i = 0; i < std::size(kRoads); ++i) {
            const qint64 start = bench::monotonicNs();
            if (!take(b.program, b.watch, kRoads[i]))
                std::fprintf(stderr, "ulmaro-benchmark: road %s not taken\n", kRoads[i].name);
            roads[i].push_back(msSince(start));
        }
    }
    const double bareMedian = median(bare);
    for (std::size_t i = 0; i < std::size(kRoads); ++i) {
        printFigure(std::string("switch ") + kRoads[i].name, median(roads[i]), bareMedian, "ms");
        all.push_back(median(roads[i]));
    }
    printFigure("median screen switch", median(all), bareMedian, "ms", "≤ 1.5 ×");
    const ui::PictureCache& cache = b.program.pictures().cache();
    std::printf("%-46s %7.2f MiB in %d pictures, bound %.0f MiB\n", "picture cache after every screen",
                double(cache.bytes()) / 1048576.0, cache.pixmapCount(), double(cache.limitBytes()) / 1048576.0);
}

// Wall time shows what the user waits; CPU time (of every thread) what the tick costs, without
// the waits for a core that the other programs of a busy machine cause.
struct TickSamples {
    std::vector<double> total, cpu, handler, paints, area;
};

// One tick as the event loop runs it, with the paint it asks for done at once.
void timeTick(Bench& b, TickSamples& samples, const std::function<void()>& tick)
{
    b.watch.arm();
    const double cpu = bench::processCpuSeconds();
    const qint64 start = bench::monotonicNs();
    tick();
    const double handler = msSince(start);
    bench::paintPending();
    samples.total.push_back(msSince(start));
    samples.cpu.push_back((bench::processCpuSeconds() - cpu) * 1000);
    samples.handler.push_back(handler);
    samples.paints.push_back(b.watch.paints());
    samples.area.push_back(double(b.watch.paintedArea()));
}

void printTick(const std::string& what, const TickSamples& s, const TickSamples& bare)
{
    const double cpuP99 = percentile(s.cpu, 0.99), bareCpuP99 = percentile(bare.cpu, 0.99);
    std::printf("%-32s %6.3f %6.3f %6.3f %8.3f %8.3f %8.3f %6.1f %7.0f %8.3f %6.1f×   %s\n", what.c_str(),
                percentile(s.total, 0.5), percentile(s.total, 0.99), percentile(s.total, 1.0), percentile(s.cpu, 0.5),
                cpuP99, percentile(s.handler, 0.5), median(s.paints), median(s.area), bareCpuP99,
                bareCpuP99 > 0 ? cpuP99 / bareCpuP99 : 0.0, "p99 ≤ 1 ms");
    std::fflush(stdout);
}

void measureTicks(Bench& b)
{
    constexpr int kTicks = 200;
    constexpr int kStep = 6;  // px, as Ulmaro's page moves
    TickSamples bare;
    {
        ui::Form* form = b.stepAside();
        bench::BareWindow window;
        QWidget* panel = window.addPanel(kPageSize);
        b.showBare(window);
        int top = 0;
        for (int i = 0; i < kTicks; ++i)
            timeTick(b, bare, [&] {
                top = (top + kStep) % 80;
                panel->move(10, top);
            });
        window.hide();
        b.stepBack(form);
    }
    std::printf("\n%-32s %6s %6s %6s %8s %8s %8s %6s %7s %8s %7s   %s\n", "tick (handler + its paint), ms", "p50",
                "p99", "max", "cpu p50", "cpu p99", "handler", "paints", "px", "bare cpu", "ratio", "goal");
    printTick("bare picture moved 6 px", bare, bare);

    auto lessonTicks = [&](ScreenId id, const char* name) {
        ui::Screen& s = b.open(id);
        s.click("Image13");   // close the circuit
        s.click("Command1");  // electrons flowing
        b.settle();
        TickSamples flow;
        for (int i = 0; i < kTicks; ++i)
            timeTick(b, flow, [&] { s.tick("Timer1"); });
        printTick(std::string(name) + " electron step", flow, bare);
        if (s.hasControl("Image10")) {
            TickSamples bubbles;
            for (int i = 0; i < kTicks; ++i)
                timeTick(b, bubbles, [&] { s.tick("Timer2"); });
            printTick(std::string(name) + " bubbles", bubbles, bare);
        }
    };
    lessonTicks(ScreenId::Volta, "volta");
    lessonTicks(ScreenId::Daniell, "daniell");
    lessonTicks(ScreenId::Manganese, "manganese");
    lessonTicks(ScreenId::Lead, "lead");

    {
        TickSamples slide;
        while (slide.total.size() < kTicks) {
            ui::Screen& s = b.open(ScreenId::Principle);  // page 1 starts sliding
            while (s.timer("Timer1").isRunning())
                timeTick(b, slide, [&] { s.tick("Timer1"); });
        }
        printTick("principle page slide", slide, bare);

        ui::Screen& s = b.program.screen(ScreenId::Principle);
        for (int page = 2; page <= 4; ++page) {
            s.click("Command2");
            while (s.timer("Timer2").isRunning())
                s.tick("Timer2");
        }
        s.click("Picture4");
        b.settle();
        TickSamples animation;
        for (int i = 0; i < kTicks; ++i)
            timeTick(b, animation, [&] { s.tick("Timer3"); });
        printTick("principle switch animation", animation, bare);
    }

    {
        ui::Screen& s = b.open(ScreenId::Drill);
        auto& quiz = static_cast<drill::DrillScreen&>(s);
        TickSamples marks;
        for (int i = 0; i < kTicks / 4; ++i) {
            if (i % 4 == 0)
                s.click("Image2");  // a fresh run: never five misses, never the medal
            s.click({"Command1", quiz.rightAnswer()});
            b.settle();
            b.drillClock->now += 2;
            timeTick(b, marks, [&] { s.tick("Timer1"); });
        }
        printTick("drill mark ends, next question", marks, bare);
    }
}

// The menu to the Voltaic cell's lesson with the windows full screen, against the bare window
// replacing itself full screen; the lesson goes back to the menu between rounds, untimed.
void measureFullScreenSwitch(Bench& b)
{
    constexpr int kRounds = 7;
    const Road& there = kRoads[2];
    const Road& back = kRoads[3];
    static_assert(std::size(kRoads) > 3);
    const ui::ViewSettings windowed = b.program.viewSettings();
    b.program.viewSettings() = ui::ViewSettings{};
    b.program.viewSettings().fullScreen = true;
    b.open(ScreenId::Menu);
    std::vector<double> ulmaro, bare;
    for (int round = 0; round < kRounds; ++round) {
        ui::Form* menu = b.stepAside();
        auto* window = new bench::BareWindow(true);
        b.showBare(*window);
        const qint64 bareStart = bench::monotonicNs();
        window = replaceBare(window, b.watch, true);
        bare.push_back(msSince(bareStart));
        delete window;
        b.stepBack(menu);
        const qint64 start = bench::monotonicNs();
        const bool taken = take(b.program, b.watch, there);
        ulmaro.push_back(msSince(start));
        if (!taken || !b.program.screen(there.to).window()->isFullScreen())
            std::fprintf(stderr, "ulmaro-benchmark: road %s not taken full screen\n", there.name);
        take(b.program, b.watch, back);
    }
    printFigure("full-screen switch " + std::string(there.name) + " " + displayName().toStdString(), median(ulmaro),
                median(bare), "ms");
    b.program.viewSettings() = windowed;
    b.open(ScreenId::Menu);
}

// CPU seconds of this process while a page slides in at 10 ms a tick, as the user sees it.
void measureSlides(Bench& b)
{
    constexpr int kRuns = 3;
    constexpr int kStartTop = 477, kEndTop = 63, kStep = 6;  // Ulmaro's page, in pixels
    std::vector<double> ulmaro, bare;
    for (int run = 0; run < kRuns; ++run) {
        {
            ui::Screen& s = b.open(ScreenId::Principle);
            b.runUntilStopped(s, "Timer1");
            const double cpu = bench::processCpuSeconds();
            s.click("Command2");  // page 2 slides in
            b.runUntilStopped(s, "Timer2");
            ulmaro.push_back((bench::processCpuSeconds() - cpu) * 1000);
        }
        {
            ui::Form* form = b.stepAside();
            bench::BareWindow window;
            QWidget* panel = window.addPanel(kPageSize);
            panel->move(10, kStartTop);
            b.showBare(window);
            QTimer clock;
            clock.setTimerType(Qt::PreciseTimer);
            QObject::connect(&clock, &QTimer::timeout, [&] {
                panel->move(10, panel->y() - kStep);
                if (panel->y() <= kEndTop)
                    clock.stop();
            });
            const double cpu = bench::processCpuSeconds();
            clock.start(10);
            bench::runWhile([&] { return clock.isActive(); });
            bare.push_back((bench::processCpuSeconds() - cpu) * 1000);
            window.hide();
            b.stepBack(form);
        }
    }
    printFigure("CPU while a page slides in, median of " + std::to_string(kRuns), median(ulmaro), median(bare), "ms",
                "≤ 1.3 ×");
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("?");
}

}  // namespace

int main(int argc, char* argv[])
{
    // The children inherit the platform, and with it the display's size.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ULMARO_BENCHMARK_DISPLAY);
    bench::quietPlatformWarnings();
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);

    QApplication application(argc, argv);
    app::setUpApplication(application);
    std::printf("Ulmaro benchmark: platform %s, display %s, scale %s, %d cores, load %s\n",
                qPrintable(QGuiApplication::platformName()), qPrintable(displayName()),
                qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") ? "1" : qgetenv("QT_SCALE_FACTOR").constData(),
                QThread::idealThreadCount(), loadAverage().constData());
    printHeading("figure (each against the bare window)");
    measureStartUp(false);
    measureStartUp(true);
    measureMemoryAndIdle();
    Bench b;
    measureSwitches(b);
    measureFullScreenSwitch(b);
    measureSlides(b);
    measureTicks(b);
    std::printf("\nclean build, 2 cores: tools/benchmark/buildtime.sh (goal ≤ 100 s)\n");
    return 0;
}
