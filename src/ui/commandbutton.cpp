#include "commandbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

CommandButton::CommandButton(const ControlSpec& row, QWidget* parent) : Control(row, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    m_face = Picture::stored(row.content.picture);
    const QString words = QString::fromUtf8(row.content.text.data(),
                                            qsizetype(row.content.text.size()));
    setAccessibleName(words);
    setToolTip(QString());
}

void CommandButton::setDown(bool down)
{
    if (m_down != down) {
        m_down = down;
        update();
    }
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole = rect();
    // Pushed in: the face moves down-right by a pixel and is shaded at its upper and left edges.
    const QRectF target = m_down ? whole.translated(1, 1) : whole;
    m_face.paint(painter, target);
    if (m_down) {
        painter.fillRect(QRectF(0, 0, whole.width(), 2), QColor(0, 0, 0, 90));
        painter.fillRect(QRectF(0, 2, 2, whole.height() - 2), QColor(0, 0, 0, 90));
    }
    if (hasFocus()) {
        QPen pen(QColor(255, 255, 255, 230), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void CommandButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_mouseHeld = true;
    setFocus(Qt::MouseFocusReason);
    setDown(true);
}

void CommandButton::mouseMoveEvent(QMouseEvent* event)
{
    if (m_mouseHeld)
        setDown(rect().contains(event->position().toPoint()));
}

void CommandButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_mouseHeld)
        return;
    m_mouseHeld = false;
    const bool inside = rect().contains(event->position().toPoint());
    setDown(false);
    if (inside)
        fireClick();
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            m_spaceHeld = true;
            setDown(true);
        }
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        fireClick();
        return;
    default:
        Control::keyPressEvent(event);
    }
}

void CommandButton::keyReleaseEvent(QKeyEvent* event)
{
    // Space clicks on release, like any push button, so holding it shows the pushed-in face.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && m_spaceHeld) {
        m_spaceHeld = false;
        setDown(false);
        fireClick();
        return;
    }
    Control::keyReleaseEvent(event);
}

void CommandButton::focusOutEvent(QFocusEvent* event)
{
    m_spaceHeld = false;
    m_mouseHeld = false;
    setDown(false);
    Control::focusOutEvent(event);
}

}  // namespace ui
