// Every screen as the user sees it: where each control stands in pixels, whether it shows when the
// screen opens, its words, its colours as painted, and which control the pointer finds at its
// centre. The numbers are the screens' own layouts in twips, typed here afresh; the program's
// tables are never read.
#include "support/realticks.h"
#include "support/screenlayouts.h"
#include "support/screenview.h"
#include "support/testprogram.h"

#include "app/options.h"
#include "ui/controls/form.h"
#include "ui/screen/windowsizer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QHash>
#include <QtTest>

#include <cmath>
#include <memory>
#include <span>

using namespace testsupport;
using app::ScreenId;

namespace {

// One screen brought to one moment the way the user gets there, with what it looked like when
// it had just opened.
struct View {
    explicit View(ScreenId id) : visit(program, id) {}

    TestProgram program;
    Visit visit;
    QHash<QString, QRect> placeAtLoad;
    QHash<QString, bool> shownAtLoad;
    // Painted only when a colour is asked for: rendering is the slow part of a visit.
    const QImage& painted()
    {
        if (m_painted.isNull())
            m_painted = renderedWindow(visit.screen);
        return m_painted;
    }

private:
    QImage m_painted;
};

std::unique_ptr<View> viewOf(const ScreenLayout& layout, const QString& moment)
{
    auto view = std::make_unique<View>(layout.id);
    const ui::Screen& screen = view->visit.screen;
    for (std::span<const LaidOut> rows : {layout.own, layout.shared})
        for (const LaidOut& row : rows) {
            const QString name = QString::fromUtf8(row.name);
            view->placeAtLoad[name] = placeOf(screen, name);
            const QWidget* widget = widgetNamed(screen, name);
            view->shownAtLoad[name] = widget && !widget->isHidden();
        }
    view->visit.reach(moment);
    TestProgram::settle();
    return view;
}

// The colour of the control's own ground: where none of its shown children covers it.
QString groundOf(View& view, const QString& name, QRect onWindow)
{
    QRegion children;
    const QWidget* control = widgetNamed(view.visit.screen, name);
    for (const QWidget* child : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden() && !child->objectName().isEmpty()
            && !child->objectName().startsWith(QLatin1String("qt_")))
            children += child->geometry().translated(onWindow.topLeft());
    return commonestColour(view.painted(), QRegion(onWindow).subtracted(children)).name();
}

}  // namespace

class LayoutsTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlAsTheUserSeesIt_data();
    void everyControlAsTheUserSeesIt();
    void windows_data();
    void windows();
    void everyControlAtEveryScale_data();
    void everyControlAtEveryScale();
    void windowOpensWithinTheDisplay_data();
    void windowOpensWithinTheDisplay();
    void zoomAndFullScreenLastForTheRun();
    void commandLine_data();
    void commandLine();
    void cleanupTestCase() { m_view.reset(); }

private:
    // The Voltaic bubbles' first tick, 50 ms after the screen opens, would otherwise come before
    // the test has seen how the screen opened.
    RealTicksDropped m_realTicksDropped;
    std::unique_ptr<View> m_view;
    QString m_viewKey;
};

void LayoutsTest::everyControlAsTheUserSeesIt_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("name");
    for (const ScreenLayout& layout : screenLayouts())
        for (std::span<const LaidOut> rows : {layout.shared, layout.own})
            for (const LaidOut& row : rows)
                QTest::addRow("%s %s", layout.label, row.name) << int(layout.id) << QString::fromUtf8(row.name);
}

void LayoutsTest::everyControlAsTheUserSeesIt()
{
    QFETCH(int, screen);
    QFETCH(QString, name);
    const ScreenLayout& layout = layoutOf(ScreenId(screen));
    const LaidOut& r = *layout.row(name);
    const QString moment = QString::fromUtf8(r.moment);
    // The rows of one screen at one moment share one visit.
    const QString key = QStringLiteral("%1 %2").arg(screen).arg(moment);
    if (key != m_viewKey) {
        m_view.reset();
        m_view = viewOf(layout, moment);
        m_viewKey = key;
    }
    View& view = *m_view;
    const ui::Screen& s = view.visit.screen;
    QVERIFY2(widgetNamed(s, name), "no such control on the screen");

    // Where it stands when the screen opens; pages are measured where they come to rest.
    const QRect expected = pixelRect(r.left, r.top, r.width, r.height);
    const bool slides = name.startsWith(QLatin1String("Frame"));
    QCOMPARE(slides ? placeOf(s, name) : view.placeAtLoad[name], expected);
    QCOMPARE(view.shownAtLoad[name], r.atLoad);

    QVERIFY2(showsOnScreen(s, name), qPrintable(QStringLiteral("not shown at ") + moment));
    QCOMPARE(controlAtTwips(s, layout.centre(r)), QString::fromUtf8(r.above ? r.above : r.name));
    if (r.words) {
        // A button that answers is named with its choice after the number on its face: 「1 鉛」.
        QString words = wordsOf(s, name);
        if (qobject_cast<const QAbstractButton*>(widgetNamed(s, name)))
            words = words.section(QLatin1Char(' '), 0, 0);
        QCOMPARE(words, QString::fromUtf8(r.words));
    }

    const QRect onWindow(pixelOf(layout.origin(r)), expected.size());
    if (r.ground != kNoColour)
        QCOMPARE(groundOf(view, name, onWindow), QColor::fromRgb(r.ground).name());
    if (r.text != kNoColour) {
        const int strokes = pixelsNear(view.painted(), onWindow, QColor::fromRgb(r.text));
        QVERIFY2(strokes >= 3, qPrintable(QStringLiteral("%1 pixels of the text colour").arg(strokes)));
    }
}

