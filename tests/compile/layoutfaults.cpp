// Layout tables that must not compile. tests/CMakeLists.txt builds this file once per fault and
// expects the compiler to name the rule the table breaks; with no fault chosen the table is sound.
#include "ui/layout/layout.h"

// Inline, as the screens' shared styles are: GCC's null checks once made its address unfit for a
// constant expression, so a sanitizer build of the sound table checks that too.
namespace faults {
inline constexpr ui::TextStyle kPlain{{ui::Face::Mincho, 12, false}, ui::kSystemWindowText, ui::kWhite};
}  // namespace faults

namespace {

using namespace ui;
using faults::kPlain;

// clang-format off
constexpr ControlSpec kRows[] = {
    {"Frame1", kNoIndex, Kind::Frame, kForm, 0, 0, 3000, 3000, kShown, panel(kLightGrey)},
#if defined(ULMARO_FAULT_DUPLICATE_ROW)
    {"Image1", 1, Kind::Image, "Frame1", 0, 0, 300, 300, kShown, none()},
    {"Image1", 1, Kind::Image, "Frame1", 300, 0, 300, 300, kShown, none()},
#elif defined(ULMARO_FAULT_CONTAINER_BELOW)
    {"Image1", kNoIndex, Kind::Image, "Frame2", 0, 0, 300, 300, kShown, none()},
    {"Frame2", kNoIndex, Kind::Frame, kForm, 0, 0, 3000, 3000, kShown, panel(kLightGrey)},
#elif defined(ULMARO_FAULT_PICTURE_ON_A_LABEL)
    {"Label1", kNoIndex, Kind::Label, kForm, 0, 0, 300, 300, kShown, picture(":/ui/art/face_menu.svg")},
#elif defined(ULMARO_FAULT_STYLE_ON_AN_IMAGE)
    {"Image1", kNoIndex, Kind::Image, kForm, 0, 0, 300, 300, kShown, caption("文字", kPlain)},
#elif defined(ULMARO_FAULT_ANIMATION_ON_AN_IMAGE)
    {"Image1", kNoIndex, Kind::Image, kForm, 0, 0, 300, 300, kShown, animationClock()},
#else
    {"Timer1", kNoIndex, Kind::Timer, kForm, 0, 0, 0, 0, kHidden, animationClock()},
    {"Image1", 0, Kind::Image, "Frame1", 0, 0, 300, 300, kShown, none()},
    {"Image1", 1, Kind::Image, "Frame1", 300, 0, 300, 300, kShown, none()},
    {"Label1", kNoIndex, Kind::Label, kForm, 0, 0, 300, 300, kShown, caption("文字", kPlain)},
#endif
};
// clang-format on

[[maybe_unused]] constexpr Layout kChecked = kRows;

}  // namespace
