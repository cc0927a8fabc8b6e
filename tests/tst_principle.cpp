// The principle screen: pages that slide up from the bottom edge, the page order and the restart,
// the reactivity table, the push-switch animation, and a visit that starts afresh each time.
#include "support/testprogram.h"

#include "principle/principlescreen.h"
#include "ui/controls/form.h"

#include <QtTest>

#include <algorithm>

using namespace testsupport;
using app::ScreenId;
using ui::Screen;

namespace {

constexpr double kBottom = 7155;  // a page's Top when it appears
constexpr double kRisen = 945;    // and when it has slid in
constexpr int kSlideTicks = 69;

principle::PrincipleScreen& principleOf(Screen& screen)
{
    return static_cast<principle::PrincipleScreen&>(screen);
}

double topOf(Screen& s, const char* frame)
{
    return s.container(frame).topTwips();
}

void tickTimes(Screen& s, const char* timer, int times)
{
    for (int i = 0; i < times; ++i)
        s.tick(timer);
}

// "Next page" clicked `times` times in a row, without waiting for any slide to end.
void next(Screen& s, int times)
{
    for (int i = 0; i < times; ++i)
        QVERIFY(s.click("Command2"));
}

// Everything an action could change, to show that one changed nothing.
QStringList snapshot(Screen& s)
{
    QStringList state;
    for (const ui::ControlSpec& row : s.layout()) {
        if (row.kind == ui::Kind::Timer) {
            const ui::Timer& t = s.timer(row.name);
            state << QStringLiteral("%1 interval %2").arg(t.objectName()).arg(t.interval());
            continue;
        }
        const ui::Control& c = s.control({row.name, row.index});
        state << QStringLiteral("%1 %2 %3,%4")
                     .arg(c.widget().objectName())
                     .arg(c.ownVisible())
                     .arg(c.leftTwips())
                     .arg(c.topTwips());
    }
    for (const char* list : {"List1", "List2", "List3", "List4"})
        state << s.list(list).items().join(QLatin1Char('|'));
    return state;
}

}  // namespace

class PrincipleTest : public QObject {
    Q_OBJECT
private slots:
    void pageSlidesIn_data();
    void pageSlidesIn();
    void nextPageDuringSlide_data();
    void nextPageDuringSlide();
    void restartDuringPageFourSlide();
    void nextPageBeyondFourChangesNothing_data();
    void nextPageBeyondFourChangesNothing();
    void switchAnimationCycle();
    void closingTableStopsAnimation();
    void secondVisitToPageFour();
    void animationCarriesTheElectronsInTheWireToMetalB();
    void leavingAndReopeningStartsAfresh_data();
    void leavingAndReopeningStartsAfresh();
    void missingPageText();
};

void PrincipleTest::pageSlidesIn_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("clock");
    QTest::newRow("page 1 on Timer1") << 1 << "Timer1";
    QTest::newRow("page 2 on Timer2") << 2 << "Timer2";
    QTest::newRow("page 3 on Timer2") << 3 << "Timer2";
    QTest::newRow("page 4 on Timer2") << 4 << "Timer2";
}

void PrincipleTest::pageSlidesIn()
{
    QFETCH(int, page);
    QFETCH(QString, clock);
    TestProgram program;
    Screen& s = program.open(ScreenId::Principle);
    next(s, page - 1);
    const QByteArray frameName = "Frame" + QByteArray::number(page);
    const QByteArray listName = "List" + QByteArray::number(page);
    const char* frame = frameName.constData();
    const std::string timer = clock.toStdString();

    QVERIFY(s.container(frame).ownVisible());
    QVERIFY(!s.list(listName.constData()).items().isEmpty());
    QCOMPARE(topOf(s, frame), kBottom);
    QCOMPARE(s.timer(timer).interval(), 10);
    for (int n = 1; n < kSlideTicks; ++n) {
        QVERIFY(s.tick(timer));
        QCOMPARE(topOf(s, frame), kBottom - 90 * n);
        QVERIFY2(s.timer(timer).isRunning(), qPrintable(QStringLiteral("stopped after tick %1").arg(n)));
    }
    QVERIFY(s.tick(timer));
    QCOMPARE(topOf(s, frame), kRisen);
    QVERIFY(!s.timer(timer).isRunning());
    QVERIFY(!s.tick(timer));
    QCOMPARE(topOf(s, frame), kRisen);
}

