#include "container.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

Container::Container(const ControlSpec& spec, QWidget* parent) : Control(spec, parent)
{
    const auto& content = spec.content;
    if (!content.text.empty())
        setAccessibleDescription(QString::fromUtf8(content.text.data(), qsizetype(content.text.size())));
    if (!content.picture.empty())
        setPicture(Picture::fromResource(
            QString::fromUtf8(content.picture.data(), qsizetype(content.picture.size()))));
}

void Container::setPicture(Picture picture)
{
    m_picture = std::move(picture);
    update();
}

void Container::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), spec().content.back.toQColor());
    if (!m_picture.isNull())
        m_picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(m_picture.size())));
}

void Container::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void Container::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint()) && spec().kind == Kind::PictureBox)
        fireClick();
    m_pressed = false;
}

}  // namespace ui
