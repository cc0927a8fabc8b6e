// Renders the program's screens, in named states, to PNG files without a display:
//   QT_QPA_PLATFORM=offscreen ulmaro-screenshot [--size WIDTHxHEIGHT] OUTDIR [STATE...]
// With no state named, every state is rendered. QT_SCALE_FACTOR=2 renders at 200 %; --size
// 1920x1080 renders each window at that size, the screen scaled to fit it as in full screen.
#include "app/program.h"
#include "content/contentpath.h"
#include "content/failurereport.h"
#include "drill/drillclock.h"
#include "drill/drillscreen.h"
#include "drill/randomsource.h"
#include "ui/controls/form.h"
#include "ui/controls/keyspanel.h"
#include "ui/screen/pace.h"
#include "ui/screen/controls.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using app::ScreenId;

// The same questions every time, so the pictures do not change from run to run: numbers a fixed
// step apart around [0, 1).
struct SteppedRandom : drill::RandomSource {
    double value = 0.1;
    double next() override
    {
        value = std::fmod(value + 0.377, 1.0);
        return value;
    }
};

// A content failure ends the tool: a picture of the screen behind the report would be none of it.
struct StopOnFailure : content::FailureReporter {
    void report(const content::ContentError& error) override
    {
        std::fprintf(stderr, "ulmaro-screenshot: %s\n", qPrintable(error.report()));
        std::fflush(nullptr);
        std::_Exit(1);
    }
};

// The program with the drill's clock moved by hand, its draws stepped and its sounds silent.
struct Run {
    drill::HandClock* clock = nullptr;
    StopOnFailure reporter;
    app::Program program{
        [this](ScreenId id, ui::ScreenHost& host) -> std::unique_ptr<ui::Screen> {
            if (id != ScreenId::Drill)
                return app::Program::makeScreen(id, host);
            auto ownedClock = std::make_unique<drill::HandClock>(36000.0);  // 10:00:00, moved by hand
            clock = ownedClock.get();
            return std::make_unique<drill::DrillScreen>(host, std::move(ownedClock), std::make_unique<SteppedRandom>());
        },
        [](int) {}, &reporter, [] { return std::unique_ptr<ui::SoundSink>(std::make_unique<ui::SilentSink>()); }};

