#include "program.h"

#include "menuscreen.h"

#include "drill/drillscreen.h"
#include "drill/drillstartscreen.h"
#include "lessons/cells.h"
#include "lessons/lessonscreen.h"
#include "principle/principlescreen.h"

#include <QCoreApplication>
#include <QTimer>

namespace app {

Program::Program(ScreenFactory factory, Quit quit, content::FailureReporter* reporter, ui::SoundSinkFactory sounds)
    : m_factory(factory ? std::move(factory) : ScreenFactory(&Program::makeScreen)),
      m_quit(quit ? std::move(quit) : Quit([](int code) { QCoreApplication::exit(code); })),
      m_guard(reporter ? *reporter : m_failureBox),
      m_sounds(sounds ? std::move(sounds) : ui::SoundSinkFactory(&ui::makeSpeakerSink))
{}

Program::~Program() = default;

std::unique_ptr<ui::Screen> Program::makeScreen(ScreenId id, ui::ScreenHost& host)
{
    switch (id) {
    case ScreenId::Menu: return std::make_unique<MenuScreen>(host);
    case ScreenId::Principle: return std::make_unique<principle::PrincipleScreen>(host);
    case ScreenId::Volta: return lessons::makeVolta(host);
    case ScreenId::Daniell: return lessons::makeDaniell(host);
    case ScreenId::Manganese: return lessons::makeManganese(host);
    case ScreenId::Lead: return lessons::makeLead(host);
    case ScreenId::DrillStart: return std::make_unique<drill::DrillStartScreen>(host);
    case ScreenId::Drill: return std::make_unique<drill::DrillScreen>(host);
    }
    return nullptr;
}

void Program::start()
{
    // Every screen is made once and dropped: a handler registered for a control that its table
    // lacks stops the program here, not when a learner first opens that screen.
    for (ScreenId id : kAllScreens)
        makeScreen(id, *this);
    show(ScreenId::Menu);
}

ui::Screen& Program::screen(ScreenId id)
{
    auto& slot = m_screens[id];
    if (!slot) {
        slot = m_factory(id, *this);
        followRequests(id, *slot);
    }
    return *slot;
}

void Program::followRequests(ScreenId id, ui::Screen& screen)
{
    const auto toMenu = [this, id] { backToMenu(id); };
    if (auto* menu = qobject_cast<MenuScreen*>(&screen)) {
        connect(menu, &MenuScreen::screenChosen, this, [this](ScreenId next) { show(next); });
        connect(menu, &MenuScreen::endChosen, this, [this] { end(); });
    } else if (auto* lesson = qobject_cast<lessons::LessonScreen*>(&screen)) {
        connect(lesson, &lessons::LessonScreen::menuRequested, this, toMenu);
    } else if (auto* principle = qobject_cast<principle::PrincipleScreen*>(&screen)) {
        connect(principle, &principle::PrincipleScreen::menuRequested, this, toMenu);
    } else if (auto* start = qobject_cast<drill::DrillStartScreen*>(&screen)) {
        connect(start, &drill::DrillStartScreen::drillRequested, this, [this] { show(ScreenId::Drill); });
    } else if (auto* quiz = qobject_cast<drill::DrillScreen*>(&screen)) {
        connect(quiz, &drill::DrillScreen::menuRequested, this, toMenu);
    }
}

void Program::backToMenu(ScreenId from)
{
    if (m_ended)
        return;
    auto& menu = static_cast<MenuScreen&>(screen(ScreenId::Menu));
    menu.returnFrom(from);
    menu.show();
}

void Program::show(ScreenId id)
{
    if (!m_ended)
        screen(id).show();
}

void Program::end()
{
    // At once: every screen goes without any of its handlers running.
    m_ended = true;
    for (auto& [id, screen] : m_screens)
        screen->unload();
    m_quit(0);
}

int Program::loadedCount() const
{
    int count = 0;
    for (const auto& [id, screen] : m_screens)
        count += screen->isLoaded() ? 1 : 0;
    return count;
}

void Program::screenUnloaded()
{
    // A handler that leaves one screen for another has no screen loaded for a moment; look again
    // once it has finished.
    if (m_ended || m_checkQueued)
        return;
    m_checkQueued = true;
    QTimer::singleShot(0, this, [this] { quitIfNothingLoaded(); });
}

void Program::quitIfNothingLoaded()
{
    m_checkQueued = false;
    if (m_ended || loadedCount() > 0)
        return;
    m_ended = true;
    m_quit(0);
}

}  // namespace app
