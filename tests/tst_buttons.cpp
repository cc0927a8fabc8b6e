// The picture buttons of every screen as keyboard users see them: the focus ring stands out from
// each face it is drawn on, is wide enough to be seen, and stays inside the button.
#include "support/testprogram.h"

#include "ui/controls/form.h"

#include <QApplication>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace testsupport;
using app::ScreenId;

namespace {

double luminance(QColor colour)
{
    auto channel = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How many pixels in a row are changed, walking from `from` in steps of `step`, after skipping
// the unchanged ones at the start; and how many were skipped.
struct Run {
    int skipped = 0;
    int changed = 0;
};
Run runFrom(const QImage& before, const QImage& after, QPoint from, QPoint step)
{
    Run run;
    QPoint at = from;
    while (before.valid(at) && before.pixel(at) == after.pixel(at)) {
        ++run.skipped;
        at += step;
    }
    while (before.valid(at) && before.pixel(at) != after.pixel(at)) {
        ++run.changed;
        at += step;
    }
    return run;
}

}  // namespace

class ButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void focusRingOnEveryFace_data();
    void focusRingOnEveryFace();
};

void ButtonsTest::focusRingOnEveryFace_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    for (ScreenId id : app::kAllScreens) {
        TestProgram test;
        for (const ui::ControlSpec& row : test.screen(id).layout())
            if (row.kind == ui::Kind::CommandButton)
                QTest::addRow("%s %s(%d)", qPrintable(test.screen(id).caption()), row.name.data(), row.index)
                    << int(id) << QString::fromUtf8(row.name.data(), qsizetype(row.name.size())) << row.index;
    }
}

void ButtonsTest::focusRingOnEveryFace()
{
    QFETCH(int, screen);
    QFETCH(QString, name);
    QFETCH(int, index);
    TestProgram test;
    ui::Screen& s = test.open(ScreenId(screen));
    ui::Form* form = s.window();
    QVERIFY(QTest::qWaitForWindowActive(form));
    const std::string key = name.toStdString();
    ui::CommandButton& button = s.button({key, index});
    // Buttons hidden at load are shown here as the screen would show them.
    for (QWidget* widget = &button; widget != form; widget = widget->parentWidget())
        widget->show();
    const QRect area(button.mapTo(form, QPoint(0, 0)), button.size());
    const QRect around = area.adjusted(-3, -3, 3, 3);

    button.clearFocus();
    QTRY_VERIFY(!button.hasFocus());
    const QImage before = form->grab(around).toImage().convertToFormat(QImage::Format_RGB32);
    button.setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(button.hasFocus());
    const QImage after = form->grab(around).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(after.size(), before.size());

    // Nothing changes outside the button, nor on its outermost pixels.
    const QRect inside = QRect(QPoint(3, 3), area.size()).adjusted(1, 1, -1, -1);
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (!inside.contains(x, y))
                QVERIFY2(before.pixel(x, y) == after.pixel(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));

    // Every changed pixel differs from the face beneath it by a contrast of at least 3 to 1.
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const QColor face = before.pixelColor(x, y);
            const QColor ring = after.pixelColor(x, y);
            if (face == ring)
                continue;
            ++changed;
            QVERIFY2(contrast(face, ring) >= 3.0,
                     qPrintable(QStringLiteral("%1 on %2 at %3,%4: %5 to 1")
                                    .arg(ring.name(), face.name())
                                    .arg(x)
                                    .arg(y)
                                    .arg(contrast(face, ring), 0, 'f', 2)));
        }

    // A ring at least 2 px wide on every side, walking in from the middle of each edge.
    const QPoint centre = QPoint(3, 3) + QRect(QPoint(0, 0), area.size()).center();
    const Run fromTop = runFrom(before, after, QPoint(centre.x(), 3), QPoint(0, 1));
    const Run fromBottom = runFrom(before, after, QPoint(centre.x(), 3 + area.height() - 1), QPoint(0, -1));
    const Run fromLeft = runFrom(before, after, QPoint(3, centre.y()), QPoint(1, 0));
    const Run fromRight = runFrom(before, after, QPoint(3 + area.width() - 1, centre.y()), QPoint(-1, 0));
    for (const Run& side : {fromTop, fromBottom, fromLeft, fromRight})
        QVERIFY2(side.changed >= 2 && side.skipped <= area.height() / 4,
                 qPrintable(QStringLiteral("ring %1 px wide, %2 px in").arg(side.changed).arg(side.skipped)));
    QVERIFY(changed >= 2 * (area.width() + area.height()));
}

QTEST_MAIN(ButtonsTest)
#include "tst_buttons.moc"
