// Leaving an enlargement for the electron flow, and opening the switch while the electrons run,
// on every lesson, clicked where the learner clicks.
#include "support/screenlayouts.h"
#include "support/screenview.h"
#include "support/testprogram.h"

#include <QtTest>

using namespace testsupport;
using app::ScreenId;

class LessonViewsTest : public QObject {
    Q_OBJECT
private slots:
    void flowAfterAnEnlargementHidesEveryView_data();
    void flowAfterAnEnlargementHidesEveryView();
    void openingTheSwitchWhileFlowingStopsTheClock_data();
    void openingTheSwitchWhileFlowingStopsTheClock();
};

void LessonViewsTest::flowAfterAnEnlargementHidesEveryView_data()
{
    addLessonViewRows(true);
}

void LessonViewsTest::flowAfterAnEnlargementHidesEveryView()
{
    QFETCH(int, screen);
    QFETCH(QString, view);
    TestProgram program;
    Visit lesson = visitOfRow(program);
    QVERIFY(showsOnScreen(lesson.screen, view));
    lesson.press(QStringLiteral("Command1"));
    QStringList views{"Image17", "Image18", "List1"};
    if (ScreenId(screen) != ScreenId::Volta)  // there Image8 is a column of bubbles
        views << QStringLiteral("Image8");
    for (const QString& name : views)
        QVERIFY2(!showsOnScreen(lesson.screen, name), qPrintable(name + QStringLiteral(" still shown")));
    QVERIFY(showsOnScreen(lesson.screen, QStringLiteral("Image15")));
    QVERIFY(lesson.screen.tick("Timer1"));
    QVERIFY(showsOnScreen(lesson.screen, QStringLiteral("Image5")));
}

void LessonViewsTest::openingTheSwitchWhileFlowingStopsTheClock_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("moment");
    for (const Lesson& cell : lessons())
        QTest::newRow(cell.name) << int(cell.id) << "flowing";
    QTest::newRow("鉛蓄電池, charging") << int(ScreenId::Lead) << "charging";
}

void LessonViewsTest::openingTheSwitchWhileFlowingStopsTheClock()
{
    QFETCH(int, screen);
    QFETCH(QString, moment);
    TestProgram program;
    Visit lesson(program, ScreenId(screen));
    lesson.reach(moment);
    QVERIFY(lesson.screen.tick("Timer1"));
    lesson.press(QStringLiteral("Image13"));
    QVERIFY2(!lesson.screen.timer("Timer1").isRunning(), "the animation clock still runs");
    for (const char* moving : {"Image3", "Image4", "Image5", "Image6", "Image7", "Image15", "Image16"})
        QVERIFY2(!showsOnScreen(lesson.screen, QLatin1String(moving)), moving);
    // Closed again, nothing moves until 電子の流れ.
    lesson.press(QStringLiteral("Image13"));
    QVERIFY(!lesson.screen.tick("Timer1"));
    QVERIFY(!showsOnScreen(lesson.screen, QStringLiteral("Image5")));
}

QTEST_MAIN(LessonViewsTest)
#include "tst_lessonviews.moc"