void LayoutsTest::windows_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("caption");
    QTest::newRow("menu") << int(ScreenId::Menu) << "メニュー";
    QTest::newRow("principle") << int(ScreenId::Principle) << "電池の原理";
    QTest::newRow("Voltaic") << int(ScreenId::Volta) << "ボルタの電池";
    QTest::newRow("Daniell") << int(ScreenId::Daniell) << "ダニエル電池";
    QTest::newRow("manganese") << int(ScreenId::Manganese) << "マンガン乾電池";
    QTest::newRow("lead") << int(ScreenId::Lead) << "鉛蓄電池";
    QTest::newRow("drill start") << int(ScreenId::DrillStart) << "ドリルスタート";
    QTest::newRow("drill") << int(ScreenId::Drill) << "ドリル";
}

void LayoutsTest::windows()
{
    QFETCH(int, screen);
    QFETCH(QString, caption);
    m_view.reset();
    m_viewKey.clear();
    TestProgram test;
    ui::Screen& s = test.open(ScreenId(screen));
    QWidget* window = s.window();
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), QSize(766, 478));
    // It may be resized and maximised: the layout scales to fit.
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowMaximizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(window->minimumSize().width() < 766 && window->maximumSize().width() > 766);
}

void LayoutsTest::everyControlAtEveryScale_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPoint>("origin");  // where the layout's corner lies in the window
    const struct {
        const char* name;
        QSize window;
        double scale;
        QPoint origin;
    } sizes[] = {
        {"100 %", {766, 478}, 1.0, {0, 0}},
        {"150 %", {1149, 717}, 1.5, {0, 0}},
        {"250 %", {1915, 1195}, 2.5, {0, 0}},
        // Wider than the layout: the height decides and the layout stands centred.
        {"full HD", {1920, 1080}, 1080 / 478.0, {(1920 - 1731) / 2, 0}},
        // Smaller than the layout, and taller: all of it shows, scaled down.
        {"small and tall", {383, 400}, 0.5, {0, (400 - 239) / 2}},
    };
    for (const ScreenLayout& layout : screenLayouts())
        for (const auto& size : sizes)
            QTest::addRow("%s %s", layout.label, size.name)
                << int(layout.id) << size.window << size.scale << size.origin;
}

void LayoutsTest::everyControlAtEveryScale()
{
    QFETCH(int, screen);
    QFETCH(QSize, window);
    QFETCH(double, scale);
    QFETCH(QPoint, origin);
    m_view.reset();
    m_viewKey.clear();
    TestProgram test;
    ui::Screen& s = test.open(ScreenId(screen));
    s.window()->resize(window);
    TestProgram::settle();
    const ScreenLayout& layout = layoutOf(ScreenId(screen));
    for (std::span<const LaidOut> rows : {layout.shared, layout.own})
        for (const LaidOut& r : rows) {
            const QString name = QString::fromUtf8(r.name);
            // Pages stand below the window until they slide in.
            const bool slides = name.startsWith(QLatin1String("Frame"));
            QRect expected = pixelRect(r.left, r.top, r.width, r.height, scale);
            if (!*r.in)
                expected.translate(origin);
            QRect actual = placeOf(s, name);
            if (slides) {  // edges are rounded, so where the page stands may change its height a pixel
                actual.moveTop(expected.top());
                if (std::abs(actual.height() - expected.height()) <= 1)
                    actual.setHeight(expected.height());
            }
            QVERIFY2(actual == expected, qPrintable(QStringLiteral("%1 at (%2, %3) %4 x %5, not (%6, %7) %8 x %9")
                                                        .arg(name)
                                                        .arg(actual.x())
                                                        .arg(actual.y())
                                                        .arg(actual.width())
                                                        .arg(actual.height())
                                                        .arg(expected.x())
                                                        .arg(expected.y())
                                                        .arg(expected.width())
                                                        .arg(expected.height())));
        }
    // The pointer finds at a control's centre what it finds there at 100 %, and what it clicks
    // there is the control: the first button of the screen, wherever it stands now.
    for (std::span<const LaidOut> rows : {layout.shared, layout.own})
        for (const LaidOut& r : rows) {
            if (QString::fromUtf8(r.moment) != QLatin1String("load") || !r.atLoad || *r.in)
                continue;
            const QPoint centre = pixelOf(layout.centre(r), scale) + origin;
            QCOMPARE(controlAt(s, centre), QString::fromUtf8(r.above ? r.above : r.name));
        }
    // The whole layout shows.
    QVERIFY(s.window()->rect().contains(static_cast<ui::Form*>(s.window())->stage()));
}

