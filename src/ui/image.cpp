#include "image.h"

#include "twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

Image::Image(const ControlSpec& spec, QWidget* parent) : Control(spec, parent)
{
    const auto& content = spec.content;
    if (!content.text.empty())
        setAccessibleDescription(QString::fromUtf8(content.text.data(), qsizetype(content.text.size())));
    if (!content.picture.empty())
        setPicture(Picture::fromResource(
            QString::fromUtf8(content.picture.data(), qsizetype(content.picture.size()))));
}

void Image::setPicture(Picture picture)
{
    m_picture = std::move(picture);
    if (!spec().content.stretch && !m_picture.isNull()) {
        const QSize size = m_picture.size();
        setSizeTwips(pixelsToTwips(size.width()), pixelsToTwips(size.height()));
    }
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    m_picture.paint(painter, QRectF(rect()));
}

void Image::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void Image::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint()))
        fireClick();
    m_pressed = false;
}

}  // namespace ui
