#include "screenlayouts.h"

#include "screenview.h"

#include "app/screenid.h"

#include "drill/drillscreen.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <string_view>

namespace testsupport {
namespace {

using app::ScreenId;

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kNavy = qRgb(0, 0, 128);
constexpr QRgb kLightBlue = qRgb(128, 128, 255);
constexpr QRgb kMagenta = qRgb(255, 0, 255);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kPageBlue = qRgb(0, 0, 192);
constexpr QRgb kPromptRed = qRgb(198, 40, 40);

constexpr bool kShown = true, kHidden = false;

// moment, control, container, left, top, width, height (twips), shown at load, words, ground,
// text, control on top at its centre
const LaidOut kMenu[] = {
    {"load", "Command1(6)", "", 6750, 5880, 3360, 780, kShown, "終了"},
    {"load", "Command1(5)", "", 6750, 4980, 3360, 780, kShown, "電池のドリル"},
    {"load", "Command1(4)", "", 6750, 4065, 3360, 780, kShown, "鉛蓄電池"},
    {"load", "Command1(3)", "", 6750, 3150, 3360, 780, kShown, "マンガン乾電池"},
    {"load", "Command1(2)", "", 6750, 2235, 3360, 780, kShown, "ダニエル電池"},
    {"load", "Command1(1)", "", 6750, 1305, 3360, 780, kShown, "ボルタの電池"},
    {"load", "Command1(0)", "", 6750, 390, 3360, 780, kShown, "電池の原理"},
    {"load", "Image2", "", 1230, 210, 4305, 1545, kShown},
    {"load", "Image1", "", 1665, 2325, 3795, 4395, kShown},
};

// The rows every lesson has in the same place with the same look.
const LaidOut kLessonCommon[] = {
    {"load", "Image13", "", 6900, 1500, 480, 330, kShown},
    {"load", "Label4", "", 3825, 6585, 3705, 345, kShown, "スイッチを押してください", kWhite, kRed},
    {"load", "Image2", "", 435, 105, 3480, 795, kShown},
    {"load", "Image1", "", 915, 855, 9600, 6000, kShown},
    {"load", "Command4", "", 9420, 255, 1665, 510, kShown, "メニュー"},
    {"closed", "Image12", "", 5205, 885, 2220, 1005, kHidden},
    {"flowing", "Image6", "", 3960, 1605, 2325, 330, kHidden},
};

// A lesson control's place on one lesson, in twips.
struct Box {
    double left, top, width, height;
};
constexpr Box kAbsent{0, 0, 0, 0};  // where a lesson lacks the control

struct Colours {
    QRgb ground = kNoColour, text = kNoColour;
};
constexpr Colours kPlain{};  // no colour of its own to check
constexpr Colours kCaption{kWhite, kBlue}, kSign{kWhite, kRed}, kBar{kLightBlue, kWhite}, kList{kWhite, kNavy};

// One value for every lesson, or one for each lesson in the order of kLessons.
template <typename T>
struct PerLesson {
    constexpr PerLesson(T all = {}) : of{all, all, all, all} {}
    constexpr PerLesson(T volta, T daniell, T manganese, T lead) : of{volta, daniell, manganese, lead} {}
    T of[4];
};

struct LessonRow {
    const char* moment;
    const char* name;
    Box at[4];  // ボルタ, ダニエル, マンガン, 鉛蓄電池
    PerLesson<Colours> colours = {};
    PerLesson<const char*> words = {};

