#include "voltascreen.h"

#include "cells.h"
#include "lessonrows.h"
#include "lessonstyles.h"

#include "ui/screen/controls.h"

namespace lessons {
namespace {

using namespace ui;

// clang-format off
constexpr ControlSpec kLayout[] = {
    // name       index     kind                 in     left  top   width height visible  content
    {"List1",    kNoIndex, Kind::ListBox,       kForm, 120,  1020, 3465, 5580, kHidden, list(kExplanationStyle, rows::kExplanationTab).named("説明")},
    rows::kMenuButton,
    rows::lessonButton("Command3", 9375, 4935, ":/lessons/art/face_positive.svg", "正極拡大"),
    rows::lessonButton("Command2", 9375, 4245, ":/lessons/art/face_negative.svg", "負極拡大"),
    rows::lessonButton("Command1", 9375, 3540, ":/lessons/art/face_flow.svg", "電子の流れ"),
    {"Timer2",   kNoIndex, Kind::Timer,         kForm, 0,    0,    0,    0,    kHidden, none()},
    rows::kAnimationClock,
    rows::kSwitch,
    {"Image18",  kNoIndex, Kind::Image,         kForm, 2715, 1575, 5070, 4440, kHidden, picture(":/lessons/art/volta/zoom_positive.svg", "正極の拡大図：水素イオンが銅板で電子を受け取り水素ガスになる").named("正極の拡大図")},
    {"Image17",  kNoIndex, Kind::Image,         kForm, 3675, 1680, 5100, 4425, kHidden, picture(":/lessons/art/volta/zoom_negative.svg", "負極の拡大図：亜鉛が亜鉛イオンとなって溶け出し電子が残る").named("負極の拡大図")},
    {"Image16",  kNoIndex, Kind::Image,         kForm, 6390, 6435, 3000, 600,  kHidden, picture(":/lessons/art/volta/reaction_positive.svg", "2H⁺ + 2e⁻ → H₂").named("2H⁺ + 2e⁻ → H₂")},
    {"Image15",  kNoIndex, Kind::Image,         kForm, 1920, 6435, 3000, 600,  kHidden, picture(":/lessons/art/volta/reaction_negative.svg", "Zn → Zn²⁺ + 2e⁻").named("Zn → Zn²⁺ + 2e⁻")},
    {"Image14",  kNoIndex, Kind::Image,         kForm, 2310, 6435, 6750, 600,  kHidden, picture(":/lessons/art/volta/notation.svg", "(−) Zn | H₂SO₄aq | Cu (+)").named("(−) Zn | H₂SO₄aq | Cu (+)")},
    rows::emf("起電力　1．1Ｖ"),
    {"Label6",   kNoIndex, Kind::Label,         kForm, 8175, 2325, 435,  360,  kHidden, caption("＋", kSignStyle)},
    {"Label5",   kNoIndex, Kind::Label,         kForm, 2670, 2355, 435,  360,  kHidden, caption("－", kSignStyle)},
    rows::kPrompt,
    rows::kWireElectrons,
    rows::kClosedCircuit,
    {"Image11",  kNoIndex, Kind::Image,         kForm, 3015, 2835, 135,  3225, kHidden, none()},
    {"Image10",  kNoIndex, Kind::Image,         kForm, 3945, 2835, 135,  3240, kHidden, none().named("亜鉛板に出る水素の泡")},
    {"Label3",   kNoIndex, Kind::Label,         kForm, 5175, 4275, 990,  375,  kShown,  caption("希硫酸", kNameStyle)},
    {"Label2",   kNoIndex, Kind::Label,         kForm, 8175, 1920, 990,  375,  kShown,  caption("銅　板", kNameStyle)},
    {"Label1",   kNoIndex, Kind::Label,         kForm, 2115, 1935, 990,  375,  kShown,  caption("亜鉛板", kNameStyle)},
    {"Image9",   kNoIndex, Kind::Image,         kForm, 8145, 2835, 135,  3240, kHidden, none()},
    {"Image8",   kNoIndex, Kind::Image,         kForm, 7215, 2835, 135,  3225, kHidden, none().named("銅板に出る水素の泡")},
    {"Image7",   kNoIndex, Kind::Image,         kForm, 7590, 2145, 420,  3000, kHidden, picture(":/lessons/art/electrons_positive.svg")},
    {"Image5",   kNoIndex, Kind::Image,         kForm, 3360, 2895, 435,  3000, kHidden, picture(":/lessons/art/electrons_negative.svg")},
    {"Image4",   kNoIndex, Kind::Image,         kForm, 6060, 2925, 345,  3015, kHidden, none()},
    {"Image3",   kNoIndex, Kind::Image,         kForm, 4035, 2925, 315,  3045, kHidden, none()},
    rows::title(":/lessons/art/panel_volta.svg", "ボルタの電池"),
    rows::drawing(":/lessons/art/volta/cell.svg", "ボルタの電池の図",
                  "ボルタの電池の図：希硫酸に亜鉛板と銅板を立て、豆電球とスイッチを導線でつないだもの、右上にイオンの色の見本（亜鉛イオン Zn²⁺、水素イオン H⁺）"),
};
// clang-format on

constexpr Enlargement kViews[] = {
    {"Command2", "Image17", "\\説明\\ボルタ\\負極.txt"},
    {"Command3", "Image18", "\\説明\\ボルタ\\正極.txt"},
};

constexpr int kOneElectrolyteLabel[] = {kNoIndex};

constexpr LessonSetup kVolta{"ボルタの電池", kLayout, "zn_", "h_", kViews, kOneElectrolyteLabel};
static_assert(hasTemplateRows(kVolta), "the table lacks a row the lesson template uses");

// The bubbles' clock and the two columns at each plate.
static_assert(kVolta.layout.has("Timer2", kNoIndex, Kind::Timer) && kVolta.layout.has("Image8", kNoIndex, Kind::Image)
                  && kVolta.layout.has("Image9", kNoIndex, Kind::Image)
                  && kVolta.layout.has("Image10", kNoIndex, Kind::Image)
                  && kVolta.layout.has("Image11", kNoIndex, Kind::Image),
              "the table lacks a row of the bubbles");

constexpr const char* kBubbles1 = "\\画像\\アニメ\\awa1.gif";
constexpr const char* kBubbles2 = "\\画像\\アニメ\\awa2.gif";

}  // namespace

VoltaScreen::VoltaScreen(ui::ScreenHost& host) : LessonScreen(host, kVolta)
{
    onTick("Timer2", [this] { timer2Tick(); });
}

void VoltaScreen::afterLoad()
{
    m_bubblePhase = 0;
    startBubbles();
}

void VoltaScreen::afterCircuitClosed()
{
    setVisible("Image10", false);
    setVisible("Image11", false);
}

void VoltaScreen::beforeCircuitOpened()
{
    // Restarts a bubble clock that an enlargement stopped, at the zinc plate from the first picture.
    m_bubblePhase = 0;
    startBubbles();
}

void VoltaScreen::afterCircuitOpened()
{
    setVisible("Image8", false);
    setVisible("Image9", false);
    setVisible("Image10", true);
    setVisible("Image11", true);
}

void VoltaScreen::afterFlowStarted()
{
    startBubbles();
}

void VoltaScreen::afterAnimationStopped()
{
    // The bubbles freeze where they are, still shown, until their clock runs again.
    setInterval("Timer2", 0);
}

void VoltaScreen::timer2Tick()
{
    // The two columns of one plate swap the two bubble pictures at every tick.
    const bool firstPhase = m_bubblePhase == 0;
    m_bubblePhase = firstPhase ? 1 : 0;
    const bool atCopper = lessonState().switchOn == 1;
    const char* first = atCopper ? "Image8" : "Image10";
    const char* second = atCopper ? "Image9" : "Image11";
    loadPicture(first, QString::fromUtf8(firstPhase ? kBubbles1 : kBubbles2));
    loadPicture(second, QString::fromUtf8(firstPhase ? kBubbles2 : kBubbles1));
    setVisible(first, true);
    setVisible(second, true);
}

void VoltaScreen::startBubbles()
{
    setInterval("Timer2", kBubbleIntervalMs);
}

std::unique_ptr<ui::Screen> makeVolta(ui::ScreenHost& host)
{
    return std::make_unique<VoltaScreen>(host);
}

}  // namespace lessons
