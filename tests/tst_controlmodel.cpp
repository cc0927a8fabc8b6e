// The screen and control model every screen stands on: containers, stacking and click routing,
// timers, the lifecycle of a screen, and content failures reported around event dispatch.
#include "support/gifwriter.h"
#include "support/screenview.h"
#include "support/stderrcapture.h"
#include "support/testhost.h"

#include "content/contentpath.h"
#include "content/failurereport.h"
#include "ui/controls/form.h"
#include "ui/layout/twips.h"
#include "ui/screen/controls.h"
#include "ui/sound/speakerloader.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

using namespace ui;
using namespace testsupport;

namespace {

constexpr TextStyle kPlain{{Face::Mincho, 12, false}, kSystemWindowText, kWhite};

// Rows front to back. The click area lies over the label; the list lies below both in the
// table yet above them, having a window of its own.
// clang-format off
constexpr ControlSpec kLayout[] = {
    {"Area",    kNoIndex, Kind::Image,         kForm,    1500, 1500, 1500, 1500, kShown,  none()},
    {"Caption", kNoIndex, Kind::Label,         kForm,    1500, 1500, 3000, 600,  kShown,  caption("文字", kPlain)},
    {"Frame1",  kNoIndex, Kind::Frame,         kForm,    4500, 300,  3000, 3000, kShown,  panel(kLightGrey)},
    {"Inner",   kNoIndex, Kind::Image,         "Frame1", 150,  150,  600,  600,  kShown,  none()},
    {"Button",  2,        Kind::CommandButton, kForm,    300,  4500, 1665, 510,  kShown,  face(":/ui/art/face_menu.svg", "メニュー")},
    {"Timer1",  kNoIndex, Kind::Timer,         kForm,    0,    0,    0,    0,    kHidden, none()},
    {"List",    kNoIndex, Kind::ListBox,       kForm,    2250, 2250, 3000, 1500, kShown,  list(kPlain)},
    {"Picture", kNoIndex, Kind::Image,         kForm,    300,  6000, 1500, 900,  kShown,  none()},
    {"Wide",    kNoIndex, Kind::Image,         kForm,    9000, 300,  1500, 1500, kShown,  stretched(":/ui/art/face_menu.svg")},
};
// clang-format on

class ProbeScreen : public Screen {
public:
    explicit ProbeScreen(ScreenHost& host) : Screen(host, QStringLiteral("試験"), kLayout)
    {
        onClick("Area", [this](int) { clicks << QStringLiteral("Area"); });
        onClick("Button", [this](int index) {
            clicks << QStringLiteral("Button(%1)").arg(index);
            if (whileButtonRuns)
                whileButtonRuns();
        });
        onClick("Picture", [this](int) {
            clicks << QStringLiteral("Picture");
            loadPicture("Picture", QStringLiteral("\\画像\\missing.gif"));
            clicks << QStringLiteral("after the failure");
        });
        onTick("Timer1", [this] { ++ticks; });
    }
    void load() override { ++loads; }

    QStringList clicks;
    std::function<void()> whileButtonRuns;
    int ticks = 0;
    int loads = 0;
    using Screen::loadPicture;
    using Screen::setInterval;
    using Screen::setVisible;
};

}  // namespace

class ControlModelTest : public QObject {
    Q_OBJECT
private slots:
    void twipsAndFontSizes();
    void visibilityThroughHiddenContainers();
    void hiddenControlMovesAndShowsAtItsNewPlace();
    void stackingDecidesWhoGetsTheClick();
    void handlersForControlsTheTableLacksAreRefused_data();
    void handlersForControlsTheTableLacksAreRefused();
    void buttonArrayPassesItsIndexAndKeys();
    void inputQueuedForAnUnloadedWindowReachesNoHandler();
    void naturalAgainstStretchedPictures();
    void transparentPictureShowsWhatLiesBeneath();
    void timerStartsStopsAndMergesTicks();
    void heldTimerNeitherTicksNorWakes();
    void noTickAfterUnload_data();
    void noTickAfterUnload();
    void variablesSurviveUnloadWhileControlsAreRebuilt();
    void contentFailureIsReportedOnceAroundTheHandler();
    void nothingRunsWhileAFailureIsReported();
    // Before any other test plays a sound.
    void soundLibrariesLoadWithTheFirstSound();
    void soundsGoToTheSinkWithoutWaiting();
    void missingSpeakerModuleLeavesSoundsSilent();

private:
    TestHost m_host;
};

