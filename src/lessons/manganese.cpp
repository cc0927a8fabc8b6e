#include "cells.h"
#include "lessonscreen.h"
#include "lessonstyles.h"

#include "ui/controls.h"

namespace lessons {
namespace {

using namespace ui;

constexpr ControlSpec kLayout[] = {
    // name       index     kind                 in     left  top   width height visible  content
    {"Command5", kNoIndex, Kind::CommandButton, kForm, 9390, 4455, 1665, 510,  kHidden, face(":/lessons/art/face_inside.svg", "内部の構造")},
    {"List1",    kNoIndex, Kind::ListBox,       kForm, 30,   900,  2715, 5580, kHidden, list(kExplanationStyle)},
    {"Command4", kNoIndex, Kind::CommandButton, kForm, 9420, 255,  1665, 510,  kShown,  face(":/ui/art/face_menu.svg", "メニュー")},
    {"Command3", kNoIndex, Kind::CommandButton, kForm, 9390, 3765, 1665, 510,  kHidden, face(":/lessons/art/face_positive.svg", "正極拡大")},
    {"Command2", kNoIndex, Kind::CommandButton, kForm, 9390, 3075, 1665, 510,  kHidden, face(":/lessons/art/face_negative.svg", "負極拡大")},
    {"Command1", kNoIndex, Kind::CommandButton, kForm, 9390, 2370, 1665, 510,  kHidden, face(":/lessons/art/face_flow.svg", "電子の流れ")},
    {"Timer1",   kNoIndex, Kind::Timer,         kForm, 0,    0,    0,    0,    kHidden, none()},
    {"Image8",   kNoIndex, Kind::Image,         kForm, 1545, 1590, 3855, 4440, kHidden, stretched(":/lessons/art/manganese/cutaway.svg", "マンガン乾電池の内部：正極端子、絶縁体、炭素棒、MnO₂+C（正極）、NH₄Cl、亜鉛筒（負極）")},
    {"Image13",  kNoIndex, Kind::Image,         kForm, 6900, 1500, 480,  330,  kShown,  none()},
    {"Image18",  kNoIndex, Kind::Image,         kForm, 2910, 1440, 4920, 4350, kHidden, picture(":/lessons/art/manganese/zoom_positive.svg", "正極の拡大図：水素イオンが炭素棒へ移り、酸化マンガン(IV)が還元される")},
    {"Image17",  kNoIndex, Kind::Image,         kForm, 2745, 1500, 5025, 4320, kHidden, picture(":/lessons/art/manganese/zoom_negative.svg", "負極の拡大図：亜鉛が亜鉛イオンとなり電子が残る")},
    {"Image16",  kNoIndex, Kind::Image,         kForm, 5820, 6015, 5625, 495,  kHidden, picture(":/lessons/art/manganese/reaction_positive.svg", "2MnO₂ + 2H⁺ + 2e⁻ → Mn₂O₃ + H₂O")},
    {"Image15",  kNoIndex, Kind::Image,         kForm, 165,  6570, 6000, 495,  kHidden, picture(":/lessons/art/manganese/reaction_negative.svg", "Zn + 4NH₄⁺ → [Zn(NH₃)₄]²⁺ + 4H⁺ + 2e⁻")},
    {"Image14",  kNoIndex, Kind::Image,         kForm, 2235, 6420, 6750, 600,  kHidden, picture(":/lessons/art/manganese/notation.svg", "(−) Zn | NH₄Cl | MnO₂·C (+)")},
    {"Label7",   kNoIndex, Kind::Label,         kForm, 4200, 330,  2955, 390,  kHidden, caption("起電力　1．５Ｖ", kEmfStyle)},
    {"Label6",   kNoIndex, Kind::Label,         kForm, 8175, 2325, 435,  360,  kHidden, caption("＋", kSignStyle)},
    {"Label5",   kNoIndex, Kind::Label,         kForm, 3810, 2520, 435,  360,  kHidden, caption("－", kSignStyle)},
    {"Label4",   kNoIndex, Kind::Label,         kForm, 3825, 6585, 3705, 345,  kShown,  caption("スイッチを押してください", kPromptStyle)},
    {"Image6",   kNoIndex, Kind::Image,         kForm, 3960, 1605, 2325, 330,  kHidden, picture(":/lessons/art/electrons_wire.svg")},
    {"Image12",  kNoIndex, Kind::Image,         kForm, 5205, 885,  2220, 1005, kHidden, picture(":/lessons/art/circuit_closed.svg")},
    {"Label3",   kNoIndex, Kind::Label,         kForm, 3900, 4305, 2625, 360,  kShown,  caption("塩化アンモニウム", kNameStyle)},
    {"Label2",   kNoIndex, Kind::Label,         kForm, 8175, 1920, 990,  375,  kShown,  caption("炭素棒", kNameStyle)},
    {"Label1",   kNoIndex, Kind::Label,         kForm, 2790, 2505, 990,  375,  kShown,  caption("亜鉛筒", kNameStyle)},
    {"Image7",   kNoIndex, Kind::Image,         kForm, 7575, 1605, 420,  3000, kHidden, picture(":/lessons/art/electrons_positive.svg")},
    {"Image5",   kNoIndex, Kind::Image,         kForm, 2340, 3225, 435,  3000, kHidden, picture(":/lessons/art/electrons_negative.svg")},
    {"Image4",   kNoIndex, Kind::Image,         kForm, 5500, 2925, 345,  3015, kHidden, none()},
    {"Image3",   kNoIndex, Kind::Image,         kForm, 3000, 2925, 315,  3045, kHidden, none()},
    {"Image2",   kNoIndex, Kind::Image,         kForm, 435,  105,  3480, 795,  kShown,  picture(":/ui/art/panel_manganese.svg", "マンガン電池")},
    {"Image1",   kNoIndex, Kind::Image,         kForm, 915,  855,  9600, 6000, kShown,  picture(":/lessons/art/manganese/cell.svg", "マンガン乾電池の断面図：亜鉛筒、塩化アンモニウムのペースト、酸化マンガン(IV)と炭素棒")},
};

constexpr Enlargement kViews[] = {
    {"Command2", "Image17", "\\説明\\マンガン\\負極.txt"},
    {"Command3", "Image18", "\\説明\\マンガン\\正極.txt"},
    {"Command5", "Image8", nullptr},
};

constexpr int kOneElectrolyteLabel[] = {kNoIndex};

// Both ion streams play the hydrogen-ion frames.
constexpr LessonSetup kManganese{"マンガン電池", kLayout, "h_", "h_", kViews, kOneElectrolyteLabel};

}  // namespace

std::unique_ptr<ui::Screen> makeManganese(ui::ScreenHost& host)
{
    return std::make_unique<LessonScreen>(host, kManganese);
}

}  // namespace lessons
