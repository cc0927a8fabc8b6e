#pragma once

class QPainter;
class QRect;

namespace ui {

// The keyboard focus drawn inside a control's rectangle: a dark band outside a light one, each
// 2 px wide, so one of them stands out at least 3:1 on any face or drawing beneath (the light one
// on the blue and red faces, the dark one on orange, green and white).
void paintFocusRing(QPainter& painter, const QRect& area);

}  // namespace ui
