#include "container.h"

#include <QPainter>

namespace ui {

Container::Container(const ControlSpec& row, Picture stored, QWidget* parent)
    : ClickArea(parent), Control(*this, row), m_picture(std::move(stored))
{
    // It covers its whole rectangle, so a move shifts what is already drawn and paints only the
    // strip it uncovers: a page sliding in costs a strip a tick, not the page.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Container::setPicture(Picture picture)
{
    m_picture = std::move(picture);
    update();
}

QSize Container::pictureSize() const
{
    // Whole pixels, so a stored picture is blitted from its rendering.
    const QSize natural = m_picture.size();
    return QSize(qRound(natural.width() * scale()), qRound(natural.height() * scale()));
}

void Container::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), row().content.back.toQColor());
    if (!m_picture.isNull())
        m_picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(pictureSize())));
    paintFocus(painter);
}

}  // namespace ui
