#include "clickarea.h"

#include "ui/accessibility/focusring.h"
#include "ui/controls/control.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

ClickArea::ClickArea(QWidget* parent) : QWidget(parent) {}

void ClickArea::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ClickArea::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool clickKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (focusPolicy() == Qt::NoFocus || !clickKey) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->isAutoRepeat())
        return;
    if (key == Qt::Key_Space)
        m_spaceHeld = true;
    else
        emit clicked();
}

void ClickArea::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && m_spaceHeld) {
        m_spaceHeld = false;
        emit clicked();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void ClickArea::focusInEvent(QFocusEvent* event)
{
    if (focusPolicy() != Qt::NoFocus) {
        m_choosingRing = true;
        const QImage beneath = window()->grab(QRect(mapTo(window(), QPoint(0, 0)), size())).toImage().scaled(size());
        m_choosingRing = false;
        const double scale = ringScale();
        m_ringColour = focusRingColourOver(beneath, focusRingIn(QRectF(rect()), scale), scale);
    }
    QWidget::focusInEvent(event);
}

double ClickArea::ringScale() const
{
    const auto* control = dynamic_cast<const Control*>(this);
    return control ? control->scale() : 1.0;
}

void ClickArea::paintFocus(QPainter& painter) const
{
    if (hasFocus() && !m_choosingRing)
        paintFocusRing(painter, focusRingIn(QRectF(rect()), ringScale()),
                       m_ringColour.isValid() ? m_ringColour : QColor(Qt::black), ringScale());
}

void ClickArea::focusOutEvent(QFocusEvent* event)
{
    m_spaceHeld = false;
    QWidget::focusOutEvent(event);
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

}  // namespace ui
