#pragma once

#include "layout.h"

#include <QWidget>

#include <functional>

namespace ui {

// Base of every visible control: keeps its place in twips, as the layouts give it, and turns it
// into pixels only when the widget is placed.
class Control : public QWidget {
    Q_OBJECT
public:
    Control(const ControlSpec& row, QWidget* parent);

    const ControlSpec& row() const { return m_row; }
    double left() const { return m_left; }
    double top() const { return m_top; }
    double width() const { return m_width; }
    double height() const { return m_height; }
    void setLeft(double twips);
    void setTop(double twips);

    // Visible as the screen set it, whatever its containers do.
    bool ownVisible() const { return !isHidden(); }

    // Called with the control's index when the user clicks it; set by the screen.
    std::function<void(int)> onClick;

    // A click made without the mouse (a key, an assistive tool): nothing happens unless the
    // control is shown.
    void click();

    // A picture with a place in tab order is worked like a button: it takes the focus, shows the
    // focus ring, and Space or Enter click it.
    bool actsAsButton() const;

protected:
    void setSizeTwips(double width, double height);
    void fireClick();

    // A press and release of the left button inside the control is a click.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double click on a picture is no new click: a quick double click on
    // the drawn switch must not close and open the circuit again.
    void mouseDoubleClickEvent(QMouseEvent*) override {}
    // Space clicks on release, Enter on press, as on a button; a held key does not repeat.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void place();

    const ControlSpec& m_row;
    double m_left, m_top, m_width, m_height;
    bool m_pressed = false;
    bool m_spaceHeld = false;
};

}  // namespace ui
