// The menu as the hub: where each button leads, one screen loaded at a time, and the ways the
// program ends.
#include "support/testprogram.h"

#include "ui/controls/form.h"

#include <QApplication>
#include <QtTest>

using namespace testsupport;
using app::ScreenId;

namespace {

struct Road {
    ScreenId screen;
    const char* backButton;  // nullptr: the screen leads on instead of back
};

const Road kRoads[] = {
    {ScreenId::Principle, "Command1"}, {ScreenId::Volta, "Command4"}, {ScreenId::Daniell, "Command4"},
    {ScreenId::Manganese, "Command4"}, {ScreenId::Lead, "Command4"},  {ScreenId::DrillStart, nullptr},
};

}  // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void everyScreenBuildsFromItsTable();
    void eachButtonOpensItsScreenAndNoOther();
    void manyRoundTripsKeepOneWindow();
    void drillStartLeadsOnToTheDrillAndBack();
    void closeBoxOfAnyScreenEndsTheProgram();
    void quitEndsWithoutShowingAnotherScreen();
    void focusStartsOnTheFirstButton();
};

void NavigationTest::everyScreenBuildsFromItsTable()
{
    // Making a screen checks its handlers against its table; loading it builds every row.
    for (ScreenId id : app::kAllScreens) {
        TestProgram test;
        ui::Screen* screen = nullptr;
        try {
            screen = &test.open(id);
        } catch (const std::logic_error& error) {
            QFAIL(error.what());
        }
        QVERIFY(screen->isLoaded());
        for (const ui::ControlSpec& row : screen->layout()) {
            if (row.kind == ui::Kind::Timer)
                QCOMPARE(screen->timer(row.name).row().name, row.name);
            else
                QCOMPARE(&screen->control({row.name, row.index}).row(), &row);
        }
    }
}

void NavigationTest::eachButtonOpensItsScreenAndNoOther()
{
    const QStringList captions{"電池の原理",     "ボルタの電池", "ダニエル電池",
                               "マンガン乾電池", "鉛蓄電池",     "ドリルスタート"};
    for (int i = 0; i < 6; ++i) {
        TestProgram test;
        ui::Screen& menu = test.open(ScreenId::Menu);
        QVERIFY(menu.click({"Command1", i}));
        TestProgram::settle();
        QVERIFY(!menu.isLoaded());
        QCOMPARE(test.program().loadedCount(), 1);
        ui::Screen& shown = test.screen(kRoads[i].screen);
        QVERIFY(shown.isLoaded());
        QCOMPARE(shown.window()->windowTitle(), captions[i]);
        QVERIFY(!test.exitCode());
    }
}

void NavigationTest::manyRoundTripsKeepOneWindow()
{
    TestProgram test;
    ui::Screen& menu = test.open(ScreenId::Menu);
    for (int round = 0; round < 4; ++round) {
        for (int i = 0; i < 5; ++i) {
            QVERIFY(menu.click({"Command1", i}));
            ui::Screen& shown = test.screen(kRoads[i].screen);
            QVERIFY(shown.click(kRoads[i].backButton));
            TestProgram::settle();
            QVERIFY(menu.isLoaded());
            QCOMPARE(test.program().loadedCount(), 1);
        }
    }
    int visibleWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        visibleWindows += qobject_cast<ui::Form*>(window) && window->isVisible() ? 1 : 0;
    QCOMPARE(visibleWindows, 1);
    QVERIFY(!test.exitCode());
}

void NavigationTest::drillStartLeadsOnToTheDrillAndBack()
{
    TestProgram test;
    ui::Screen& menu = test.open(ScreenId::Menu);
    menu.click({"Command1", 5});
    ui::Screen& start = test.screen(ScreenId::DrillStart);
    QVERIFY(start.list("List1").count() > 0);
    QVERIFY(start.click("Command1"));
    QVERIFY(!start.isLoaded());
    ui::Screen& drill = test.screen(ScreenId::Drill);
    QVERIFY(drill.isLoaded());
    QVERIFY(drill.click("Command2"));
    TestProgram::settle();
    QVERIFY(menu.isLoaded());
    QCOMPARE(test.program().loadedCount(), 1);
}

void NavigationTest::closeBoxOfAnyScreenEndsTheProgram()
{
    for (ScreenId id : app::kAllScreens) {
        TestProgram test;
        ui::Screen& screen = test.open(id);
        screen.window()->close();
        QVERIFY(!screen.isLoaded());
        TestProgram::settle();
        QCOMPARE(test.exitCode(), std::optional<int>(0));
    }
}

void NavigationTest::quitEndsWithoutShowingAnotherScreen()
{
    TestProgram test;
    ui::Screen& menu = test.open(ScreenId::Menu);
    QVERIFY(menu.click({"Command1", 6}));
    QCOMPARE(test.exitCode(), std::optional<int>(0));
    QCOMPARE(test.program().loadedCount(), 0);
    for (ScreenId id : {ScreenId::Principle, ScreenId::Volta, ScreenId::DrillStart})
        QVERIFY(!test.program().isCreated(id));
}

void NavigationTest::focusStartsOnTheFirstButton()
{
    TestProgram test;
    ui::Screen& menu = test.open(ScreenId::Menu);
    QVERIFY(QTest::qWaitForWindowActive(menu.window()));
    // The menu opens on its title; the first Tab is on the first button.
    QCOMPARE(QApplication::focusWidget(), &menu.image("Image2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &menu.button({"Command1", 0}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    TestProgram::settle();
    QVERIFY(test.screen(ScreenId::Principle).isLoaded());
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