void PrincipleTest::nextPageDuringSlide_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("ticks");  // of the page's slide before "next page"
    QTest::newRow("page 1 just shown") << 1 << 0;
    QTest::newRow("page 1 half risen") << 1 << 30;
    QTest::newRow("page 1 one step short") << 1 << 68;
    QTest::newRow("page 2 half risen") << 2 << 30;
    QTest::newRow("page 3 one step in") << 3 << 1;
}

void PrincipleTest::nextPageDuringSlide()
{
    QFETCH(int, page);
    QFETCH(int, ticks);
    TestProgram program;
    Screen& s = program.open(ScreenId::Principle);
    next(s, page - 1);
    const QByteArray oldName = "Frame" + QByteArray::number(page);
    const QByteArray newName = "Frame" + QByteArray::number(page + 1);
    const char* oldClock = page == 1 ? "Timer1" : "Timer2";
    tickTimes(s, oldClock, ticks);

    QVERIFY(s.click("Command2"));
    QVERIFY(!s.container(oldName.constData()).ownVisible());
    QVERIFY(s.container(newName.constData()).ownVisible());
    QCOMPARE(topOf(s, newName.constData()), kBottom);
    QVERIFY(s.timer("Timer2").isRunning());

    if (page == 1) {
        // Page 1 has a clock of its own, which finishes the hidden frame's slide.
        tickTimes(s, "Timer1", kSlideTicks - ticks);
        QCOMPARE(topOf(s, "Frame1"), kRisen);
        QVERIFY(!s.timer("Timer1").isRunning());
        QVERIFY(!s.container("Frame1").ownVisible());
    }
    tickTimes(s, "Timer2", kSlideTicks);
    QCOMPARE(topOf(s, newName.constData()), kRisen);
    QVERIFY(!s.timer("Timer2").isRunning());
    if (page > 1)
        QCOMPARE(topOf(s, oldName.constData()), kBottom - 90 * ticks);  // left where it was hidden
}

void PrincipleTest::restartDuringPageFourSlide()
{
    TestProgram program;
    Screen& s = program.open(ScreenId::Principle);
    tickTimes(s, "Timer1", kSlideTicks);
    next(s, 1);
    tickTimes(s, "Timer2", 20);  // page 2 left half risen
    next(s, 2);
    tickTimes(s, "Timer2", 10);
    QVERIFY(s.click("Command3"));

    QCOMPARE(principleOf(s).pageNo(), qint16(0));
    QVERIFY(!s.container("Frame4").ownVisible());
    QVERIFY(!s.button("Command3").ownVisible());
    QVERIFY(s.container("Frame1").ownVisible());
    QCOMPARE(topOf(s, "Frame1"), kBottom);
    QVERIFY(s.timer("Timer1").isRunning());
    const QStringList before = snapshot(s);
    for (int i = 0; i < 100; ++i)
        QVERIFY2(s.tick("Timer2"), "the slide clock stopped without a page to slide");
    QCOMPARE(snapshot(s), before);

    // The next page gives the still running clock a frame again, from the bottom edge.
    QVERIFY(s.click("Command2"));
    QVERIFY(s.tick("Timer2"));
    QCOMPARE(topOf(s, "Frame2"), kBottom - 90);
}

void PrincipleTest::nextPageBeyondFourChangesNothing_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("click on the covered button") << false;
    QTest::newRow("space bar on the covered button") << true;
}

void PrincipleTest::nextPageBeyondFourChangesNothing()
{
    QFETCH(bool, byKeyboard);
    TestProgram program;
    Screen& s = program.open(ScreenId::Principle);
    next(s, 3);
    tickTimes(s, "Timer1", kSlideTicks);
    tickTimes(s, "Timer2", kSlideTicks);
    QVERIFY(s.click("Picture4"));
    tickTimes(s, "Timer3", 4);
    const QStringList before = snapshot(s);
    for (int n = 4; n <= 6; ++n) {
        if (byKeyboard)
            QTest::keyClick(&s.button("Command2"), Qt::Key_Space);
        else
            QVERIFY(s.click("Command2"));
        QCOMPARE(principleOf(s).pageNo(), qint16(n));
        QCOMPARE(snapshot(s), before);
    }
    QVERIFY(s.click("Command3"));
    QCOMPARE(principleOf(s).pageNo(), qint16(0));
    QVERIFY(s.click("Command2"));
    QVERIFY(s.container("Frame2").ownVisible());
}

