// The teacher's keys, pressed on the window as a user presses them: P pauses every animation
// clock and . steps each exactly once, [ and ] halve or double their intervals and nothing
// else's, leaving a screen ends the pause, the corner marks and a screen reader follow every
// change, and F1 opens the list of keys and gives the focus back when it closes.
#include "support/realticks.h"
#include "support/steps.h"
#include "support/testprogram.h"

#include "app/options.h"
#include "lessons/lessonscreen.h"
#include "ui/controls/cornermarks.h"
#include "ui/controls/form.h"
#include "ui/controls/keyspanel.h"
#include "ui/screen/pace.h"
#include "ui/screen/teacherkeys.h"

#include <QAccessible>
#include <QApplication>
#include <QtTest>

using namespace testsupport;
using app::ScreenId;
using ui::Screen;
using ui::Timer;

namespace {

// The screen, shown and active, so its window's keys reach it.
Screen& active(Screen& s)
{
    [&] { QVERIFY(s.isLoaded() && QTest::qWaitForWindowActive(s.window())); }();
    return s;
}

void press(Screen& s, Qt::Key key)
{
    QTest::keyClick(s.window(), key);
}

// The screen's timers, by name, and whether each is an animation clock.
QMap<QString, Timer*> timersOf(Screen& s)
{
    QMap<QString, Timer*> timers;
    for (const ui::ControlSpec& row : s.layout())
        if (row.kind == ui::Kind::Timer)
            timers[ui::toQString(row.name)] = &s.timer(row.name);
    return timers;
}

ui::CornerMarks& marksOf(Screen& s)
{
    return *s.window()->findChild<ui::CornerMarks*>();
}

// What a screen reader finds the corner marks called: the last change said.
QString heard(Screen& s)
{
    return QAccessible::queryAccessibleInterface(&marksOf(s))->text(QAccessible::Name);
}

}  // namespace

class TeacherKeysTest : public QObject {
    Q_OBJECT
private slots:
    void pauseHoldsEveryAnimationClockAndStepsEachOnce_data();
    void pauseHoldsEveryAnimationClockAndStepsEachOnce();
    void speedKeysPaceAnimationClocksOnly_data();
    void speedKeysPaceAnimationClocksOnly();
    void leavingAScreenEndsThePause();
    void marksAndScreenReaderFollowEveryChange();
    void keysPanelOpensClosesAndGivesTheFocusBack_data();
    void keysPanelOpensClosesAndGivesTheFocusBack();
    void commandLine_data();
    void commandLine();
};

void TeacherKeysTest::pauseHoldsEveryAnimationClockAndStepsEachOnce_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("animationClocks");
    QTest::addColumn<QStringList>("otherClocks");  // running, and left alone by the keys
    QTest::addColumn<QString>("focus");            // the control with the keyboard focus as P is pressed
    const QStringList flowing{"Image13", "Command1", "Timer1*2"};
    QTest::newRow("ボルタ, electrons and bubbles")
        << ScreenId::Volta << flowing << QStringList{"Timer1", "Timer2"} << QStringList{} << "Command1";
    QTest::newRow("ダニエル") << ScreenId::Daniell << flowing << QStringList{"Timer1"} << QStringList{} << "Image13";
    QTest::newRow("マンガン") << ScreenId::Manganese << flowing << QStringList{"Timer1"} << QStringList{} << "Command4";
    QTest::newRow("鉛蓄電池, charging") << ScreenId::Lead << QStringList{"Image13", "Command6", "Command1", "Timer1*1"}
                                        << QStringList{"Timer1"} << QStringList{} << "Command6";
    // The switch pressed while page 4 still slides in: the slide keeps its own time.
    QTest::newRow("原理, switch while the page slides")
        << ScreenId::Principle
        << QStringList{"Timer1*69", "Command2", "Command2", "Command2", "Timer2*40", "Picture4", "Timer3*3"}
        << QStringList{"Timer3"} << QStringList{"Timer2"} << "List4";  // a list answers letters itself
}

void TeacherKeysTest::pauseHoldsEveryAnimationClockAndStepsEachOnce()
{
    QFETCH(ScreenId, screen);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, animationClocks);
    QFETCH(QStringList, otherClocks);
    QFETCH(QString, focus);
    RealTicksDropped realTicks;
    TestProgram program;
    Screen& s = active(program.open(screen));
    runSteps(s, steps);
    const auto timers = timersOf(s);
    for (const QString& name : animationClocks + otherClocks)
        QVERIFY2(timers[name]->isTicking(), qPrintable(name));

    QWidget& focused = s.control(WrittenRef(focus).ref()).widget();
    focused.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&focused, Qt::Key_P);
    for (const QString& name : animationClocks) {
        QVERIFY2(timers[name]->isRunning() && !timers[name]->isTicking(), qPrintable(name));
        QVERIFY(!s.tick(name.toStdString()));  // time passing brings no tick either
    }
    for (const QString& name : otherClocks)
        QVERIFY2(timers[name]->isTicking(), qPrintable(name));

    std::map<QString, std::unique_ptr<QSignalSpy>> ticks;
    for (auto it = timers.begin(); it != timers.end(); ++it)
        ticks[it.key()] = std::make_unique<QSignalSpy>(it.value(), &Timer::ticked);
    press(s, Qt::Key_Period);
    for (auto it = timers.begin(); it != timers.end(); ++it)
        QCOMPARE(ticks[it.key()]->count(), animationClocks.contains(it.key()) ? 1 : 0);
    press(s, Qt::Key_Period);
    for (const QString& name : animationClocks)
        QCOMPARE(ticks[name]->count(), 2);

    press(s, Qt::Key_P);
    for (const QString& name : animationClocks) {
        QVERIFY2(timers[name]->isTicking(), qPrintable(name));
        QCOMPARE(timers[name]->clockInterval(), timers[name]->interval());
    }
    // Running, the step key does nothing: the clocks keep their own time.
    press(s, Qt::Key_Period);
    for (const QString& name : animationClocks)
        QCOMPARE(ticks[name]->count(), 2);
}

