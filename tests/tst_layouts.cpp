// Every screen as the user sees it: where each control stands in pixels, whether it shows when the
// screen opens, its words, its colours as painted, and which control the pointer finds at its
// centre. The numbers are the screens' own layouts in twips, typed here afresh; the program's
// tables are never read.
#include "support/realticks.h"
#include "support/screenlayouts.h"
#include "support/screenview.h"
#include "support/testprogram.h"

#include "ui/controls/form.h"

#include <QAbstractButton>
#include <QHash>
#include <QtTest>

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
        // A button that answers is named with its choice after the number on its face: 「1　鉛」.
        QString words = wordsOf(s, name);
        if (qobject_cast<const QAbstractButton*>(widgetNamed(s, name)))
            words = words.section(QChar(0x3000), 0, 0);
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

QTEST_MAIN(LayoutsTest)
#include "tst_layouts.moc"