void PrincipleTest::switchAnimationCycle()
{
    TestProgram program;
    Screen& s = program.open(ScreenId::Principle);
    next(s, 3);
    QVERIFY(s.label("Label1").isVisibleTo(s.window()));  // スイッチを押してください
    QVERIFY(s.click("Picture4"));
    QVERIFY(!s.container("Picture4").ownVisible());
    QVERIFY(s.container("Picture5").ownVisible());
    QVERIFY(!s.label("Label1").ownVisible());
    QCOMPARE(s.timer("Timer3").interval(), 100);
    QVERIFY(!s.container("Picture7").ownVisible());
    const QStringList pressed = snapshot(s);
    s.click("Picture5");  // the pressed switch stays pressed
    QCOMPARE(snapshot(s), pressed);

    for (int cycle = 0; cycle < 2; ++cycle) {
        for (int n = 1; n <= 9; ++n) {
            QVERIFY(s.tick("Timer3"));
            QCOMPARE(s.container("Picture7").picture().source(), QStringLiteral("\\画像\\アニメ\\g%1.gif").arg(n));
            QCOMPARE(s.container("Picture8").picture().source(), QStringLiteral("\\画像\\アニメ\\e%1.gif").arg(n));
            QVERIFY(s.container("Picture7").isVisibleTo(s.window()));
            QVERIFY(s.container("Picture8").isVisibleTo(s.window()));
        }
        QVERIFY(s.tick("Timer3"));
        QVERIFY(!s.container("Picture7").ownVisible());
        QVERIFY(!s.container("Picture8").ownVisible());
        QCOMPARE(principleOf(s).animStep(), qint16(0));
        QVERIFY(s.timer("Timer3").isRunning());
    }
}

void PrincipleTest::closingTableStopsAnimation()
{
    TestProgram program;
    Screen& s = program.open(ScreenId::Principle);
    next(s, 2);
    QVERIFY(!s.click("Command5"));  // the table is closed at the start of each visit
    QVERIFY(s.click("Command4"));
    QVERIFY(s.container("Picture6").isVisibleTo(s.window()));
    QVERIFY(s.button("Command5").isVisibleTo(s.window()));
    QVERIFY(s.click("Command5"));
    QVERIFY(!s.container("Picture6").ownVisible());
    QVERIFY(!s.button("Command5").ownVisible());
    QVERIFY(s.container("Frame3").ownVisible());

    // The close action also stops the animation clock; only a click that does not come from a
    // pointer can reach it while the animation runs on page 4.
    QVERIFY(s.click("Command4"));
    next(s, 1);
    QVERIFY(s.click("Picture4"));
    tickTimes(s, "Timer3", 3);
    s.button("Command5").click();
    QVERIFY(!s.timer("Timer3").isRunning());
    QVERIFY(s.container("Picture7").ownVisible());  // the strips keep the frame they showed
    QCOMPARE(s.container("Picture7").picture().source(), QStringLiteral("\\画像\\アニメ\\g3.gif"));
}

