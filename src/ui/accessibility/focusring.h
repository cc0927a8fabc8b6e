#pragma once

#include <QColor>
#include <QRectF>

class QImage;
class QPainter;

namespace ui {

// The keyboard focus as every control shows it: a ring 2 px wide, 4 px inside the control's edge,
// black or white, whichever stands out more from what it covers; on a window that shows its
// layout scaled, both times that scale.
inline constexpr int kFocusRingInset = 4;  // px between the control's edge and its focus ring
inline constexpr int kFocusRingWidth = 2;  // px

// Where the ring lies inside a control of the given rectangle.
QRectF focusRingIn(const QRectF& area, double scale = 1.0);
// Black or white: the one whose least contrast with the pixels of `beneath` under the ring is
// greater.
QColor focusRingColourOver(const QImage& beneath, const QRectF& ring, double scale = 1.0);
void paintFocusRing(QPainter& painter, const QRectF& ring, const QColor& colour, double scale = 1.0);

}  // namespace ui
