#pragma once

#include <QWidget>

namespace ui {

// The widget of a control the program draws itself. It takes every press of the mouse, so nothing
// beneath it gets one; a press and release of the left button inside it is a click.
class ClickArea : public QWidget {
    Q_OBJECT
public:
    explicit ClickArea(QWidget* parent);

    // A click that does not come from the pointer.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double click is no new click: a quick double click on the drawn
    // switch must not close and open the circuit again.
    void mouseDoubleClickEvent(QMouseEvent*) override {}

private:
    bool m_pressed = false;
};

}  // namespace ui
