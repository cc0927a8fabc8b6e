#include "control.h"

#include "ui/controls/form.h"
#include "ui/layout/twips.h"

#include <QWidget>

namespace ui {

Control::Control(QWidget& widget, const ControlSpec& row)
    : m_widget(widget), m_row(row), m_left(row.left), m_top(row.top), m_width(row.width), m_height(row.height)
{
    widget.setObjectName(QString::fromUtf8(row.name.data(), qsizetype(row.name.size()))
                         + (row.index == kNoIndex ? QString() : QStringLiteral("(%1)").arg(row.index)));
    // What screen readers call the control and the longer words a picture carries. A label's
    // caption is its name, a button's face words are; a list names itself once it is built.
    const Kind kind = row.kind;
    if (!row.content.name.empty() && kind != Kind::Label && kind != Kind::ListBox)
        widget.setAccessibleName(toQString(row.content.name));
    if (!row.content.text.empty() && kind != Kind::Label && kind != Kind::CommandButton)
        widget.setAccessibleDescription(toQString(row.content.text));
    if (actsAsButton() || (kind == Kind::Label && row.content.tabIndex >= 0))
        widget.setFocusPolicy(Qt::StrongFocus);
    place();
}

bool Control::actsAsButton() const
{
    return (m_row.kind == Kind::Image || m_row.kind == Kind::PictureBox) && m_row.content.tabIndex >= 0;
}

bool Control::ownVisible() const
{
    return !m_widget.isHidden();
}

void Control::setLeftTwips(double twips)
{
    m_left = twips;
    place();
}

void Control::setTopTwips(double twips)
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

double Control::scale() const
{
    const auto* form = qobject_cast<const Form*>(m_widget.window());
    return form ? form->scale() : 1.0;
}

void Control::place()
{
    const auto* form = qobject_cast<const Form*>(m_widget.window());
    // Controls on the window itself stand on the layout's area, centred in the window.
    const QPoint at = form && m_widget.parentWidget() == form ? form->origin() : QPoint();
    m_widget.setGeometry(pixelRect(m_left, m_top, m_width, m_height, scale()).translated(at));
}

}  // namespace ui
