#include "voltascreen.h"

#include "cells.h"
#include "lessonrows.h"
#include "lessonstyles.h"

#include "ui/screen/controls.h"

#include <QWidget>

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
    {"Timer2",   kNoIndex, Kind::Timer,         kForm, 0,    0,    0,    0,    kHidden, animationClock()},
    rows::kAnimationClock,
    rows::kSwitch,
    {"Image18",  kNoIndex, Kind::Image,         kForm, 2715, 1575, 5070, 4440, kHidden, picture(":/lessons/art/volta/zoom_positive.svg", "正極の拡大図：水素イオンが銅板で電子を受け取り水素ガスになる").named("正極の拡大図")},
    {"Image17",  kNoIndex, Kind::Image,         kForm, 3675, 1680, 5100, 4425, kHidden, picture(":/lessons/art/volta/zoom_negative.svg", "負極の拡大図：亜鉛が亜鉛イオンとなって溶け出し電子が残る").named("負極の拡大図")},
    {"Image16",  kNoIndex, Kind::Image,         kForm, 6390, 6435, 3000, 600,  kHidden, picture(":/lessons/art/volta/reaction_positive.svg", "2H⁺ + 2e⁻ → H₂").named("2H⁺ + 2e⁻ → H₂")},
    {"Image15",  kNoIndex, Kind::Image,         kForm, 1920, 6435, 3000, 600,  kHidden, picture(":/lessons/art/volta/reaction_negative.svg", "Zn → Zn²⁺ + 2e⁻").named("Zn → Zn²⁺ + 2e⁻")},
    {"Image14",  kNoIndex, Kind::Image,         kForm, 2310, 6435, 6750, 600,  kHidden, picture(":/lessons/art/volta/notation.svg", "(−) Zn | H₂SO₄aq | Cu (+)").named("(−) Zn | H₂SO₄aq | Cu (+)")},
    rows::emf("起電力　約1.1 V（はじめ）", 4740),
    {"Label6",   kNoIndex, Kind::Label,         kForm, 8175, 2325, 435,  360,  kHidden, caption("＋", kSignStyle)},
    {"Label5",   kNoIndex, Kind::Label,         kForm, 2670, 2355, 435,  360,  kHidden, caption("－", kSignStyle)},
    rows::kPrompt,
    rows::kWireElectrons,
    rows::kClosedCircuit,
    {"Image11",  kNoIndex, Kind::Image,         kForm, 3015, 2835, 135,  3225, kHidden, none()},
    {"Image10",  kNoIndex, Kind::Image,         kForm, 3945, 2835, 135,  3240, kHidden, none()},
    {"Label3",   kNoIndex, Kind::Label,         kForm, 5175, 4275, 990,  375,  kShown,  caption("希硫酸", kNameStyle)},
    {"Label2",   kNoIndex, Kind::Label,         kForm, 8175, 1920, 990,  375,  kShown,  caption("銅板", kNameStyle)},
    {"Label1",   kNoIndex, Kind::Label,         kForm, 2115, 1935, 990,  375,  kShown,  caption("亜鉛板", kNameStyle)},
    {"Image9",   kNoIndex, Kind::Image,         kForm, 8145, 2835, 135,  3240, kHidden, none()},
    {"Image8",   kNoIndex, Kind::Image,         kForm, 7215, 2835, 135,  3225, kHidden, none()},
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
    {kNegativeButton, kNegativeView, "\\説明\\ボルタ\\負極.txt"},
    {kPositiveButton, kPositiveView, "\\説明\\ボルタ\\正極.txt"},
};

constexpr int kOneElectrolyteLabel[] = {kNoIndex};

constexpr LessonSetup kVolta{
    "ボルタの電池", kLayout, "zn_", "h_", kViews, kOneElectrolyteLabel,
    "回路がつながりました。豆電球が光り、起電力ははじめ約 1.1 V です。銅板から水素の泡が出て、豆電球はすぐに暗くなります。",
    "亜鉛が亜鉛イオンとなって希硫酸に溶け出し、亜鉛板に残った電子が、亜鉛板から導線を通って銅板へ流れます。"
    "銅板の表面で水素イオンが電子を受け取り、水素の泡になります。"};
static_assert(hasTemplateRows(kVolta), "the table lacks a row the lesson template uses");

// The bubbles' clock and the two columns at each plate: the inner one faces the other plate.
constexpr std::string_view kBubbleClock = "Timer2";
constexpr std::string_view kCopperInnerBubbles = "Image8";
constexpr std::string_view kCopperOuterBubbles = "Image9";
constexpr std::string_view kZincInnerBubbles = "Image10";
constexpr std::string_view kZincOuterBubbles = "Image11";
static_assert(kVolta.layout.has(kBubbleClock, kNoIndex, Kind::Timer)
                  && kVolta.layout.has(kCopperInnerBubbles, kNoIndex, Kind::Image)
                  && kVolta.layout.has(kCopperOuterBubbles, kNoIndex, Kind::Image)
                  && kVolta.layout.has(kZincInnerBubbles, kNoIndex, Kind::Image)
                  && kVolta.layout.has(kZincOuterBubbles, kNoIndex, Kind::Image),
              "the table lacks a row of the bubbles");

