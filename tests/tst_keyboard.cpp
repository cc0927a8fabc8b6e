// The keyboard alone: where the focus starts, the order Tab goes round, Space and Enter on the
// drawn switches and the drill's title, Escape, the focus ring, and every road of the program
// travelled without a single mouse event.
#include "support/reader.h"
#include "support/steps.h"
#include "support/testprogram.h"

#include "drill/drillscreen.h"
#include "lessons/lessonscreen.h"
#include "principle/principlescreen.h"
#include "ui/accessibility/focusring.h"
#include "ui/accessibility/reach.h"
#include "ui/controls/form.h"

#include <QApplication>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>

using namespace testsupport;
using app::ScreenId;
using ui::Screen;

namespace {

QWidget* focused()
{
    return QApplication::focusWidget();
}

// What a screen reader says for the focused control.
QString focusName()
{
    QWidget* widget = focused();
    return widget ? QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name) : QStringLiteral("(none)");
}

// A key pressed and released on whatever has the focus, as the keyboard sends it.
void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = focused();
    QVERIFY2(target, "nothing has the keyboard focus");
    QTest::keyClick(target, k, modifiers);
}

// The screen, shown and active with the keyboard focus in it.
Screen& active(Screen& s)
{
    [&] { QVERIFY(s.isLoaded() && QTest::qWaitForWindowActive(s.window())); }();
    return s;
}

// Counts every mouse event the program receives.
class MouseWatch : public QObject {
public:
    MouseWatch() { qApp->installEventFilter(this); }
    ~MouseWatch() override { qApp->removeEventFilter(this); }
    int events = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: ++events; break;
        default: break;
        }
        return false;
    }
};

// The contrast ratio of two colours, from their relative luminance.
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb rgb) {
        const auto channel = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void tabGoesRoundInOrder_data();
    void tabGoesRoundInOrder();
    void arrowsMoveThroughTheMenu_data();
    void arrowsMoveThroughTheMenu();
    void spaceAndEnterWorkTheDrawnControls_data();
    void spaceAndEnterWorkTheDrawnControls();
    void focusLeavesControlsThatGo();
    void escapeClosesNothing();
    void focusRingShows_data();
    void focusRingShows();
    void everyRoadByKeyboardAlone();
};

void KeyboardTest::tabGoesRoundInOrder_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("order");  // from the focus the screen gives; * stands for any words
    QTest::newRow("menu") << int(ScreenId::Menu) << QStringList{}
                          << QStringList{"電池の原理", "ボルタの電池", "ダニエル電池", "マンガン乾電池",
                                         "鉛蓄電池",   "電池のドリル", "終了"};
    QTest::newRow("lesson, open") << int(ScreenId::Volta) << QStringList{} << QStringList{"スイッチ", "メニュー"};
    QTest::newRow("lesson, closed") << int(ScreenId::Volta) << QStringList{"Image13"}
                                    << QStringList{"スイッチ", "電子の流れ", "負極拡大", "正極拡大", "メニュー"};
    QTest::newRow("lesson, enlarged") << int(ScreenId::Volta) << QStringList{"Image13", "Command3"}
                                      << QStringList{"説明、正極の拡大図", "メニュー", "スイッチ", "電子の流れ",
                                                     "負極拡大", "正極拡大"};
    QTest::newRow("lesson with a third view")
        << int(ScreenId::Daniell) << QStringList{"Image13"}
        << QStringList{"スイッチ", "電子の流れ", "負極拡大", "正極拡大", "素焼板拡大", "メニュー"};
    QTest::newRow("lesson with the inside view")
        << int(ScreenId::Lead) << QStringList{"Image13", "Command5"}
        << QStringList{"スイッチ", "電子の流れ", "負極拡大", "正極拡大", "内部の構造", "充電", "メニュー"};
    // A page's text is a stop while any of it shows, a picture over its middle or not; once it
    // has risen it has the focus.
    QTest::newRow("principle, page 1 rising")
        << int(ScreenId::Principle) << QStringList{} << QStringList{"次ページ", "メニュー"};
    QTest::newRow("principle, page 1") << int(ScreenId::Principle) << QStringList{"Timer1*69"}
                                       << QStringList{"1 ページの説明、1／4 ページ", "次ページ", "メニュー"};
    QTest::newRow("principle, page 3") << int(ScreenId::Principle) << QStringList{"Command2", "Command2", "Timer2*69"}
                                       << QStringList{"3 ページの説明、3／4 ページ", "金属の反応性", "次ページ", "メニュー"};
    QTest::newRow("principle, table") << int(ScreenId::Principle)
                                      << QStringList{"Command2", "Command2", "Timer2*69", "Command4"}
                                      << QStringList{"元に戻る", "次ページ", "メニュー"};
    QTest::newRow("principle, page 4") << int(ScreenId::Principle)
                                       << QStringList{"Command2", "Command2", "Command2", "Timer2*69"}
                                       << QStringList{"4 ページの説明、4／4 ページ", "スイッチ", "最初から", "メニュー"};
    QTest::newRow("drill start") << int(ScreenId::DrillStart) << QStringList{} << QStringList{"説明、*", "スタート"};
    QTest::newRow("drill") << int(ScreenId::Drill) << QStringList{}
                           << QStringList{"*。 1 *。2 *。3 *。", "1 *", "2 *", "3 *", "選択肢",
                                          "電池のドリル（最初からやり直す）", "メニュー"};
}

