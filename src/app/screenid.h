#pragma once

namespace app {

// The program's screens, each one program-wide instance.
enum class ScreenId { Menu, Principle, Volta, Daniell, Manganese, Lead, DrillStart, Drill };
inline constexpr ScreenId kAllScreens[] = {ScreenId::Menu,       ScreenId::Principle, ScreenId::Volta,
                                           ScreenId::Daniell,    ScreenId::Manganese, ScreenId::Lead,
                                           ScreenId::DrillStart, ScreenId::Drill};

}  // namespace app
