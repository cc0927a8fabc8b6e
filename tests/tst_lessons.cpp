// The lesson template and its four cells: the switch, the electron-flow animation, the
// enlargement views, and what each cell has beyond the template.
#include "support/testprogram.h"

#include "content/contentpath.h"
#include "content/textfile.h"
#include "lessons/leadscreen.h"
#include "lessons/lessonscreen.h"
#include "lessons/voltascreen.h"
#include "ui/controls/form.h"

#include <QtTest>

using namespace testsupport;
using app::ScreenId;

namespace {

bool shown(ui::Screen& s, ui::ControlRef ref)
{
    return s.control(ref).widget().isVisibleTo(s.window());
}

QStringList shownOf(ui::Screen& s, std::initializer_list<const char*> names)
{
    QStringList result;
    for (const char* name : names)
        if (shown(s, name))
            result << QString::fromLatin1(name);
    return result;
}

const std::initializer_list<const char*> kWatched = {
    "Label3",  "Label4",  "Label5",  "Label6",  "Label7",  "Image3",  "Image4", "Image5",   "Image6",   "Image7",
    "Image12", "Image14", "Image15", "Image16", "Image17", "Image18", "List1",  "Command1", "Command2", "Command3"};

QString frameOf(ui::Screen& s, const char* image)
{
    return s.image(image).picture().source();
}

QString nameOf(ui::Screen& s, const char* control)
{
    return s.control(control).widget().accessibleName();
}

QStringList linesOf(const QString& file)
{
    return content::readLines(content::contentPath(file));
}

struct Positions {
    double top5, left6, top7;
};
Positions positions(ui::Screen& s)
{
    return {s.image("Image5").topTwips(), s.image("Image6").leftTwips(), s.image("Image7").topTwips()};
}

}  // namespace

class LessonsTest : public QObject {
    Q_OBJECT
private slots:
    void statesOfTheTemplate();
    void stepsPlaceTheElectronsFromHome_data();
    void stepsPlaceTheElectronsFromHome();
    void animationResumesAfterAnEnlargement();
    void flowClickedAgainKeepsTheCycle();
    void secondEnlargementReplacesTheList();
    void menuWhileFlowingThenReopeningGivesTheOpeningState();
    void voltaBubbles();
    void daniellLabelsAndPorousPlate();
    void insideViewHidesTheListWhichKeepsItsLines_data();
    void insideViewHidesTheListWhichKeepsItsLines();
    void framesPerCell_data();
    void framesPerCell();
    void voltaLampDimsAndZincKeepsBubbling();
    void daniellSolutionPalesEachCycle();
    void leadChargesAndDischarges();
};

void LessonsTest::statesOfTheTemplate()
{
    TestProgram test;
    ui::Screen& s = test.open(ScreenId::Volta);
    auto& lesson = static_cast<lessons::LessonScreen&>(s);

    // Open circuit, at load.
    QCOMPARE(shownOf(s, kWatched), (QStringList{"Label3", "Label4"}));
    QVERIFY(shown(s, "Image13"));
    QVERIFY(!s.timer("Timer1").isRunning());

    // Closed, idle: signs, bulb, voltage, notation and buttons; nothing moves.
    QVERIFY(s.click("Image13"));
    QCOMPARE(shownOf(s, kWatched),
             (QStringList{"Label3", "Label5", "Label6", "Label7", "Image12", "Image14", "Command1", "Command2",
                          "Command3"}));
    QVERIFY(!s.timer("Timer1").isRunning());

    // Closed, flowing: the first frame 400 ms later, that is at the first tick.
    QVERIFY(s.click("Command1"));
    QCOMPARE(s.timer("Timer1").interval(), 400);
    QCOMPARE(shownOf(s, kWatched),
             (QStringList{"Label5", "Label6", "Label7", "Image12", "Image15", "Image16", "Command1", "Command2",
                          "Command3"}));
    s.tick("Timer1");
    QVERIFY(shown(s, "Image3") && shown(s, "Image7"));

    // Enlargement from flowing: the reactions stay, the moving pictures go, the clock stops.
    QVERIFY(s.click("Command2"));
    QVERIFY(!s.timer("Timer1").isRunning());
    QCOMPARE(shownOf(s, kWatched),
             (QStringList{"Label5", "Label6", "Label7", "Image12", "Image15", "Image16", "Image17", "List1", "Command1",
                          "Command2", "Command3"}));
    QVERIFY(s.list("List1").count() > 0);
    QCOMPARE(lesson.state().animStep, 1);

    // The switch from an enlargement: back to the opening look, with list and close-up hidden.
    QVERIFY(s.click("Image13"));
    QCOMPARE(shownOf(s, kWatched), (QStringList{"Label3", "Label4"}));
    QVERIFY(!s.timer("Timer1").isRunning());
    QCOMPARE(lesson.state().animStep, 0);

    // Closed again: the animation waits for 電子の流れ.
    QVERIFY(s.click("Image13"));
    QVERIFY(!s.tick("Timer1"));

    // Enlargement from idle: the notation stays, the reactions stay hidden.
    QVERIFY(s.click("Command3"));
    QVERIFY(shown(s, "Image14") && shown(s, "Image18"));
    QVERIFY(!shown(s, "Image15") && !shown(s, "Image16") && !shown(s, "Label3"));
}

