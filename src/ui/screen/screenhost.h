#pragma once

#include "ui/sound/soundsink.h"

#include <memory>

namespace content {
class EventGuard;
}

namespace ui {

class Muting;
class Pace;
class PictureStore;
struct ViewSettings;

// What a screen needs from the program around it. The program owns all of it and hands it to
// every screen it makes, so no screen keeps program-wide state of its own. Where a screen leads
// on to is the program's business: screens ask for it with signals of their own.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;
    // Called after a screen unloads; the program ends when no screen is left loaded.
    virtual void screenUnloaded() = 0;

    // Runs every handler of the screen's events; a content failure in one is reported there.
    virtual content::EventGuard& guard() = 0;
    // The pictures stored with the layouts.
    virtual PictureStore& pictures() = 0;
    // A sound output for each media player, made as its screen loads.
    virtual std::unique_ptr<SoundSink> makeSoundSink() = 0;
    // How windows are shown in this run, the same for every screen.
    virtual ViewSettings& viewSettings() = 0;
    // The teacher's pace of the animations and the switch of the sounds, the same on every screen.
    virtual Pace& pace() = 0;
    virtual Muting& muting() = 0;
};

}  // namespace ui