void PrincipleTest::secondVisitToPageFour()
{
    TestProgram program;
    Screen& s = program.open(ScreenId::Principle);
    next(s, 2);
    QVERIFY(s.click("Command4"));
    QVERIFY(s.click("Command2"));
    QVERIFY(s.click("Picture4"));
    tickTimes(s, "Timer3", 5);
    QVERIFY(s.click("Command3"));
    QVERIFY(!s.timer("Timer3").isRunning());

    // Inside the hidden page the strips keep their state and the switch, put up while hidden,
    // takes no click; the hidden page 1 contents show again with their frame.
    const QWidget* window = s.window();
    QVERIFY(s.container("Picture7").ownVisible());
    QVERIFY(s.container("Picture4").ownVisible());
    QVERIFY(!s.container("Picture4").isVisibleTo(window));
    QVERIFY(!s.click("Picture4"));
    QVERIFY(s.list("List1").isVisibleTo(window));
    QVERIFY(s.image("Image1").isVisibleTo(window));

    next(s, 2);
    QVERIFY(!s.container("Picture6").ownVisible());
    QVERIFY(!s.button("Command5").ownVisible());
    QVERIFY(s.click("Command2"));
    QVERIFY(s.container("Picture4").isVisibleTo(window));
    QVERIFY(s.list("List4").isVisibleTo(window));
    QVERIFY(!s.container("Picture5").ownVisible());
    QVERIFY(!s.container("Picture7").ownVisible());
    QVERIFY(!s.container("Picture8").ownVisible());
    QVERIFY(s.label("Label1").isVisibleTo(window));
    QVERIFY(s.click("Picture4"));
    QVERIFY(!s.label("Label1").ownVisible());
    QVERIFY(s.tick("Timer3"));
    QCOMPARE(s.container("Picture7").picture().source(), QStringLiteral("\\画像\\アニメ\\g1.gif"));
    QVERIFY(s.container("Picture7").isVisibleTo(window));
}

namespace {

// Colours the eye cannot tell apart: a frame repeats the drawing's shading to within a step or two.
bool nearly(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) <= 2 && qAbs(qGreen(a) - qGreen(b)) <= 2 && qAbs(qBlue(a) - qBlue(b)) <= 2;
}

// The pixels where two pictures of one size differ.
QList<QPoint> changes(const QImage& a, const QImage& b)
{
    QList<QPoint> changed;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!nearly(a.pixel(x, y), b.pixel(x, y)))
                changed << QPoint(x, y);
    return changed;
}

// The colour most of a row of the picture has.
QRgb groundOf(const QImage& picture, int y)
{
    QHash<QRgb, int> seen;
    QRgb most = 0;
    for (int x = 0; x < picture.width(); ++x)
        if (++seen[picture.pixel(x, y)] > seen.value(most))
            most = picture.pixel(x, y);
    return most;
}

bool anyBetween(const QList<QPoint>& points, int fromX, int toX)
{
    return std::any_of(points.begin(), points.end(), [&](const QPoint& p) { return p.x() >= fromX && p.x() < toX; });
}

}  // namespace

// The strips repeat the drawing beneath them, so that only the particles seem to move: the
// electrons in the wire (an electron is 7 px across, the wire 3), out of metal A and on to metal
// B; in the electrolyte, whose shade changes with depth, the ions at both metals' faces.
void PrincipleTest::animationCarriesTheElectronsInTheWireToMetalB()
{
    TestProgram program;
    Screen& s = program.open(ScreenId::Principle);
    next(s, 3);
    QWidget& diagram = s.container("Picture3");
    const QRect wireStrip = s.container("Picture8").geometry();
    const QRect ionStrip = s.container("Picture7").geometry();
    const auto shot = [&](const QRect& strip) {
        return diagram.grab(strip).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage wire = shot(wireStrip);
    const QImage solution = shot(ionStrip);
    // The wire is what is not the white ground of its stretch.
    QList<QPoint> wirePixels;
    for (int y = 0; y < wire.height(); ++y)
        for (int x = 0; x < wire.width(); ++x)
            if (wire.pixel(x, y) != groundOf(wire, 0))
                wirePixels << QPoint(x, y);
    QVERIFY(!wirePixels.isEmpty());

    QVERIFY(s.click("Picture4"));
    for (int n = 1; n <= principle::PrincipleScreen::kAnimationFrames; ++n) {
        QVERIFY(s.tick("Timer3"));
        const QString frame = QStringLiteral("frame %1").arg(n);
        const QImage electrons = shot(wireStrip);
        const QImage ions = shot(ionStrip);
        for (int y = 0; y < solution.height(); ++y)
            QVERIFY2(nearly(groundOf(ions, y), groundOf(solution, y)), qPrintable(frame));

        const QList<QPoint> moved = changes(electrons, wire);
        for (const QPoint& p : moved) {
            const bool onWire = std::any_of(wirePixels.begin(), wirePixels.end(), [&](const QPoint& w) {
                return qAbs(w.x() - p.x()) <= 2 && qAbs(w.y() - p.y()) <= 2;
            });
            QVERIFY2(onWire, qPrintable(frame + QStringLiteral(": beside the wire at %1,%2").arg(p.x()).arg(p.y())));
        }
        // Leaving A's clip at the strip's left end and reaching B's at its right end.
        QVERIFY2(anyBetween(moved, 0, 10), qPrintable(frame));
        QVERIFY2(anyBetween(moved, wire.width() - 10, wire.width()), qPrintable(frame));
        // Ions leave metal A's face, the strip's left edge, and H⁺ take up electrons at B's, its right.
        const QList<QPoint> reacting = changes(ions, solution);
        QVERIFY2(anyBetween(reacting, 0, 3), qPrintable(frame));
        QVERIFY2(anyBetween(reacting, solution.width() - 8, solution.width()), qPrintable(frame));
    }
}

void PrincipleTest::leavingAndReopeningStartsAfresh_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("animate");
    QTest::newRow("during the page 1 slide") << 1 << false;
    QTest::newRow("page 3 with the table open") << 3 << false;
    QTest::newRow("during the switch animation") << 4 << true;
}

