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

protected:
    void setSizeTwips(double width, double height);
    void fireClick();

    // A press and release of the left button inside the control is a click.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double click on a picture is no new click: a quick double click on
    // the drawn switch must not close and open the circuit again.
    void mouseDoubleClickEvent(QMouseEvent*) override {}

private:
    void place();

    const ControlSpec& m_row;
    double m_left, m_top, m_width, m_height;
    bool m_pressed = false;
};

}  // namespace ui
