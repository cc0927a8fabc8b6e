#pragma once

#include "control.h"
#include "picture.h"

namespace ui {

// A graphical button: its face picture is the whole button. It looks pushed in while the mouse
// button is held on it, takes the focus in tab order, and Space or Enter click it.
class CommandButton : public Control {
    Q_OBJECT
public:
    CommandButton(const ControlSpec& row, QWidget* parent);

    bool isDown() const { return m_down; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Unlike a picture, a push button pressed twice quickly is clicked twice.
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setDown(bool down);

    Picture m_face;
    bool m_down = false;
    bool m_mouseHeld = false;
    bool m_spaceHeld = false;
};

}  // namespace ui
