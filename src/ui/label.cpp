#include "label.h"

#include <QPainter>

namespace ui {

Label::Label(const ControlSpec& row, QWidget* parent) : ClickArea(parent), Control(*this, row)
{
    if (row.content.style)
        setFont(toQFont(row.content.style->font));
    setCaption(QString::fromUtf8(row.content.text.data(), qsizetype(row.content.text.size())));
}

void Label::setCaption(const QString& caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void Label::paintEvent(QPaintEvent*)
{
    const TextStyle* style = row().content.style;
    QPainter painter(this);
    if (style && !style->transparentBack)
        painter.fillRect(rect(), style->back.toQColor());
    painter.setPen(style ? style->fore.toQColor() : QColor(Qt::black));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_caption);
}

}  // namespace ui
