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
    rows::lessonButton("Command5", 9390, 5055, ":/lessons/art/face_porous.svg", "素焼板拡大"),
    {"List1",    kNoIndex, Kind::ListBox,       kForm, 225,  1665, 3390, 4620, kHidden, list(kExplanationStyle, rows::kExplanationTab).named("説明")},
    rows::kMenuButton,
    rows::lessonButton("Command3", 9390, 4380, ":/lessons/art/face_positive.svg", "正極拡大"),
    rows::lessonButton("Command2", 9390, 3690, ":/lessons/art/face_negative.svg", "負極拡大"),
    rows::lessonButton("Command1", 9390, 2985, ":/lessons/art/face_flow.svg", "電子の流れ"),
    rows::kAnimationClock,
    {"Image17",  kNoIndex, Kind::Image,         kForm, 3735, 1815, 5115, 4470, kHidden, picture(":/lessons/art/daniell/zoom_negative.svg", "負極の拡大図：亜鉛が亜鉛イオンとなって溶け出し電子が残る").named("負極の拡大図")},
    {"Image8",   kNoIndex, Kind::Image,         kForm, 3375, 1800, 4590, 4590, kHidden, picture(":/lessons/art/daniell/zoom_porous.svg", "素焼板の拡大図：亜鉛イオンは右へ、硫酸イオンは左へ素焼板を通り、銅(II)イオンは右に残る").named("素焼板の拡大図")},
    {"Label8",   kNoIndex, Kind::Label,         kForm, 5130, 2310, 990,  375,  kShown,  caption("素焼板", kNameStyle)},
    {"Label3",   1,        Kind::Label,         kForm, 5835, 4350, 1410, 360,  kShown,  caption("CuSO₄aq", kNameStyle)},
    rows::kSwitch,
    {"Image18",  kNoIndex, Kind::Image,         kForm, 2640, 1800, 5100, 4485, kHidden, picture(":/lessons/art/daniell/zoom_positive.svg", "正極の拡大図：銅(II)イオンが銅板で電子を受け取り銅が析出する").named("正極の拡大図")},
    {"Image16",  kNoIndex, Kind::Image,         kForm, 6390, 6435, 3000, 600,  kHidden, picture(":/lessons/art/daniell/reaction_positive.svg", "Cu²⁺ + 2e⁻ → Cu").named("Cu²⁺ + 2e⁻ → Cu")},
    {"Image15",  kNoIndex, Kind::Image,         kForm, 1905, 6435, 3000, 600,  kHidden, picture(":/lessons/art/daniell/reaction_negative.svg", "Zn → Zn²⁺ + 2e⁻").named("Zn → Zn²⁺ + 2e⁻")},
    {"Image14",  kNoIndex, Kind::Image,         kForm, 1725, 6450, 8010, 600,  kHidden, picture(":/lessons/art/daniell/notation.svg", "(−) Zn | ZnSO₄aq | CuSO₄aq | Cu (+)").named("(−) Zn | ZnSO₄aq | CuSO₄aq | Cu (+)")},
    rows::emf("起電力　1.1 V"),
    {"Label6",   kNoIndex, Kind::Label,         kForm, 8175, 2325, 435,  360,  kHidden, caption("＋", kSignStyle)},
    {"Label5",   kNoIndex, Kind::Label,         kForm, 2670, 2355, 435,  360,  kHidden, caption("－", kSignStyle)},
    rows::kPrompt,
    rows::kWireElectrons,
    rows::kClosedCircuit,
    {"Label3",   0,        Kind::Label,         kForm, 4065, 4350, 1410, 360,  kShown,  caption("ZnSO₄aq", kNameStyle)},
    {"Label2",   kNoIndex, Kind::Label,         kForm, 8175, 1920, 990,  375,  kShown,  caption("銅板", kNameStyle)},
    {"Label1",   kNoIndex, Kind::Label,         kForm, 2115, 1935, 990,  375,  kShown,  caption("亜鉛板", kNameStyle)},
    {"Image7",   kNoIndex, Kind::Image,         kForm, 7590, 2145, 420,  3000, kHidden, picture(":/lessons/art/electrons_positive.svg")},
    {"Image5",   kNoIndex, Kind::Image,         kForm, 3360, 2895, 435,  3000, kHidden, picture(":/lessons/art/electrons_negative.svg")},
    {"Image4",   kNoIndex, Kind::Image,         kForm, 6060, 2870, 345,  3015, kHidden, none()},
    {"Image3",   kNoIndex, Kind::Image,         kForm, 4035, 2925, 2025, 3045, kHidden, none()},
    rows::title(":/lessons/art/panel_daniell.svg", "ダニエル電池"),
    rows::drawing(":/lessons/art/daniell/cell.svg", "ダニエル電池の図",
                  "ダニエル電池の図：素焼板で仕切った無色の硫酸亜鉛水溶液と青い硫酸銅(II)水溶液に亜鉛板と銅板を立てたもの、右上にイオンの色の見本（亜鉛イオン Zn²⁺、銅(II)イオン Cu²⁺、硫酸イオン SO₄²⁻）"),
};
// clang-format on

