#include "drillstartscreen.h"

#include "questionbank.h"

#include "ui/accessibility/announce.h"
#include "ui/accessibility/reading.h"
#include "ui/screen/controls.h"

namespace drill {
namespace {

using namespace ui;

constexpr TextStyle kIntroductionStyle{{Face::Mincho, 14.25, false}, bgr(0x00800000), kWhite};

// clang-format off
constexpr ControlSpec kLayout[] = {
    // name       index     kind                 in     left  top   width height visible content
    {"List1",    kNoIndex, Kind::ListBox,       kForm, 1920, 1320, 7665, 4620, kShown, list(kIntroductionStyle, 1).named("説明")},
    {"Command1", kNoIndex, Kind::CommandButton, kForm, 4905, 6360, 1665, 510,  kShown, face(":/drill/art/face_start.svg", "スタート", 0)},
    {"Image2",   kNoIndex, Kind::Image,         kForm, 975,  135,  3480, 795,  kShown, picture(":/drill/art/panel_drill.svg", "電池のドリル").named("電池のドリル")},
};
// clang-format on

constexpr std::string_view kIntroduction = "List1";
constexpr std::string_view kStartButton = "Command1";  // スタート

}  // namespace

DrillStartScreen::DrillStartScreen(ui::ScreenHost& host) : Screen(host, QStringLiteral("ドリルスタート"), kLayout)
{
    onClick(kStartButton, [this](int) { startPressed(); });
}

void DrillStartScreen::load()
{
    loadList(kIntroduction, QString::fromUtf8(kIntroductionFile));
}

void DrillStartScreen::activate()
{
    // The instructions are heard whole as the screen opens, then line by line with Down.
    QStringList words;
    for (const ui::Passage& passage : ui::passagesOf(list(kIntroduction).items()))
        words << passage.text;
    ui::announce(&list(kIntroduction), words.join(QLatin1Char(' ')));
}

void DrillStartScreen::startPressed()
{
    unload();
    emit drillRequested();
}

}  // namespace drill
