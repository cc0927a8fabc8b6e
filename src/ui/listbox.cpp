#include "listbox.h"

#include "focusring.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QListWidget>
#include <QVBoxLayout>

namespace ui {
namespace {

// Rows exactly one line of the font tall, as a plain list box spaces them, and no mark on the
// current row unless the user selected it.
class LineDelegate : public QStyledItemDelegate {
public:
    static constexpr int kTextIndent = 2;  // px between the list's edge and its text

    LineDelegate(int lineHeight, QObject* parent) : QStyledItemDelegate(parent), m_lineHeight(lineHeight) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), m_lineHeight);
    }

    // Drawn by hand: the line's glyphs centred in a row exactly one font line tall, where the
    // stock delegate's margins would cut their tops.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->save();
        if (selected)
            painter->fillRect(option.rect, palette.brush(QPalette::Highlight));
        painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        const QFontMetricsF metrics(option.font);
        const qreal glyphs = metrics.ascent() + metrics.descent();
        const qreal baseline = option.rect.top() + (option.rect.height() - glyphs) / 2 + metrics.ascent();
        painter->drawText(QPointF(option.rect.left() + kTextIndent, baseline),
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

private:
    int m_lineHeight;
};

// The list itself, with the focus ring round its lines while it has the keyboard focus: drawn
// beneath them, so the first and last lines stay whole.
class RingedList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (hasFocus()) {
            QPainter painter(viewport());
            paintFocusRing(painter, viewport()->rect());
        }
        QListWidget::paintEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override
    {
        QListWidget::focusInEvent(event);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QListWidget::focusOutEvent(event);
        viewport()->update();
    }
    // Scrolling moves the pixels drawn, ring included: draw it afresh where it belongs.
    void scrollContentsBy(int dx, int dy) override
    {
        QListWidget::scrollContentsBy(dx, dy);
        if (hasFocus())
            viewport()->update();
    }
};

}  // namespace

ListBox::ListBox(const ControlSpec& row, QWidget* parent)
    : Control(row, parent), m_view(new RingedList(this))
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
    m_view->setAccessibleName(toQString(row.content.name));
    setFocusProxy(m_view);

    if (const TextStyle* style = row.content.style) {
        m_view->setFont(toQFont(style->font));
        QPalette palette = m_view->palette();
        palette.setColor(QPalette::Base, style->back.toQColor());
        palette.setColor(QPalette::Text, style->fore.toQColor());
        m_view->setPalette(palette);
    }
    // The font's own pixel size, not the rounded-up ascent plus descent: a 16 px face, 16 px rows.
    const QFont font = m_view->font();
    const int lineHeight = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    m_view->setItemDelegate(new LineDelegate(lineHeight, m_view));
    m_view->setMouseTracking(false);
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
