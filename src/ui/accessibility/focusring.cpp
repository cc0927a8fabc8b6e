#include "focusring.h"

#include <QImage>
#include <QList>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// Relative luminance of an sRGB colour, as contrast ratios are reckoned.
double luminance(const QColor& colour)
{
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The four bars of the ring.
QList<QRectF> ringBars(const QRectF& ring, double scale)
{
    const double width = std::max(1.0, std::round(kFocusRingWidth * scale));
    return {QRectF(ring.left(), ring.top(), ring.width(), width),
            QRectF(ring.left(), ring.bottom() - width, ring.width(), width),
            QRectF(ring.left(), ring.top() + width, width, ring.height() - 2 * width),
            QRectF(ring.right() - width, ring.top() + width, width, ring.height() - 2 * width)};
}

}  // namespace

QRectF focusRingIn(const QRectF& area, double scale)
{
    const double inset = std::round(kFocusRingInset * scale);
    return area.adjusted(inset, inset, -inset, -inset);
}

QColor focusRingColourOver(const QImage& beneath, const QRectF& ring, double scale)
{
    double leastWithWhite = 21;
    double leastWithBlack = 21;
    for (const QRectF& bar : ringBars(ring, scale)) {
        const QRect pixels = bar.toRect() & beneath.rect();
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                const double under = luminance(beneath.pixelColor(x, y));
                leastWithWhite = std::min(leastWithWhite, contrast(1.0, under));
                leastWithBlack = std::min(leastWithBlack, contrast(0.0, under));
            }
    }
    return leastWithWhite >= leastWithBlack ? QColor(Qt::white) : QColor(Qt::black);
}

void paintFocusRing(QPainter& painter, const QRectF& ring, const QColor& colour, double scale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const QRectF& bar : ringBars(ring, scale))
        painter.fillRect(bar, colour);
    painter.restore();
}

}  // namespace ui
