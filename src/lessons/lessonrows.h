#pragma once

#include "lessonscreen.h"
#include "lessonstyles.h"

#include "ui/layout/layout.h"

namespace lessons {

// The enlargement buttons and the views they show, named alike on every cell that has them.
inline constexpr std::string_view kNegativeButton = "Command2";  // 負極拡大
inline constexpr std::string_view kNegativeView = "Image17";
inline constexpr std::string_view kPositiveButton = "Command3";  // 正極拡大
inline constexpr std::string_view kPositiveView = "Image18";
inline constexpr std::string_view kInsideButton = "Command5";  // 内部の構造
inline constexpr std::string_view kInsideView = "Image8";
// The lead cell's 充電, below the lesson buttons: it switches between discharging and charging.
inline constexpr std::string_view kChargeButton = "Command6";

}  // namespace lessons

// Layout rows that stand at the same place with the same content on every lesson screen; each
// cell's table lists them in its own front-to-back order.
namespace lessons::rows {

using namespace ui;

// clang-format off
// Tab order: the switch first (a lesson opens with the focus on it), the lesson buttons from the
// top down, the explanation, メニュー.
inline constexpr int kExplanationTab = 6;
inline constexpr ControlSpec kMenuButton{"Command4", kNoIndex, Kind::CommandButton, kForm, 9420, 255, 1665, 510, kShown, face(":/ui/art/face_menu.svg", "メニュー", 7)};
inline constexpr ControlSpec kAnimationClock{"Timer1", kNoIndex, Kind::Timer, kForm, 0, 0, 0, 0, kHidden, animationClock()};
inline constexpr ControlSpec kSwitch{"Image13", kNoIndex, Kind::Image, kForm, 6900, 1500, 480, 330, kShown, switchArea("スイッチ", 0, "押すと回路がつながります。")};
inline constexpr ControlSpec kPrompt{"Label4", kNoIndex, Kind::Label, kForm, 3825, 6585, 3705, 345, kShown, caption("スイッチを押してください", kPromptStyle)};
inline constexpr ControlSpec kWireElectrons{"Image6", kNoIndex, Kind::Image, kForm, 3960, 1605, 2325, 330, kHidden, picture(":/lessons/art/electrons_wire.svg")};
inline constexpr ControlSpec kClosedCircuit{"Image12", kNoIndex, Kind::Image, kForm, 5205, 885, 2220, 1005, kHidden, picture(":/lessons/art/circuit_closed.svg", "点灯した豆電球と押されたスイッチ").named("点灯した豆電球")};
// clang-format on

// The rows of one cell whose place or words differ: built by these, so the tables stay short.
constexpr ControlSpec emf(std::string_view words, double width = 2955)
{
    return {"Label7", kNoIndex, Kind::Label, kForm, 4200, 330, width, 390, kHidden, caption(words, kEmfStyle)};
}
constexpr ControlSpec title(std::string_view panel, std::string_view words)
{
    return {"Image2", kNoIndex, Kind::Image, kForm, 435, 105, 3480, 795, kShown, picture(panel, words).named(words)};
}
constexpr ControlSpec drawing(std::string_view art, std::string_view name, std::string_view words)
{
    return {"Image1", kNoIndex, Kind::Image, kForm, 915, 855, 9600, 6000, kShown, picture(art, words).named(name)};
}
constexpr ControlSpec lessonButton(std::string_view name, double left, double top, std::string_view art,
                                   std::string_view words)
{
    const int tab = name == kFlowButton ? 1
        : name == kNegativeButton       ? 2
        : name == kPositiveButton       ? 3
        : name == kInsideButton         ? 4
                                        : 5;
    return {name, kNoIndex, Kind::CommandButton, kForm, left, top, 1665, 510, kHidden, face(art, words, tab)};
}

}  // namespace lessons::rows