constexpr const char* kBubbles1 = "\\画像\\アニメ\\awa1.gif";
constexpr const char* kBubbles2 = "\\画像\\アニメ\\awa2.gif";
// The few bubbles at the zinc plate while the circuit is closed.
constexpr const char* kFewBubbles1 = "\\画像\\アニメ\\awa3.gif";
constexpr const char* kFewBubbles2 = "\\画像\\アニメ\\awa4.gif";

// The lamp as it dims: its picture and what a screen reader calls it.
struct LampLook {
    std::string_view picture;  // empty: the one the layout gives
    const char* name;
    const char* description;
};
constexpr LampLook kLampLooks[] = {
    {{}, nullptr, nullptr},
    {":/lessons/art/volta/circuit_dimming.svg", "暗くなっていく豆電球", "暗くなっていく豆電球と押されたスイッチ"},
    {":/lessons/art/volta/circuit_dim.svg", "暗くなった豆電球", "暗くなった豆電球と押されたスイッチ"},
};

}  // namespace

VoltaScreen::VoltaScreen(ui::ScreenHost& host) : LessonScreen(host, kVolta)
{
    onTick(kBubbleClock, [this] { bubblesTicked(); });
}

void VoltaScreen::afterLoad()
{
    m_nextInnerPicture = BubblePicture::First;
    startBubbles();
}

void VoltaScreen::afterCircuitClosed()
{
    setVisible(kZincInnerBubbles, false);
    setVisible(kZincOuterBubbles, false);
    m_ticksClosed = 0;
    setLamp(Lamp::Bright);
}

void VoltaScreen::beforeCircuitOpened()
{
    // Restarts a bubble clock that an enlargement stopped, at the zinc plate from the first picture.
    m_nextInnerPicture = BubblePicture::First;
    startBubbles();
}

void VoltaScreen::afterCircuitOpened()
{
    setVisible(kCopperInnerBubbles, false);
    setVisible(kCopperOuterBubbles, false);
    setVisible(kZincInnerBubbles, true);
    setVisible(kZincOuterBubbles, true);
}

void VoltaScreen::afterFlowStarted()
{
    startBubbles();
}

void VoltaScreen::afterAnimationStopped()
{
    // The bubbles freeze where they are, still shown, until their clock runs again.
    setInterval(kBubbleClock, 0);
}

void VoltaScreen::bubblesTicked()
{
    // The two columns of one plate swap the two bubble pictures at every tick.
    const bool firstInside = m_nextInnerPicture == BubblePicture::First;
    m_nextInnerPicture = firstInside ? BubblePicture::Second : BubblePicture::First;
    const bool atCopper = lessonState().circuitClosed;
    const std::string_view inner = atCopper ? kCopperInnerBubbles : kZincInnerBubbles;
    const std::string_view outer = atCopper ? kCopperOuterBubbles : kZincOuterBubbles;
    loadPicture(inner, QString::fromUtf8(firstInside ? kBubbles1 : kBubbles2));
    loadPicture(outer, QString::fromUtf8(firstInside ? kBubbles2 : kBubbles1));
    setVisible(inner, true);
    setVisible(outer, true);
    if (!atCopper)
        return;
    loadPicture(kZincInnerBubbles, QString::fromUtf8(firstInside ? kFewBubbles1 : kFewBubbles2));
    loadPicture(kZincOuterBubbles, QString::fromUtf8(firstInside ? kFewBubbles2 : kFewBubbles1));
    setVisible(kZincInnerBubbles, true);
    setVisible(kZincOuterBubbles, true);
    if (m_ticksClosed == kDimTicks)
        return;
    ++m_ticksClosed;
    if (m_ticksClosed == kDimmingTicks)
        setLamp(Lamp::Dimming);
    else if (m_ticksClosed == kDimTicks)
        setLamp(Lamp::Dim);
}

void VoltaScreen::setLamp(Lamp lamp)
{
    m_lamp = lamp;
    const LampLook& look = kLampLooks[int(lamp)];
    setStoredPicture(kClosedCircuit, look.picture);
    const ControlSpec& row = control(kClosedCircuit).row();
    QWidget& widget = control(kClosedCircuit).widget();
    widget.setAccessibleName(look.name ? QString::fromUtf8(look.name) : toQString(row.content.name));
    widget.setAccessibleDescription(look.description ? QString::fromUtf8(look.description)
                                                     : toQString(row.content.text));
}

void VoltaScreen::startBubbles()
{
    setInterval(kBubbleClock, kBubbleIntervalMs);
}

std::unique_ptr<ui::Screen> makeVolta(ui::ScreenHost& host)
{
    return std::make_unique<VoltaScreen>(host);
}

}  // namespace lessons
