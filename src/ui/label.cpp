#include "label.h"

#include <QPainter>

namespace ui {

Label::Label(const ControlSpec& spec, QWidget* parent) : Control(spec, parent)
{
    if (spec.content.style)
        setFont(toQFont(spec.content.style->font));
    setCaption(QString::fromUtf8(spec.content.text.data(), qsizetype(spec.content.text.size())));
}

void Label::setCaption(const QString& caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void Label::paintEvent(QPaintEvent*)
{
    const TextStyle* style = spec().content.style;
    QPainter painter(this);
    if (style && !style->transparentBack)
        painter.fillRect(rect(), style->back.toQColor());
    painter.setPen(style ? style->fore.toQColor() : QColor(Qt::black));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_caption);
}

}  // namespace ui