void LessonsTest::stepsPlaceTheElectronsFromHome_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<double>("home5");
    QTest::addColumn<double>("home6");
    QTest::addColumn<double>("home7");
    QTest::newRow("Voltaic") << int(ScreenId::Volta) << 2895.0 << 3960.0 << 2145.0;
    QTest::newRow("Daniell") << int(ScreenId::Daniell) << 2895.0 << 3960.0 << 2145.0;
    QTest::newRow("manganese") << int(ScreenId::Manganese) << 3225.0 << 3960.0 << 1605.0;
    QTest::newRow("lead") << int(ScreenId::Lead) << 2670.0 << 3960.0 << 2100.0;
}

void LessonsTest::stepsPlaceTheElectronsFromHome()
{
    QFETCH(int, screen);
    QFETCH(double, home5);
    QFETCH(double, home6);
    QFETCH(double, home7);
    TestProgram test;
    ui::Screen& s = test.open(ScreenId(screen));
    s.click("Image13");
    s.click("Command1");
    for (int cycle = 0; cycle < 25; ++cycle) {
        for (int step = 1; step <= 3; ++step) {
            s.tick("Timer1");
            const double d = 300.0 * (step - 1);
            const Positions p = positions(s);
            QCOMPARE(p.top5, home5 - d);
            QCOMPARE(p.left6, home6 + d);
            QCOMPARE(p.top7, home7 + d);
            QVERIFY(shown(s, "Image5") && shown(s, "Image6") && shown(s, "Image7"));
        }
        s.tick("Timer1");  // the blank tick: hidden where step 3 left them
        QVERIFY(!shown(s, "Image3") && !shown(s, "Image5") && !shown(s, "Image7"));
        QCOMPARE(positions(s).top5, home5 - 600);
    }
}

void LessonsTest::animationResumesAfterAnEnlargement()
{
    TestProgram test;
    ui::Screen& s = test.open(ScreenId::Volta);
    s.click("Image13");
    s.click("Command1");
    s.tick("Timer1");
    s.tick("Timer1");  // step 2 shown
    s.click("Command2");
    QVERIFY(!shown(s, "Image5"));
    s.click("Command1");
    s.tick("Timer1");
    QCOMPARE(frameOf(s, "Image3"), QStringLiteral("\\画像\\アニメ\\zn_3.gif"));
    QCOMPARE(positions(s).top5, 2295.0);
    s.tick("Timer1");
    QVERIFY(!shown(s, "Image3"));
    s.tick("Timer1");
    QCOMPARE(frameOf(s, "Image3"), QStringLiteral("\\画像\\アニメ\\zn_1.gif"));
    QCOMPARE(positions(s).left6, 3960.0);
}

void LessonsTest::flowClickedAgainKeepsTheCycle()
{
    TestProgram test;
    ui::Screen& s = test.open(ScreenId::Daniell);
    s.click("Image13");
    s.click("Command1");
    s.tick("Timer1");
    s.click("Command1");
    QVERIFY(shown(s, "Image3"));  // still showing step 1
    s.tick("Timer1");
    QCOMPARE(frameOf(s, "Image4"), QStringLiteral("\\画像\\アニメ\\cu_2.gif"));
}