void ControlModelTest::twipsAndFontSizes()
{
    QCOMPARE(twipsToPixels(7155), 477);
    QCOMPARE(twipsToPixels(1280), 85);  // 85.33: the nearest pixel
    QCOMPARE(twipsToPixels(1290), 86);  // 86.0
    QCOMPARE(twipsToPixels(1000), 67);  // 66.67: up, where cutting off would give 66
    QCOMPARE(twipsToPixels(22), 1);     // 1.47
    QCOMPARE(twipsToPixels(23), 2);     // 1.53
    QCOMPARE(twipsToPixels(7.5), 1);    // a half pixel rounds up
    QCOMPARE(fontPixelSize(12), 16);
    QCOMPARE(fontPixelSize(14.25), 19);
    QCOMPARE(fontPixelSize(54.75), 73);
    QCOMPARE(bgr(0x00FF8080).toQColor(), QColor(128, 128, 255));
    QCOMPARE(toQFont({Face::PMincho, 15, true}).family(), QStringLiteral("IPAPMincho"));
}

void ControlModelTest::visibilityThroughHiddenContainers()
{
    ProbeScreen screen(m_host);
    screen.show();
    Image& inner = screen.image("Inner");
    screen.setVisible("Frame1", false);
    QVERIFY(!inner.isVisibleTo(screen.window()));
    QVERIFY(inner.ownVisible());

    screen.setVisible("Inner", false);  // changes nothing on the screen yet
    screen.setVisible("Frame1", true);
    QVERIFY(!inner.isVisibleTo(screen.window()));

    screen.setVisible("Frame1", false);
    screen.setVisible("Inner", true);
    QVERIFY(!inner.isVisibleTo(screen.window()));
    screen.setVisible("Frame1", true);
    QVERIFY(inner.isVisibleTo(screen.window()));
    // Children sit relative to the container's inside and are clipped to it.
    QCOMPARE(inner.geometry().topLeft(), QPoint(10, 10));
    QCOMPARE(inner.parentWidget(), &screen.container("Frame1"));
    screen.unload();
}

void ControlModelTest::hiddenControlMovesAndShowsAtItsNewPlace()
{
    ProbeScreen screen(m_host);
    screen.show();
    Image& area = screen.image("Area");
    screen.setVisible("Area", false);
    area.setTopTwips(3000);
    area.setLeftTwips(450);
    QCOMPARE(area.topTwips(), 3000.0);
    screen.setVisible("Area", true);
    QCOMPARE(area.geometry().topLeft(), QPoint(30, 200));
    screen.unload();
}

void ControlModelTest::stackingDecidesWhoGetsTheClick()
{
    ProbeScreen screen(m_host);
    screen.show();
    Form* form = screen.window();
    QVERIFY(QTest::qWaitForWindowExposed(form));

    // The picture-less Image lies over the label: it takes the click though it draws nothing.
    QCOMPARE(clickAt(screen, {1650, 1575}), QStringLiteral("Area"));  // 110, 105 px
    QCOMPARE(screen.clicks, QStringList{QStringLiteral("Area")});

    // Beside the click area the label is topmost; labels take no click actions.
    QCOMPARE(form->childAt(QPoint(250, 105)), &screen.label("Caption"));
    QCOMPARE(clickAt(screen, {3750, 1575}), QStringLiteral("Caption"));
    QCOMPARE(screen.clicks.size(), 1);

    // The list has a window of its own: above the click area whatever the table order.
    QWidget* atOverlap = form->childAt(QPoint(160, 160));
    QVERIFY(atOverlap);
    QVERIFY(&screen.list("List") == atOverlap || screen.list("List").isAncestorOf(atOverlap));

    // A double click is one click, not two: the drawn switch is not closed and opened again.
    // The window system sends press, release, double click, release.
    QWidget* area = form->childAt(QPoint(110, 105));
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(5, 5), area->mapToGlobal(QPointF(5, 5)),
                            Qt::LeftButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(area, &doubleClick);
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(screen.clicks.size(), 2);

    // A hidden control gets no clicks; the one beneath it does.
    screen.setVisible("Area", false);
    QCOMPARE(form->childAt(QPoint(110, 105)), &screen.label("Caption"));
    QVERIFY(!screen.click("Area"));
    QCOMPARE(screen.clicks.size(), 2);
    screen.unload();
}

