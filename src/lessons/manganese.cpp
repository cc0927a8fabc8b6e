#include "cells.h"
#include "lessonrows.h"
#include "lessonscreen.h"
#include "lessonstyles.h"

#include "ui/screen/controls.h"

namespace lessons {
namespace {

using namespace ui;

// clang-format off
constexpr ControlSpec kLayout[] = {
    // name       index     kind                 in     left  top   width height visible  content
    rows::lessonButton("Command5", 9390, 4455, ":/lessons/art/face_inside.svg", "内部の構造"),
    {"List1",    kNoIndex, Kind::ListBox,       kForm, 30,   900,  2715, 5580, kHidden, list(kExplanationStyle, rows::kExplanationTab).named("説明")},
    rows::kMenuButton,
    rows::lessonButton("Command3", 9390, 3765, ":/lessons/art/face_positive.svg", "正極拡大"),
    rows::lessonButton("Command2", 9390, 3075, ":/lessons/art/face_negative.svg", "負極拡大"),
    rows::lessonButton("Command1", 9390, 2370, ":/lessons/art/face_flow.svg", "電子の流れ"),
    rows::kAnimationClock,
    {"Image8",   kNoIndex, Kind::Image,         kForm, 1545, 1590, 3855, 4440, kHidden, stretched(":/lessons/art/manganese/cutaway.svg", "マンガン乾電池の内部：正極端子、絶縁体、炭素棒、MnO₂+C（正極）、ZnCl₂, NH₄Cl（電解液）、亜鉛筒（負極）").named("マンガン乾電池の内部")},
    rows::kSwitch,
    {"Image18",  kNoIndex, Kind::Image,         kForm, 2910, 1440, 4920, 4350, kHidden, picture(":/lessons/art/manganese/zoom_positive.svg", "正極の拡大図：炭素棒のまわりの黒い合剤の中で、酸化マンガン(IV)の粒がペーストからの H⁺ と炭素棒からの e⁻ を受け取って還元され、MnO(OH) になる（MnO₂ + H⁺ + e⁻ → MnO(OH)）").named("正極の拡大図")},
    {"Image17",  kNoIndex, Kind::Image,         kForm, 2745, 1500, 5025, 4320, kHidden, picture(":/lessons/art/manganese/zoom_negative.svg", "負極の拡大図：亜鉛筒の亜鉛が亜鉛イオン Zn²⁺ となって溶け出し電子が残る。Zn²⁺ はペーストの Cl⁻ や水と結びつく。NH₄⁺ から生じた H⁺ は正極へ移る").named("負極の拡大図")},
    {"Image16",  kNoIndex, Kind::Image,         kForm, 5820, 6015, 5625, 495,  kHidden, picture(":/lessons/art/manganese/reaction_positive.svg", "②正極：MnO₂ + H⁺ + e⁻ → MnO(OH)").named("②正極：MnO₂ + H⁺ + e⁻ → MnO(OH)")},
    {"Image15",  kNoIndex, Kind::Image,         kForm, 165,  6570, 6000, 495,  kHidden, picture(":/lessons/art/manganese/reaction_negative.svg", "①負極：Zn → Zn²⁺ + 2e⁻").named("①負極：Zn → Zn²⁺ + 2e⁻")},
    {"Image14",  kNoIndex, Kind::Image,         kForm, 2235, 6420, 6750, 600,  kHidden, picture(":/lessons/art/manganese/notation.svg", "(−) Zn | ZnCl₂aq, NH₄Claq | MnO₂·C (+)").named("(−) Zn | ZnCl₂aq, NH₄Claq | MnO₂·C (+)")},
    rows::emf("起電力　1.5 V"),
    {"Label6",   kNoIndex, Kind::Label,         kForm, 8175, 2325, 435,  360,  kHidden, caption("＋", kSignStyle)},
    {"Label5",   kNoIndex, Kind::Label,         kForm, 3810, 2520, 435,  360,  kHidden, caption("－", kSignStyle)},
    rows::kPrompt,
    rows::kWireElectrons,
    rows::kClosedCircuit,
    {"Label3",   kNoIndex, Kind::Label,         kForm, 3900, 4305, 2625, 360,  kShown,  caption("ZnCl₂・NH₄Cl", kNameStyle)},
    {"Label2",   kNoIndex, Kind::Label,         kForm, 8175, 1920, 990,  375,  kShown,  caption("炭素棒", kNameStyle)},
    {"Label1",   kNoIndex, Kind::Label,         kForm, 2790, 2505, 990,  375,  kShown,  caption("亜鉛筒", kNameStyle)},
    {"Image7",   kNoIndex, Kind::Image,         kForm, 7575, 1605, 420,  3000, kHidden, picture(":/lessons/art/electrons_positive.svg")},
    {"Image5",   kNoIndex, Kind::Image,         kForm, 2340, 3225, 435,  3000, kHidden, picture(":/lessons/art/electrons_negative.svg")},
    {"Image4",   kNoIndex, Kind::Image,         kForm, 5500, 2925, 345,  3015, kHidden, none()},
    {"Image3",   kNoIndex, Kind::Image,         kForm, 3000, 2925, 315,  3045, kHidden, none()},
    rows::title(":/lessons/art/panel_manganese.svg", "マンガン乾電池"),
    rows::drawing(":/lessons/art/manganese/cell.svg", "マンガン乾電池の図",
                  "マンガン乾電池の断面図：亜鉛筒、塩化亜鉛と塩化アンモニウムのペースト、炭素棒のまわりの酸化マンガン(IV)と炭素の粉の黒い合剤、右上にイオンの色の見本（水素イオン H⁺）"),
};
// clang-format on

constexpr Enlargement kViews[] = {
    {kNegativeButton, kNegativeView, "\\説明\\マンガン\\負極.txt"},
    {kPositiveButton, kPositiveView, "\\説明\\マンガン\\正極.txt"},
    {kInsideButton, kInsideView, nullptr},
};

constexpr int kOneElectrolyteLabel[] = {kNoIndex};

// Both ion streams play the hydrogen-ion frames.
constexpr LessonSetup kManganese{
    "マンガン乾電池", kLayout, "h_", "h_", kViews, kOneElectrolyteLabel,
    "回路がつながりました。豆電球が光り、起電力は 1.5 V です。",
    "亜鉛筒の亜鉛が亜鉛イオンとなって溶け出し、亜鉛筒に残った電子が、亜鉛筒から導線を通って炭素棒へ流れます。"
    "炭素棒のまわりで、酸化マンガン(IV)が水素イオンと電子を受け取り、MnO(OH) になります。"};
static_assert(hasTemplateRows(kManganese), "the table lacks a row the lesson template uses");

}  // namespace

std::unique_ptr<ui::Screen> makeManganese(ui::ScreenHost& host)
{
    return std::make_unique<LessonScreen>(host, kManganese);
}

}  // namespace lessons