// 素焼板拡大 and its view, the porous plate.
constexpr std::string_view kPorousButton = "Command5";
constexpr std::string_view kPorousView = "Image8";

constexpr Enlargement kViews[] = {
    {kNegativeButton, kNegativeView, "\\説明\\ダニエル\\負極.txt"},
    {kPositiveButton, kPositiveView, "\\説明\\ダニエル\\正極.txt"},
    {kPorousButton, kPorousView, "\\説明\\ダニエル\\素焼き板.txt"},
};

// One label per solution, changed together, member 0 first.
constexpr int kTwoElectrolyteLabels[] = {0, 1};

// Zinc ions leaving the zinc plate with sulfate ions crossing the porous plate leftwards, and
// copper ions moving to the copper plate.
constexpr LessonSetup kDaniell{
    "ダニエル電池", kLayout, "znso4_", "cu_", kViews, kTwoElectrolyteLabels,
    "回路がつながりました。豆電球が光り、起電力は 1.1 V です。",
    "亜鉛が亜鉛イオンとなって硫酸亜鉛水溶液に溶け出し、亜鉛板に残った電子が、亜鉛板から導線を通って銅板へ流れます。"
    "銅板の表面で銅(II)イオンが電子を受け取り、銅が析出します。硫酸イオンは素焼板を通って亜鉛板の側へ移ります。"};
static_assert(hasTemplateRows(kDaniell), "the table lacks a row the lesson template uses");

// The drawing as the copper(II) sulfate solution pales, one step a cycle of the flow, since the
// copper ions deposit on the plate; the last stays. A visit starts with the full blue.
constexpr std::string_view kDrawing = "Image1";
constexpr std::string_view kPalerDrawings[] = {
    ":/lessons/art/daniell/cell_paler1.svg",
    ":/lessons/art/daniell/cell_paler2.svg",
    ":/lessons/art/daniell/cell_paler3.svg",
    ":/lessons/art/daniell/cell_paler4.svg",
};

class DaniellScreen : public LessonScreen {
public:
    explicit DaniellScreen(ui::ScreenHost& host) : LessonScreen(host, kDaniell) {}

private:
    void afterLoad() override { m_paler = 0; }
    void afterCycle() override
    {
        if (m_paler == int(std::size(kPalerDrawings)))
            return;
        setStoredPicture(kDrawing, kPalerDrawings[m_paler]);
        ++m_paler;
    }

    int m_paler = 0;  // how many steps the blue has paled
};

}  // namespace

std::unique_ptr<ui::Screen> makeDaniell(ui::ScreenHost& host)
{
    return std::make_unique<DaniellScreen>(host);
}

}  // namespace lessons
