#include "commandbutton.h"

#include "ui/accessibility/focusring.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ui {

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
    // A button that stays on until pressed again stays pushed in while on.
    const bool down = isDown() || isChecked();
    const double f = scale();
    const double shift = std::max(1.0, std::round(f));
    const double shade = std::max(1.0, std::round(2 * f));
    const QRectF target = down ? whole.translated(shift, shift) : whole;
    m_face.paint(painter, target);
    if (down) {
        painter.fillRect(QRectF(0, 0, whole.width(), shade), QColor(0, 0, 0, 90));
        painter.fillRect(QRectF(0, shade, shade, whole.height() - shade), QColor(0, 0, 0, 90));
    }
    if (hasFocus())
        paintFocusRing(painter, focusRingIn(target, f), ringColour(), f);
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
    m_ringColour = focusRingColourOver(face, focusRingIn(QRectF(rect()), scale()), scale());
    return m_ringColour;
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: click(); return;
    case Qt::Key_Space: QAbstractButton::keyPressEvent(event); return;
    default:
        // Other keys, arrows included, are the window's: they do not move the focus.
        event->ignore();
    }
}

}  // namespace ui