void LessonsTest::secondEnlargementReplacesTheList()
{
    TestProgram test;
    ui::Screen& s = test.open(ScreenId::Volta);
    s.click("Image13");
    s.click("Command2");
    const QStringList negative = s.list("List1").items();
    s.click("Command3");
    const QStringList positive = s.list("List1").items();
    QVERIFY(!negative.isEmpty() && !positive.isEmpty());
    QVERIFY(negative != positive);
    QVERIFY(positive.first().contains(QStringLiteral("正極")));
    QVERIFY(shown(s, "Image18") && !shown(s, "Image17"));
}

void LessonsTest::menuWhileFlowingThenReopeningGivesTheOpeningState()
{
    TestProgram test;
    ui::Screen& s = test.open(ScreenId::Lead);
    s.click("Image13");
    s.click("Command1");
    s.tick("Timer1");
    QVERIFY(s.click("Command4"));
    QVERIFY(!s.isLoaded());
    TestProgram::settle();
    QVERIFY(test.screen(ScreenId::Menu).isLoaded());
    QVERIFY(!s.tick("Timer1"));

    test.screen(ScreenId::Menu).click({"Command1", 4});
    QVERIFY(s.isLoaded());
    QCOMPARE(shownOf(s, kWatched), (QStringList{"Label3", "Label4"}));
    QVERIFY(!static_cast<lessons::LessonScreen&>(s).state().circuitClosed);
    QCOMPARE(positions(s).top5, 2670.0);
    QVERIFY(!s.timer("Timer1").isRunning());
}

void LessonsTest::voltaBubbles()
{
    TestProgram test;
    ui::Screen& s = test.open(ScreenId::Volta);
    // At load the bubbles run at the zinc plate, alternating the two pictures.
    QCOMPARE(s.timer("Timer2").interval(), 50);
    s.tick("Timer2");
    QVERIFY(shown(s, "Image10") && shown(s, "Image11"));
    QCOMPARE(frameOf(s, "Image10"), QStringLiteral("\\画像\\アニメ\\awa1.gif"));
    QCOMPARE(frameOf(s, "Image11"), QStringLiteral("\\画像\\アニメ\\awa2.gif"));
    s.tick("Timer2");
    QCOMPARE(frameOf(s, "Image10"), QStringLiteral("\\画像\\アニメ\\awa2.gif"));
    QVERIFY(!shown(s, "Image8") && !shown(s, "Image3"));

    // Closing moves them to the copper plate at the next bubble tick.
    s.click("Image13");
    QVERIFY(!shown(s, "Image10") && !shown(s, "Image11"));
    s.tick("Timer2");
    QVERIFY(shown(s, "Image8") && shown(s, "Image9"));

    // An enlargement freezes them, still shown; 電子の流れ restarts both clocks.
    s.click("Command3");
    QVERIFY(!s.timer("Timer2").isRunning());
    const QString frozen = frameOf(s, "Image8");
    QVERIFY(!s.tick("Timer2"));
    TestProgram::settle();
    QVERIFY(shown(s, "Image8") && shown(s, "Image9"));
    QCOMPARE(frameOf(s, "Image8"), frozen);
    s.click("Command1");
    QVERIFY(s.timer("Timer1").isRunning() && s.timer("Timer2").isRunning());

    // Opening the switch from an enlargement restarts them at the zinc plate with awa1 first.
    s.click("Command2");
    s.click("Image13");
    QVERIFY(s.timer("Timer2").isRunning());
    QCOMPARE(static_cast<lessons::VoltaScreen&>(s).nextInnerPicture(), lessons::VoltaScreen::BubblePicture::First);
    QVERIFY(!shown(s, "Image8") && !shown(s, "Image9"));
    s.tick("Timer2");
    QCOMPARE(frameOf(s, "Image10"), QStringLiteral("\\画像\\アニメ\\awa1.gif"));
}

