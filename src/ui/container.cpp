#include "container.h"

#include <QPainter>

namespace ui {

Container::Container(const ControlSpec& row, Picture stored, QWidget* parent)
    : ClickArea(parent), Control(*this, row), m_picture(std::move(stored))
{
}

void Container::setPicture(Picture picture)
{
    m_picture = std::move(picture);
    update();
}

void Container::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), row().content.back.toQColor());
    if (!m_picture.isNull())
        m_picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(m_picture.size())));
    paintFocus(painter);
}

}  // namespace ui
