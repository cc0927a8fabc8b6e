// Clicks whose result depends on which control lies on top: each is made at a place on the
// window, and Qt hands it to whatever the pointer finds there.
#include "support/realticks.h"
#include "support/screenlayouts.h"
#include "support/screenview.h"
#include "support/testprogram.h"

#include "principle/principlescreen.h"
#include "ui/controls/form.h"

#include <QImageReader>
#include <QtTest>

using namespace testsupport;
using app::ScreenId;

class StackingTest : public QObject {
    Q_OBJECT
private slots:
    void menuButtonsOpenWhatTheirWordsSay_data();
    void menuButtonsOpenWhatTheirWordsSay();
    void switchTakesTheClickOverEveryView_data();
    void switchTakesTheClickOverEveryView();
    void wireElectronsLieOverTheLitBulb_data();
    void wireElectronsLieOverTheLitBulb();
    void restartLiesOverNextPage();
    void tableCoversItsOpenButton();
    void pressedSwitchCoversTheReleasedOne();
    void markCoversTheScore();
    void titleRestartsTheQuiz();

private:
    // A real tick of the principle's switch animation would move it on between the test's ticks.
    RealTicksDropped m_realTicksDropped;
};

void StackingTest::menuButtonsOpenWhatTheirWordsSay_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");  // of the window that opens; empty: the program ends
    QTest::newRow("電池の原理") << 0 << "電池の原理";
    QTest::newRow("ボルタの電池") << 1 << "ボルタの電池";
    QTest::newRow("ダニエル電池") << 2 << "ダニエル電池";
    QTest::newRow("マンガン乾電池") << 3 << "マンガン乾電池";
    QTest::newRow("鉛蓄電池") << 4 << "鉛蓄電池";
    QTest::newRow("電池のドリル") << 5 << "ドリルスタート";
    QTest::newRow("終了") << 6 << "";
}

void StackingTest::menuButtonsOpenWhatTheirWordsSay()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    TestProgram program;
    Visit menu(program, ScreenId::Menu);
    menu.press(QStringLiteral("Command1(%1)").arg(index));
    TestProgram::settle();
    QVERIFY(!menu.screen.isLoaded());
    QStringList shown;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->windowTitle().isEmpty())
            shown << window->windowTitle();
    QCOMPARE(shown, caption.isEmpty() ? QStringList() : QStringList{caption});
    QCOMPARE(program.exitCode().has_value(), caption.isEmpty());
}

void StackingTest::switchTakesTheClickOverEveryView_data()
{
    addLessonViewRows();
}

void StackingTest::switchTakesTheClickOverEveryView()
{
    QFETCH(QString, view);
    TestProgram program;
    Visit lesson = visitOfRow(program);
    QVERIFY(showsOnScreen(lesson.screen, view));
    QCOMPARE(controlAtTwips(lesson.screen, lesson.centre(QStringLiteral("Image13"))), QStringLiteral("Image13"));

    lesson.press(QStringLiteral("Image13"));  // opens the circuit
    for (const char* gone : {"Image12", "Image6", "Image17", "Image18", "Label7", "Command1"})
        QVERIFY2(!showsOnScreen(lesson.screen, QString::fromLatin1(gone)), gone);
    QVERIFY(showsOnScreen(lesson.screen, QStringLiteral("Label4")));
    lesson.press(QStringLiteral("Image13"));  // and closes it again
    QVERIFY(showsOnScreen(lesson.screen, QStringLiteral("Image12")));
}

namespace {

// A stored picture drawn on its own at the size of the control that shows it.
QImage drawnAlone(const QString& resource, QSize size)
{
    QImageReader reader(resource);
    reader.setScaledSize(size);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

bool sameColour(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) <= 24 && qAbs(a.green() - b.green()) <= 24 && qAbs(a.blue() - b.blue()) <= 24;
}

}  // namespace