void KeyboardTest::tabGoesRoundInOrder()
{
    QFETCH(int, screen);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, order);
    TestProgram program;
    Screen& s = active(program.open(ScreenId(screen)));
    runSteps(s, steps);
    // Where the screen put the focus to be heard (its title, what changed) is no stop: the round
    // starts at the Tab from there.
    if (!ui::isTabStop(*focused()))
        key(Qt::Key_Tab);
    const auto matches = [](const QStringList& heard, const QStringList& patterns) {
        if (heard.size() != patterns.size())
            return false;
        for (qsizetype i = 0; i < heard.size(); ++i)
            if (!QRegularExpression::fromWildcard(patterns[i]).match(heard[i]).hasMatch())
                return false;
        return true;
    };
    QStringList forward{focusName()};
    for (qsizetype i = 1; i <= order.size(); ++i) {
        key(Qt::Key_Tab);
        forward << focusName();
    }
    // Round the end and back to where it started.
    QCOMPARE(forward.last(), forward.first());
    forward.removeLast();
    QVERIFY2(matches(forward, order), qPrintable(forward.join(QStringLiteral(", "))));
    QStringList backward{focusName()};
    for (qsizetype i = 1; i < order.size(); ++i) {
        key(Qt::Key_Tab, Qt::ShiftModifier);
        backward.prepend(focusName());
    }
    backward.prepend(backward.takeLast());
    QVERIFY2(matches(backward, order), qPrintable(backward.join(QStringLiteral(", "))));
}

void KeyboardTest::arrowsMoveThroughTheMenu_data()
{
    QTest::addColumn<QList<int>>("keys");  // from 電池の原理
    QTest::addColumn<QString>("focus");
    QTest::newRow("Down") << QList<int>{Qt::Key_Down, Qt::Key_Down} << QStringLiteral("ダニエル電池");
    QTest::newRow("Up at the top stays") << QList<int>{Qt::Key_Up} << QStringLiteral("電池の原理");
    QTest::newRow("End, then Down stays") << QList<int>{Qt::Key_End, Qt::Key_Down} << QStringLiteral("終了");
    QTest::newRow("End, Up") << QList<int>{Qt::Key_End, Qt::Key_Up} << QStringLiteral("電池のドリル");
    QTest::newRow("Home") << QList<int>{Qt::Key_Down, Qt::Key_Home} << QStringLiteral("電池の原理");
    QTest::newRow("Tab goes on from there") << QList<int>{Qt::Key_Down, Qt::Key_Tab} << QStringLiteral("ダニエル電池");
}

void KeyboardTest::arrowsMoveThroughTheMenu()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, focus);
    TestProgram program;
    active(program.open(ScreenId::Menu));
    key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("電池の原理"));
    for (int k : keys)
        key(Qt::Key(k));
    QCOMPARE(focusName(), focus);
}

