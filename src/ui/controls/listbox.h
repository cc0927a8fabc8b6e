#pragma once

#include "ui/controls/control.h"

#include <QListWidget>

namespace ui {

class LineDelegate;

// One item per line, never wrapped (a long line is cut at the right edge); a vertical scroll bar
// appears when the items do not fit.
class ListBox : public QListWidget, public Control {
    Q_OBJECT
public:
    ListBox(const ControlSpec& row, QWidget* parent);
    // Its layout row, and Qt's row of an item.
    using Control::row;
    using QListWidget::row;

    QStringList items() const;

    // What fits without being cut or scrolled: the width in pixels a line's text may take, and
    // the number of rows shown.
    int textRoom() const;
    int visibleRows() const;
    // The width in pixels a line takes in this list's font.
    int textWidth(const QString& line) const;

    void rescale() override;

protected:
    // While it has the keyboard focus the list shows the focus ring round its lines.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    // Up and Down move from sentence to sentence, as a reader hears them, past blank lines.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool viewportEvent(QEvent* event) override;

private:
    int textIndent() const;

    LineDelegate* m_delegate;
    int m_lineHeight;
    QColor m_ringColour;
};

}  // namespace ui
