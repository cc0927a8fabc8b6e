#pragma once

#include "ui/screen.h"
#include "ui/screenhost.h"

#include <functional>
#include <map>
#include <memory>

namespace app {

// The program around the screens: one instance of each screen, created the first time it is
// used, and the rule that the program ends when no screen is loaded or when End is called.
class Program : public ui::ScreenHost {
public:
    using ScreenFactory = std::function<std::unique_ptr<ui::Screen>(ui::ScreenId, ui::ScreenHost&)>;
    using Quit = std::function<void(int exitCode)>;

    // By default the screens are the program's own and quitting leaves the event loop.
    explicit Program(ScreenFactory factory = {}, Quit quit = {});
    ~Program() override;

    void start();  // checks every screen's handlers against its table, then shows the menu

    void show(ui::ScreenId id) override;
    void end() override;
    void screenUnloaded() override;

    ui::Screen& screen(ui::ScreenId id);
    bool isCreated(ui::ScreenId id) const { return m_screens.count(id) != 0; }
    int loadedCount() const;
    bool hasEnded() const { return m_ended; }

    static std::unique_ptr<ui::Screen> makeScreen(ui::ScreenId id, ui::ScreenHost& host);

private:
    void quitIfNothingLoaded();

    ScreenFactory m_factory;
    Quit m_quit;
    std::map<ui::ScreenId, std::unique_ptr<ui::Screen>> m_screens;
    bool m_ended = false;
    bool m_checkQueued = false;
};

}  // namespace app
