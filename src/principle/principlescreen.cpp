#include "principlescreen.h"

#include "ui/accessibility/announce.h"
#include "ui/screen/controls.h"

#include <limits>

namespace principle {
namespace {

using namespace ui;

constexpr Colour kPageBlue = rgb(0, 0, 192);
constexpr TextStyle kPageText{{Face::Mincho, 12, false}, rgb(0, 0, 128), kWhite};
constexpr TextStyle kPromptText{{Face::PGothic, 10.5, true}, rgb(198, 40, 40), kWhite};

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
    {"Picture3", kNoIndex, Kind::PictureBox,    "Frame4",    2760, 2595, 5760, 3525, kShown,  panel(kSystemWindow, ":/principle/art/diagram.svg", "イオン化傾向の大きい金属Aと小さい金属Bを電解質の水溶液に立て、スイッチを通して導線でつないだ図。スイッチを押すと、Aから陽イオンが溶け出し、Aに残った電子が導線を通ってBへ流れ、Bの表面で水溶液中のH⁺が電子を受け取って水素の泡になる").named("金属Aと金属Bの電池の図")},
    {"Picture8", kNoIndex, Kind::PictureBox,    "Picture3",  1380, 750,  3195, 195,  kHidden, panel(kSystemWindow)},
    {"Picture7", kNoIndex, Kind::PictureBox,    "Picture3",  1380, 1380, 3195, 1455, kHidden, panel(kSystemWindow)},
    {"Label1",   kNoIndex, Kind::Label,         "Picture3",  1635, 45,   2700, 270,  kShown,  caption("スイッチを押してください", kPromptText)},
    {"List4",    kNoIndex, Kind::ListBox,       "Frame4",    750,  60,   9750, 6030, kShown,  list(kPageText, kPageTab).named("4 ページの説明")},
    {"Frame3",   kNoIndex, Kind::Frame,         kForm,       kPageLeft, kPageTop, kPageWidth, kPageHeight, kHidden, panel(kPageBlue).named("3 ページ")},
    {"Picture6", kNoIndex, Kind::PictureBox,    "Frame3",    795,  60,   9630, 6015, kHidden, panel(kSystemWindow, ":/principle/art/reactivity.svg", "金属の反応性の表：LiからAuまでの金属の、水、酸、空気との反応").named("金属の反応性の表")},
    {"Command5", kNoIndex, Kind::CommandButton, "Picture6",  7800, 180,  1500, 375,  kHidden, face(":/principle/art/face_back.svg", "元に戻る", kTableTab + 1)},
    {"Command4", kNoIndex, Kind::CommandButton, "Frame3",    7725, 4815, 2070, 405,  kShown,  face(":/principle/art/face_reactivity.svg", "金属の反応性", kTableTab)},
    {"Picture2", kNoIndex, Kind::PictureBox,    "Frame3",    1425, 2700, 8370, 1665, kShown,  panel(kSystemWindow, ":/principle/art/series.svg", "イオン化列：Li > K > Ca > Na > Mg > Al > Zn > Fe > Ni > Sn > Pb > (H₂) > Cu > Hg > Ag > Pt > Au").named("イオン化列")},
    {"List3",    kNoIndex, Kind::ListBox,       "Frame3",    975,  615,  9225, 4830, kShown,  list(kPageText, kPageTab).named("3 ページの説明")},
    {"Timer3",   kNoIndex, Kind::Timer,         kForm,       0,    0,    0,    0,    kHidden, animationClock()},
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

// The pages, each a frame that slides in with its text in a list.
constexpr std::string_view kPage1 = "Frame1";
constexpr std::string_view kPage1Text = "List1";
constexpr std::string_view kPage2 = "Frame2";
constexpr std::string_view kPage2Text = "List2";
constexpr std::string_view kPage3 = "Frame3";
constexpr std::string_view kPage3Text = "List3";
constexpr std::string_view kPage4 = "Frame4";
constexpr std::string_view kPage4Text = "List4";
// The first page slides on a clock of its own, the later ones on another.
constexpr std::string_view kFirstPageClock = "Timer1";
constexpr std::string_view kLaterPageClock = "Timer2";
constexpr std::string_view kMenuButton = "Command1";
constexpr std::string_view kNextPageButton = "Command2";  // 次ページ
constexpr std::string_view kRestartButton = "Command3";   // 最初から, over 次ページ on the last page
// Page 3: the table of the reactivity of metals, the button that opens it and the one on it that closes it.
constexpr std::string_view kTableButton = "Command4";
constexpr std::string_view kReactivityTable = "Picture6";
constexpr std::string_view kTableBackButton = "Command5";  // 元に戻る
// Page 4: the push switch, up and pressed, the words asking for it to be pressed, and the strips
// of its animation: the electrons running in the wire from metal A to metal B, and in the
// electrolyte the ions leaving A and the H⁺ taking up the electrons at B.
constexpr std::string_view kSwitch = "Picture4";
constexpr std::string_view kPressedSwitch = "Picture5";
constexpr std::string_view kSwitchPrompt = "Label1";
constexpr std::string_view kIonStrip = "Picture7";
constexpr std::string_view kElectronStrip = "Picture8";
constexpr std::string_view kSwitchClock = "Timer3";

// What the switch animation shows, heard as it starts.
const QString kSwitchWords = QStringLiteral(
    "スイッチが入り、電流が流れます。金属Aから陽イオンが水溶液に溶け出し、Aに残った電子が導線を通って金属Bへ流れます。"
    "Bの表面で、水溶液中の水素イオンが電子を受け取り、水素の泡になります。");
constexpr int kPageCount = 4;

QString animationFrame(char series, int n)
{
    return QStringLiteral("\\画像\\アニメ\\%1%2.gif").arg(QLatin1Char(series)).arg(n);
}

}  // namespace

PrincipleScreen::PrincipleScreen(ui::ScreenHost& host) : Screen(host, QStringLiteral("電池の原理"), kLayout)
{
    onClick(kMenuButton, [this](int) { menuPressed(); });
    onClick(kNextPageButton, [this](int) { nextPagePressed(); });
    onClick(kRestartButton, [this](int) { restartPagesPressed(); });
    onClick(kTableButton, [this](int) { tablePressed(); });
    onClick(kTableBackButton, [this](int) { tableClosed(); });
    onClick(kSwitch, [this](int) { switchPressed(); });
    onTick(kFirstPageClock, [this] { firstPageSlideTicked(); });
    onTick(kLaterPageClock, [this] { pageSlideTicked(); });
    onTick(kSwitchClock, [this] { switchAnimationTicked(); });
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
    startPage(kPage1, kPage1Text, QStringLiteral("\\説明\\原理\\p1.txt"), kFirstPageClock);
}

void PrincipleScreen::startPage(std::string_view frame, std::string_view list, const QString& text,
                                std::string_view clock)
{
    loadList(list, text);
    container(frame).setTopTwips(kSlideStartTopTwips);
    setVisible(frame, true);
    setInterval(clock, kSlideIntervalMs);
}

void PrincipleScreen::slideStep(std::string_view frame, std::string_view text, std::string_view clock)
{
    Container& page = container(frame);
    page.setTopTwips(page.topTwips() - kSlideStepTwips);
    if (page.topTwips() > kSlideEndTopTwips)
        return;
    setInterval(clock, 0);
    // The page's text takes the focus once it is in place, heard from its first line with the
    // page's number.
    ui::announce(&list(text), QStringLiteral("%1／%2 ページ").arg(m_pageNo + 1).arg(kPageCount));
}

void PrincipleScreen::menuPressed()
{
    unload();
    emit menuRequested();
}

void PrincipleScreen::nextPagePressed()
{
    // Saturates: the covered button may still be pressed from the keyboard on page 4, and no
    // value above 3 changes anything.
    if (m_pageNo < std::numeric_limits<qint16>::max())
        m_pageNo = qint16(m_pageNo + 1);
    switch (m_pageNo) {
    case 1:
        setVisible(kPage1, false);
        startPage(kPage2, kPage2Text, QStringLiteral("\\説明\\原理\\p2.txt"), kLaterPageClock);
        break;
    case 2:
        setVisible(kPage2, false);
        startPage(kPage3, kPage3Text, QStringLiteral("\\説明\\原理\\p3.txt"), kLaterPageClock);
        break;
    case 3:
        setVisible(kPage3, false);
        // The strips and 最初から change in the same handler, so they show together with the page.
        startPage(kPage4, kPage4Text, QStringLiteral("\\説明\\原理\\p4.txt"), kLaterPageClock);
        setVisible(kIonStrip, false);
        setVisible(kElectronStrip, false);
        setVisible(kRestartButton, true);
        break;
    default: break;
    }
}

void PrincipleScreen::restartPagesPressed()
{
    m_pageNo = 0;
    m_animStep = 0;
    setInterval(kSwitchClock, 0);
    for (std::string_view name : {kPage4, kRestartButton, kPressedSwitch, kReactivityTable, kTableBackButton})
        setVisible(name, false);
    setVisible(kSwitch, true);
    setVisible(kSwitchPrompt, true);
    startPageOne();
}

void PrincipleScreen::tablePressed()
{
    setVisible(kReactivityTable, true);
    setVisible(kTableBackButton, true);
    QWidget& table = container(kReactivityTable);
    ui::announce(&table, table.accessibleDescription());
}

void PrincipleScreen::tableClosed()
{
    setInterval(kSwitchClock, 0);
    setVisible(kReactivityTable, false);
    setVisible(kTableBackButton, false);
}

void PrincipleScreen::switchPressed()
{
    // The pressed switch takes the focus before the switch goes, so none falls elsewhere between.
    setVisible(kPressedSwitch, true);
    ui::announce(&container(kPressedSwitch), kSwitchWords);
    setVisible(kSwitch, false);
    setVisible(kSwitchPrompt, false);
    setInterval(kSwitchClock, kAnimationIntervalMs);
}

void PrincipleScreen::firstPageSlideTicked()
{
    slideStep(kPage1, kPage1Text, kFirstPageClock);
}

void PrincipleScreen::pageSlideTicked()
{
    switch (m_pageNo) {
    case 1: slideStep(kPage2, kPage2Text, kLaterPageClock); break;
    case 2: slideStep(kPage3, kPage3Text, kLaterPageClock); break;
    case 3: slideStep(kPage4, kPage4Text, kLaterPageClock); break;
    default: break;  // no page to slide; the clock keeps running
    }
}

void PrincipleScreen::switchAnimationTicked()
{
    m_animStep = qint16(m_animStep + 1);
    const int n = m_animStep;
    if (n >= 1 && n <= kAnimationFrames) {
        loadPicture(kIonStrip, animationFrame('g', n));
        loadPicture(kElectronStrip, animationFrame('e', n));
        if (n == 1) {
            setVisible(kIonStrip, true);
            setVisible(kElectronStrip, true);
        }
    } else if (n == kAnimationFrames + 1) {
        m_animStep = 0;
        setVisible(kIonStrip, false);
        setVisible(kElectronStrip, false);
    }
}

}  // namespace principle