void LessonsTest::daniellLabelsAndPorousPlate()
{
    TestProgram test;
    ui::Screen& s = test.open(ScreenId::Daniell);
    auto bothLabels = [&s] { return shown(s, {"Label3", 0}) && shown(s, {"Label3", 1}); };
    auto neitherLabel = [&s] { return !shown(s, {"Label3", 0}) && !shown(s, {"Label3", 1}); };
    QVERIFY(bothLabels() && shown(s, "Label8"));
    s.click("Image13");
    QVERIFY(bothLabels() && shown(s, "Label8") && shown(s, "Command5"));
    s.click("Command1");
    s.tick("Timer1");
    QVERIFY(neitherLabel() && shown(s, "Label8"));

    // 素焼板拡大 during the animation: stopped, reactions still shown, its text in the list.
    s.click("Command5");
    QVERIFY(!s.timer("Timer1").isRunning());
    QVERIFY(shown(s, "Image8") && shown(s, "Image15") && shown(s, "Image16") && shown(s, "Label8"));
    QVERIFY(s.list("List1").items().first().contains(QStringLiteral("素焼板")));

    // 負極拡大 right after replaces both picture and text.
    s.click("Command2");
    QVERIFY(shown(s, "Image17") && !shown(s, "Image8"));
    QVERIFY(s.list("List1").items().first().contains(QStringLiteral("負極")));
    QVERIFY(neitherLabel());

    s.click("Image13");
    QVERIFY(bothLabels() && shown(s, "Label8") && !shown(s, "Command5") && !shown(s, "Image17"));
}

void LessonsTest::insideViewHidesTheListWhichKeepsItsLines_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("refill");
    QTest::addColumn<double>("cutawayWidth");
    QTest::newRow("manganese, 正極拡大 after") << int(ScreenId::Manganese) << "Command3" << 3855.0;
    QTest::newRow("lead, 負極拡大 after") << int(ScreenId::Lead) << "Command2" << 4410.0;
}

void LessonsTest::insideViewHidesTheListWhichKeepsItsLines()
{
    QFETCH(int, screen);
    QFETCH(QString, refill);
    QFETCH(double, cutawayWidth);
    TestProgram test;
    ui::Screen& s = test.open(ScreenId(screen));
    s.click("Image13");
    s.click("Command2");
    const QStringList negative = s.list("List1").items();
    s.click("Command5");
    QVERIFY(shown(s, "Image8") && !shown(s, "List1") && !shown(s, "Image17"));
    QCOMPARE(s.list("List1").items(), negative);
    // The cut-away is scaled to its rectangle, not to the picture's own size.
    QCOMPARE(s.image("Image8").widthTwips(), cutawayWidth);
    s.click(refill.toLatin1().constData());
    QVERIFY(shown(s, "List1") && !shown(s, "Image8"));
    QVERIFY(!s.list("List1").items().isEmpty());
    s.click("Command5");
    s.click("Image13");
    QVERIFY(!shown(s, "Image8") && !shown(s, "Command5"));
}

void LessonsTest::framesPerCell_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("Voltaic") << int(ScreenId::Volta) << "zn_"
                             << "h_";
    QTest::newRow("Daniell: sulfate ions with the zinc ions") << int(ScreenId::Daniell) << "znso4_"
                                                              << "cu_";
    QTest::newRow("manganese: the same frame twice") << int(ScreenId::Manganese) << "h_"
                                                     << "h_";
    QTest::newRow("lead: the so4_x frame first") << int(ScreenId::Lead) << "so4_x"
                                                 << "so4_";
}

void LessonsTest::framesPerCell()
{
    QFETCH(int, screen);
    QFETCH(QString, first);
    QFETCH(QString, second);
    TestProgram test;
    ui::Screen& s = test.open(ScreenId(screen));
    s.click("Image13");
    s.click("Command1");
    for (int step = 1; step <= 3; ++step) {
        s.tick("Timer1");
        QCOMPARE(frameOf(s, "Image3"), QStringLiteral("\\画像\\アニメ\\%1%2.gif").arg(first).arg(step));
        QCOMPARE(frameOf(s, "Image4"), QStringLiteral("\\画像\\アニメ\\%1%2.gif").arg(second).arg(step));
    }
}