    constexpr bool on(std::size_t lesson) const { return at[lesson].width > 0; }
};

// The rows that differ between the lessons, a column a lesson (left, top, width, height in twips),
// then the colours and the words, one for every lesson or one each. No lesson control lies in a
// container, so a control is shown at load exactly when its moment is "load". Volta's Image8 to
// Image11 are its bubbles; the other lessons' Image8 is their third enlargement.
// clang-format off
constexpr LessonRow kLessonRows[] = {
//    moment           control       ボルタ                    ダニエル                  マンガン                  鉛蓄電池                  colours    words
    {"load",          "Label8",    {kAbsent,                  {5130, 2310,  990,  375}, kAbsent,                  kAbsent},                  kCaption, "素焼板"},
    {"load",          "Label3(1)", {kAbsent,                  {5835, 4350, 1410,  360}, kAbsent,                  kAbsent},                  kCaption, "CuSO₄aq"},
    {"load",          "Label3(0)", {kAbsent,                  {4065, 4350, 1410,  360}, kAbsent,                  kAbsent},                  kCaption, "ZnSO₄aq"},
    {"load",          "Label3",    {{5175, 4275,  990,  375}, kAbsent,                  {3900, 4305, 2625,  360}, {4980, 4335, 1410,  360}}, kCaption, {"希硫酸", nullptr, "ZnCl₂・NH₄Cl", "希硫酸"}},
    {"load",          "Label2",    {{8175, 1920,  990,  375}, {8175, 1920,  990,  375}, {8175, 1920,  990,  375}, {8640, 1920, 1665,  375}}, kCaption, {"銅板", "銅板", "炭素棒", "酸化鉛(IV)板"}},
    {"load",          "Label1",    {{2115, 1935,  990,  375}, {2115, 1935,  990,  375}, {2790, 2505,  990,  375}, {1665, 1935,  990,  375}}, kCaption, {"亜鉛板", "亜鉛板", "亜鉛筒", "鉛板"}},
    {"bubbles",       "Image11",   {{3015, 2835,  135, 3225}, kAbsent,                  kAbsent,                  kAbsent}},
    {"bubbles",       "Image10",   {{3945, 2835,  135, 3240}, kAbsent,                  kAbsent,                  kAbsent}},
    {"closed",        "Command6",  {kAbsent,                  kAbsent,                  kAbsent,                  {9390, 5745, 1665,  510}}, kPlain,   {nullptr, nullptr, nullptr, "充電"}},
    {"closed",        "Command5",  {kAbsent,                  {9390, 5055, 1665,  510}, {9390, 4455, 1665,  510}, {9390, 5055, 1665,  510}}, kPlain,   {nullptr, "素焼板拡大", "内部の構造", "内部の構造"}},
    {"closed",        "Command3",  {{9375, 4935, 1665,  510}, {9390, 4380, 1665,  510}, {9390, 3765, 1665,  510}, {9390, 4380, 1665,  510}}, kPlain,   "正極拡大"},
    {"closed",        "Command2",  {{9375, 4245, 1665,  510}, {9390, 3690, 1665,  510}, {9390, 3075, 1665,  510}, {9390, 3690, 1665,  510}}, kPlain,   "負極拡大"},
    {"closed",        "Command1",  {{9375, 3540, 1665,  510}, {9390, 2985, 1665,  510}, {9390, 2370, 1665,  510}, {9390, 2985, 1665,  510}}, kPlain,   "電子の流れ"},
    {"closed",        "Image14",   {{2310, 6435, 6750,  600}, {1725, 6450, 8010,  600}, {2235, 6420, 6750,  600}, {2490, 6465, 6300,  600}}, {kBar, kBar, kPlain, kPlain}},
    {"closed",        "Label7",    {{4200,  330, 4740,  390}, {4200,  330, 2955,  390}, {4200,  330, 2955,  390}, {4200,  330, 2955,  390}}, kBar,     {"起電力\u3000約1.1 V（はじめ）", "起電力\u30001.1 V", "起電力\u30001.5 V", "起電力\u3000約2.0 V"}},
    {"closed",        "Label6",    {{8175, 2325,  435,  360}, {8175, 2325,  435,  360}, {8175, 2325,  435,  360}, {8640, 2355,  435,  360}}, kSign,    "＋"},
    {"closed",        "Label5",    {{2670, 2355,  435,  360}, {2670, 2355,  435,  360}, {3810, 2520,  435,  360}, {2220, 2355,  435,  360}}, kSign,    "－"},
    {"closedBubbles", "Image9",    {{8145, 2835,  135, 3240}, kAbsent,                  kAbsent,                  kAbsent}},
    {"closedBubbles", "Image8",    {{7215, 2835,  135, 3225}, kAbsent,                  kAbsent,                  kAbsent}},
    {"flowing",       "Image16",   {{6390, 6435, 3000,  600}, {6390, 6435, 3000,  600}, {5820, 6015, 5625,  495}, {4590, 6510, 6750,  495}}, {kBar, kBar, kPlain, kPlain}},
    {"flowing",       "Image15",   {{1920, 6435, 3000,  600}, {1905, 6435, 3000,  600}, { 165, 6570, 6000,  495}, { 135, 6510, 3945,  495}}, {kBar, kBar, kPlain, kPlain}},
    {"flowing",       "Image7",    {{7590, 2145,  420, 3000}, {7590, 2145,  420, 3000}, {7575, 1605,  420, 3000}, {8055, 2100,  420, 3000}}},
    {"flowing",       "Image5",    {{3360, 2895,  435, 3000}, {3360, 2895,  435, 3000}, {2340, 3225,  435, 3000}, {2925, 2670,  435, 3000}}},
    {"flowing",       "Image4",    {{6060, 2925,  345, 3015}, {6060, 2870,  345, 3015}, {5500, 2925,  345, 3015}, {5700, 2925,  345, 3015}}},
    {"flowing",       "Image3",    {{4035, 2925,  315, 3045}, {4035, 2925, 2025, 3045}, {3000, 2925,  315, 3045}, {3500, 2925,  315, 3045}}},
    {"negative",      "List1",     {{ 120, 1020, 3465, 5580}, { 225, 1665, 3390, 4620}, {  30,  900, 2715, 5580}, {  90, 1920, 3300, 4140}}, kList},
    {"negative",      "Image17",   {{3675, 1680, 5100, 4425}, {3735, 1815, 5115, 4470}, {2745, 1500, 5025, 4320}, {3420, 1800, 5205, 4395}}},
    {"positive",      "Image18",   {{2715, 1575, 5070, 4440}, {2640, 1800, 5100, 4485}, {2910, 1440, 4920, 4350}, {3375, 1725, 5025, 4470}}},
    // Lead's 1000 and 5410 twips are 66.67 and 360.67 px: the nearest pixels, not the truncated ones.
    {"third",         "Image8",    {kAbsent,                  {3375, 1800, 4590, 4590}, {1545, 1590, 3855, 4440}, {1000, 2000, 4410, 4410}}},
};
// clang-format on

// One lesson's rows of kLessonRows, in its order.
template <std::size_t lesson>
constexpr auto rowsOf()
{
    std::array<LaidOut, std::ranges::count_if(kLessonRows, [](const LessonRow& r) { return r.on(lesson); })> rows{};
    std::size_t n = 0;
    for (const LessonRow& r : kLessonRows)
        if (r.on(lesson)) {
            const Box& b = r.at[lesson];
            const Colours& c = r.colours.of[lesson];
            const bool atLoad = std::string_view(r.moment) == "load";
            const char* words = r.words.of[lesson];
            rows[n++] = {r.moment, r.name, "", b.left, b.top, b.width, b.height, atLoad, words, c.ground, c.text};
        }
    return rows;
}
constexpr auto kVolta = rowsOf<0>();
constexpr auto kDaniell = rowsOf<1>();
constexpr auto kManganese = rowsOf<2>();
constexpr auto kLead = rowsOf<3>();

// Pages are measured where they come to rest, 945 twips down; the first one slides in as the
// screen opens.
const LaidOut kPrinciple[] = {
    {"page1", "Command1", "", 9420, 255, 1665, 510, kShown, "メニュー"},
    {"page1", "Image2", "", 435, 105, 3480, 795, kShown},
    {"page1", "Command2", "", 7425, 255, 1665, 510, kShown, "次ページ"},
    {"page1", "Frame1", "", 150, 945, 11205, 6165, kShown, nullptr, kPageBlue},
    {"page1", "List1", "Frame1", 5805, 540, 4305, 5070, kShown, nullptr, kWhite, kNavy},
    {"page1", "Image1", "Frame1", 1065, 885, 3795, 4395, kShown},
    {"page2", "Frame2", "", 150, 945, 11205, 6165, kHidden, nullptr, kPageBlue, kNoColour, "Picture1"},
    {"page2", "Picture1", "Frame2", 1515, 2190, 8190, 3015, kShown},
    {"page2", "List2", "Frame2", 780, 60, 9675, 6030, kShown, nullptr, kWhite, kNavy, "Picture1"},
    {"page3", "Frame3", "", 150, 945, 11205, 6165, kHidden, nullptr, kPageBlue, kNoColour, "Picture2"},
    {"page3", "Command4", "Frame3", 7725, 4815, 2070, 405, kShown, "金属の反応性"},
    {"page3", "Picture2", "Frame3", 1425, 2700, 8370, 1665, kShown},
    {"page3", "List3", "Frame3", 975, 615, 9225, 4830, kShown, nullptr, kWhite, kNavy, "Picture2"},
    {"table", "Picture6", "Frame3", 795, 60, 9630, 6015, kHidden},
    {"table", "Command5", "Picture6", 7800, 180, 1500, 375, kHidden, "元に戻る"},
    {"page4", "Frame4", "", 150, 945, 11205, 6165, kHidden, nullptr, kPageBlue, kNoColour, "Picture4"},
    {"page4", "Command3", "", 7425, 255, 1665, 510, kHidden, "最初から"},
    {"page4", "Picture4", "Frame4", 5505, 3000, 465, 270, kShown},
    {"page4", "Picture3", "Frame4", 2760, 2595, 5760, 3525, kShown},
    {"page4", "List4", "Frame4", 750, 60, 9750, 6030, kShown, nullptr, kWhite, kNavy, "Picture4"},
    {"page4", "Label1", "Picture3", 1635, 45, 2700, 270, kShown, "スイッチを押してください", kWhite, kPromptRed},
    {"pressed", "Picture5", "Frame4", 5430, 2985, 600, 360, kHidden},
    // The strips run along the wire and through the electrolyte from metal A to metal B.
    {"animating", "Picture8", "Picture3", 1380, 750, 3195, 195, kHidden},
    {"animating", "Picture7", "Picture3", 1380, 1380, 3195, 1455, kHidden},
};

const LaidOut kDrillStart[] = {
    {"load", "List1", "", 1920, 1320, 7665, 4620, kShown, nullptr, kWhite, kNavy},
    {"load", "Command1", "", 4905, 6360, 1665, 510, kShown, "スタート"},
    {"load", "Image2", "", 975, 135, 3480, 795, kShown},
};

const LaidOut kDrill[] = {
    {"load", "Command1(3)", "", 9150, 4455, 1095, 630, kShown, "3"},
    {"load", "Command1(2)", "", 8055, 4455, 1110, 630, kShown, "2"},
    {"load", "Command1(1)", "", 6975, 4455, 1095, 630, kShown, "1"},
    {"load", "Command2", "", 8895, 240, 1665, 510, kShown, "メニュー"},
    {"load", "List1", "", 1305, 2040, 5400, 2865, kShown, nullptr, kWhite, kNavy},
    // The question is drawn straight onto the board's black question bar.
    {"load", "Label1", "", 1350, 1275, 8805, 540, kShown, nullptr, kBlack, kWhite},
    {"load", "Image3", "", 1280, 5265, 2700, 1260, kShown},
    {"load", "Image1", "", 945, 1050, 9600, 6000, kShown, nullptr, kNoColour, kNoColour, "List1"},
    {"load", "Image2", "", 960, 120, 3480, 795, kShown},
    {"marked", "Image5", "", 7020, 1275, 3165, 3105, kHidden},
    {"scored", "Label2", "", 7215, 2295, 1905, 930, kShown, "2", kMagenta, kWhite},
    {"burst", "Image4", "", 8970, 5265, 1275, 1260, kHidden},
    {"notice", "Label3", "", 2715, 960, 5925, 630, kHidden, "得点が半分になります", kRed, kWhite},
    // After a miss, the reason in the question's place, on the bar left of the mark.
    {"missed", "Label4", "", 1350, 1275, 5670, 540, kHidden, nullptr, kBlack, kYellow},
};

const ScreenLayout kLayouts[] = {
    {ScreenId::Menu, "メニュー", kMenu},
    {ScreenId::Principle, "原理", kPrinciple},
    {ScreenId::Volta, "ボルタ", kVolta, kLessonCommon},
    {ScreenId::Daniell, "ダニエル", kDaniell, kLessonCommon},
    {ScreenId::Manganese, "マンガン", kManganese, kLessonCommon},
    {ScreenId::Lead, "鉛蓄電池", kLead, kLessonCommon},
    {ScreenId::DrillStart, "ドリルスタート", kDrillStart},
    {ScreenId::Drill, "ドリル", kDrill},
};

const Lesson kLessons[] = {{ScreenId::Volta, "ボルタ", false},
                           {ScreenId::Daniell, "ダニエル", true},
                           {ScreenId::Manganese, "マンガン", true},
                           {ScreenId::Lead, "鉛蓄電池", true}};

}  // namespace

std::span<const Lesson> lessons()
{
    return kLessons;
}

const LaidOut* ScreenLayout::row(const QString& name) const
{
    for (std::span<const LaidOut> rows : {own, shared})
        for (const LaidOut& r : rows)
            if (name == QLatin1String(r.name))
                return &r;
    return nullptr;
}

QPointF ScreenLayout::origin(const LaidOut& r) const
{
    const LaidOut* container = *r.in ? row(QString::fromUtf8(r.in)) : nullptr;
    return (container ? origin(*container) : QPointF()) + QPointF(r.left, r.top);
}

QPointF ScreenLayout::centre(const LaidOut& r) const
{
    return origin(r) + QPointF(r.width / 2, r.height / 2);
}

std::span<const ScreenLayout> screenLayouts()
{
    return kLayouts;
}

const ScreenLayout& layoutOf(ScreenId id)
{
    for (const ScreenLayout& layout : kLayouts)
        if (layout.id == id)
            return layout;
    return kLayouts[0];
}

Visit::Visit(TestProgram& p, ScreenId id) : program(p), screen(p.open(id)), layout(layoutOf(id))
{
    TestProgram::settle();
}

QPointF Visit::centre(const QString& name) const
{
    const LaidOut* r = layout.row(name);
    return r ? layout.centre(*r) : QPointF(-1, -1);
}

void Visit::press(const QString& name)
{
    QVERIFY2(layout.row(name), qPrintable(name));
    QVERIFY2(screen.isLoaded(), qPrintable(name + QStringLiteral(" pressed on a screen that has gone")));
    const QString under = clickAt(screen, centre(name));
    QVERIFY2(under == name, qPrintable(QStringLiteral("%1 under the pointer instead of %2").arg(under, name)));
}

void Visit::runOut(const char* timer)
{
    for (int i = 0; i < 200 && screen.isLoaded() && screen.timer(timer).isRunning(); ++i) {
        if (program.clock)
            program.clock->now += 0.5;
        screen.tick(timer);
    }
}

void Visit::answer(bool right, bool waitOut)
{
    const int k = static_cast<drill::DrillScreen&>(screen).rightAnswer();
    press(QStringLiteral("Command1(%1)").arg(right ? k : k % 3 + 1));
    if (waitOut)
        runOut("Timer1");
}

void Visit::reach(const QString& moment)
{
    auto is = [&moment](const char* name) { return moment == QLatin1String(name); };
    switch (layout.id) {
    case ScreenId::Menu:
    case ScreenId::DrillStart: return;
    case ScreenId::Principle: {
        runOut("Timer1");
        const int page = is("page1") ? 1 : is("page2") ? 2 : is("page3") || is("table") ? 3 : 4;
        for (int p = 2; p <= page; ++p) {
            press(QStringLiteral("Command2"));
            runOut("Timer2");
        }
        if (is("table"))
            press(QStringLiteral("Command4"));
        if (is("pressed") || is("animating"))
            press(QStringLiteral("Picture4"));
        if (is("animating"))
            screen.tick("Timer3");
        return;
    }
    case ScreenId::Drill:
        if (is("marked") || is("scored"))
            answer(true, is("scored"));
        if (is("missed"))
            answer(false, false);
        for (int miss = 0; miss < 5 && (is("burst") || is("notice")); ++miss)
            answer(false);
        if (is("notice"))
            runOut("Timer2");
        return;
    default:  // a lesson
        if (is("bubbles"))
            screen.tick("Timer2");
        if (is("load") || is("bubbles"))
            return;
        press(QStringLiteral("Image13"));
        if (is("closedBubbles"))
            screen.tick("Timer2");
        if (is("flowing"))
            press(QStringLiteral("Command1"));
        if (is("charging"))
            press(QStringLiteral("Command6"));
        if (is("negative"))
            press(QStringLiteral("Command2"));
        if (is("positive"))
            press(QStringLiteral("Command3"));
        if (is("third"))
            press(QStringLiteral("Command5"));
        if (is("flowing") || is("charging"))
            screen.tick("Timer1");
    }
}

void addLessonViewRows(bool enlargementsOnly)
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("moment");
    QTest::addColumn<QString>("view");
    for (const Lesson& lesson : lessons()) {
        auto row = [&lesson](const char* what, const char* moment, const char* view) {
            QTest::addRow("%s, %s", lesson.name, what) << int(lesson.id) << moment << view;
        };
        if (!enlargementsOnly) {
            row("lit bulb", "closed", "Image12");
            row("flowing", "flowing", "Image6");
        }
        row("負極拡大", "negative", "Image17");
        row("正極拡大", "positive", "Image18");
        if (lesson.third)
            row("third view", "third", "Image8");
    }
}

Visit visitOfRow(TestProgram& program)
{
    QFETCH(int, screen);
    QFETCH(QString, moment);
    Visit visit(program, ScreenId(screen));
    visit.reach(moment);
    return visit;
}

}  // namespace testsupport
