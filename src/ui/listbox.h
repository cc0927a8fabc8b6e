#pragma once

#include "control.h"

#include <QListWidget>

namespace ui {

// One item per line, never wrapped (a long line is cut at the right edge); a vertical scroll bar
// appears when the items do not fit.
class ListBox : public QListWidget, public Control {
    Q_OBJECT
public:
    ListBox(const ControlSpec& row, QWidget* parent);

    QStringList items() const;

protected:
    // While it has the keyboard focus the list shows the focus ring round its lines.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QColor m_ringColour;
};

}  // namespace ui
