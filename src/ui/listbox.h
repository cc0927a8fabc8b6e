#pragma once

#include "control.h"

class QListWidget;

namespace ui {

// One item per line, never wrapped (a long line is cut at the right edge); a vertical scroll bar
// appears when the items do not fit.
class ListBox : public Control {
    Q_OBJECT
public:
    ListBox(const ControlSpec& row, QWidget* parent);

    void clear();
    void addItem(const QString& item);
    QStringList items() const;
    int count() const;
    QListWidget* view() const { return m_view; }

    // What fits without being cut or scrolled: the width in pixels a line's text may take, and
    // the number of rows shown.
    int textRoom() const;
    int visibleRows() const;
    // The width in pixels a line takes in this list's font.
    int textWidth(const QString& line) const;

private:
    QListWidget* m_view;
    int m_lineHeight;
};

}  // namespace ui
