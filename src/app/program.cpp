#include "program.h"

#include "menuscreen.h"

#include "drill/drillscreen.h"
#include "drill/drillstartscreen.h"
#include "lessons/cells.h"
#include "principle/principlescreen.h"

#include <QCoreApplication>
#include <QTimer>

namespace app {

Program::Program(ScreenFactory factory, Quit quit)
    : m_factory(factory ? std::move(factory) : ScreenFactory(&Program::makeScreen)),
      m_quit(quit ? std::move(quit) : Quit([](int code) { QCoreApplication::exit(code); }))
{
}

Program::~Program() = default;

std::unique_ptr<ui::Screen> Program::makeScreen(ui::ScreenId id, ui::ScreenHost& host)
{
    using ui::ScreenId;
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
    for (ui::ScreenId id : ui::kAllScreens)
        makeScreen(id, *this);
    show(ui::ScreenId::Menu);
}

ui::Screen& Program::screen(ui::ScreenId id)
{
    auto& slot = m_screens[id];
    if (!slot)
        slot = m_factory(id, *this);
    return *slot;
}

void Program::show(ui::ScreenId id)
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
    QTimer::singleShot(0, [this] { quitIfNothingLoaded(); });
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