void StackingTest::wireElectronsLieOverTheLitBulb_data()
{
    QTest::addColumn<int>("screen");
    for (const Lesson& lesson : testsupport::lessons())
        QTest::newRow(lesson.name) << int(lesson.id);
}

void StackingTest::wireElectronsLieOverTheLitBulb()
{
    QFETCH(int, screen);
    TestProgram program;
    Visit lesson(program, ScreenId(screen));
    lesson.reach(QStringLiteral("flowing"));
    const QWidget* bulb = widgetNamed(lesson.screen, QStringLiteral("Image12"));
    const QWidget* electrons = widgetNamed(lesson.screen, QStringLiteral("Image6"));
    QVERIFY(bulb && electrons);
    const QImage bulbAlone = drawnAlone(QStringLiteral(":/lessons/art/circuit_closed.svg"), bulb->size());
    const QImage electronsAlone = drawnAlone(QStringLiteral(":/lessons/art/electrons_wire.svg"), electrons->size());
    // At each of the flow's four ticks (three frames and a blank one), where both pictures have a
    // solid pixel of different colours, the window shows the electrons'.
    int compared = 0;
    for (int step = 0; step < 4; ++step, lesson.screen.tick("Timer1")) {
        if (!showsOnScreen(lesson.screen, QStringLiteral("Image6")))
            continue;
        const QPoint bulbAt = bulb->mapTo(lesson.screen.window(), QPoint());
        const QPoint electronsAt = electrons->mapTo(lesson.screen.window(), QPoint());
        const QImage window = renderedWindow(lesson.screen);
        for (int y = 0; y < electronsAlone.height(); ++y)
            for (int x = 0; x < electronsAlone.width(); ++x) {
                const QPoint at = electronsAt + QPoint(x, y);
                const QPoint inBulb = at - bulbAt;
                const QColor electron = electronsAlone.pixelColor(x, y);
                if (electron.alpha() != 255 || !bulbAlone.rect().contains(inBulb))
                    continue;
                const QColor lit = bulbAlone.pixelColor(inBulb);
                if (lit.alpha() != 255 || sameColour(lit, electron))
                    continue;
                ++compared;
                QVERIFY2(
                    sameColour(window.pixelColor(at), electron),
                    qPrintable(QStringLiteral("the lit bulb over the electrons at %1, %2").arg(at.x()).arg(at.y())));
            }
    }
    QVERIFY2(compared > 0, "the electrons never pass over the lit bulb");
}

void StackingTest::restartLiesOverNextPage()
{
    TestProgram program;
    Visit principle(program, ScreenId::Principle);
    const QPointF button = principle.centre(QStringLiteral("Command2"));
    QCOMPARE(principle.centre(QStringLiteral("Command3")), button);
    for (int page = 2; page <= 4; ++page) {
        QCOMPARE(controlAtTwips(principle.screen, button), QStringLiteral("Command2"));
        QCOMPARE(clickAt(principle.screen, button), QStringLiteral("Command2"));
        QVERIFY(showsOnScreen(principle.screen, QStringLiteral("Frame%1").arg(page)));
        QVERIFY(!showsOnScreen(principle.screen, QStringLiteral("Frame%1").arg(page - 1)));
    }
    // On page 4 the same place restarts at page 1, and then leads on again.
    QCOMPARE(clickAt(principle.screen, button), QStringLiteral("Command3"));
    QVERIFY(showsOnScreen(principle.screen, QStringLiteral("Frame1")));
    QVERIFY(!showsOnScreen(principle.screen, QStringLiteral("Frame4")));
    QCOMPARE(clickAt(principle.screen, button), QStringLiteral("Command2"));
    QVERIFY(showsOnScreen(principle.screen, QStringLiteral("Frame2")));
}

