#pragma once

#include "ui/layout/style.h"

// The label and list styles every lesson screen shares.
namespace lessons {

inline constexpr ui::Colour kBlue = ui::bgr(0x00FF0000);
inline constexpr ui::Colour kRed = ui::bgr(0x000000FF);
inline constexpr ui::Colour kNavy = ui::bgr(0x00800000);
inline constexpr ui::Colour kLightBlue = ui::bgr(0x00FF8080);

inline constexpr ui::TextStyle kNameStyle{{ui::Face::PMincho, 14.25, true}, kBlue, ui::kWhite};
inline constexpr ui::TextStyle kPromptStyle{{ui::Face::PMincho, 14.25, true}, kRed, ui::kWhite};
inline constexpr ui::TextStyle kSignStyle{{ui::Face::Mincho, 15.75, true}, kRed, ui::kWhite};
inline constexpr ui::TextStyle kEmfStyle{{ui::Face::Mincho, 18, true}, ui::kWhite, kLightBlue};
inline constexpr ui::TextStyle kExplanationStyle{{ui::Face::Mincho, 12, false}, kNavy, ui::kWhite};

}  // namespace lessons
