#pragma once

#include "failurebox.h"
#include "screenid.h"

#include "content/failurereport.h"
#include "ui/pictures/picture.h"
#include "ui/screen/pace.h"
#include "ui/screen/screen.h"
#include "ui/screen/screenhost.h"
#include "ui/screen/windowsizer.h"
#include "ui/sound/muting.h"
#include "ui/sound/soundsink.h"

#include <QObject>

#include <functional>
#include <map>
#include <memory>

namespace app {

// The program around the screens: one instance of each screen, created the first time it is
// used, and the rule that the program ends when no screen is loaded or when End is called. It
// owns what the screens share: the guard around their handlers with the failure report behind
// it, the stored pictures, the sound output, and the teacher's pace of the animations and mute.
class Program : public QObject, public ui::ScreenHost {
    Q_OBJECT
public:
    using ScreenFactory = std::function<std::unique_ptr<ui::Screen>(ScreenId, ui::ScreenHost&)>;
    using Quit = std::function<void(int exitCode)>;

    // By default the screens are the program's own, quitting leaves the event loop, a content
    // failure shows the message box and sounds go to the speakers.
    explicit Program(ScreenFactory factory = {}, Quit quit = {}, content::FailureReporter* reporter = nullptr,
                     ui::SoundSinkFactory sounds = {});
    ~Program() override;

    void start();  // checks every screen's handlers against its table, then shows the menu

    // Shows a screen, or ends at once: every screen goes without any of its handlers running.
    void show(ScreenId id);
    void end();

    void screenUnloaded() override;
    content::EventGuard& guard() override { return m_guard; }
    ui::PictureStore& pictures() override { return m_pictures; }
    ui::ViewSettings& viewSettings() override { return m_view; }
    // Every sound passes the switch that mutes them all.
    std::unique_ptr<ui::SoundSink> makeSoundSink() override { return ui::makeMutableSink(m_sounds(), m_muting); }
    ui::Pace& pace() override { return m_pace; }
    ui::Muting& muting() override { return m_muting; }

    ui::Screen& screen(ScreenId id);
    bool isCreated(ScreenId id) const { return m_screens.count(id) != 0; }
    int loadedCount() const;
    bool hasEnded() const { return m_ended; }

    static std::unique_ptr<ui::Screen> makeScreen(ScreenId id, ui::ScreenHost& host);

private:
    void followRequests(ScreenId id, ui::Screen& screen);
    // Back to the menu from the screen `from`, whose button then has the focus.
    void backToMenu(ScreenId from);
    void quitIfNothingLoaded();

    ScreenFactory m_factory;
    Quit m_quit;
    FailureBox m_failureBox;
    content::EventGuard m_guard;
    ui::PictureStore m_pictures;
    ui::SoundSinkFactory m_sounds;
    ui::ViewSettings m_view;
    ui::Pace m_pace;
    ui::Muting m_muting;
    // Declared after what the screens use, so they go first.
    std::map<ScreenId, std::unique_ptr<ui::Screen>> m_screens;
    bool m_ended = false;
    bool m_checkQueued = false;
};

}  // namespace app