void PrincipleTest::leavingAndReopeningStartsAfresh()
{
    QFETCH(int, page);
    QFETCH(bool, animate);
    TestProgram program;
    Screen& menu = program.open(ScreenId::Menu);
    QVERIFY(menu.click({"Command1", 0}));
    Screen& s = program.screen(ScreenId::Principle);
    QVERIFY(s.isLoaded());
    tickTimes(s, "Timer1", 10);
    next(s, page - 1);
    if (page == 3)
        QVERIFY(s.click("Command4"));
    if (animate) {
        QVERIFY(s.click("Picture4"));
        tickTimes(s, "Timer3", 3);
    }

    QVERIFY(s.click("Command1"));
    QVERIFY(!s.isLoaded());
    QVERIFY(menu.isLoaded());
    TestProgram::settle();
    QVERIFY(!program.exitCode().has_value());
    QVERIFY(menu.click({"Command1", 0}));

    QCOMPARE(principleOf(s).pageNo(), qint16(0));
    QCOMPARE(principleOf(s).animStep(), qint16(0));
    QCOMPARE(topOf(s, "Frame1"), kBottom);
    QVERIFY(s.container("Frame1").ownVisible());
    QCOMPARE(s.timer("Timer1").interval(), 10);
    QVERIFY(!s.timer("Timer2").isRunning());
    QVERIFY(!s.timer("Timer3").isRunning());
    for (const ui::ControlSpec& row : s.layout()) {
        if (row.kind == ui::Kind::Timer || row.name == "Frame1")
            continue;
        const ui::Control& c = s.control({row.name, row.index});
        QVERIFY2(c.ownVisible() == row.visible, qPrintable(c.widget().objectName()));
        QVERIFY2(c.topTwips() == row.top, qPrintable(c.widget().objectName()));
    }
    QVERIFY(s.list("List2").items().isEmpty());
    QVERIFY(s.container("Picture7").picture().source().isEmpty());
}

void PrincipleTest::missingPageText()
{
    ContentFolder folder;
    for (const char* page : {"p1", "p3", "p4"})
        folder.copyShipped(QStringLiteral("\\説明\\原理\\%1.txt").arg(QLatin1String(page)));
    FailureLog log;
    TestProgram program(folder.path());
    Screen& s = program.open(ScreenId::Principle);
    QVERIFY(log.errors.isEmpty());
    QVERIFY(!s.list("List1").items().isEmpty());

    s.click("Command2");
    QCOMPARE(log.errors.size(), 1);
    const content::ContentError& error = log.errors.first();
    const QString path = folder.path() + QStringLiteral("/説明/原理/p2.txt");
    QCOMPARE(error.path(), path);
    QCOMPARE(error.cause(), content::ContentError::Cause::NotFound);
    QVERIFY(error.report().contains(path));
    QVERIFY(error.report().contains(QStringLiteral("見つかりません")));
}

QTEST_MAIN(PrincipleTest)
#include "tst_principle.moc"
