#include "control.h"

#include "twips.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace ui {

Control::Control(const ControlSpec& row, QWidget* parent)
    : QWidget(parent),
      m_row(row),
      m_left(row.left),
      m_top(row.top),
      m_width(row.width),
      m_height(row.height)
{
    setObjectName(QString::fromUtf8(row.name.data(), qsizetype(row.name.size()))
                  + (row.index == kNoIndex ? QString() : QStringLiteral("(%1)").arg(row.index)));
    // What screen readers call the control, and the longer words a picture carries; a label's
    // caption is its name.
    if (!row.content.name.empty() && row.kind != Kind::Label)
        setAccessibleName(toQString(row.content.name));
    if (!row.content.text.empty() && row.kind != Kind::Label)
        setAccessibleDescription(toQString(row.content.text));
    if (actsAsButton())
        setFocusPolicy(Qt::StrongFocus);
    place();
}

void Control::setLeft(double twips)
{
    m_left = twips;
    place();
}

void Control::setTop(double twips)
{
    m_top = twips;
    place();
}

void Control::setSizeTwips(double width, double height)
{
    m_width = width;
    m_height = height;
    place();
}

void Control::place()
{
    const int x = twipsToPixels(m_left);
    const int y = twipsToPixels(m_top);
    // Edges are rounded, not the size, so neighbouring controls never open a one-pixel gap.
    setGeometry(x, y, twipsToPixels(m_left + m_width) - x, twipsToPixels(m_top + m_height) - y);
}

void Control::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void Control::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        fireClick();
    m_pressed = false;
}

bool Control::actsAsButton() const
{
    return (m_row.kind == Kind::Image || m_row.kind == Kind::PictureBox) && m_row.content.tabIndex >= 0;
}

void Control::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (!actsAsButton() || (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->isAutoRepeat())
        return;
    if (key == Qt::Key_Space)
        m_spaceHeld = true;
    else
        fireClick();
}

void Control::keyReleaseEvent(QKeyEvent* event)
{
    if (actsAsButton() && event->key() == Qt::Key_Space && !event->isAutoRepeat() && m_spaceHeld) {
        m_spaceHeld = false;
        fireClick();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void Control::focusOutEvent(QFocusEvent* event)
{
    m_spaceHeld = false;
    QWidget::focusOutEvent(event);
}

void Control::click()
{
    if (isVisibleTo(window()))
        fireClick();
}

void Control::fireClick()
{
    if (onClick)
        onClick(m_row.index);
}

}  // namespace ui
