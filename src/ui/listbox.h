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
    bool viewportEvent(QEvent* event) override;

private:
    int m_lineHeight;
};

}  // namespace ui