void ControlModelTest::handlersForControlsTheTableLacksAreRefused_data()
{
    QTest::addColumn<bool>("tick");
    QTest::addColumn<QString>("name");
    QTest::newRow("a misspelled click area") << false << "Aera";
    QTest::newRow("a click on a label, which takes none") << false << "Caption";
    QTest::newRow("a click on a frame, which takes none") << false << "Frame1";
    QTest::newRow("a click on a timer") << false << "Timer1";
    QTest::newRow("a misspelled timer") << true << "Timer2";
    QTest::newRow("a tick of a picture") << true << "Area";
}

void ControlModelTest::handlersForControlsTheTableLacksAreRefused()
{
    QFETCH(bool, tick);
    QFETCH(QString, name);
    struct Misnamed : Screen {
        Misnamed(ScreenHost& host, bool tick, const std::string& name) : Screen(host, QStringLiteral("試験"), kLayout)
        {
            if (tick)
                onTick(name, [] {});
            else
                onClick(name, [](int) {});
        }
    };
    QVERIFY_THROWS_EXCEPTION(std::logic_error, Misnamed(m_host, tick, name.toStdString()));
    // The same names, spelled as the table has them, are taken.
    QVERIFY_THROWS_NO_EXCEPTION(Misnamed(m_host, false, "Area"));
    QVERIFY_THROWS_NO_EXCEPTION(Misnamed(m_host, true, "Timer1"));
}

void ControlModelTest::buttonArrayPassesItsIndexAndKeys()
{
    ProbeScreen screen(m_host);
    screen.show();
    CommandButton& button = screen.button({"Button", 2});
    QCOMPARE(button.accessibleName(), QStringLiteral("メニュー"));
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Return);
    QCOMPARE(screen.clicks, (QStringList{"Button(2)", "Button(2)", "Button(2)"}));

    // Pushed in while held, and no click when released outside.
    QTest::mousePress(&button, Qt::LeftButton);
    QVERIFY(button.isDown());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(-20, -20));
    QVERIFY(!button.isDown());
    QCOMPARE(screen.clicks.size(), 3);
    QTest::keyPress(&button, Qt::Key_Space);
    QVERIFY(button.isDown());
    QTest::keyRelease(&button, Qt::Key_Space);
    QVERIFY(!button.isDown());
    QCOMPARE(screen.clicks.size(), 4);
    QVERIFY(!button.autoRepeat());

    // Screen readers see a push button with its words, and can press it.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&button);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::Button);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("メニュー"));
    QAccessibleActionInterface* actions = face->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(screen.clicks.size(), 5);
    QCOMPARE(screen.clicks.last(), QStringLiteral("Button(2)"));
    screen.unload();
}