void LessonsTest::voltaLampDimsAndZincKeepsBubbling()
{
    using Lamp = lessons::VoltaScreen::Lamp;
    TestProgram test;
    ui::Screen& s = test.open(ScreenId::Volta);
    auto& volta = static_cast<lessons::VoltaScreen&>(s);
    s.click("Image13");
    // Closed, the zinc still reacts with the acid: a few bubbles stay on it, swapping as elsewhere.
    s.tick("Timer2");
    QVERIFY(shown(s, "Image10") && shown(s, "Image11") && shown(s, "Image8"));
    QCOMPARE(frameOf(s, "Image10"), QStringLiteral("\\画像\\アニメ\\awa3.gif"));
    QCOMPARE(frameOf(s, "Image11"), QStringLiteral("\\画像\\アニメ\\awa4.gif"));
    s.tick("Timer2");
    QCOMPARE(frameOf(s, "Image10"), QStringLiteral("\\画像\\アニメ\\awa4.gif"));

    // The lamp dims within seconds, heard as well as seen.
    QCOMPARE(volta.lamp(), Lamp::Bright);
    for (int tick = 3; tick < lessons::VoltaScreen::kDimmingTicks; ++tick)
        s.tick("Timer2");
    QCOMPARE(volta.lamp(), Lamp::Bright);
    s.tick("Timer2");
    QCOMPARE(volta.lamp(), Lamp::Dimming);
    QCOMPARE(frameOf(s, "Image12"), QStringLiteral(":/lessons/art/volta/circuit_dimming.svg"));
    for (int tick = lessons::VoltaScreen::kDimmingTicks; tick < lessons::VoltaScreen::kDimTicks + 10; ++tick)
        s.tick("Timer2");
    QCOMPARE(volta.lamp(), Lamp::Dim);
    QCOMPARE(nameOf(s, "Image12"), QStringLiteral("暗くなった豆電球"));

    // Opened and closed again, the lamp is bright once more, as the layout draws it.
    s.click("Image13");
    s.click("Image13");
    QCOMPARE(volta.lamp(), Lamp::Bright);
    QCOMPARE(frameOf(s, "Image12"), QStringLiteral(":/lessons/art/circuit_closed.svg"));
    QCOMPARE(nameOf(s, "Image12"), QStringLiteral("点灯した豆電球"));
}

void LessonsTest::daniellSolutionPalesEachCycle()
{
    TestProgram test;
    ui::Screen& s = test.open(ScreenId::Daniell);
    const QString full = QStringLiteral(":/lessons/art/daniell/cell.svg");
    QCOMPARE(frameOf(s, "Image1"), full);
    s.click("Image13");
    s.click("Command1");
    for (int cycle = 1; cycle <= 6; ++cycle) {
        for (int tick = 1; tick < lessons::LessonScreen::kStepsPerCycle; ++tick)
            s.tick("Timer1");
        const QString before = frameOf(s, "Image1");
        s.tick("Timer1");  // the blank tick ends the cycle
        const QString paler = QStringLiteral(":/lessons/art/daniell/cell_paler%1.svg").arg(qMin(cycle, 4));
        QCOMPARE(frameOf(s, "Image1"), paler);
        QVERIFY(cycle > 4 || before != paler);
    }
    // A visit starts with a fresh solution.
    s.click("Command4");
    TestProgram::settle();
    test.screen(ScreenId::Menu).click({"Command1", 2});
    QCOMPARE(frameOf(s, "Image1"), full);
    s.click("Image13");
    s.click("Command1");
    for (int tick = 0; tick < lessons::LessonScreen::kStepsPerCycle; ++tick)
        s.tick("Timer1");
    QCOMPARE(frameOf(s, "Image1"), QStringLiteral(":/lessons/art/daniell/cell_paler1.svg"));
}

