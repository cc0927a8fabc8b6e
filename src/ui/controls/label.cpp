#include "label.h"

#include <QAccessible>
#include <QPainter>

namespace ui {

Label::Label(const ControlSpec& row, QWidget* parent) : ClickArea(parent), Control(*this, row)
{
    rescale();
    setCaption(QString::fromUtf8(row.content.text.data(), qsizetype(row.content.text.size())));
}

void Label::rescale()
{
    Control::rescale();
    if (row().content.style)
        setFont(toQFont(row().content.style->font, scale()));
}

void Label::setCaption(const QString& caption)
{
    const bool hadWords = !m_caption.isEmpty();
    m_caption = caption;
    // The caption is the label's name, or fills the blank of the name the layout gives it.
    const QString pattern = toQString(row().content.name);
    setAccessibleName(caption.isEmpty() || pattern.isEmpty() ? caption : pattern.arg(caption));
    // Without words the label has nothing to read: screen readers hear it come and go.
    if (hadWords != !caption.isEmpty() && isVisible()) {
        QAccessibleEvent event(this, caption.isEmpty() ? QAccessible::ObjectHide : QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&event);
    }
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
    paintFocus(painter);
}

}  // namespace ui