void KeyboardTest::spaceAndEnterWorkTheDrawnControls_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter);
}

void KeyboardTest::spaceAndEnterWorkTheDrawnControls()
{
    QFETCH(int, keyCode);
    const auto k = Qt::Key(keyCode);
    TestProgram program;
    Screen& volta = active(program.open(ScreenId::Volta));
    auto& lesson = static_cast<lessons::LessonScreen&>(volta);
    key(Qt::Key_Tab);  // from the title the lesson opens on
    QCOMPARE(focused(), &volta.image("Image13"));
    key(k);
    QVERIFY(lesson.state().circuitClosed);
    QVERIFY(QAccessible::queryAccessibleInterface(&volta.image("Image13"))->state().checked);
    // The lit bulb has the focus to be heard; Shift+Tab is back on the switch.
    QCOMPARE(focused(), &volta.image("Image12"));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), &volta.image("Image13"));
    key(k);
    QVERIFY(!lesson.state().circuitClosed);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), &volta.image("Image13"));
    // A key held down clicks once, not at every repeat.
    QKeyEvent repeat(QEvent::KeyPress, k, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(focused(), &repeat);
    QVERIFY(!lesson.state().circuitClosed);
    QVERIFY(volta.click("Command4"));

    Screen& principle = active(program.screen(ScreenId::Menu));
    QVERIFY(principle.click({"Command1", 0}));
    Screen& pages = active(program.screen(ScreenId::Principle));
    runSteps(pages, {"Command2", "Command2", "Command2", "Timer2*69"});
    key(Qt::Key_Tab);  // from the page's text
    QCOMPARE(focused(), &pages.container("Picture4"));
    key(k);
    QVERIFY(pages.container("Picture5").isVisible());
    QVERIFY(pages.timer("Timer3").isRunning());
    QVERIFY(pages.click("Command1"));

    TestProgram drill;
    Screen& quiz = active(drill.open(ScreenId::Drill));
    auto& questions = static_cast<drill::DrillScreen&>(quiz);
    QVERIFY(quiz.click({"Command1", questions.rightAnswer()}));
    quiz.image("Image2").setFocus(Qt::TabFocusReason);
    key(k);
    QVERIFY(!questions.answered());
    QVERIFY(!quiz.image("Image5").isVisible());
}

void KeyboardTest::focusLeavesControlsThatGo()
{
    TestProgram program;
    Screen& s = active(program.open(ScreenId::Principle));
    runSteps(s, {"Command2", "Command2", "Timer2*69"});
    QCOMPARE(focusName(), QStringLiteral("3 ページの説明、3／4 ページ"));
    // The table covers its button: the focus goes to the table to be heard, Tab on to the button
    // that closes it, and when that goes, on in tab order.
    key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("金属の反応性"));
    key(Qt::Key_Space);
    QCOMPARE(focusName(), QStringLiteral("金属の反応性の表"));
    key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("元に戻る"));
    key(Qt::Key_Space);
    QCOMPARE(focusName(), QStringLiteral("次ページ"));
    // On the last page 最初から lies over 次ページ and takes the focus from it, then gives it back.
    key(Qt::Key_Space);
    QCOMPARE(focusName(), QStringLiteral("最初から"));
    key(Qt::Key_Space);
    QCOMPARE(focusName(), QStringLiteral("次ページ"));
    QCOMPARE(static_cast<principle::PrincipleScreen&>(s).pageNo(), qint16(0));
}

void KeyboardTest::escapeClosesNothing()
{
    for (ScreenId id : {ScreenId::Menu, ScreenId::Principle, ScreenId::Volta, ScreenId::DrillStart, ScreenId::Drill}) {
        TestProgram program;
        Screen& s = active(program.open(id));
        key(Qt::Key_Escape);
        QTest::keyClick(s.window(), Qt::Key_Escape);
        TestProgram::settle();
        QVERIFY(s.isLoaded());
        QVERIFY(s.window()->isVisible());
        QVERIFY(!program.exitCode());
    }
}