void TeacherKeysTest::speedKeysPaceAnimationClocksOnly_data()
{
    QTest::addColumn<QList<Qt::Key>>("keys");
    QTest::addColumn<double>("rate");
    QTest::newRow("] doubles") << QList<Qt::Key>{Qt::Key_BracketRight} << 2.0;
    QTest::newRow("] ] stays at double") << QList<Qt::Key>{Qt::Key_BracketRight, Qt::Key_BracketRight} << 2.0;
    QTest::newRow("[ halves") << QList<Qt::Key>{Qt::Key_BracketLeft} << 0.5;
    QTest::newRow("[ [ stays at half") << QList<Qt::Key>{Qt::Key_BracketLeft, Qt::Key_BracketLeft} << 0.5;
    QTest::newRow("] [ is normal again") << QList<Qt::Key>{Qt::Key_BracketRight, Qt::Key_BracketLeft} << 1.0;
}

void TeacherKeysTest::speedKeysPaceAnimationClocksOnly()
{
    QFETCH(QList<Qt::Key>, keys);
    QFETCH(double, rate);
    RealTicksDropped realTicks;
    TestProgram program;
    Screen& volta = active(program.open(ScreenId::Volta));
    runSteps(volta, {"Image13", "Command1"});
    for (Qt::Key key : keys)
        press(volta, key);
    QCOMPARE(volta.timer("Timer1").interval(), lessons::LessonScreen::kAnimationIntervalMs);
    QCOMPARE(volta.timer("Timer1").clockInterval(), qRound(400 / rate));
    QCOMPARE(volta.timer("Timer2").clockInterval(), qRound(50 / rate));
    // The speed holds for the run: the next animation starts at it, while slides and waits keep theirs.
    QVERIFY(volta.click("Command4"));
    QVERIFY(program.screen(ScreenId::Menu).click({"Command1", 0}));  // 電池の原理
    Screen& principle = active(program.screen(ScreenId::Principle));
    QCOMPARE(principle.timer("Timer1").clockInterval(), 10);
    runSteps(principle, {"Timer1*69", "Command2", "Command2", "Command2", "Timer2*40", "Picture4"});
    QCOMPARE(principle.timer("Timer2").clockInterval(), 10);
    QCOMPARE(principle.timer("Timer3").clockInterval(), qRound(100 / rate));
    principle.unload();
    Screen& drill = active(program.open(ScreenId::Drill));
    QVERIFY(drill.click({"Command1", 1}));
    QCOMPARE(drill.timer("Timer1").clockInterval(), 500);
}

void TeacherKeysTest::leavingAScreenEndsThePause()
{
    TestProgram program;
    Screen& volta = active(program.open(ScreenId::Volta));
    press(volta, Qt::Key_BracketRight);
    press(volta, Qt::Key_P);
    QVERIFY(program.program().pace().isPaused());
    QVERIFY(volta.click("Command4"));
    QVERIFY(!program.program().pace().isPaused());
    Screen& menu = active(program.screen(ScreenId::Menu));
    QVERIFY(menu.click({"Command1", 2}));  // ダニエル電池
    Screen& daniell = active(program.screen(ScreenId::Daniell));
    runSteps(daniell, {"Image13", "Command1"});
    QVERIFY(daniell.timer("Timer1").isTicking());
    // The speed the teacher chose stays for the run, and shows.
    QCOMPARE(daniell.timer("Timer1").clockInterval(), 200);
    QCOMPARE(marksOf(daniell).shownSpeed(), ui::CornerMarks::Speed::Double);
    QVERIFY(!marksOf(daniell).showsPaused());
}

