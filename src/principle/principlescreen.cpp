#include "principlescreen.h"

#include "ui/screen/controls.h"

#include <limits>

namespace principle {
namespace {

using namespace ui;

constexpr Colour kPageBlue = rgb(0, 0, 192);
constexpr TextStyle kPageText{{Face::Mincho, 12, false}, rgb(0, 0, 128), kWhite};

// Tab order on every page: its text, what the page has to press, 次ページ (or 最初から, which lies
// over it on the last page), メニュー.
constexpr int kPageTab = 0;
constexpr int kSwitchTab = 1;
constexpr int kTableTab = 1;
constexpr int kNextTab = 3;

// Every page frame lies at the same place; its Top is set before it is shown.
constexpr double kPageLeft = 150, kPageTop = 930, kPageWidth = 11205, kPageHeight = 6165;

// clang-format off
constexpr ControlSpec kLayout[] = {
    // name       index     kind                 in           left  top   width height visible  content
    {"Frame4",   kNoIndex, Kind::Frame,         kForm,       kPageLeft, kPageTop, kPageWidth, kPageHeight, kHidden, panel(kPageBlue).named("4 ページ")},
    {"Picture5", kNoIndex, Kind::PictureBox,    "Frame4",    5430, 2985, 600,  360,  kHidden, panel(kSystemWindow, ":/principle/art/switch_down.svg", "押されたスイッチ").named("押されたスイッチ")},
    {"Picture4", kNoIndex, Kind::PictureBox,    "Frame4",    5505, 3000, 465,  270,  kShown,  panel(kSystemWindow, ":/principle/art/switch_up.svg", "スイッチ（押すと電流が流れます）").named("スイッチ").tab(kSwitchTab)},
    {"Picture3", kNoIndex, Kind::PictureBox,    "Frame4",    2760, 2595, 5760, 3525, kShown,  panel(kSystemWindow, ":/principle/art/diagram.svg", "イオン化傾向の大きい金属Aと小さい金属Bを電解液に立て、スイッチを通して導線でつないだ図。スイッチを押してください").named("金属Aと金属Bの電池の図")},
    {"Picture8", kNoIndex, Kind::PictureBox,    "Picture3",  1380, 750,  135,  255,  kHidden, panel(kSystemWindow)},
    {"Picture7", kNoIndex, Kind::PictureBox,    "Picture3",  1380, 1380, 135,  1455, kHidden, panel(kSystemWindow)},
    {"List4",    kNoIndex, Kind::ListBox,       "Frame4",    750,  60,   9750, 6030, kShown,  list(kPageText, kPageTab).named("4 ページの説明")},
    {"Frame3",   kNoIndex, Kind::Frame,         kForm,       kPageLeft, kPageTop, kPageWidth, kPageHeight, kHidden, panel(kPageBlue).named("3 ページ")},
    {"Picture6", kNoIndex, Kind::PictureBox,    "Frame3",    795,  60,   9630, 6015, kHidden, panel(kSystemWindow, ":/principle/art/reactivity.svg", "金属の反応性の表：水、酸、空気との反応").named("金属の反応性の表")},
    {"Command5", kNoIndex, Kind::CommandButton, "Picture6",  7800, 180,  1500, 375,  kHidden, face(":/principle/art/face_back.svg", "元に戻る", kTableTab + 1)},
    {"Command4", kNoIndex, Kind::CommandButton, "Frame3",    7725, 4815, 2070, 405,  kShown,  face(":/principle/art/face_reactivity.svg", "金属の反応性", kTableTab)},
    {"Picture2", kNoIndex, Kind::PictureBox,    "Frame3",    1425, 2700, 8370, 1665, kShown,  panel(kSystemWindow, ":/principle/art/series.svg", "イオン化列：Li > K > Ca > Na > Mg > Al > Zn > Fe > Ni > Sn > Pb > (H₂) > Cu > Hg > Ag > Pt > Au").named("イオン化列")},
    {"List3",    kNoIndex, Kind::ListBox,       "Frame3",    975,  615,  9225, 4830, kShown,  list(kPageText, kPageTab).named("3 ページの説明")},
    {"Timer3",   kNoIndex, Kind::Timer,         kForm,       0,    0,    0,    0,    kHidden, none()},
    {"Timer2",   kNoIndex, Kind::Timer,         kForm,       0,    0,    0,    0,    kHidden, none()},
    {"Timer1",   kNoIndex, Kind::Timer,         kForm,       0,    0,    0,    0,    kHidden, none()},
    {"Command3", kNoIndex, Kind::CommandButton, kForm,       7425, 255,  1665, 510,  kHidden, face(":/principle/art/face_restart.svg", "最初から", kNextTab + 1)},
    {"Frame2",   kNoIndex, Kind::Frame,         kForm,       kPageLeft, kPageTop, kPageWidth, kPageHeight, kHidden, panel(kPageBlue).named("2 ページ")},
    {"Picture1", kNoIndex, Kind::PictureBox,    "Frame2",    1515, 2190, 8190, 3015, kShown,  panel(kSystemWindow, ":/principle/art/atom.svg", "アルミニウム原子が電子を3個失ってアルミニウムイオンになる図").named("アルミニウム原子がイオンになる図")},
    {"List2",    kNoIndex, Kind::ListBox,       "Frame2",    780,  60,   9675, 6030, kShown,  list(kPageText, kPageTab).named("2 ページの説明")},
    {"Command2", kNoIndex, Kind::CommandButton, kForm,       7425, 255,  1665, 510,  kShown,  face(":/principle/art/face_next.svg", "次ページ", kNextTab)},
    {"Frame1",   kNoIndex, Kind::Frame,         kForm,       kPageLeft, kPageTop, kPageWidth, kPageHeight, kHidden, panel(kPageBlue).named("1 ページ")},
    {"List1",    kNoIndex, Kind::ListBox,       "Frame1",    5805, 540,  4305, 5070, kShown,  list(kPageText, kPageTab).named("1 ページの説明")},
    {"Image1",   kNoIndex, Kind::Image,         "Frame1",    1065, 885,  3795, 4395, kShown,  picture(":/ui/art/drycell.svg", "乾電池と豆電球").named("乾電池と豆電球の図")},
    {"Command1", kNoIndex, Kind::CommandButton, kForm,       9420, 255,  1665, 510,  kShown,  face(":/ui/art/face_menu.svg", "メニュー", kNextTab + 2)},
    {"Image2",   kNoIndex, Kind::Image,         kForm,       435,  105,  3480, 795,  kShown,  picture(":/principle/art/title.svg", "電池の原理").named("電池の原理")},
};
// clang-format on

QString animationFrame(char series, int n)
{
    return QStringLiteral("\\画像\\アニメ\\%1%2.gif").arg(QLatin1Char(series)).arg(n);
}

}  // namespace

PrincipleScreen::PrincipleScreen(ui::ScreenHost& host) : Screen(host, QStringLiteral("電池の原理"), kLayout)
{
    onClick("Command1", [this](int) { command1Click(); });
    onClick("Command2", [this](int) { command2Click(); });
    onClick("Command3", [this](int) { command3Click(); });
    onClick("Command4", [this](int) { command4Click(); });
    onClick("Command5", [this](int) { command5Click(); });
    onClick("Picture4", [this](int) { picture4Click(); });
    onTick("Timer1", [this] { timer1Tick(); });
    onTick("Timer2", [this] { timer2Tick(); });
    onTick("Timer3", [this] { timer3Tick(); });
}

void PrincipleScreen::load()
{
    m_pageNo = 0;
    m_animStep = 0;
}

void PrincipleScreen::activate()
{
    startPageOne();
}

void PrincipleScreen::startPageOne()
{
    startPage("Frame1", "List1", QStringLiteral("\\説明\\原理\\p1.txt"), "Timer1");
}

void PrincipleScreen::startPage(const char* frame, const char* list, const QString& text, const char* clock)
{
    loadList(list, text);
    container(frame).setTopTwips(kSlideStartTopTwips);
    setVisible(frame, true);
    setInterval(clock, kSlideIntervalMs);
}

void PrincipleScreen::slideStep(const char* frame, const char* clock)
{
    Container& page = container(frame);
    page.setTopTwips(page.topTwips() - kSlideStepTwips);
    if (page.topTwips() <= kSlideEndTopTwips)
        setInterval(clock, 0);
}

void PrincipleScreen::command1Click()
{
    unload();
    emit menuRequested();
}

void PrincipleScreen::command2Click()
{
    // Saturates: the covered button may still be pressed from the keyboard on page 4, and no
    // value above 3 changes anything.
    if (m_pageNo < std::numeric_limits<qint16>::max())
        m_pageNo = qint16(m_pageNo + 1);
    switch (m_pageNo) {
    case 1:
        setVisible("Frame1", false);
        startPage("Frame2", "List2", QStringLiteral("\\説明\\原理\\p2.txt"), "Timer2");
        break;
    case 2:
        setVisible("Frame2", false);
        startPage("Frame3", "List3", QStringLiteral("\\説明\\原理\\p3.txt"), "Timer2");
        break;
    case 3:
        setVisible("Frame3", false);
        // The strips and 最初から change in the same handler, so they show together with the page.
        startPage("Frame4", "List4", QStringLiteral("\\説明\\原理\\p4.txt"), "Timer2");
        setVisible("Picture7", false);
        setVisible("Picture8", false);
        setVisible("Command3", true);
        break;
    default: break;
    }
}

void PrincipleScreen::command3Click()
{
    m_pageNo = 0;
    m_animStep = 0;
    setInterval("Timer3", 0);
    for (const char* name : {"Frame4", "Command3", "Picture5", "Picture6", "Command5"})
        setVisible(name, false);
    setVisible("Picture4", true);
    startPageOne();
}

void PrincipleScreen::command4Click()
{
    setVisible("Picture6", true);
    setVisible("Command5", true);
}

void PrincipleScreen::command5Click()
{
    setInterval("Timer3", 0);
    setVisible("Picture6", false);
    setVisible("Command5", false);
}

void PrincipleScreen::picture4Click()
{
    setVisible("Picture4", false);
    setVisible("Picture5", true);
    setInterval("Timer3", kAnimationIntervalMs);
}

void PrincipleScreen::timer1Tick()
{
    slideStep("Frame1", "Timer1");
}

void PrincipleScreen::timer2Tick()
{
    switch (m_pageNo) {
    case 1: slideStep("Frame2", "Timer2"); break;
    case 2: slideStep("Frame3", "Timer2"); break;
    case 3: slideStep("Frame4", "Timer2"); break;
    default: break;  // no page to slide; the clock keeps running
    }
}

void PrincipleScreen::timer3Tick()
{
    m_animStep = qint16(m_animStep + 1);
    const int n = m_animStep;
    if (n >= 1 && n <= kAnimationFrames) {
        loadPicture("Picture7", animationFrame('g', n));
        loadPicture("Picture8", animationFrame('e', n));
        if (n == 1) {
            setVisible("Picture7", true);
            setVisible("Picture8", true);
        }
    } else if (n == kAnimationFrames + 1) {
        m_animStep = 0;
        setVisible("Picture7", false);
        setVisible("Picture8", false);
    }
}

}  // namespace principle