void ControlModelTest::inputQueuedForAnUnloadedWindowReachesNoHandler()
{
    // A handler leaves the screen and loads it again while input for the old window is still on
    // its way: a second click on the click area, a tick of the old clock, its close box. The old
    // widgets live until the event loop deletes them, yet none of it may reach a handler or touch
    // the new window.
    ProbeScreen screen(m_host);
    screen.show();
    QWidget* oldArea = &screen.image("Area");
    Form* oldForm = screen.window();
    Timer* oldClock = &screen.timer("Timer1");
    screen.whileButtonRuns = [&] {
        const QPointF at(5, 5);
        QCoreApplication::postEvent(oldArea,
                                    new QMouseEvent(QEvent::MouseButtonPress, at, oldArea->mapToGlobal(at),
                                                    Qt::LeftButton, Qt::LeftButton, {}));
        QCoreApplication::postEvent(oldArea,
                                    new QMouseEvent(QEvent::MouseButtonRelease, at, oldArea->mapToGlobal(at),
                                                    Qt::LeftButton, Qt::NoButton, {}));
        QCoreApplication::postEvent(oldForm, new QCloseEvent);
        screen.unload();
        emit oldClock->ticked();
        screen.show();
    };
    QTest::mouseClick(&screen.button({"Button", 2}), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(screen.clicks, QStringList{QStringLiteral("Button(2)")});
    QCOMPARE(screen.ticks, 0);
    QCOMPARE(screen.loads, 2);
    QVERIFY(screen.isLoaded());
    QVERIFY(screen.window() != oldForm);
    screen.unload();
}

void ControlModelTest::naturalAgainstStretchedPictures()
{
    ContentFolder folder;
    folder.writeBytes(QStringLiteral("\\画像\\p.gif"), solidGif(40, 24, Qt::blue));
    content::setAppPath(folder.path());
    ProbeScreen screen(m_host);
    screen.show();
    screen.loadPicture("Area", QStringLiteral("\\画像\\p.gif"));
    QCOMPARE(screen.image("Area").widthTwips(), 600.0);      // takes the picture's size, 40 px
    QCOMPARE(screen.image("Area").leftTwips(), 1500.0);      // from where it was
    QCOMPARE(screen.image("Wide").size(), QSize(100, 100));  // stretched: keeps its rectangle
    screen.unload();
}

void ControlModelTest::transparentPictureShowsWhatLiesBeneath()
{
    // Left half transparent, right half green, over the white label.
    ContentFolder folder;
    GifFrame frame{20, 10, {}};
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            frame.pixels << quint8(x < 10 ? 0 : 1);
    folder.writeBytes(QStringLiteral("\\画像\\half.gif"), writeGif({Qt::black, Qt::green}, {frame}, 0));
    content::setAppPath(folder.path());
    ProbeScreen screen(m_host);
    screen.show();
    screen.loadPicture("Area", QStringLiteral("\\画像\\half.gif"));
    const QImage shot = screen.window()->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    auto at = [&](int x, int y) { return shot.pixelColor(int(x * ratio), int(y * ratio)); };
    QCOMPARE(at(103, 105), QColor(Qt::white));  // the label beneath
    QCOMPARE(at(115, 105), QColor(Qt::green));
    screen.unload();
}

void ControlModelTest::timerStartsStopsAndMergesTicks()
{
    ProbeScreen screen(m_host);
    screen.show();
    QVERIFY(!screen.tick("Timer1"));  // every timer starts stopped
    screen.setInterval("Timer1", 0);  // stopping a stopped timer changes nothing
    QVERIFY(!screen.timer("Timer1").isRunning());

    screen.setInterval("Timer1", 5);
    QVERIFY(screen.tick("Timer1"));
    QCOMPARE(screen.ticks, 1);

    // A busy handler delays the clock; the ticks it missed come as one.
    screen.ticks = 0;
    QThread::msleep(80);
    QCoreApplication::processEvents();
    QVERIFY2(screen.ticks <= 1, qPrintable(QStringLiteral("%1 ticks after one busy spell").arg(screen.ticks)));

    screen.setInterval("Timer1", 0);
    const int before = screen.ticks;
    QVERIFY(!screen.tick("Timer1"));
    QTest::qWait(30);
    QCOMPARE(screen.ticks, before);
    screen.unload();
}

void ControlModelTest::heldTimerNeitherTicksNorWakes()
{
    ProbeScreen screen(m_host);
    screen.show();
    Timer& timer = screen.timer("Timer1");
    timer.setPace(true, 1.0);
    screen.setInterval("Timer1", 400);  // set going while held: running, yet its clock sleeps
    QVERIFY(timer.isRunning() && !timer.isTicking());
    QVERIFY(!screen.tick("Timer1"));
    QVERIFY(timer.step());
    QCOMPARE(screen.ticks, 1);
    timer.setPace(false, 2.0);
    QVERIFY(timer.isTicking());
    QCOMPARE(timer.clockInterval(), 200);
    timer.setPace(false, 0.5);
    QCOMPARE(timer.clockInterval(), 800);
    QCOMPARE(timer.interval(), 400);
    screen.setInterval("Timer1", 0);
    QVERIFY(!timer.step());  // a stopped clock has no step to take
    screen.unload();
}

void ControlModelTest::noTickAfterUnload_data()
{
    QTest::addColumn<bool>("byHandler");
    QTest::newRow("unloaded between events") << false;
    QTest::newRow("unloaded by a click's handler") << true;
}

void ControlModelTest::noTickAfterUnload()
{
    QFETCH(bool, byHandler);
    ProbeScreen screen(m_host);
    screen.show();
    screen.whileButtonRuns = [&screen] { screen.unload(); };
    // The old clock itself stays silent, not only the handler: nothing else it drives may run.
    QSignalSpy oldClock(&screen.timer("Timer1"), &Timer::ticked);
    screen.setInterval("Timer1", 1);
    QThread::msleep(10);  // a tick is due now
    if (byHandler)
        screen.button({"Button", 2}).click();  // the click's handler runs at once, the tick still due
    else
        screen.unload();
    QVERIFY(!screen.isLoaded());
    QCoreApplication::processEvents();  // the tick that was due comes before the widgets go
    QTest::qWait(30);
    QCOMPARE(screen.ticks, 0);
    QCOMPARE(oldClock.count(), 0);
    QVERIFY(!screen.tick("Timer1"));
}

void ControlModelTest::variablesSurviveUnloadWhileControlsAreRebuilt()
{
    ProbeScreen screen(m_host);
    screen.show();
    screen.image("Area").setTopTwips(4500);
    screen.setVisible("Caption", false);
    screen.list("List").addItem(QStringLiteral("一行"));
    screen.setInterval("Timer1", 400);
    screen.clicks << QStringLiteral("kept");
    const int unloadsBefore = m_host.unloads;
    screen.unload();
    QVERIFY(!screen.isLoaded());
    QCOMPARE(m_host.unloads, unloadsBefore + 1);

    screen.show();
    QCOMPARE(screen.loads, 2);
    QCOMPARE(screen.clicks, QStringList{QStringLiteral("kept")});
    QCOMPARE(screen.image("Area").topTwips(), 1500.0);
    QVERIFY(screen.control("Caption").ownVisible());
    QCOMPARE(screen.list("List").count(), 0);
    QVERIFY(!screen.timer("Timer1").isRunning());
    screen.unload();
}

void ControlModelTest::contentFailureIsReportedOnceAroundTheHandler()
{
    ContentFolder folder;
    content::setAppPath(folder.path());
    FailureLog log;
    ProbeScreen screen(m_host);
    screen.show();
    QVERIFY(screen.click("Picture"));
    QCOMPARE(log.errors.size(), 1);
    QCOMPARE(log.errors.first().path(), folder.path() + QStringLiteral("/画像/missing.gif"));
    QCOMPARE(log.errors.first().cause(), content::ContentError::Cause::NotFound);
    // The handler stopped at the failure.
    QCOMPARE(screen.clicks, QStringList{QStringLiteral("Picture")});
    screen.unload();
}

void ControlModelTest::nothingRunsWhileAFailureIsReported()
{
    // A clock that ticks behind the message box would read another missing file and report
    // again inside the first report.
    using content::ContentError;
    struct Reentering : content::FailureReporter {
        content::EventGuard* guard = nullptr;
        int reports = 0;
        int laterHandlers = 0;
        void report(const ContentError&) override
        {
            ++reports;
            guard->run([this] {
                ++laterHandlers;
                throw ContentError(QStringLiteral("/x/b.gif"), ContentError::Cause::NotFound);
            });
        }
    } reporter;
    content::EventGuard guard(reporter);
    reporter.guard = &guard;
    guard.run([] { throw ContentError(QStringLiteral("/x/a.gif"), ContentError::Cause::NotFound); });
    QCOMPARE(reporter.reports, 1);
    QCOMPARE(reporter.laterHandlers, 0);
}

void ControlModelTest::soundsGoToTheSinkWithoutWaiting()
{
    // A real sound output on a machine that may have no sound device: it neither hangs nor
    // reports a failure, whether the file is there or not.
    FailureLog log;
    auto speaker = makeSpeakerSink();
    QElapsedTimer clock;
    clock.start();
    speaker->play(shippedContent() + QStringLiteral("/音/o.wav"));
    speaker->play(shippedContent() + QStringLiteral("/音/none.wav"));
    QCoreApplication::processEvents();
    QVERIFY(log.errors.isEmpty());
    speaker.reset();
}

// Whether a library whose file name starts with `name` is mapped into this process.
bool libraryLoaded(const QByteArray& name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/" + name);
}

void ControlModelTest::soundLibrariesLoadWithTheFirstSound()
{
    // Nothing of the sound output is there while the program starts and shows its screens.
    QVERIFY(!libraryLoaded("libQt6Multimedia"));
    QVERIFY(!libraryLoaded(kSpeakerModule));
    auto speaker = makeSpeakerSink();
    QVERIFY(!libraryLoaded("libQt6Multimedia"));
    speaker->play(shippedContent() + QStringLiteral("/音/o.wav"));
    QVERIFY(libraryLoaded(kSpeakerModule));
    QVERIFY(libraryLoaded("libQt6Multimedia"));
}

void ControlModelTest::missingSpeakerModuleLeavesSoundsSilent()
{
    const QString missing = QDir::tempPath() + QStringLiteral("/no-such-folder/") + QLatin1String(kSpeakerModule);
    StderrCapture stderrLines;
    auto speaker = makeSpeakerSinkFrom(missing);
    speaker->play(shippedContent() + QStringLiteral("/音/o.wav"));
    speaker->play(shippedContent() + QStringLiteral("/音/x.wav"));
    const QStringList lines = stderrLines.newLines();
    QCOMPARE(lines.size(), 1);  // said once, not at every sound
    QVERIFY2(lines.first().contains(missing), qPrintable(lines.first()));
}

QTEST_MAIN(ControlModelTest)
#include "tst_controlmodel.moc"
