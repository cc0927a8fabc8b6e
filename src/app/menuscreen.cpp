#include "menuscreen.h"

#include "ui/accessibility/announce.h"
#include "ui/screen/controls.h"

namespace app {
namespace {

using namespace ui;

// The seven buttons, heard as one list of what the menu offers.
constexpr std::string_view kChoices = "メニュー";

// clang-format off
constexpr ControlSpec kLayout[] = {
    // name        index kind                 in     left  top   width height visible content
    {"Command1", 6, Kind::CommandButton, kForm, 6750, 5880, 3360, 780, kShown, face(":/app/art/panel_quit.svg", "終了", 6).listed(kChoices)},
    {"Command1", 5, Kind::CommandButton, kForm, 6750, 4980, 3360, 780, kShown, face(":/drill/art/panel_drill.svg", "電池のドリル", 5).listed(kChoices)},
    {"Command1", 4, Kind::CommandButton, kForm, 6750, 4065, 3360, 780, kShown, face(":/lessons/art/panel_lead.svg", "鉛蓄電池", 4).listed(kChoices)},
    {"Command1", 3, Kind::CommandButton, kForm, 6750, 3150, 3360, 780, kShown, face(":/lessons/art/panel_manganese.svg", "マンガン乾電池", 3).listed(kChoices)},
    {"Command1", 2, Kind::CommandButton, kForm, 6750, 2235, 3360, 780, kShown, face(":/lessons/art/panel_daniell.svg", "ダニエル電池", 2).listed(kChoices)},
    {"Command1", 1, Kind::CommandButton, kForm, 6750, 1305, 3360, 780, kShown, face(":/lessons/art/panel_volta.svg", "ボルタの電池", 1).listed(kChoices)},
    {"Command1", 0, Kind::CommandButton, kForm, 6750, 390, 3360, 780, kShown, face(":/principle/art/panel_principle.svg", "電池の原理", 0).listed(kChoices)},
    {"Image2", kNoIndex, Kind::Image, kForm, 1230, 210, 4305, 1545, kShown, picture(":/app/art/title.svg", "電池のしくみ Ulmaro").named("電池のしくみ")},
    {"Image1", kNoIndex, Kind::Image, kForm, 1665, 2325, 3795, 4395, kShown, picture(":/ui/art/drycell.svg", "乾電池と豆電球").named("乾電池と豆電球の図")},
};
// clang-format on

// One button for each screen the menu leads to, the last one ending the program.
constexpr std::string_view kDestinationButtons = "Command1";
constexpr std::string_view kTitle = "Image2";

// Where each button leads, in the order of their indices; the last one ends the program.
constexpr ScreenId kDestinations[] = {
    ScreenId::Principle, ScreenId::Volta, ScreenId::Daniell,
    ScreenId::Manganese, ScreenId::Lead,  ScreenId::DrillStart,
};
constexpr int kQuitIndex = 6;

}  // namespace

MenuScreen::MenuScreen(ui::ScreenHost& host) : Screen(host, QStringLiteral("メニュー"), kLayout)
{
    onClick(kDestinationButtons, [this](int index) { destinationChosen(index); });
}

void MenuScreen::activate()
{
    const std::optional<ScreenId> from = std::exchange(m_returnFrom, std::nullopt);
    // The drill is reached through its start screen, from the same button.
    const ScreenId leadsTo = from == ScreenId::Drill ? ScreenId::DrillStart : from.value_or(ScreenId::Menu);
    for (int index = 0; index < int(std::size(kDestinations)); ++index)
        if (kDestinations[index] == leadsTo) {
            button({kDestinationButtons, index}).setFocus(Qt::OtherFocusReason);
            return;
        }
    QWidget& title = control(kTitle).widget();
    ui::announce(&title, title.accessibleDescription());
}

void MenuScreen::destinationChosen(int index)
{
    unload();
    if (index >= 0 && index < int(std::size(kDestinations)))
        emit screenChosen(kDestinations[index]);
    else if (index == kQuitIndex)
        emit endChosen();
}

}  // namespace app
