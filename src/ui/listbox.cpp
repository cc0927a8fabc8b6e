#include "listbox.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QVBoxLayout>

namespace ui {

ListBox::ListBox(const ControlSpec& spec, QWidget* parent)
    : Control(spec, parent), m_view(new QListWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    m_view->setWordWrap(false);
    m_view->setTextElideMode(Qt::ElideNone);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_view->setUniformItemSizes(true);
    m_view->setFrameShape(QFrame::StyledPanel);
    m_view->setFrameShadow(QFrame::Sunken);
    m_view->setAccessibleName(objectName());
    setFocusProxy(m_view);

    if (const TextStyle* style = spec.content.style) {
        m_view->setFont(toQFont(style->font));
        QPalette palette = m_view->palette();
        palette.setColor(QPalette::Base, style->back.toQColor());
        palette.setColor(QPalette::Text, style->fore.toQColor());
        m_view->setPalette(palette);
    }
    // Rows as tall as the font's line, the way a plain list box spaces them.
    const int lineHeight = QFontMetrics(m_view->font()).height();
    m_view->setStyleSheet(QStringLiteral("QListWidget::item { height: %1px; padding: 0px 1px; }")
                              .arg(lineHeight));
}

void ListBox::clear()
{
    m_view->clear();
}

void ListBox::addItem(const QString& item)
{
    m_view->addItem(item);
}

QStringList ListBox::items() const
{
    QStringList result;
    for (int i = 0; i < m_view->count(); ++i)
        result << m_view->item(i)->text();
    return result;
}

int ListBox::count() const
{
    return m_view->count();
}

}  // namespace ui