    Run() = default;
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;
    // The screens go before the program, with whatever their windows left queued.
    ~Run()
    {
        for (ScreenId id : app::kAllScreens)
            if (program.isCreated(id))
                program.screen(id).unload();
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ui::Screen& open(ScreenId id)
    {
        program.show(id);
        return program.screen(id);
    }
    // Ticks a drill wait until it has ended, moving the clock half a second a tick.
    void runWait(ui::Screen& screen, const char* timer)
    {
        for (int i = 0; i < 8 && screen.timer(timer).isRunning(); ++i) {
            clock->now += 0.5;
            screen.tick(timer);
        }
    }
};

struct State {
    std::string name;
    std::function<ui::Screen&(Run&)> reach;
};

ui::Screen& lessonState(Run& run, ScreenId id, int closes, const char* button, int ticks)
{
    ui::Screen& s = run.open(id);
    for (int i = 0; i < closes; ++i)
        s.click("Image13");
    if (button)
        s.click(button);
    for (int i = 0; i < ticks; ++i) {
        s.tick("Timer1");
        if (s.hasControl("Image10"))
            s.tick("Timer2");
    }
    if (s.hasControl("Image10") && ticks == 0)
        s.tick("Timer2");
    return s;
}

void addLesson(std::vector<State>& states, const char* prefix, ScreenId id, bool third, const char* thirdName)
{
    auto name = [prefix](const std::string& what) { return std::string(prefix) + "-" + what; };
    states.push_back({name("open"), [id](Run& r) -> ui::Screen& { return lessonState(r, id, 0, nullptr, 0); }});
    states.push_back({name("closed"), [id](Run& r) -> ui::Screen& { return lessonState(r, id, 1, nullptr, 0); }});
    for (int step = 1; step <= 4; ++step)
        states.push_back({name("step" + std::to_string(step)),
                          [id, step](Run& r) -> ui::Screen& { return lessonState(r, id, 1, "Command1", step); }});
    states.push_back({name("negative"), [id](Run& r) -> ui::Screen& { return lessonState(r, id, 1, "Command2", 0); }});
    states.push_back({name("positive"), [id](Run& r) -> ui::Screen& { return lessonState(r, id, 1, "Command3", 0); }});
    if (third)
        states.push_back(
            {name(thirdName), [id](Run& r) -> ui::Screen& { return lessonState(r, id, 1, "Command5", 0); }});
}

ui::Screen& principleAt(Run& run, int page, int slideTicks)
{
    ui::Screen& s = run.open(ScreenId::Principle);
    for (int p = 1; p < page; ++p) {
        for (int i = 0; i < 80; ++i) {
            s.tick("Timer1");
            s.tick("Timer2");
        }
        s.click("Command2");
    }
    for (int i = 0; i < slideTicks; ++i) {
        s.tick("Timer1");
        s.tick("Timer2");
    }
    return s;
}

// Answers the question on show, right or wrong, and lets the mark wait end unless told not to.
void answer(Run& run, ui::Screen& s, bool right, bool finishWait = true)
{
    const int correct = static_cast<drill::DrillScreen&>(s).rightAnswer();
    s.click({"Command1", right ? correct : correct % 3 + 1});
    if (finishWait)
        run.runWait(s, "Timer1");
}

ui::Screen& drillAfterMisses(Run& run, int misses)
{
    ui::Screen& s = run.open(ScreenId::Drill);
    for (int i = 0; i < 6; ++i)
        answer(run, s, true);
    for (int i = 0; i < misses; ++i)
        answer(run, s, false, i + 1 < misses);
    return s;
}

std::vector<State> allStates()
{
    std::vector<State> states;
    states.push_back({"menu", [](Run& r) -> ui::Screen& { return r.open(ScreenId::Menu); }});
    states.push_back({"principle-page1-sliding", [](Run& r) -> ui::Screen& { return principleAt(r, 1, 30); }});
    states.push_back({"principle-page1", [](Run& r) -> ui::Screen& { return principleAt(r, 1, 80); }});
    states.push_back({"principle-page2-sliding", [](Run& r) -> ui::Screen& { return principleAt(r, 2, 40); }});
    states.push_back({"principle-page2", [](Run& r) -> ui::Screen& { return principleAt(r, 2, 80); }});
    states.push_back({"principle-page3-sliding", [](Run& r) -> ui::Screen& { return principleAt(r, 3, 20); }});
    states.push_back({"principle-page3", [](Run& r) -> ui::Screen& { return principleAt(r, 3, 80); }});
    states.push_back({"principle-table", [](Run& r) -> ui::Screen& {
                          ui::Screen& s = principleAt(r, 3, 80);
                          s.click("Command4");
                          return s;
                      }});
    states.push_back({"principle-page4-sliding", [](Run& r) -> ui::Screen& { return principleAt(r, 4, 50); }});
    states.push_back({"principle-page4", [](Run& r) -> ui::Screen& { return principleAt(r, 4, 80); }});
    for (int frame : {1, 3, 5, 7, 9}) {
        states.push_back({"principle-switch-frame" + std::to_string(frame), [frame](Run& r) -> ui::Screen& {
                              ui::Screen& s = principleAt(r, 4, 80);
                              s.click("Picture4");
                              for (int i = 0; i < frame; ++i)
                                  s.tick("Timer3");
                              return s;
                          }});
    }
    addLesson(states, "volta", ScreenId::Volta, false, nullptr);
    addLesson(states, "daniell", ScreenId::Daniell, true, "porous");
    addLesson(states, "manganese", ScreenId::Manganese, true, "inside");
    addLesson(states, "lead", ScreenId::Lead, true, "inside");
    // The Voltaic cell's lamp as it dims, counted in bubble ticks after closing.
    for (const auto& [name, ticks] : {std::pair{"volta-dimming", 20}, std::pair{"volta-dim", 50}})
        states.push_back({name, [ticks](Run& r) -> ui::Screen& {
                              ui::Screen& s = lessonState(r, ScreenId::Volta, 1, nullptr, 0);
                              for (int i = 1; i < ticks; ++i)
                                  s.tick("Timer2");
                              return s;
                          }});
    // The copper(II) sulfate solution after four cycles of the flow, and after more.
    for (const auto& [name, cycles] : {std::pair{"daniell-paler", 2}, std::pair{"daniell-palest", 6}})
        states.push_back({name, [cycles](Run& r) -> ui::Screen& {
                              return lessonState(r, ScreenId::Daniell, 1, "Command1", 4 * cycles + 1);
                          }});
    // The lead cell charging: the flow, each close-up, and discharging again.
    for (int step = 1; step <= 3; ++step)
        states.push_back({"lead-charge-step" + std::to_string(step), [step](Run& r) -> ui::Screen& {
                              return lessonState(r, ScreenId::Lead, 1, "Command6", step);
                          }});
    for (const char* button : {"Command2", "Command3"})
        states.push_back({std::string("lead-charge-") + (button[7] == '2' ? "negative" : "positive"),
                          [button](Run& r) -> ui::Screen& {
                              ui::Screen& s = lessonState(r, ScreenId::Lead, 1, "Command6", 1);
                              s.click(button);
                              return s;
                          }});
    states.push_back({"lead-discharge-again", [](Run& r) -> ui::Screen& {
                          ui::Screen& s = lessonState(r, ScreenId::Lead, 1, "Command6", 1);
                          s.click("Command6");
                          s.tick("Timer1");
                          return s;
                      }});
    // The teacher's marks in the corner, and the list of keys F1 opens.
    states.push_back({"volta-paused-slow-muted", [](Run& r) -> ui::Screen& {
                          ui::Screen& s = lessonState(r, ScreenId::Volta, 1, "Command1", 2);
                          r.program.pace().setPaused(true);
                          r.program.pace().slower();
                          r.program.muting().setMuted(true);
                          return s;
                      }});
    states.push_back({"principle-double", [](Run& r) -> ui::Screen& {
                          r.program.pace().faster();
                          return principleAt(r, 4, 80);
                      }});
    for (const auto& [name, id] : {std::pair{"menu-keys", ScreenId::Menu}, std::pair{"volta-keys", ScreenId::Volta}})
        states.push_back({name, [id](Run& r) -> ui::Screen& {
                              ui::Screen& s = r.open(id);
                              s.window()->findChild<ui::KeysPanel*>()->openPanel();
                              return s;
                          }});
    states.push_back({"drillstart", [](Run& r) -> ui::Screen& { return r.open(ScreenId::DrillStart); }});
    states.push_back({"drill-asking", [](Run& r) -> ui::Screen& { return r.open(ScreenId::Drill); }});
    states.push_back({"drill-muted", [](Run& r) -> ui::Screen& {
                          r.program.muting().setMuted(true);
                          return r.open(ScreenId::Drill);
                      }});
    states.push_back({"drill-right", [](Run& r) -> ui::Screen& {
                          ui::Screen& s = r.open(ScreenId::Drill);
                          answer(r, s, true, false);
                          return s;
                      }});
    states.push_back({"drill-wrong", [](Run& r) -> ui::Screen& {
                          ui::Screen& s = drillAfterMisses(r, 1);
                          return s;
                      }});
    // A miss at the question whose choices end with the atomic masses: the list's seven lines.
    states.push_back({"drill-wrong-masses", [](Run& r) -> ui::Screen& {
                          ui::Screen& s = r.open(ScreenId::Drill);
                          for (int i = 0; i < 40 && static_cast<drill::DrillScreen&>(s).questionNumber() != 20; ++i)
                              answer(r, s, true);
                          answer(r, s, false, false);
                          return s;
                      }});
    states.push_back({"drill-passed", [](Run& r) -> ui::Screen& {
                          ui::Screen& s = r.open(ScreenId::Drill);
                          for (int i = 0; i < 50; ++i)
                              answer(r, s, true);
                          return s;
                      }});
    states.push_back({"drill-three-misses", [](Run& r) -> ui::Screen& {
                          ui::Screen& s = drillAfterMisses(r, 3);
                          r.runWait(s, "Timer1");
                          return s;
                      }});
    states.push_back({"drill-burst", [](Run& r) -> ui::Screen& {
                          ui::Screen& s = drillAfterMisses(r, 5);
                          r.runWait(s, "Timer1");
                          return s;
                      }});
    states.push_back({"drill-notice", [](Run& r) -> ui::Screen& {
                          ui::Screen& s = drillAfterMisses(r, 5);
                          r.runWait(s, "Timer1");
                          r.runWait(s, "Timer2");
                          return s;
                      }});
    return states;
}

// "1920x1080" as a size; anything else, or a size too small to hold a window, as none.
QSize parseSize(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    return size.width() >= 16 && size.height() >= 16 ? size : QSize();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QSize windowSize;
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("--size")) {
        windowSize = arguments.size() > 1 ? parseSize(arguments[1]) : QSize();
        if (windowSize.isEmpty()) {
            std::fprintf(stderr, "ulmaro-screenshot: --size takes WIDTHxHEIGHT, such as 1920x1080\n");
            return 2;
        }
        arguments.remove(0, 2);
    }
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: ulmaro-screenshot [--size WIDTHxHEIGHT] OUTDIR [STATE...]\n");
        return 2;
    }
    content::setAppPath(content::appPathFromFolder(QCoreApplication::applicationDirPath()));
    const QString outDir = arguments.takeFirst();
    QDir().mkpath(outDir);
    const QStringList wanted = arguments;

    int written = 0;
    for (const State& state : allStates()) {
        const QString name = QString::fromStdString(state.name);
        if (!wanted.isEmpty() && !wanted.contains(name))
            continue;
        Run run;
        // Kept for every window the state opens; the window is sized again once shown, since a
        // normal window never opens larger than the display.
        run.program.viewSettings().windowSize = windowSize;
        ui::Screen& screen = state.reach(run);
        if (!windowSize.isEmpty() && screen.isLoaded())
            screen.window()->resize(windowSize);
        QApplication::processEvents();
        const QString file = outDir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!screen.isLoaded() || !screen.window()->grab().save(file)) {
            std::fprintf(stderr, "ulmaro-screenshot: could not render %s\n", state.name.c_str());
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
        ++written;
    }
    return written > 0 ? 0 : 1;
}
