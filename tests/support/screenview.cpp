#include "screenview.h"

#include "ui/controls/form.h"
#include "ui/screen/controls.h"

#include <QHash>
#include <QListWidget>
#include <QScrollBar>
#include <QSet>
#include <QtTest>

#include <cmath>

namespace testsupport {
namespace {

constexpr double kTwipsPerPixel = 15;

int nearestPixel(double twips, double scale = 1.0)
{
    return int(std::floor(twips * scale / kTwipsPerPixel + 0.5));
}

QSet<QString> controlNames(const ui::Screen& screen)
{
    QSet<QString> names;
    for (const ui::ControlSpec& row : screen.layout()) {
        QString name = QString::fromUtf8(row.name.data(), qsizetype(row.name.size()));
        if (row.index != ui::kNoIndex)
            name += QStringLiteral("(%1)").arg(row.index);
        names << name;
    }
    return names;
}

bool near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace

QString controlAt(const ui::Screen& screen, QPoint pixel)
{
    const QSet<QString> names = controlNames(screen);
    for (QWidget* widget = screen.window()->childAt(pixel); widget && widget != screen.window();
         widget = widget->parentWidget())
        if (names.contains(widget->objectName()))
            return widget->objectName();
    return {};
}

QPoint pixelOf(QPointF twips, double scale)
{
    return {nearestPixel(twips.x(), scale), nearestPixel(twips.y(), scale)};
}

QRect pixelRect(double left, double top, double width, double height, double scale)
{
    const QPoint topLeft = pixelOf({left, top}, scale);
    const QPoint end = pixelOf({left + width, top + height}, scale);
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

QWidget* widgetNamed(const ui::Screen& screen, const QString& name)
{
    return screen.window() ? screen.window()->findChild<QWidget*>(name) : nullptr;
}

QRect placeOf(const ui::Screen& screen, const QString& name)
{
    const QWidget* widget = widgetNamed(screen, name);
    return widget ? widget->geometry() : QRect();
}

bool showsOnScreen(const ui::Screen& screen, const QString& name)
{
    const QWidget* widget = widgetNamed(screen, name);
    return widget && widget->isVisibleTo(screen.window());
}

QString controlAtTwips(const ui::Screen& screen, QPointF twips)
{
    return controlAt(screen, pixelOf(twips));
}

QString clickAt(ui::Screen& screen, QPointF twips)
{
    const QPoint pixel = pixelOf(twips);
    const QString under = controlAt(screen, pixel);
    QWindow* window = screen.window()->windowHandle();
    if (!window)
        return QStringLiteral("(no window)");
    QTest::mouseClick(window, Qt::LeftButton, {}, pixel);
    return under;
}

QString wordsOf(const ui::Screen& screen, const QString& name)
{
    const QWidget* widget = widgetNamed(screen, name);
    if (const auto* label = qobject_cast<const ui::Label*>(widget))
        return label->caption();
    return widget ? widget->accessibleName() : QString();
}

// A list control is its own Qt list.
static const QListWidget* listViewOf(const QWidget* widget)
{
    if (const auto* view = qobject_cast<const QListWidget*>(widget))
        return view;
    return widget ? widget->findChild<QListWidget*>() : nullptr;
}

QStringList linesOf(const ui::Screen& screen, const QString& name)
{
    QStringList lines;
    const QWidget* widget = widgetNamed(screen, name);
    if (const auto* view = listViewOf(widget))
        for (int i = 0; i < view->count(); ++i)
            lines << view->item(i)->text();
    return lines;
}

bool hasScrollBar(const ui::Screen& screen, const QString& name)
{
    const QWidget* widget = widgetNamed(screen, name);
    const auto* view = listViewOf(widget);
    return view && view->verticalScrollBar()->isVisibleTo(view) && view->verticalScrollBar()->maximum() > 0;
}

QImage renderedWindow(const ui::Screen& screen)
{
    QWidget* form = screen.window();
    QImage image = form->grab().toImage();
    if (image.size() != form->size())
        image = image.scaled(form->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return image.convertToFormat(QImage::Format_RGB32);
}

QColor commonestColour(const QImage& image, const QRegion& region)
{
    QHash<QRgb, int> counts;
    for (const QRect& rect : region.intersected(image.rect()))
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                ++counts[image.pixel(x, y)];
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    return QColor::fromRgb(best);
}

int pixelsNear(const QImage& image, const QRect& rect, QColor colour, int tolerance)
{
    int count = 0;
    const QRect inside = rect.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += near(image.pixelColor(x, y), colour, tolerance) ? 1 : 0;
    return count;
}

double pictureShown(const QImage& window, QPoint topLeft, const QImage& picture)
{
    int opaque = 0;
    int shown = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor want = picture.pixelColor(x, y);
            if (want.alpha() != 255)
                continue;
            ++opaque;
            const QPoint at = topLeft + QPoint(x, y);
            shown += window.rect().contains(at) && near(window.pixelColor(at), want, 24) ? 1 : 0;
        }
    return opaque ? double(shown) / opaque : 0.0;
}

}  // namespace testsupport