void KeyboardTest::focusRingShows_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("control");
    QTest::newRow("lesson switch") << int(ScreenId::Volta) << QStringList{} << QStringLiteral("Image13");
    QTest::newRow("lesson switch, closed")
        << int(ScreenId::Volta) << QStringList{"Image13"} << QStringLiteral("Image13");
    QTest::newRow("principle switch") << int(ScreenId::Principle)
                                      << QStringList{"Command2", "Command2", "Command2", "Timer2*69"}
                                      << QStringLiteral("Picture4");
    QTest::newRow("drill title") << int(ScreenId::Drill) << QStringList{} << QStringLiteral("Image2");
    QTest::newRow("list") << int(ScreenId::DrillStart) << QStringList{} << QStringLiteral("List1");
}

void KeyboardTest::focusRingShows()
{
    QFETCH(int, screen);
    QFETCH(QStringList, steps);
    QFETCH(QString, control);
    TestProgram program;
    Screen& s = active(program.open(ScreenId(screen)));
    runSteps(s, steps);
    QWidget& target = s.control(WrittenRef(control).ref()).widget();
    // As the window shows it: the control and whatever lies beneath it.
    const auto shown = [&] {
        return s.window()->grab(QRect(target.mapTo(s.window(), QPoint(0, 0)), target.size())).toImage();
    };
    s.window()->setFocus();
    const QImage without = shown();
    target.setFocus(Qt::TabFocusReason);
    QVERIFY(target.hasFocus());
    const QImage with = shown();
    QVERIFY(with != without);
    // The ring, 2 px wide inside the edge, stands out at least 3:1 from what lies beneath it over
    // at least three quarters of its length, whatever the drawing there.
    int standingOut = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            standingOut += contrast(with.pixel(x, y), without.pixel(x, y)) >= 3.0 ? 1 : 0;
    const QRectF ring = ui::focusRingIn(QRectF(target.rect()));
    const double ringPixels = 2 * ui::kFocusRingWidth * (ring.width() + ring.height() - 2 * ui::kFocusRingWidth);
    QVERIFY2(standingOut >= 0.75 * ringPixels, qPrintable(QStringLiteral("%1 of %2").arg(standingOut).arg(ringPixels)));
}

