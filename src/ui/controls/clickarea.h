#pragma once

#include <QWidget>

namespace ui {

// The widget of a control the program draws itself. It takes every press of the mouse, so nothing
// beneath it gets one; a press and release of the left button inside it is a click. One that takes
// the focus is clicked by the keyboard as a button is: Space on release, Enter on press.
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
    // A key held down clicks once, not at every repeat.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // The focus ring, while the control has the focus, in the colour that stands out more from
    // what the window showed beneath it when the focus came.
    void paintFocus(QPainter& painter) const;

private:
    // The ring grows with the scale its window shows the layout at.
    double ringScale() const;

private:
    bool m_pressed = false;
    bool m_spaceHeld = false;
    QColor m_ringColour;
    bool m_choosingRing = false;  // the window is being drawn to see what lies beneath the ring
};

}  // namespace ui