void LayoutsTest::windowOpensWithinTheDisplay_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QSize>("size");
    // The test display is 800 x 600 px, and a window's frame 2 px wide: 796 px are left inside.
    QTest::newRow("100 %") << 100 << QSize(766, 478);
    QTest::newRow("50 %") << 50 << QSize(383, 239);
    QTest::newRow("103 %, just fits") << 103 << QSize(789, 492);
    QTest::newRow("104 %, a pixel too wide") << 104 << QSize(796, 496);
    QTest::newRow("200 %, far too large") << 200 << QSize(796, 496);
}

void LayoutsTest::windowOpensWithinTheDisplay()
{
    QFETCH(int, zoom);
    QFETCH(QSize, size);
    m_view.reset();
    m_viewKey.clear();
    TestProgram test;
    test.program().viewSettings().zoomPercent = zoom;
    ui::Screen& s = test.open(ScreenId::Volta);
    QCOMPARE(s.window()->size(), size);
    QVERIFY(s.window()->screen()->availableGeometry().contains(s.window()->frameGeometry()));
    // The right column, the last thing a cut window would lose, shows whole.
    QVERIFY(s.window()->rect().contains(widgetNamed(s, QStringLiteral("Command4"))->geometry()));
}

void LayoutsTest::zoomAndFullScreenLastForTheRun()
{
    m_view.reset();
    m_viewKey.clear();
    TestProgram test;
    ui::Screen& menu = test.open(ScreenId::Menu);
    QWidget* window = menu.window();
    QApplication::setActiveWindow(window);
    const auto press = [&](QWidget* on, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(on, key, modifiers);
        TestProgram::settle();
    };
    press(window, Qt::Key_Minus);
    QCOMPARE(window->size(), QSize(689, 430));  // 90 %
    press(window, Qt::Key_Minus);
    QCOMPARE(window->size(), QSize(575, 359));  // 75 %
    // The keys work whichever control has the focus.
    QWidget* button = widgetNamed(menu, QStringLiteral("Command1(1)"));
    button->setFocus();
    press(button, Qt::Key_Plus);
    QCOMPARE(window->size(), QSize(689, 430));
    press(window, Qt::Key_0);
    QCOMPARE(window->size(), QSize(766, 478));
    press(window, Qt::Key_Minus);

    // The next screen opens as the last one was shown.
    QTest::keyClick(button, Qt::Key_Space);
    TestProgram::settle();
    ui::Screen& volta = test.program().screen(ScreenId::Volta);
    QVERIFY(volta.isLoaded());
    QApplication::setActiveWindow(volta.window());
    QCOMPARE(volta.window()->size(), QSize(689, 430));
    QCOMPARE(static_cast<ui::Form*>(volta.window())->scale(), 0.9);

    press(volta.window(), Qt::Key_F11, Qt::NoModifier);
    QVERIFY(volta.window()->isFullScreen());
    QCOMPARE(volta.window()->size(), volta.window()->screen()->geometry().size());
    volta.unload();
    ui::Screen& again = test.open(ScreenId::Menu);
    QVERIFY(again.window()->isFullScreen());
    QApplication::setActiveWindow(again.window());
    press(again.window(), Qt::Key_F11, Qt::NoModifier);
    QVERIFY(!again.window()->isFullScreen());
    QCOMPARE(again.window()->size(), QSize(689, 430));
}

void LayoutsTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");  // -1: the program goes on
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("fullScreen");
    QTest::newRow("none") << QStringList{} << -1 << 100 << false;
    QTest::newRow("full screen") << QStringList{"--fullscreen"} << -1 << 100 << true;
    QTest::newRow("zoom") << QStringList{"--zoom", "150"} << -1 << 150 << false;
    QTest::newRow("zoom joined, with %") << QStringList{"--zoom=200%"} << -1 << 200 << false;
    QTest::newRow("both") << QStringList{"--zoom", "25", "--fullscreen"} << -1 << 25 << true;
    QTest::newRow("zoom too small") << QStringList{"--zoom", "24"} << 2 << 100 << false;
    QTest::newRow("zoom too large") << QStringList{"--zoom", "401"} << 2 << 100 << false;
    QTest::newRow("zoom not a number") << QStringList{"--zoom", "big"} << 2 << 100 << false;
    QTest::newRow("zoom without a value") << QStringList{"--zoom"} << 2 << 100 << false;
    QTest::newRow("unknown") << QStringList{"--mute-all"} << 2 << 100 << false;
    QTest::newRow("help") << QStringList{"--help"} << 0 << 100 << false;
}

void LayoutsTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(int, zoom);
    QFETCH(bool, fullScreen);
    const app::ParsedOptions parsed = app::parseOptions(arguments);
    QCOMPARE(parsed.exitStatus.value_or(-1), status);
    if (!parsed.exitStatus) {
        QCOMPARE(parsed.options.view.zoomPercent, zoom);
        QCOMPARE(parsed.options.view.fullScreen, fullScreen);
    }
}

QTEST_MAIN(LayoutsTest)
#include "tst_layouts.moc"