void StackingTest::tableCoversItsOpenButton()
{
    TestProgram program;
    Visit principle(program, ScreenId::Principle);
    principle.reach(QStringLiteral("table"));
    const QPointF open = principle.centre(QStringLiteral("Command4"));
    QCOMPARE(controlAtTwips(principle.screen, open), QStringLiteral("Picture6"));
    clickAt(principle.screen, open);
    QVERIFY(showsOnScreen(principle.screen, QStringLiteral("Picture6")));
    principle.press(QStringLiteral("Command5"));
    QVERIFY(!showsOnScreen(principle.screen, QStringLiteral("Picture6")));
    QVERIFY(!showsOnScreen(principle.screen, QStringLiteral("Command5")));
    principle.press(QStringLiteral("Command4"));
    QVERIFY(showsOnScreen(principle.screen, QStringLiteral("Command5")));
}

void StackingTest::pressedSwitchCoversTheReleasedOne()
{
    TestProgram program;
    Visit principle(program, ScreenId::Principle);
    principle.reach(QStringLiteral("pressed"));
    auto& screen = static_cast<principle::PrincipleScreen&>(principle.screen);
    const QPointF onSwitch = principle.centre(QStringLiteral("Picture4"));
    QCOMPARE(controlAtTwips(principle.screen, onSwitch), QStringLiteral("Picture5"));
    QVERIFY(!showsOnScreen(principle.screen, QStringLiteral("Picture4")));
    for (int n = 1; n <= 3; ++n)
        QVERIFY(principle.screen.tick("Timer3"));
    // Pressed again, the switch stays down and the animation runs on from where it was.
    clickAt(principle.screen, onSwitch);
    QVERIFY(showsOnScreen(principle.screen, QStringLiteral("Picture5")));
    QVERIFY(!showsOnScreen(principle.screen, QStringLiteral("Picture4")));
    QCOMPARE(screen.animStep(), qint16(3));
    QVERIFY(principle.screen.tick("Timer3"));
    QCOMPARE(screen.animStep(), qint16(4));
}

void StackingTest::markCoversTheScore()
{
    TestProgram program;
    Visit quiz(program, ScreenId::Drill);
    quiz.answer(true);
    QCOMPARE(wordsOf(quiz.screen, QStringLiteral("Label2")), QStringLiteral("2"));
    quiz.answer(true, false);
    const QPointF score = quiz.centre(QStringLiteral("Label2"));
    QCOMPARE(controlAtTwips(quiz.screen, score), QStringLiteral("Image5"));
    const QImage mark(testsupport::shippedContent() + QStringLiteral("/画像/maru.gif"));
    const QPoint markAt = pixelOf({7020, 1275});
    QVERIFY2(pictureShown(renderedWindow(quiz.screen), markAt, mark) > 0.98, "the score is painted over the mark");

    quiz.runOut("Timer1");
    QCOMPARE(controlAtTwips(quiz.screen, score), QStringLiteral("Label2"));
    QCOMPARE(wordsOf(quiz.screen, QStringLiteral("Label2")), QStringLiteral("4"));
}

void StackingTest::titleRestartsTheQuiz()
{
    TestProgram program;
    Visit quiz(program, ScreenId::Drill);
    const QRect trainHome = pixelRect(1280, 5265, 2700, 1260);
    quiz.answer(false);
    quiz.answer(false);
    QCOMPARE(placeOf(quiz.screen, QStringLiteral("Image3")), trainHome.translated(2 * 67, 0));
    quiz.answer(true, false);  // the restart comes while the answer is marked

    quiz.press(QStringLiteral("Image2"));
    QCOMPARE(wordsOf(quiz.screen, QStringLiteral("Label2")), QString());
    QCOMPARE(placeOf(quiz.screen, QStringLiteral("Image3")), trainHome);
    QVERIFY(!showsOnScreen(quiz.screen, QStringLiteral("Image5")));
    quiz.answer(false);
    QCOMPARE(placeOf(quiz.screen, QStringLiteral("Image3")), trainHome.translated(67, 0));
    QCOMPARE(wordsOf(quiz.screen, QStringLiteral("Label2")), QStringLiteral("0"));
}

QTEST_MAIN(StackingTest)
#include "tst_stacking.moc"
