#include "leadscreen.h"

#include "cells.h"
#include "lessonrows.h"
#include "lessonstyles.h"

#include "ui/accessibility/announce.h"
#include "ui/screen/controls.h"

namespace lessons {
namespace {

using namespace ui;

// clang-format off
constexpr ControlSpec kLayout[] = {
    // name       index     kind                 in     left  top   width height visible  content
    rows::lessonButton("Command5", 9390, 5055, ":/lessons/art/face_inside.svg", "内部の構造"),
    rows::lessonButton("Command6", 9390, 5745, ":/lessons/art/face_charge.svg", "充電"),
    {"List1",    kNoIndex, Kind::ListBox,       kForm, 90,   1920, 3300, 4140, kHidden, list(kExplanationStyle, rows::kExplanationTab).named("説明")},
    rows::kMenuButton,
    rows::lessonButton("Command3", 9390, 4380, ":/lessons/art/face_positive.svg", "正極拡大"),
    rows::lessonButton("Command2", 9390, 3690, ":/lessons/art/face_negative.svg", "負極拡大"),
    rows::lessonButton("Command1", 9390, 2985, ":/lessons/art/face_flow.svg", "電子の流れ"),
    rows::kAnimationClock,
    {"Image17",  kNoIndex, Kind::Image,         kForm, 3420, 1800, 5205, 4395, kHidden, picture(":/lessons/art/lead/zoom_negative.svg", "負極の拡大図：鉛板の表面に硫酸鉛(II)ができ電子が残る").named("負極の拡大図")},
    {"Image8",   kNoIndex, Kind::Image,         kForm, 1000, 2000, 4410, 4410, kHidden, stretched(":/lessons/art/lead/cutaway.svg", "鉛蓄電池の内部：正極端子、液の入り口、負極端子、負極(Pb)、正極(PbO₂)、容器").named("鉛蓄電池の内部")},
    rows::kSwitch,
    {"Image18",  kNoIndex, Kind::Image,         kForm, 3375, 1725, 5025, 4470, kHidden, picture(":/lessons/art/lead/zoom_positive.svg", "正極の拡大図：酸化鉛(IV)の極板の表面に硫酸鉛(II)ができる").named("正極の拡大図")},
    {"Image16",  kNoIndex, Kind::Image,         kForm, 4590, 6510, 6750, 495,  kHidden, picture(":/lessons/art/lead/reaction_positive.svg", "PbO₂ + SO₄²⁻ + 4H⁺ + 2e⁻ → PbSO₄ + 2H₂O").named("PbO₂ + SO₄²⁻ + 4H⁺ + 2e⁻ → PbSO₄ + 2H₂O")},
    {"Image15",  kNoIndex, Kind::Image,         kForm, 135,  6510, 3945, 495,  kHidden, picture(":/lessons/art/lead/reaction_negative.svg", "Pb + SO₄²⁻ → PbSO₄ + 2e⁻").named("Pb + SO₄²⁻ → PbSO₄ + 2e⁻")},
    {"Image14",  kNoIndex, Kind::Image,         kForm, 2490, 6465, 6300, 600,  kHidden, picture(":/lessons/art/lead/notation.svg", "(−) Pb | H₂SO₄aq | PbO₂ (+)").named("(−) Pb | H₂SO₄aq | PbO₂ (+)")},
    rows::emf("起電力　約2.0 V"),
    {"Label6",   kNoIndex, Kind::Label,         kForm, 8640, 2355, 435,  360,  kHidden, caption("＋", kSignStyle)},
    {"Label5",   kNoIndex, Kind::Label,         kForm, 2220, 2355, 435,  360,  kHidden, caption("－", kSignStyle)},
    rows::kPrompt,
    rows::kWireElectrons,
    rows::kClosedCircuit,
    {"Label3",   kNoIndex, Kind::Label,         kForm, 4980, 4335, 1410, 360,  kShown,  caption("希硫酸", kNameStyle)},
    {"Label2",   kNoIndex, Kind::Label,         kForm, 8640, 1920, 1665, 375,  kShown,  caption("酸化鉛(IV)板", kNameStyle)},
    {"Label1",   kNoIndex, Kind::Label,         kForm, 1665, 1935, 990,  375,  kShown,  caption("鉛板", kNameStyle)},
    {"Image7",   kNoIndex, Kind::Image,         kForm, 8055, 2100, 420,  3000, kHidden, picture(":/lessons/art/electrons_positive.svg")},
    {"Image5",   kNoIndex, Kind::Image,         kForm, 2925, 2670, 435,  3000, kHidden, picture(":/lessons/art/electrons_negative.svg")},
    {"Image4",   kNoIndex, Kind::Image,         kForm, 5700, 2925, 345,  3015, kHidden, none()},
    {"Image3",   kNoIndex, Kind::Image,         kForm, 3500, 2925, 315,  3045, kHidden, none()},
    rows::title(":/lessons/art/panel_lead.svg", "鉛蓄電池"),
    rows::drawing(":/lessons/art/lead/cell.svg", "鉛蓄電池の図",
                  "鉛蓄電池の図：希硫酸に鉛板と酸化鉛(IV)板を立て、豆電球とスイッチを導線でつないだもの、右上にイオンの色の見本（硫酸イオン SO₄²⁻）"),
};
// clang-format on

constexpr Enlargement kViews[] = {
    {kNegativeButton, kNegativeView, "\\説明\\鉛蓄電池\\負極.txt"},
    {kPositiveButton, kPositiveView, "\\説明\\鉛蓄電池\\正極.txt"},
    {kInsideButton, kInsideView, nullptr},
};

constexpr int kOneElectrolyteLabel[] = {kNoIndex};

// Sulfate ions towards the lead plate (first stream) and towards the lead(IV) oxide plate.
constexpr LessonSetup kLead{
    "鉛蓄電池", kLayout, "so4_x", "so4_", kViews, kOneElectrolyteLabel,
    "回路がつながりました。豆電球が光り、起電力は約 2.0 V です。",
    "鉛板の鉛が硫酸イオンと結びついて硫酸鉛(II)になり、鉛板に残った電子が、鉛板から導線を通って酸化鉛(IV)板へ流れます。"
    "酸化鉛(IV)板の表面でも硫酸鉛(II)ができ、希硫酸はうすくなります。"};

// What charging does, heard as 充電 is pressed.
constexpr const char* kChargingWords =
    "充電しています。電源が、電子を酸化鉛(IV)板から導線を通して鉛板へ送ります。"
    "両方の極板の硫酸鉛(II)がもとにもどって硫酸イオンが出ていき、希硫酸はこくなります。";
constexpr const char* kDischargingWords = "充電をやめました。";
static_assert(hasTemplateRows(kLead), "the table lacks a row the lesson template uses");
static_assert(kLead.layout.has(kChargeButton, kNoIndex, Kind::CommandButton), "the table lacks 充電");

// Charging: the sulfate ions leave both plates, away from the lead plate (first stream) and
// away from the lead(IV) oxide plate, while the electrons run back into the lead plate.
constexpr Flow kChargingFlow{"so4_cx", "so4_c", true};

// What charging shows in place of the discharging pictures, read from the content folders, and
// what a screen reader calls each (nullptr: the name the layout gives stays).
struct ChargeLook {
    std::string_view control;
    const char* picture;
    const char* name;
    const char* description;
};
constexpr ChargeLook kChargeLooks[] = {
    {kClosedCircuit, "\\画像\\充電\\dengen.gif", "つないだ電源",
     "電源の＋極を酸化鉛(IV)板に、－極を鉛板につないだところ"},
    {kNegativeReaction, "\\画像\\充電\\fukyoku.gif", "PbSO₄ + 2e⁻ → Pb + SO₄²⁻", "PbSO₄ + 2e⁻ → Pb + SO₄²⁻"},
    {kPositiveReaction, "\\画像\\充電\\seikyoku.gif", "PbSO₄ + 2H₂O → PbO₂ + SO₄²⁻ + 4H⁺ + 2e⁻",
     "PbSO₄ + 2H₂O → PbO₂ + SO₄²⁻ + 4H⁺ + 2e⁻"},
    {kNegativeView, "\\画像\\充電\\fukyoku_kakudai.gif", nullptr,
     "充電中の負極の拡大図：鉛板に電子が入り、硫酸鉛(II)が鉛にもどって硫酸イオンが出ていく"},
    {kPositiveView, "\\画像\\充電\\seikyoku_kakudai.gif", nullptr,
     "充電中の正極の拡大図：硫酸鉛(II)が電子を失って酸化鉛(IV)にもどり、硫酸イオンが出ていく"},
};

constexpr const char* kChargingNegative = "\\説明\\鉛蓄電池\\充電負極.txt";
constexpr const char* kChargingPositive = "\\説明\\鉛蓄電池\\充電正極.txt";

}  // namespace

LeadScreen::LeadScreen(ui::ScreenHost& host) : LessonScreen(host, kLead)
{
    onClick(kChargeButton, [this](int) { chargePressed(); });
}

void LeadScreen::afterLoad()
{
    m_mode = Mode::Discharging;
    // Held in while the cell charges, and heard as on or off.
    button(kChargeButton).setCheckable(true);
}

void LeadScreen::afterCircuitClosed()
{
    setVisible(kChargeButton, true);
}

void LeadScreen::afterCircuitOpened()
{
    setVisible(kChargeButton, false);
    if (m_mode == Mode::Charging)
        setMode(Mode::Discharging);
}

Flow LeadScreen::flow() const
{
    return m_mode == Mode::Charging ? kChargingFlow : LessonScreen::flow();
}

const char* LeadScreen::explanationOf(const Enlargement& view) const
{
    if (m_mode == Mode::Charging) {
        if (view.button == kNegativeButton)
            return kChargingNegative;
        if (view.button == kPositiveButton)
            return kChargingPositive;
    }
    return LessonScreen::explanationOf(view);
}

void LeadScreen::chargePressed()
{
    setMode(m_mode == Mode::Charging ? Mode::Discharging : Mode::Charging);
    // The flow of the new mode from its first step, with its reactions shown.
    restartCycle();
    flowPressed();
    const QString words = m_mode == Mode::Charging ? QString::fromUtf8(kChargingWords)
                                                   : QString::fromUtf8(kDischargingWords) + flowWords();
    ui::announce(&control(kClosedCircuit).widget(), words);
}

QString LeadScreen::flowWords() const
{
    return m_mode == Mode::Charging ? QString::fromUtf8(kChargingWords) : LessonScreen::flowWords();
}

void LeadScreen::setMode(Mode mode)
{
    const bool charging = mode == Mode::Charging;
    for (const ChargeLook& look : kChargeLooks) {
        if (charging)
            loadPicture(look.control, QString::fromUtf8(look.picture));
        else
            setStoredPicture(look.control);
    }
    m_mode = mode;
    for (const ChargeLook& look : kChargeLooks) {
        QWidget& widget = control(look.control).widget();
        const ControlSpec& row = control(look.control).row();
        widget.setAccessibleName(charging && look.name ? QString::fromUtf8(look.name) : toQString(row.content.name));
        widget.setAccessibleDescription(charging ? QString::fromUtf8(look.description) : toQString(row.content.text));
    }
    button(kChargeButton).setChecked(charging);
}

std::unique_ptr<ui::Screen> makeLead(ui::ScreenHost& host)
{
    return std::make_unique<LeadScreen>(host);
}

}  // namespace lessons
