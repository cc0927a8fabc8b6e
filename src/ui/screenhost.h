#pragma once

#include "soundsink.h"

#include <memory>

namespace content {
class EventGuard;
}

namespace ui {

class PictureStore;

// The program's screens, each one program-wide instance.
enum class ScreenId { Menu, Principle, Volta, Daniell, Manganese, Lead, DrillStart, Drill };
inline constexpr ScreenId kAllScreens[] = {ScreenId::Menu,      ScreenId::Principle, ScreenId::Volta,
                                           ScreenId::Daniell,   ScreenId::Manganese, ScreenId::Lead,
                                           ScreenId::DrillStart, ScreenId::Drill};

// What a screen asks of the program around it. The program owns all of it and hands it to every
// screen it makes, so no screen keeps program-wide state of its own.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;
    // Show another screen, or end at once.
    virtual void show(ScreenId id) = 0;
    virtual void end() = 0;
    // Called after a screen unloads; the program ends when no screen is left loaded.
    virtual void screenUnloaded() = 0;

    // Runs every handler of the screen's events; a content failure in one is reported there.
    virtual content::EventGuard& guard() = 0;
    // The pictures stored with the layouts.
    virtual PictureStore& pictures() = 0;
    // A sound output for each media player, made as its screen loads.
    virtual std::unique_ptr<SoundSink> makeSoundSink() = 0;
};

}  // namespace ui
