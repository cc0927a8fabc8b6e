#include "image.h"

#include "twips.h"

#include <QPainter>

namespace ui {

Image::Image(const ControlSpec& row, QWidget* parent) : ClickArea(parent), Control(*this, row)
{
    const auto& content = row.content;
    if (!content.picture.empty())
        setPicture(Picture::stored(content.picture));
}

void Image::setPicture(Picture picture)
{
    m_picture = std::move(picture);
    if (!row().content.stretch && !m_picture.isNull()) {
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

}  // namespace ui
