#include "commandbutton.h"

#include <QImage>
#include <QKeyEvent>
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

// The four bars of a ring of the given width just inside the rectangle.
QList<QRectF> ringBars(const QRectF& outer, double width)
{
    return {QRectF(outer.left(), outer.top(), outer.width(), width),
            QRectF(outer.left(), outer.bottom() - width, outer.width(), width),
            QRectF(outer.left(), outer.top() + width, width, outer.height() - 2 * width),
            QRectF(outer.right() - width, outer.top() + width, width, outer.height() - 2 * width)};
}

}  // namespace

CommandButton::CommandButton(const ControlSpec& row, Picture face, QWidget* parent)
    : QAbstractButton(parent), Control(*this, row), m_face(std::move(face))
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoRepeat(false);
    setAccessibleName(QString::fromUtf8(row.content.text.data(), qsizetype(row.content.text.size())));
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole = rect();
    // Pushed in: the face moves down-right by a pixel and is shaded at its upper and left edges.
    const bool down = isDown();
    const QRectF target = down ? whole.translated(1, 1) : whole;
    m_face.paint(painter, target);
    if (down) {
        painter.fillRect(QRectF(0, 0, whole.width(), 2), QColor(0, 0, 0, 90));
        painter.fillRect(QRectF(0, 2, 2, whole.height() - 2), QColor(0, 0, 0, 90));
    }
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QRectF ring = target.adjusted(kRingInset, kRingInset, -kRingInset, -kRingInset);
        for (const QRectF& bar : ringBars(ring, kRingWidth))
            painter.fillRect(bar, ringColour());
    }
}

QColor CommandButton::ringColour()
{
    if (m_ringColour.isValid())
        return m_ringColour;
    QImage face(size(), QImage::Format_ARGB32);
    face.fill(Qt::transparent);
    {
        QPainter painter(&face);
        painter.setRenderHint(QPainter::Antialiasing);
        m_face.paint(painter, QRectF(rect()));
    }
    // The least contrast each candidate has with any pixel of the face it would cover.
    const QRectF ring = QRectF(rect()).adjusted(kRingInset, kRingInset, -kRingInset, -kRingInset);
    double leastWithWhite = 21;
    double leastWithBlack = 21;
    for (const QRectF& bar : ringBars(ring, kRingWidth)) {
        const QRect pixels = bar.toRect() & face.rect();
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                const double under = luminance(face.pixelColor(x, y));
                leastWithWhite = std::min(leastWithWhite, contrast(1.0, under));
                leastWithBlack = std::min(leastWithBlack, contrast(0.0, under));
            }
    }
    m_ringColour = leastWithWhite >= leastWithBlack ? QColor(Qt::white) : QColor(Qt::black);
    return m_ringColour;
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        return;
    case Qt::Key_Space:
        QAbstractButton::keyPressEvent(event);
        return;
    default:
        // Other keys, arrows included, are the window's: they do not move the focus.
        event->ignore();
    }
}

}  // namespace ui
