#pragma once

namespace ui {

// The program's screens, each one program-wide instance.
enum class ScreenId { Menu, Principle, Volta, Daniell, Manganese, Lead, DrillStart, Drill };
inline constexpr ScreenId kAllScreens[] = {ScreenId::Menu,      ScreenId::Principle, ScreenId::Volta,
                                           ScreenId::Daniell,   ScreenId::Manganese, ScreenId::Lead,
                                           ScreenId::DrillStart, ScreenId::Drill};

// What a screen asks of the program around it: show another screen, or end at once.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;
    virtual void show(ScreenId id) = 0;
    virtual void end() = 0;
    // Called after a screen unloads; the program ends when no screen is left loaded.
    virtual void screenUnloaded() = 0;
};

}  // namespace ui
