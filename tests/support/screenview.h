#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QStringList>

class QWidget;

namespace ui {
class Screen;
}

// A screen as the user meets it: points and rectangles in the twips the screens are laid out in,
// turned into the window's pixels; clicks that Qt delivers to whatever lies under the pointer; and
// the window rendered to an image. Controls are found by their names ("Command1", "Label3(1)"),
// never through the screen's own look-ups, so that these tests see only what a user sees.
namespace testsupport {

// The nearest pixel of a place in twips, and a rectangle whose edges are the nearest pixels, on a
// window that shows the layout at `scale`.
QPoint pixelOf(QPointF twips, double scale = 1.0);
QRect pixelRect(double left, double top, double width, double height, double scale = 1.0);

QWidget* widgetNamed(const ui::Screen& screen, const QString& name);
// Relative to the control's container, as the layouts place it.
QRect placeOf(const ui::Screen& screen, const QString& name);
// Shown on the window: the control and every container around it.
bool showsOnScreen(const ui::Screen& screen, const QString& name);
// The control the pointer finds at a place of the window, or "" for the bare window.
QString controlAtTwips(const ui::Screen& screen, QPointF twips);
QString controlAt(const ui::Screen& screen, QPoint pixel);
// A press and release of the left button at a place in twips, delivered by Qt to the window as a
// window system would; returns the control that was under the pointer.
QString clickAt(ui::Screen& screen, QPointF twips);

// A label's caption, or the words a picture button carries on its face.
QString wordsOf(const ui::Screen& screen, const QString& name);
QStringList linesOf(const ui::Screen& screen, const QString& name);
bool hasScrollBar(const ui::Screen& screen, const QString& name);

// The window as painted, one image pixel per window pixel whatever the scale factor.
QImage renderedWindow(const ui::Screen& screen);
// The colour most pixels of the rectangle have.
QColor commonestColour(const QImage& image, const QRegion& region);
// How many pixels of the rectangle lie within `tolerance` of the colour in every channel.
int pixelsNear(const QImage& image, const QRect& rect, QColor colour, int tolerance = 40);
// The share of a picture's opaque pixels that the rendered window shows at `topLeft`.
double pictureShown(const QImage& window, QPoint topLeft, const QImage& picture);

}  // namespace testsupport