void KeyboardTest::everyRoadByKeyboardAlone()
{
    MouseWatch mouse;
    TestProgram program;
    Screen& menu = active(program.open(ScreenId::Menu));
    const auto tabTo = [&](const QString& name, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        for (int i = 0; i < 12 && focusName() != name; ++i)
            key(Qt::Key_Tab, modifiers);
        QCOMPARE(focusName(), name);
    };
    // The menu opens on its title, and comes back with the focus on the button of the screen left.
    [&] { QCOMPARE(focusName(), QStringLiteral("電池のしくみ")); }();
    QString left;
    const auto fromMenuTo = [&](const QString& button, ScreenId id) -> Screen& {
        active(menu);
        if (!left.isEmpty())
            [&] { QCOMPARE(focusName(), left); }();
        left = button;
        tabTo(button);
        key(Qt::Key_Space);
        return active(program.screen(id));
    };

    // Each lesson: the switch, the flow, each enlargement, the switch again, back to the menu.
    const std::tuple<ScreenId, QString, QStringList> lessons[] = {
        {ScreenId::Volta, QStringLiteral("ボルタの電池"), {"負極拡大", "正極拡大"}},
        {ScreenId::Daniell, QStringLiteral("ダニエル電池"), {"負極拡大", "正極拡大", "素焼板拡大"}},
        {ScreenId::Manganese, QStringLiteral("マンガン乾電池"), {"負極拡大", "正極拡大", "内部の構造"}},
        {ScreenId::Lead, QStringLiteral("鉛蓄電池"), {"負極拡大", "正極拡大", "内部の構造"}},
    };
    for (const auto& [id, name, views] : lessons) {
        Screen& s = fromMenuTo(name, id);
        auto& lesson = static_cast<lessons::LessonScreen&>(s);
        // Opened on its title; the switch is the first stop.
        QCOMPARE(focusName(), name);
        key(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("スイッチ"));
        key(Qt::Key_Space);
        QVERIFY(lesson.state().circuitClosed);
        key(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("電子の流れ"));
        key(Qt::Key_Space);
        QVERIFY(lesson.state().flowRunning);
        for (const QString& view : views) {
            tabTo(view);
            key(Qt::Key_Space);
            QVERIFY(!lesson.state().flowRunning);
        }
        tabTo(QStringLiteral("スイッチ"), Qt::ShiftModifier);
        key(Qt::Key_Space);
        QVERIFY(!lesson.state().circuitClosed);
        key(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("メニュー"));
        key(Qt::Key_Space);
        QVERIFY(!s.isLoaded());
    }

    // The principle: four pages, the table, the switch, back to the first page.
    Screen& pages = fromMenuTo(QStringLiteral("電池の原理"), ScreenId::Principle);
    auto& principle = static_cast<principle::PrincipleScreen&>(pages);
    QCOMPARE(focusName(), QStringLiteral("次ページ"));
    key(Qt::Key_Space);
    key(Qt::Key_Space);
    QCOMPARE(principle.pageNo(), qint16(2));
    runSteps(pages, {"Timer2*69"});
    tabTo(QStringLiteral("金属の反応性"), Qt::ShiftModifier);
    key(Qt::Key_Space);
    QVERIFY(pages.container("Picture6").isVisible());
    tabTo(QStringLiteral("元に戻る"));
    key(Qt::Key_Return);
    QVERIFY(!pages.container("Picture6").isVisible());
    QCOMPARE(focusName(), QStringLiteral("次ページ"));
    key(Qt::Key_Space);
    QCOMPARE(principle.pageNo(), qint16(3));
    runSteps(pages, {"Timer2*69"});
    tabTo(QStringLiteral("スイッチ"), Qt::ShiftModifier);
    key(Qt::Key_Space);
    QVERIFY(pages.timer("Timer3").isRunning());
    runSteps(pages, {"Timer3*3"});
    tabTo(QStringLiteral("最初から"));
    key(Qt::Key_Space);
    QCOMPARE(principle.pageNo(), qint16(0));
    tabTo(QStringLiteral("メニュー"));
    key(Qt::Key_Space);

    // The drill: start, five right answers, the restart.
    Screen& start = fromMenuTo(QStringLiteral("電池のドリル"), ScreenId::DrillStart);
    QVERIFY(focusName().startsWith(QStringLiteral("説明、「電池のドリル」へようこそ！")));
    tabTo(QStringLiteral("スタート"));
    key(Qt::Key_Space);
    QVERIFY(!start.isLoaded());
    Screen& quiz = active(program.screen(ScreenId::Drill));
    auto& drill = static_cast<drill::DrillScreen&>(quiz);
    // On the question, with its choices.
    QVERIFY(focusName().startsWith(quiz.label("Label1").caption() + QStringLiteral(" 1 ")));
    for (int answer = 1; answer <= 5; ++answer) {
        const QString right = QString::number(drill.rightAnswer());
        for (int i = 0; i < 6 && !focusName().startsWith(right + QStringLiteral(" ")); ++i)
            key(Qt::Key_Tab);
        key(Qt::Key_Space);
        QVERIFY(drill.answered());
        for (int i = 0; i < 4 && quiz.timer("Timer1").isRunning(); ++i) {
            program.clock->now += 0.5;
            quiz.tick("Timer1");
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(&quiz.label("Label2"))->text(QAccessible::Name),
                 QStringLiteral("得点 %1 点").arg(2 * answer));
    }
    tabTo(QStringLiteral("電池のドリル（最初からやり直す）"));
    key(Qt::Key_Return);
    QCOMPARE(drill.rules().score(), qint16(0));
    QCOMPARE(quiz.label("Label2").caption(), QString());
    tabTo(QStringLiteral("メニュー"));
    key(Qt::Key_Space);

    // 終了.
    active(menu);
    tabTo(QStringLiteral("終了"));
    key(Qt::Key_Space);
    QCOMPARE(program.exitCode(), std::optional<int>(0));
    QCOMPARE(mouse.events, 0);
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
