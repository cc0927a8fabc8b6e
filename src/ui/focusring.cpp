#include "focusring.h"

#include <QPainter>
#include <QRect>

namespace ui {
namespace {
constexpr int kBandPixels = 2;
}  // namespace

void paintFocusRing(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QColor bands[] = {QColor(0, 0, 0), QColor(255, 255, 255)};
    for (int band = 0; band < 2; ++band) {
        QPen pen(bands[band], kBandPixels);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        // A pen of width w is centred on the line: inset by half of it, so nothing falls outside.
        const int inset = band * kBandPixels + kBandPixels / 2;
        painter.drawRect(QRectF(area).adjusted(inset, inset, -inset, -inset));
    }
    painter.restore();
}

}  // namespace ui