void TeacherKeysTest::marksAndScreenReaderFollowEveryChange()
{
    TestProgram program;
    Screen& menu = active(program.open(ScreenId::Menu));
    // The menu has nothing to pause or pace; sound is muted everywhere.
    for (Qt::Key key : {Qt::Key_P, Qt::Key_BracketRight, Qt::Key_Period})
        press(menu, key);
    QVERIFY(!program.program().pace().isPaused());
    QCOMPARE(program.program().pace().speed(), ui::Pace::Speed::Normal);
    QVERIFY(marksOf(menu).isHidden());
    press(menu, Qt::Key_M);
    QVERIFY(marksOf(menu).isVisible() && marksOf(menu).showsMuted());
    QCOMPARE(heard(menu), QStringLiteral("消音"));

    QVERIFY(menu.click({"Command1", 1}));  // ボルタの電池
    Screen& volta = active(program.screen(ScreenId::Volta));
    ui::CornerMarks& marks = marksOf(volta);
    QVERIFY(marks.isVisible() && marks.showsMuted() && !marks.showsPaused());
    // Over the controls, but never in a click's way.
    QVERIFY(volta.window()->childAt(marks.geometry().center()) != &marks);
    QStringList words;
    QWidget* focusBefore = nullptr;
    for (Qt::Key key : {Qt::Key_P, Qt::Key_P, Qt::Key_BracketRight, Qt::Key_BracketLeft, Qt::Key_BracketLeft,
                        Qt::Key_BracketLeft, Qt::Key_P, Qt::Key_M}) {
        press(volta, key);
        words << heard(volta);
        // A reader speaks a focus that moves, so every change moves it.
        QVERIFY2(QApplication::focusWidget() != focusBefore, qPrintable(words.back()));
        focusBefore = QApplication::focusWidget();
    }
    QCOMPARE(words,
             (QStringList{"一時停止", "再開", "速さ 2 倍", "速さ 1 倍", "速さ 0.5 倍", "速さ 0.5 倍", "一時停止",
                          "消音を解除"}));
    QVERIFY(marks.isVisible() && marks.showsPaused() && !marks.showsMuted());
    QCOMPARE(marks.shownSpeed(), ui::CornerMarks::Speed::Half);
    QCOMPARE(marks.accessibleDescription(), QStringLiteral("速さ 0.5 倍、一時停止中"));
    press(volta, Qt::Key_P);
    press(volta, Qt::Key_BracketRight);
    QVERIFY(marks.isHidden());
}

void TeacherKeysTest::keysPanelOpensClosesAndGivesTheFocusBack_data()
{
    QTest::addColumn<Qt::Key>("closeKey");
    QTest::newRow("F1") << Qt::Key_F1;
    QTest::newRow("Esc") << Qt::Key_Escape;
}

void TeacherKeysTest::keysPanelOpensClosesAndGivesTheFocusBack()
{
    QFETCH(Qt::Key, closeKey);
    TestProgram program;
    Screen& volta = active(program.open(ScreenId::Volta));
    runSteps(volta, {"Image13"});
    QWidget* flowButton = &volta.control("Command1").widget();
    flowButton->setFocus(Qt::TabFocusReason);
    auto* panel = volta.window()->findChild<ui::KeysPanel*>();
    QVERIFY(panel && !panel->isVisible());

    press(volta, Qt::Key_F1);
    QVERIFY(panel->isVisible());
    QCOMPARE(QApplication::focusWidget(), panel);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(panel);
    QCOMPARE(reader->role(), QAccessible::Dialog);
    QVERIFY(reader->text(QAccessible::Name).startsWith(QStringLiteral("キーの一覧")));
    const QString text = reader->text(QAccessible::Description);
    for (const ui::KeyLine& line : ui::TeacherKeys::keyLines())
        QVERIFY2(text.contains(QString::fromUtf8(line.keys) + QStringLiteral("：") + QString::fromUtf8(line.meaning)),
                 line.keys);
    // Everything beneath is out of reach while it is open: Tab stays, a click at the switch closes it.
    QTest::keyClick(panel, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), panel);

    QTest::keyClick(panel, closeKey);
    QVERIFY(!panel->isVisible());
    QCOMPARE(QApplication::focusWidget(), flowButton);

    press(volta, Qt::Key_F1);
    QWidget& sw = volta.control("Image13").widget();
    // Through the window system, so the click reaches whatever lies at that place.
    QTest::mouseClick(volta.window()->windowHandle(), Qt::LeftButton, {}, sw.geometry().center());
    QVERIFY(!panel->isVisible());
    QVERIFY(static_cast<lessons::LessonScreen&>(volta).state().circuitClosed);
}

void TeacherKeysTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("muted");
    QTest::addColumn<int>("exitStatus");  // -1: the program runs
    QTest::newRow("nothing") << QStringList{} << false << -1;
    QTest::newRow("--mute") << QStringList{"--mute"} << true << -1;
    QTest::newRow("--help") << QStringList{"--help"} << false << 0;
    QTest::newRow("an unknown option") << QStringList{"--mute", "--loud"} << true << 2;
}

void TeacherKeysTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, muted);
    QFETCH(int, exitStatus);
    const app::ParsedOptions parsed = app::parseOptions(arguments);
    QCOMPARE(parsed.exitStatus.value_or(-1), exitStatus);
    QCOMPARE(parsed.options.muted, muted);
}

QTEST_MAIN(TeacherKeysTest)
#include "tst_teacherkeys.moc"
