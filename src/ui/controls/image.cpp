#include "image.h"

#include "ui/layout/twips.h"

#include <QAccessible>
#include <QPainter>

namespace ui {

Image::Image(const ControlSpec& row, Picture stored, QWidget* parent) : ClickArea(parent), Control(*this, row)
{
    if (!stored.isNull())
        setPicture(std::move(stored));
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

void Image::setChecked(bool on)
{
    if (m_checked == on)
        return;
    m_checked = on;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void Image::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull() && !hasFocus())
        return;
    QPainter painter(this);
    if (!m_picture.isNull())
        m_picture.paint(painter, QRectF(rect()));
    paintFocus(painter);
}

}  // namespace ui