void LessonsTest::leadChargesAndDischarges()
{
    using Mode = lessons::LeadScreen::Mode;
    TestProgram test;
    ui::Screen& s = test.open(ScreenId::Lead);
    auto& lead = static_cast<lessons::LeadScreen&>(s);
    QVERIFY(!shown(s, "Command6"));
    s.click("Image13");
    QVERIFY(shown(s, "Command6"));
    QCOMPARE(lead.mode(), Mode::Discharging);

    // 充電, by the keyboard: the source in the drawing, the charging reactions, the flow backwards.
    QTest::keyClick(&s.button("Command6"), Qt::Key_Space);
    QCOMPARE(lead.mode(), Mode::Charging);
    QVERIFY(s.button("Command6").isChecked());
    QCOMPARE(frameOf(s, "Image12"), QStringLiteral("\\画像\\充電\\dengen.gif"));
    QCOMPARE(frameOf(s, "Image15"), QStringLiteral("\\画像\\充電\\fukyoku.gif"));
    QCOMPARE(nameOf(s, "Image15"), QStringLiteral("PbSO₄ + 2e⁻ → Pb + SO₄²⁻"));
    QCOMPARE(nameOf(s, "Image16"), QStringLiteral("PbSO₄ + 2H₂O → PbO₂ + SO₄²⁻ + 4H⁺ + 2e⁻"));
    QVERIFY(shown(s, "Image15") && shown(s, "Image16") && s.timer("Timer1").isRunning());
    for (int step = 1; step <= 3; ++step) {
        s.tick("Timer1");
        QCOMPARE(frameOf(s, "Image3"), QStringLiteral("\\画像\\アニメ\\so4_cx%1.gif").arg(step));
        QCOMPARE(frameOf(s, "Image4"), QStringLiteral("\\画像\\アニメ\\so4_c%1.gif").arg(step));
        // Electrons sink into the lead plate, run left and rise out of the lead(IV) oxide plate.
        const double back = 300.0 * (3 - step);
        QCOMPARE(positions(s).top5, 2670.0 - back);
        QCOMPARE(positions(s).left6, 3960.0 + back);
        QCOMPARE(positions(s).top7, 2100.0 + back);
    }

    // The close-ups follow the mode, and say that the acid grows denser again.
    s.click("Command2");
    QCOMPARE(frameOf(s, "Image17"), QStringLiteral("\\画像\\充電\\fukyoku_kakudai.gif"));
    QCOMPARE(s.list("List1").items(), linesOf(QStringLiteral("\\説明\\鉛蓄電池\\充電負極.txt")));
    s.click("Command3");
    QCOMPARE(frameOf(s, "Image18"), QStringLiteral("\\画像\\充電\\seikyoku_kakudai.gif"));
    QCOMPARE(s.list("List1").items(), linesOf(QStringLiteral("\\説明\\鉛蓄電池\\充電正極.txt")));
    QVERIFY(s.list("List1").items().join(QString()).contains(QStringLiteral("密度は再び")));

    // Pressed again, by the mouse: discharging, with the layout's pictures and names, from step 1.
    s.click("Command6");
    QCOMPARE(lead.mode(), Mode::Discharging);
    QVERIFY(!s.button("Command6").isChecked());
    QCOMPARE(frameOf(s, "Image12"), QStringLiteral(":/lessons/art/circuit_closed.svg"));
    QCOMPARE(frameOf(s, "Image17"), QStringLiteral(":/lessons/art/lead/zoom_negative.svg"));
    QCOMPARE(nameOf(s, "Image16"), QStringLiteral("PbO₂ + SO₄²⁻ + 4H⁺ + 2e⁻ → PbSO₄ + 2H₂O"));
    s.tick("Timer1");
    QCOMPARE(frameOf(s, "Image3"), QStringLiteral("\\画像\\アニメ\\so4_x1.gif"));
    QCOMPARE(positions(s).top5, 2670.0);
    s.click("Command2");
    QCOMPARE(s.list("List1").items(), linesOf(QStringLiteral("\\説明\\鉛蓄電池\\負極.txt")));

    // Opening the circuit while charging leaves a discharging cell, the button gone with the rest.
    s.click("Command6");
    s.click("Image13");
    QCOMPARE(lead.mode(), Mode::Discharging);
    QVERIFY(!shown(s, "Command6"));
    QCOMPARE(frameOf(s, "Image16"), QStringLiteral(":/lessons/art/lead/reaction_positive.svg"));
}

QTEST_MAIN(LessonsTest)
#include "tst_lessons.moc"
