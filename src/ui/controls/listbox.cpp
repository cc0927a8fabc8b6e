#include "listbox.h"

#include "ui/accessibility/focusring.h"
#include "ui/accessibility/reading.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace ui {

// Rows exactly one line of the font tall, as a plain list box spaces them, and no mark on the
// current row unless the user selected it.
class LineDelegate : public QStyledItemDelegate {
public:
    static constexpr int kTextIndent = 2;  // px between the list's edge and its text

    LineDelegate(int lineHeight, QObject* parent) : QStyledItemDelegate(parent), m_lineHeight(lineHeight) {}
    void setLine(int lineHeight, int indent)
    {
        m_lineHeight = lineHeight;
        m_indent = indent;
    }

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
        painter->drawText(QPointF(option.rect.left() + m_indent, baseline), index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

private:
    int m_lineHeight;
    int m_indent = kTextIndent;
};

ListBox::ListBox(const ControlSpec& row, QWidget* parent) : QListWidget(parent), Control(*this, row)
{
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUniformItemSizes(true);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAccessibleName(toQString(row.content.name));

    if (const TextStyle* style = row.content.style) {
        QPalette colours = palette();
        colours.setColor(QPalette::Base, style->back.toQColor());
        colours.setColor(QPalette::Text, style->fore.toQColor());
        setPalette(colours);
    }
    m_delegate = new LineDelegate(0, this);
    setItemDelegate(m_delegate);
    rescale();
    setMouseTracking(false);
}

void ListBox::rescale()
{
    Control::rescale();
    const double f = scale();
    if (const TextStyle* style = row().content.style)
        setFont(toQFont(style->font, f));
    // The font's own pixel size, not the rounded-up ascent plus descent: a 16 px face, 16 px rows.
    const QFont face = font();
    m_lineHeight = face.pixelSize() > 0 ? face.pixelSize() : QFontMetrics(face).height();
    m_delegate->setLine(m_lineHeight, textIndent());
    // Rows keep the height they were laid out with until told it changed.
    doItemsLayout();
}

int ListBox::textIndent() const
{
    return qRound(LineDelegate::kTextIndent * scale());
}

void ListBox::paintEvent(QPaintEvent* event)
{
    // The focus ring round the lines, drawn beneath them so the first and last lines stay whole.
    if (hasFocus()) {
        QPainter painter(viewport());
        paintFocusRing(painter, focusRingIn(QRectF(viewport()->rect()), scale()), m_ringColour, scale());
    }
    QListWidget::paintEvent(event);
}

void ListBox::focusInEvent(QFocusEvent* event)
{
    QImage beneath(viewport()->size(), QImage::Format_RGB32);
    beneath.fill(palette().color(QPalette::Base));
    m_ringColour = focusRingColourOver(beneath, focusRingIn(QRectF(beneath.rect()), scale()), scale());
    // The first sentence is current as the list takes the focus, so a reader starts there and
    // the first Down goes to the second; nothing is selected by it.
    if (currentRow() < 0) {
        const auto passages = passagesOf(items());
        if (!passages.empty())
            setCurrentRow(passages.front().firstLine, QItemSelectionModel::NoUpdate);
    }
    QListWidget::focusInEvent(event);
    viewport()->update();
    // Readers take the list's own focus after its line's, and then read no line: the current
    // line is told again once the focus has settled.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!hasFocus() || currentRow() < 0)
                return;
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(currentRow());
            QAccessible::updateAccessibility(&focus);
        },
        Qt::QueuedConnection);
}

void ListBox::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

void ListBox::scrollContentsBy(int dx, int dy)
{
    // Scrolling moves the pixels drawn, ring included: draw it afresh where it belongs.
    QListWidget::scrollContentsBy(dx, dy);
    if (hasFocus())
        viewport()->update();
}

bool ListBox::viewportEvent(QEvent* event)
{
    // A row's glyphs may reach a pixel into the next row. When only a strip is repainted (a page
    // sliding in paints the strip it uncovers), the rows beside the strip are drawn as well, cut
    // to the strip, so that no glyph loses its edge there.
    if (event->type() == QEvent::Paint) {
        const QRect strip = static_cast<QPaintEvent*>(event)->rect();
        QPaintEvent widened(strip.adjusted(0, -m_lineHeight, 0, m_lineHeight));
        return QListWidget::viewportEvent(&widened);
    }
    return QListWidget::viewportEvent(event);
}

QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action != MoveDown && action != MoveUp && action != MoveNext && action != MovePrevious)
        return QListWidget::moveCursor(action, modifiers);
    const auto passages = passagesOf(items());
    if (passages.empty())
        return QListWidget::moveCursor(action, modifiers);
    const int now = currentRow();
    const bool down = action == MoveDown || action == MoveNext;
    int target = -1;
    if (down) {
        for (const Passage& p : passages)
            if (p.firstLine > now) {
                target = p.firstLine;
                break;
            }
    } else {
        for (auto it = passages.rbegin(); it != passages.rend(); ++it)
            if (it->firstLine < now) {
                target = it->firstLine;
                break;
            }
    }
    // At either end the current sentence stays, as a list stays on its last row.
    if (target < 0)
        target = now < 0 ? passages.front().firstLine : now;
    return model()->index(target, 0, rootIndex());
}

QStringList ListBox::items() const
{
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result << item(i)->text();
    return result;
}

namespace {
// The inside of a list's frame, where its rows are drawn: known as soon as the list is placed.
QSize inside(const QListWidget& list)
{
    const int frame = list.frameWidth();
    return list.size() - QSize(2 * frame, 2 * frame);
}
}  // namespace

int ListBox::textRoom() const
{
    return inside(*this).width() - textIndent();
}

int ListBox::visibleRows() const
{
    return inside(*this).height() / m_lineHeight;
}

int ListBox::textWidth(const QString& line) const
{
    return QFontMetrics(font()).horizontalAdvance(line);
}

}  // namespace ui
